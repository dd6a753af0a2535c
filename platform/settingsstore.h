// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The per-user store of strings addressed by section and key, under the
// application name "Tagloom". Nothing is cached: every read asks the store.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or defaultValue when the key is absent or unreadable.
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue = QString()) const = 0;

    // Creates or replaces the value. Returns true only once the value is durable;
    // on false the earlier value is untouched and lastError() says why.
    [[nodiscard]] virtual bool write(const QString& section, const QString& key,
                                     const QString& value) = 0;

    virtual QString lastError() const = 0;
};

// SQLite through Qt SQL: one row per section and key, one transaction per
// write, WAL with full sync, so a failed write never damages what was saved.
class SqliteSettingsStore final : public SettingsStore {
public:
    explicit SqliteSettingsStore(const QString& databasePath);
    ~SqliteSettingsStore() override;
    Q_DISABLE_COPY_MOVE(SqliteSettingsStore)

    // <user data folder>/settings.sqlite for the application name "Tagloom".
    static QString defaultPath();

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override;
    [[nodiscard]] bool write(const QString& section, const QString& key,
                             const QString& value) override;
    QString lastError() const override { return m_lastError; }

private:
    bool ensureOpen() const;

    QString m_path;
    QString m_connectionName;
    mutable bool m_open = false;
    mutable QString m_lastError;
};
