// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/processterminator.h"

#include "webtools/webplugin.h"

#include "kit/previewservice.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class PreviewPane;
class PreviewViewFactory;
class QWidget;
struct AppContext;

// Opens the Customise and Preview windows. The web plugin is loaded only when the first of
// them opens, so the program starts without the browser engine.
class PreviewTools final : public QObject, public PreviewService {
    Q_OBJECT
public:
    PreviewTools(const QString& pluginFile, QString siteFolder, QObject* parent = nullptr);
    // A factory at hand (tests); nullptr stands for a plugin that cannot be loaded.
    PreviewTools(PreviewViewFactory* factory, ProcessTerminator& terminator, QString siteFolder,
                 QObject* parent = nullptr);
    ~PreviewTools() override;

    // Where the Customise window finds the program's page commands (read when it opens);
    // without it (the benchmark) the window does not offer "Put into My Page...".
    void setContext(const AppContext& context) { m_context = &context; }

    void customise(const ScriptEntry& entry, QWidget* from) override;
    void previewScript(const QString& name, const QString& head, const QString& body,
                       QWidget* from) override;

    // The window opened last for that entry or script name, while it is open.
    QWidget* windowFor(const QString& key) const { return m_windows.value(key); }

private:
    PreviewPane* makePane();
    void place(QWidget* window, QWidget* from);

    WebPlugin m_plugin;
    PreviewViewFactory* m_factory = nullptr;
    bool m_fixedFactory = false;
    SystemProcessTerminator m_systemTerminator;
    ProcessTerminator* m_terminator = &m_systemTerminator;
    QString m_siteFolder;
    const AppContext* m_context = nullptr;
    QHash<QString, QPointer<QWidget>> m_windows;
};
