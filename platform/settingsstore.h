// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The per-user store of strings addressed by section and key, under the
// application name "Tagloom". Nothing is cached: every read asks the store.
class SettingsStore {
public:
    enum class Outcome { Done, Declined, Failed };

    // A copy of the whole store taken at one moment.
    struct Backup {
        QString path;
        QDateTime made;
        QString label; // why it was taken: "clear-all", "import", "daily", ...
    };

    // What the first opening found when the file was damaged and had to be rebuilt.
    struct Recovery {
        QString damagedCopy; // where the untouched damaged file now lives
        int rowsRecovered = 0;
        QString details; // the checker's own words
    };

    virtual ~SettingsStore() = default;

    // The stored value, or defaultValue when the key is absent or unreadable;
    // lastReadFailed() tells the two apart.
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue = QString()) const = 0;

    // Creates or replaces the value. Returns true only once the value is durable;
    // on false the earlier value is untouched and lastError() says why.
    [[nodiscard]] virtual bool write(const QString& section, const QString& key,
                                     const QString& value) = 0;

    virtual QString lastError() const = 0;

    // Whether the latest read could not be done (as opposed to finding nothing).
    virtual bool lastReadFailed() const { return false; }
    // Whether the latest failure came from another program holding the store: trying
    // again later may work.
    virtual bool lastErrorWasBusy() const { return false; }

    // Runs steps as one transaction that holds the write lock from its start, so what the
    // steps read cannot change before their writes land. Reads and writes made by the steps
    // through this store join it. Steps return false to decline: then, as when any read or
    // write inside fails, nothing they wrote is kept. A store that cannot group writes runs
    // the steps as they come.
    virtual Outcome transaction(const std::function<bool()>& steps) {
        return steps() ? Outcome::Done : Outcome::Declined;
    }

    // Copies of the store kept beside it; the last ten are kept.
    [[nodiscard]] virtual bool makeBackup(const QString& label) {
        Q_UNUSED(label);
        return false;
    }
    // Newest first.
    virtual QList<Backup> backups() const { return {}; }
    virtual std::unique_ptr<SettingsStore> openBackup(const Backup& backup) const {
        Q_UNUSED(backup);
        return nullptr;
    }
    [[nodiscard]] virtual bool relabelBackup(const Backup& backup, const QString& label) {
        Q_UNUSED(backup);
        Q_UNUSED(label);
        return false;
    }

    // Where the store lives, for telling the user; empty when it is not a file.
    virtual QString location() const { return {}; }
    virtual QString backupFolder() const { return {}; }

    // The rebuild of a damaged store, reported once.
    virtual std::optional<Recovery> takeRecovery() { return std::nullopt; }
};

// SQLite through Qt SQL: one row per section and key, WAL with full sync, so a failed
// write never damages what was saved. Waits for another program's lock only briefly, so
// a window never hangs on it.
class SqliteSettingsStore final : public SettingsStore {
public:
    enum class Mode { ReadWrite, ReadOnlyCopy };

    explicit SqliteSettingsStore(const QString& databasePath, Mode mode = Mode::ReadWrite);
    ~SqliteSettingsStore() override;
    Q_DISABLE_COPY_MOVE(SqliteSettingsStore)

    // How long one statement waits for another program's lock.
    static constexpr int BusyTimeoutMs = 300;
    static constexpr int BackupsKept = 10;

    // <user data folder>/settings.sqlite for the application name "Tagloom".
    static QString defaultPath();

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override;
    [[nodiscard]] bool write(const QString& section, const QString& key,
                             const QString& value) override;
    QString lastError() const override { return m_lastError; }
    bool lastReadFailed() const override { return m_readFailed; }
    bool lastErrorWasBusy() const override { return m_busy; }
    Outcome transaction(const std::function<bool()>& steps) override;

    [[nodiscard]] bool makeBackup(const QString& label) override;
    QList<Backup> backups() const override;
    std::unique_ptr<SettingsStore> openBackup(const Backup& backup) const override;
    [[nodiscard]] bool relabelBackup(const Backup& backup, const QString& label) override;

    QString location() const override { return m_path; }
    QString backupFolder() const override;
    std::optional<Recovery> takeRecovery() override;

    QString databasePath() const { return m_path; }

private:
    bool ensureOpen() const;
    bool checkFirstOpening() const;
    bool setAside(const QString& reason) const;
    void fail(const class QSqlError& error) const;
    bool exec(class QSqlQuery& query, const QString& sql) const;

    QString m_path;
    Mode m_mode;
    QString m_connectionName;
    mutable bool m_open = false;
    mutable bool m_checked = false;
    mutable bool m_readFailed = false;
    mutable bool m_busy = false;
    mutable QString m_lastError;
    mutable std::optional<Recovery> m_recovery;
    int m_depth = 0;
    mutable bool m_abort = false;
};
