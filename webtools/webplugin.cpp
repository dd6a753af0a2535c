// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webplugin.h"

#include "platform/appfolder.h"

#include "webtools/webwindowfactory.h"

#include <QFileInfo>
#include <QPluginLoader>

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

} // namespace

QString WebPlugin::defaultFile() {
    return AppFolder::pluginPath() + QStringLiteral("/libtagloom_web.so");
}

WebPlugin::WebPlugin(QString file)
    : m_file(std::move(file)) {}

WebWindowFactory* WebPlugin::factory() {
    if (m_factory)
        return m_factory;
    if (!QFileInfo::exists(m_file)) {
        m_error = QStringLiteral("The file %1 is missing. Reinstalling Tagloom should bring it "
                                 "back.")
                      .arg(m_file);
        return nullptr;
    }
    // The loader is left alive on purpose: unloading the browser engine mid-run is unsafe.
    auto* loader = new QPluginLoader(m_file);
    // Reading the metadata does not load the library, so a broken file is still named.
    if (!loader->metaData().isEmpty() && engineWouldRefuseToStart()) {
        delete loader;
        m_error = QStringLiteral("Web pages cannot be shown while Tagloom runs as the root user. "
                                 "Start Tagloom as an ordinary user.");
        return nullptr;
    }
    QObject* instance = loader->instance();
    m_factory = qobject_cast<WebWindowFactory*>(instance);
    if (!m_factory) {
        m_error = (instance ? QStringLiteral("%1 is not a Tagloom web plugin.").arg(m_file)
                            : loader->errorString()) +
                  QStringLiteral(" Reinstalling Tagloom should bring it back.");
        if (!instance)
            delete loader;
    }
    return m_factory;
}
