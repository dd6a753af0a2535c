// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/sysinfo.h"

#include "platform/messageboxes.h"
#include "platform/programlauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace SysInfo {

const QString kUnavailable =
    QStringLiteral(QT_TRANSLATE_NOOP("SysInfo", "System Information Is Unavailable At This Time"));
const QString kInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kInfoValue = QStringLiteral("PATH");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kLocationValue = QStringLiteral("MSINFO");
const QString kProgramFile = QStringLiteral("MSINFO32.EXE");

bool GetKeyValue(SystemRegistry& registry, SystemRegistry::Root root, const QString& keyPath,
                 const QString& valueName, QString& text) {
    SystemRegistry::Handle key = 0;
    if (registry.openKey(root, keyPath, SystemRegistry::AllAccess, &key) !=
        SystemRegistry::Success) {
        text.clear();
        registry.closeKey(key);
        return false;
    }

    std::array<char, BufferSize> buffer{};
    quint32 size = BufferSize;
    quint32 type = 0;
    if (registry.queryValue(key, valueName, &type, buffer.data(), &size) !=
            SystemRegistry::Success ||
        size > BufferSize) {
        text.clear();
        registry.closeKey(key);
        return false;
    }
    if (size == 0) {
        // Nothing to trim: the caller gives up altogether. The key is closed all the same.
        registry.closeKey(key);
        throw ReadError("registry value has no data");
    }

    // A terminating zero is dropped; a string stored without one stays whole.
    const int kept = buffer[size - 1] == '\0' ? int(size) - 1 : int(size);
    const QByteArray bytes(buffer.data(), kept);

    if (type == SystemRegistry::TypeString) {
        text = QString::fromUtf8(bytes);
    } else if (type == SystemRegistry::TypeNumber32) {
        QString hex;
        for (int i = kept - 1; i >= 0; --i)
            hex += QString::number(quint8(bytes.at(i)), 16).toUpper();
        text += QStringLiteral("&h") + hex;
    }
    registry.closeKey(key);
    return true;
}

void StartSysInfo(const Services& services, QWidget* owner) {
    const auto fileExists = services.fileExists ? services.fileExists : [](const QString& path) {
        return QFileInfo(path).isFile();
    };
    bool started = false;
    try {
        QString program;
        if (services.registry) {
            SystemRegistry& registry = *services.registry;
            if (GetKeyValue(registry, SystemRegistry::Root::LocalMachine, kInfoKey, kInfoValue,
                            program)) {
                // The named program is started as it stands; a failed start is reported.
                started = services.launcher && services.launcher->start(program);
            } else if (GetKeyValue(registry, SystemRegistry::Root::LocalMachine, kLocationKey,
                                   kLocationValue, program)) {
                const QString candidate = program + QDir::separator() + kProgramFile;
                if (fileExists(candidate))
                    started = services.launcher && services.launcher->start(candidate);
            }
        }
    } catch (...) {
        started = false;
    }
    if (!started && services.messages)
        services.messages->inform(
            owner, QCoreApplication::translate("SysInfo", "Tagloom"),
            QCoreApplication::translate("SysInfo", qUtf8Printable(kUnavailable)));
}

} // namespace SysInfo
