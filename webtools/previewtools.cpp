// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/previewtools.h"

#include "webtools/customisewindow.h"
#include "webtools/previewpane.h"
#include "webtools/previewview.h"
#include "webtools/webwindowfactory.h"

#include "kit/appcontext.h"
#include "model/previewpage.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPluginLoader>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

PreviewTools::PreviewTools(const QString& pluginFile, QString siteFolder, QObject* parent)
    : QObject(parent)
    , m_plugin(pluginFile)
    , m_siteFolder(std::move(siteFolder)) {}

PreviewTools::PreviewTools(PreviewViewFactory* factory, ProcessTerminator& terminator,
                           QString siteFolder, QObject* parent)
    : QObject(parent)
    , m_factory(factory)
    , m_fixedFactory(true)
    , m_terminator(&terminator)
    , m_siteFolder(std::move(siteFolder)) {}

PreviewTools::~PreviewTools() {
    // Web views must be gone before the application object is.
    const auto windows = m_windows;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

PreviewPane* PreviewTools::makePane() {
    QString unavailable;
    if (!m_fixedFactory && !m_factory) {
        // The plugin's loader checks the file and the session; the same library then answers
        // for the preview interface as well.
        if (m_plugin.factory())
            m_factory =
                qobject_cast<PreviewViewFactory*>(QPluginLoader(m_plugin.file()).instance());
        if (!m_factory)
            unavailable = m_plugin.errorString().isEmpty()
                              ? QCoreApplication::translate("PreviewTools",
                                                            "the web plugin offers no preview.")
                              : m_plugin.errorString();
    } else if (!m_factory) {
        unavailable =
            QCoreApplication::translate("PreviewTools", "its web component could not be loaded.");
    }
    return new PreviewPane(m_factory, *m_terminator, m_siteFolder, unavailable);
}

void PreviewTools::place(QWidget* window, QWidget* from) {
    window->setWindowIcon(QIcon(QStringLiteral(":/assets/icon/tagloom-256.png")));
    if (QScreen* screen = from ? from->screen() : nullptr) {
        const QRect area = screen->availableGeometry();
        window->resize(window->size().boundedTo(area.size() - QSize(20, 40)));
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void PreviewTools::customise(const ScriptEntry& entry, QWidget* from) {
    const QString key = QStringLiteral("customise:") + entry.formName;
    if (QWidget* open = m_windows.value(key)) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    PageInsertionCommands* pages = nullptr;
    if (m_context)
        pages = m_context->pageInsertion;
    auto* window = new CustomiseWindow(entry, makePane(), m_siteFolder, pages);
    m_windows.insert(key, window);
    place(window, from);
}

void PreviewTools::previewScript(const QString& name, const QString& head, const QString& body,
                                 QWidget* from) {
    const QString key = QStringLiteral("script:") + name;
    delete m_windows.value(key).data(); // a fresh preview of what is saved now
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("frmScriptPreview"));
    window->setWindowTitle(QCoreApplication::translate("PreviewTools", "Preview - %1").arg(name));
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window);
    auto* intro =
        new QLabel(QCoreApplication::translate(
                       "PreviewTools", "Your script's head and body code in a page of their own. "
                                       "Nothing it does leaves this window."),
                   window);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    PreviewPane* pane = makePane();
    pane->setParent(window);
    layout->addWidget(pane, 1);
    window->resize(820, 640);
    m_windows.insert(key, window);
    pane->showPage(
        PreviewPage::forScript(name, head, body),
        QUrl::fromLocalFile(m_siteFolder + QStringLiteral("/tagloom/samples/preview.htm"))
            .toString());
    place(window, from);
}
