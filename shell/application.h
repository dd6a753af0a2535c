// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/appcontext.h"

#include <QObject>

#include <memory>

class Catalogue;
class EntryActions;
class MDIFormMain;
class frmMain;

// Puts the program together: the frame, frmMain, the window registry and every
// subsystem's windows, over the outside-world adapters the caller hands in.
class Application final : public QObject {
    Q_OBJECT
public:
    // The caller provides store, shell, messages, launcher and systemRegistry in base.
    explicit Application(const AppContext& base, QObject* parent = nullptr);
    ~Application() override;

    // Frame load, then frmMain's load, then both appear.
    void start();

    AppContext& context() { return m_context; }
    MDIFormMain* frame() const { return m_frame; }
    frmMain* mainWindow() const;

private:
    AppContext m_context;
    std::unique_ptr<Catalogue> m_catalogue;
    std::unique_ptr<WindowRegistry> m_windows;
    std::unique_ptr<EntryActions> m_entryActions;
    MDIFormMain* m_frame = nullptr;
};
