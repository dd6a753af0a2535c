// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A service of the AppContext: set once by whoever puts the program together (or by a test),
// then used like a reference. A window never asks whether it is there: using one that was
// never set is a wiring mistake and stops the program naming the service, instead of turning
// the command into a silent no-op. Testing it for null does not compile; isSet() is for the
// rare caller with a stated alternative (no catalogue: no viewer to make; no web tools: the
// desktop's browser).
template <class T> class Service {
public:
    Service() = default;
    Service(T* service) // NOLINT: assigned from plain pointers by design
        : m_service(service) {}

    T& operator*() const { return get(); }
    T* operator->() const { return &get(); }
    // Handing the service on to code that takes a pointer.
    operator T*() const { return m_service; }
    explicit operator bool() const = delete;

    bool isSet() const { return m_service != nullptr; }

private:
    T& get() const {
        if (!m_service)
            qFatal("%s: the service was used before the program set it", Q_FUNC_INFO);
        return *m_service;
    }

    T* m_service = nullptr;
};
