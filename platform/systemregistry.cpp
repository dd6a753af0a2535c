// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemregistry.h"

#include <QFile>
#include <QHash>
#include <QStandardPaths>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// One value as the file gives it. Not in the anonymous namespace, as FileSystemRegistry::Data
// holds a table of them.
struct RegistryFileValue {
    quint32 type = SystemRegistry::TypeString;
    QByteArray bytes;
};

namespace {

using Value = RegistryFileValue;

// Key paths and value names are compared without regard to case, as the registry does.
QString keyId(SystemRegistry::Root root, const QString& path) {
    QString clean = path;
    clean.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (clean.endsWith(QLatin1Char('\\')))
        clean.chop(1);
    while (clean.startsWith(QLatin1Char('\\')))
        clean.remove(0, 1);
    return QString::number(int(root)) + QLatin1Char(':') + clean.toLower();
}

bool parseRoot(const QString& name, SystemRegistry::Root* root) {
    static const QHash<QString, SystemRegistry::Root> roots{
        {QStringLiteral("HKEY_CLASSES_ROOT"), SystemRegistry::Root::ClassesRoot},
        {QStringLiteral("HKEY_CURRENT_USER"), SystemRegistry::Root::CurrentUser},
        {QStringLiteral("HKEY_LOCAL_MACHINE"), SystemRegistry::Root::LocalMachine},
        {QStringLiteral("HKEY_USERS"), SystemRegistry::Root::Users},
    };
    const auto it = roots.constFind(name.toUpper());
    if (it == roots.constEnd())
        return false;
    *root = *it;
    return true;
}

// Strings are stored with their terminating zero, as the registry keeps them.
Value parseValue(const QString& text) {
    Value value;
    if (text.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        bool ok = false;
        const quint32 number = text.mid(6).trimmed().toUInt(&ok, 16);
        value.type = SystemRegistry::TypeNumber32;
        for (int i = 0; i < 4; ++i)
            value.bytes.append(char((number >> (8 * i)) & 0xFF));
        if (!ok)
            value.type = SystemRegistry::TypeBinary;
        return value;
    }
    QString data = text;
    if (text.startsWith(QLatin1String("expand:"), Qt::CaseInsensitive)) {
        value.type = SystemRegistry::TypeExpandString;
        data = text.mid(7);
    }
    value.bytes = data.toUtf8();
    value.bytes.append('\0');
    return value;
}

using Table = QHash<QString, QHash<QString, Value>>;

// Opens the file only if it is a regular one: opening a FIFO would wait for a writer forever,
// and a device could be read without end. The check is made on the opened file itself, so the
// name cannot be swapped for something else in between.
bool openRegularFile(const QString& path, QFile* file) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file->open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

Table readTable(const QString& path) {
    Table table;
    QFile file;
    if (!openRegularFile(path, &file))
        return table;
    QString current;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString full = line.mid(1, line.size() - 2).trimmed();
            const qsizetype slash = full.indexOf(QLatin1Char('\\'));
            SystemRegistry::Root root;
            if (!parseRoot(full.left(slash), &root)) {
                current.clear();
                continue;
            }
            current = keyId(root, slash < 0 ? QString() : full.mid(slash + 1));
            table[current];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current.isEmpty() || equals <= 0)
            continue;
        table[current].insert(line.left(equals).trimmed().toLower(),
                              parseValue(line.mid(equals + 1).trimmed()));
    }
    return table;
}

const QString kInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kInfoValue = QStringLiteral("path");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kLocationValue = QStringLiteral("msinfo");

} // namespace

struct FileSystemRegistry::Data {
    QString configPath;
    std::function<QString(const QString&)> findTool;
    QHash<Handle, QString> open;
    Handle next = 1;
    Table table;
};

std::unique_ptr<SystemRegistry> SystemRegistry::createDefault() {
    return std::make_unique<FileSystemRegistry>();
}

QStringList FileSystemRegistry::knownSystemInfoTools() {
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("xfce4-about"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor")};
}

QString FileSystemRegistry::defaultConfigPath() {
    return QStringLiteral("/etc/tagloom/registry.conf");
}

FileSystemRegistry::FileSystemRegistry(const QString& configPath,
                                       std::function<QString(const QString&)> findTool)
    : d(std::make_unique<Data>()) {
    d->configPath = configPath;
    d->findTool = findTool ? std::move(findTool) : [](const QString& name) {
        return QStandardPaths::findExecutable(name);
    };
}

FileSystemRegistry::~FileSystemRegistry() = default;

int FileSystemRegistry::openHandles() const {
    return int(d->open.size());
}

long FileSystemRegistry::openKey(Root root, const QString& path, quint32 access, Handle* key) {
    Q_UNUSED(access) // the file is only ever read; no key of ours can be changed
    if (!key)
        return InvalidHandle;
    *key = 0;
    // Read afresh on every opening, so an edited file takes effect at once.
    d->table = readTable(d->configPath);
    const QString info = keyId(Root::LocalMachine, kInfoKey);
    const QString location = keyId(Root::LocalMachine, kLocationKey);
    const bool namesTool = d->table.value(info).contains(kInfoValue) ||
                           d->table.value(location).contains(kLocationValue);
    if (!namesTool) {
        const QStringList tools = knownSystemInfoTools();
        for (const QString& tool : tools) {
            const QString found = d->findTool(tool);
            if (!found.isEmpty()) {
                d->table[info].insert(kInfoValue, parseValue(found));
                break;
            }
        }
    }
    const QString id = keyId(root, path);
    if (!d->table.contains(id))
        return FileNotFound;
    *key = d->next++;
    d->open.insert(*key, id);
    return Success;
}

long FileSystemRegistry::queryValue(Handle key, const QString& name, quint32* type, char* buffer,
                                    quint32* size) {
    const auto it = d->open.constFind(key);
    if (it == d->open.constEnd())
        return InvalidHandle;
    const auto values = d->table.value(*it);
    const auto value = values.constFind(name.toLower());
    if (value == values.constEnd())
        return FileNotFound;
    if (type)
        *type = value->type;
    if (!size)
        return Success;
    const auto needed = quint32(value->bytes.size());
    const quint32 room = *size;
    *size = needed;
    if (!buffer)
        return Success;
    if (needed > room)
        return MoreData;
    if (needed > 0)
        std::memcpy(buffer, value->bytes.constData(), needed);
    return Success;
}

long FileSystemRegistry::closeKey(Handle key) {
    return d->open.remove(key) ? Success : InvalidHandle;
}
