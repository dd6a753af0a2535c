// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>

// Read access to the machine-wide configuration registry: keys addressed by a root and a
// backslash-separated path, each holding named, typed values. The About box uses it to find
// the system information tool.
class SystemRegistry {
public:
    enum class Root { ClassesRoot, CurrentUser, LocalMachine, Users };
    using Handle = quintptr;

    // Result codes, as the registry reports them.
    static constexpr long Success = 0;
    static constexpr long FileNotFound = 2;
    static constexpr long AccessDenied = 5;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    // Value types.
    static constexpr quint32 TypeString = 1;
    static constexpr quint32 TypeExpandString = 2;
    static constexpr quint32 TypeBinary = 3;
    static constexpr quint32 TypeNumber32 = 4;

    // Full access: query, set, create subkey, enumerate, notify, create link, read control.
    static constexpr quint32 AllAccess = 0x2003F;

    virtual ~SystemRegistry() = default;

    // Opens root\path with the given access; on success *key is a handle to close later.
    virtual long openKey(Root root, const QString& path, quint32 access, Handle* key) = 0;
    // Copies the named value's bytes into buffer. *size carries the buffer's size in and the
    // value's size in bytes out; a value larger than the buffer gives MoreData and no bytes.
    virtual long queryValue(Handle key, const QString& name, quint32* type, char* buffer,
                            quint32* size) = 0;
    virtual long closeKey(Handle key) = 0;

    // The default adapter for this platform.
    static std::unique_ptr<SystemRegistry> createDefault();
};

// The Linux adapter: a machine-wide file of ours lays out keys and values; where it names no
// system information tool, the first key the About box asks for answers with the desktop's
// own tool when one is installed.
//
// File format (UTF-8): "[ROOT\key\path]" opens a key (ROOT is HKEY_LOCAL_MACHINE,
// HKEY_CURRENT_USER, HKEY_CLASSES_ROOT or HKEY_USERS); then "name=value" lines give string
// values, "name=expand:value" expandable strings and "name=dword:1a2b" 32-bit numbers
// (hexadecimal). Lines starting with ';' or '#' are comments.
class FileSystemRegistry final : public SystemRegistry {
public:
    // The system information tools this adapter looks for, in order of preference.
    static QStringList knownSystemInfoTools();
    static QString defaultConfigPath();

    // findTool maps a program name to its full path or an empty string (the PATH by default).
    explicit FileSystemRegistry(const QString& configPath = defaultConfigPath(),
                                std::function<QString(const QString&)> findTool = {});
    ~FileSystemRegistry() override;

    long openKey(Root root, const QString& path, quint32 access, Handle* key) override;
    long queryValue(Handle key, const QString& name, quint32* type, char* buffer,
                    quint32* size) override;
    long closeKey(Handle key) override;

    int openHandles() const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};
