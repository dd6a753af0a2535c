// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webplugin.h"

#include "platform/appfolder.h"

#include "webtools/webwindowfactory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
// QtGui offers no public way to install the shared context once the application runs; the
// only public one, an application attribute set before start-up, makes the context (and
// loads the OpenGL driver) in every run, web window or not.
#include <QtGui/private/qopenglcontext_p.h>

#include <unistd.h>

namespace {

// The engine refuses to start for the root user unless its sandbox is switched off, and its
// refusal takes the whole program down; better to say so and not load it.
bool engineWouldRefuseToStart() {
    const bool sandboxOff =
        qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") ||
        qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox"));
    return ::geteuid() == 0 && !sandboxOff;
}

void dropSharedContext() {
    QOpenGLContext* context = qt_gl_global_share_context();
    qt_gl_set_global_share_context(nullptr);
    delete context;
}

} // namespace

void WebPlugin::shareGraphicsContexts() {
    if (qt_gl_global_share_context())
        return;
    // The engine's views draw with contexts shared with this one. Made as the application
    // would at start-up; a failed create() (no OpenGL at all) leaves the engine drawing in
    // software, which is what it does then anyway.
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine(dropSharedContext);
}

QString WebPlugin::defaultFile() {
    return AppFolder::pluginPath() + QStringLiteral("/libtagloom_web.so");
}

WebPlugin::WebPlugin(QString file)
    : m_file(std::move(file)) {}

WebWindowFactory* WebPlugin::factory() {
    if (m_factory)
        return m_factory;
    if (!QFileInfo::exists(m_file)) {
        m_error = QCoreApplication::translate(
                      "WebPlugin", "The file %1 is missing. Reinstalling Tagloom should bring it "
                                   "back.")
                      .arg(m_file);
        return nullptr;
    }
    // The loader is left alive on purpose: unloading the browser engine mid-run is unsafe.
    auto* loader = new QPluginLoader(m_file);
    // Reading the metadata does not load the library, so a broken file is still named.
    if (!loader->metaData().isEmpty() && engineWouldRefuseToStart()) {
        delete loader;
        m_error = QCoreApplication::translate(
            "WebPlugin", "Web pages cannot be shown while Tagloom runs as the root user. "
                         "Start Tagloom as an ordinary user.");
        return nullptr;
    }
    // The engine looks for the shared context as soon as its library loads.
    shareGraphicsContexts();
    QObject* instance = loader->instance();
    m_factory = qobject_cast<WebWindowFactory*>(instance);
    if (!m_factory) {
        m_error =
            (instance ? QCoreApplication::translate("WebPlugin", "%1 is not a Tagloom web plugin.")
                            .arg(m_file)
                      : loader->errorString()) +
            QCoreApplication::translate("WebPlugin", " Reinstalling Tagloom should bring it back.");
        if (!instance)
            delete loader;
    }
    return m_factory;
}
