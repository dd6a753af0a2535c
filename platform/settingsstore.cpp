// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

const QString kApplication = QStringLiteral("Tagloom");

int nextConnectionId() {
    static int id = 0;
    return ++id;
}

} // namespace

SqliteSettingsStore::SqliteSettingsStore(const QString& databasePath)
    : m_path(databasePath)
    , m_connectionName(QStringLiteral("tagloom-settings-%1").arg(nextConnectionId())) {}

SqliteSettingsStore::~SqliteSettingsStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString SqliteSettingsStore::defaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QStringLiteral("/Tagloom/settings.sqlite");
}

bool SqliteSettingsStore::ensureOpen() const {
    if (m_open)
        return true;

    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }

    QSqlQuery query(db);
    // WAL keeps readers of a second running copy unblocked; FULL makes every commit durable.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    const bool haveTable =
        query.exec(
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='settings'")) &&
        query.next();
    if (!haveTable &&
        !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS settings ("
                                   " application TEXT NOT NULL, section TEXT NOT NULL,"
                                   " key TEXT NOT NULL, value TEXT NOT NULL,"
                                   " PRIMARY KEY (application, section, key))"))) {
        m_lastError = query.lastError().text();
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

QString SqliteSettingsStore::read(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    if (!ensureOpen())
        return defaultValue;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(QStringLiteral(
        "SELECT value FROM settings WHERE application = ? AND section = ? AND key = ?"));
    query.addBindValue(kApplication);
    query.addBindValue(section);
    query.addBindValue(key);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return defaultValue;
    }
    if (!query.next())
        return defaultValue;
    return query.value(0).toString();
}

bool SqliteSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    if (!ensureOpen())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction()) {
        m_lastError = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO settings (application, section, key, value)"
                                 " VALUES (?, ?, ?, ?)"
                                 " ON CONFLICT (application, section, key)"
                                 " DO UPDATE SET value = excluded.value"));
    query.addBindValue(kApplication);
    query.addBindValue(section);
    query.addBindValue(key);
    // An empty QString binds as NULL; the store keeps empty strings, not absent values.
    query.addBindValue(value.isNull() ? QStringLiteral("") : value);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        db.rollback();
        return false;
    }
    query.finish();
    if (!db.commit()) {
        m_lastError = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}
