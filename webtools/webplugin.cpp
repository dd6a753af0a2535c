// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/webplugin.h"

#include "platform/appfolder.h"

#include "webtools/webwindowfactory.h"

#include <QFileInfo>
#include <QPluginLoader>

QString WebPlugin::defaultFile() {
    return AppFolder::pluginPath() + QStringLiteral("/libtagloom_web.so");
}

WebPlugin::WebPlugin(QString file)
    : m_file(std::move(file)) {}

WebWindowFactory* WebPlugin::factory() {
    if (m_factory)
        return m_factory;
    if (!QFileInfo::exists(m_file)) {
        m_error = QStringLiteral("The file %1 is missing.").arg(m_file);
        return nullptr;
    }
    // The loader is left alive on purpose: unloading the browser engine mid-run is unsafe.
    auto* loader = new QPluginLoader(m_file);
    QObject* instance = loader->instance();
    m_factory = qobject_cast<WebWindowFactory*>(instance);
    if (!m_factory) {
        m_error = instance ? QStringLiteral("%1 is not a Tagloom web plugin.").arg(m_file)
                           : loader->errorString();
        if (!instance)
            delete loader;
    }
    return m_factory;
}
