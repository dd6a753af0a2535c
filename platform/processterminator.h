// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Ends a helper process of ours that no longer answers (a preview's page renderer stuck in a
// script that never returns).
class ProcessTerminator {
public:
    virtual ~ProcessTerminator() = default;
    // False when there was no such process or it could not be ended.
    virtual bool terminate(qint64 processId) = 0;
};

class SystemProcessTerminator final : public ProcessTerminator {
public:
    bool terminate(qint64 processId) override;
};
