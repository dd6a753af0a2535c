// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <utility>

namespace {

const QString kApplication = QStringLiteral("Tagloom");
const QString kCreateTable = QStringLiteral("CREATE TABLE IF NOT EXISTS settings ("
                                            " application TEXT NOT NULL, section TEXT NOT NULL,"
                                            " key TEXT NOT NULL, value TEXT NOT NULL,"
                                            " PRIMARY KEY (application, section, key))");
const QString kBackupPattern =
    QStringLiteral("^settings-(\\d{8}-\\d{6}-\\d{3})(?:-([a-z0-9-]+))?\\.sqlite$");

// SQLite's primary result codes that Qt passes on as the native error code.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

int nextConnectionId() {
    static int id = 0;
    return ++id;
}

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString errorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QCoreApplication::translate("SqliteSettingsStore", "unknown error")
                          : text;
}

// A connection of its own for one-off work on another file; removed when it goes.
class ScratchConnection {
public:
    explicit ScratchConnection(const QString& path, bool readOnly = false)
        : m_name(QStringLiteral("tagloom-scratch-%1").arg(nextConnectionId())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        QString options =
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(SqliteSettingsStore::BusyTimeoutMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        m_opened = db.open();
        if (!m_opened)
            m_error = db.lastError();
    }
    ~ScratchConnection() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(ScratchConnection)

    bool opened() const { return m_opened; }
    QSqlError error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_opened = false;
    QSqlError m_error;
};

struct Row {
    QString application;
    QString section;
    QString key;
    QString value;
};

// Every row of the settings table that can still be read: first a plain scan, which stops
// at the first damaged page, then row by row, which steps over damaged pages.
QList<Row> salvageRows(const QString& path) {
    QList<Row> rows;
    ScratchConnection scratch(path, true);
    if (!scratch.opened())
        return rows;
    QSet<qint64> seen;
    const auto take = [&](QSqlQuery& query) {
        const qint64 rowid = query.value(0).toLongLong();
        if (seen.contains(rowid) || query.value(4).isNull())
            return;
        seen.insert(rowid);
        rows.append({query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toString(), query.value(4).toString()});
    };
    const QString select =
        QStringLiteral("SELECT rowid, application, section, key, value FROM settings");
    {
        QSqlQuery query(scratch.db());
        query.setForwardOnly(true);
        if (query.exec(select)) {
            while (query.next())
                take(query);
        }
    }
    qint64 highest = 4096;
    {
        QSqlQuery query(scratch.db());
        if (query.exec(QStringLiteral("SELECT max(rowid) FROM settings")) && query.next() &&
            !query.value(0).isNull())
            highest = qMax<qint64>(query.value(0).toLongLong(), 1);
    }
    QSqlQuery one(scratch.db());
    one.setForwardOnly(true);
    if (!one.prepare(select + QStringLiteral(" WHERE rowid = ?")))
        return rows;
    for (qint64 rowid = 1; rowid <= highest; ++rowid) {
        if (seen.contains(rowid))
            continue;
        one.bindValue(0, rowid);
        if (one.exec() && one.next())
            take(one);
        one.finish();
    }
    return rows;
}

// A file cut short still claims its old length in its header, and SQLite then refuses every
// page. Telling it to trust the file's real length (and padding the last page) lets the pages
// that are still there be read. Done on a scratch copy only.
void trustTheFileLength(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() < 100)
        return;
    QByteArray header = file.read(100);
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3")))
        return;
    const int raw = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    const qint64 pageSize = raw == 1 ? 65536 : raw;
    if (pageSize >= 512 && file.size() % pageSize != 0)
        file.resize((file.size() / pageSize + 1) * pageSize);
    // The length in the header counts only while the "valid for" number matches the change
    // counter.
    header[92] = char(~quint8(header.at(24)));
    file.seek(92);
    file.write(header.mid(92, 4));
}

bool writeFreshStore(const QString& path, const QList<Row>& rows, QString* error) {
    QFile::remove(path);
    ScratchConnection fresh(path);
    if (!fresh.opened()) {
        *error = errorText(fresh.error());
        return false;
    }
    QSqlDatabase db = fresh.db();
    QSqlQuery query(db);
    if (!query.exec(kCreateTable) || !db.transaction()) {
        *error = errorText(query.lastError());
        return false;
    }
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO settings (application, section, key,"
                                 " value) VALUES (?, ?, ?, ?)"));
    for (const Row& row : rows) {
        query.addBindValue(row.application);
        query.addBindValue(row.section);
        query.addBindValue(row.key);
        query.addBindValue(row.value);
        if (!query.exec()) {
            *error = errorText(query.lastError());
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (!db.commit()) {
        *error = errorText(db.lastError());
        return false;
    }
    return true;
}

QString freeName(const QString& wanted) {
    QString name = wanted;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = wanted + QStringLiteral("-%1").arg(n);
    return name;
}

} // namespace

SqliteSettingsStore::SqliteSettingsStore(const QString& databasePath, Mode mode)
    : m_path(databasePath)
    , m_mode(mode)
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

QString SqliteSettingsStore::backupFolder() const {
    return QFileInfo(m_path).absolutePath() + QStringLiteral("/backups");
}

void SqliteSettingsStore::fail(const QSqlError& error) const {
    m_lastError = errorText(error);
    const int code = primaryCode(error);
    m_busy = code == kSqliteBusy || code == kSqliteLocked;
}

bool SqliteSettingsStore::exec(QSqlQuery& query, const QString& sql) const {
    if (query.exec(sql))
        return true;
    fail(query.lastError());
    return false;
}

bool SqliteSettingsStore::ensureOpen() const {
    if (m_open)
        return true;
    m_busy = false;
    if (m_mode == Mode::ReadWrite && !m_checked && !checkFirstOpening())
        return false;

    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
        if (m_mode == Mode::ReadOnlyCopy)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
    }
    if (m_mode == Mode::ReadWrite)
        QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!db.open()) {
        fail(db.lastError());
        return false;
    }
    if (m_mode == Mode::ReadOnlyCopy) {
        m_open = true;
        return true;
    }

    QSqlQuery query(db);
    // WAL keeps readers of a second running copy unblocked; FULL makes every commit durable.
    if (!exec(query, QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !exec(query, QStringLiteral("PRAGMA synchronous=FULL")) || !exec(query, kCreateTable)) {
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

// A damaged file is never written to: it is set aside untouched and whatever can still be
// read is carried into a fresh store. A store that is merely locked or unreadable (no
// permission, a full disk) is left exactly as it is.
bool SqliteSettingsStore::checkFirstOpening() const {
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) {
        m_checked = true;
        return true;
    }
    if (info.isDir())
        return setAside(QCoreApplication::translate("SqliteSettingsStore",
                                                    "%1 is a folder, not a settings file.")
                            .arg(m_path));

    QString problems;
    {
        // Read-only, so that closing it never folds the journal into a damaged file.
        ScratchConnection probe(m_path, true);
        if (!probe.opened()) {
            const int code = primaryCode(probe.error());
            if (code != kSqliteNotADatabase && code != kSqliteCorrupt) {
                fail(probe.error());
                return false;
            }
            problems = errorText(probe.error());
        } else {
            QSqlQuery query(probe.db());
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
                const int code = primaryCode(query.lastError());
                if (code != kSqliteNotADatabase && code != kSqliteCorrupt) {
                    fail(query.lastError());
                    return false;
                }
                problems = errorText(query.lastError());
            } else {
                QStringList lines;
                while (query.next())
                    lines.append(query.value(0).toString());
                if (lines != QStringList{QStringLiteral("ok")})
                    problems = lines.join(QLatin1Char('\n'));
            }
        }
    }
    if (problems.isEmpty()) {
        m_checked = true;
        return true;
    }
    return setAside(problems);
}

bool SqliteSettingsStore::setAside(const QString& reason) const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString aside = freeName(m_path + QStringLiteral(".damaged-") + stamp);
    const QFileInfo info(m_path);
    if (info.isDir()) {
        // A folder cannot be copied in one step; moving it keeps every byte just the same.
        if (!QDir().rename(m_path, aside)) {
            m_lastError =
                QCoreApplication::translate("SqliteSettingsStore", "could not move %1 aside")
                    .arg(m_path);
            return false;
        }
        m_recovery = Recovery{aside, 0, reason};
        m_checked = true;
        return true;
    }

    const QString wal = m_path + QStringLiteral("-wal");
    const bool haveWal = QFileInfo::exists(wal);
    if (!QFile::copy(m_path, aside) ||
        (haveWal && !QFile::copy(wal, aside + QStringLiteral("-wal")))) {
        m_lastError = QCoreApplication::translate("SqliteSettingsStore",
                                                  "the damaged store could not be copied to %1")
                          .arg(aside);
        QFile::remove(aside);
        return false;
    }
    // Salvage from a scratch copy so that reading (which may replay the journal) changes
    // neither the original nor the copy set aside.
    const QString scratch = freeName(m_path + QStringLiteral(".salvage"));
    QFile::copy(aside, scratch);
    if (haveWal)
        QFile::copy(aside + QStringLiteral("-wal"), scratch + QStringLiteral("-wal"));
    trustTheFileLength(scratch);
    const QList<Row> rows = salvageRows(scratch);
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(scratch + suffix);

    const QString fresh = freeName(m_path + QStringLiteral(".fresh"));
    QString error;
    if (!writeFreshStore(fresh, rows, &error)) {
        QFile::remove(fresh);
        m_lastError = QCoreApplication::translate("SqliteSettingsStore",
                                                  "a fresh store could not be made: %1")
                          .arg(error);
        return false;
    }
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(m_path + suffix);
    if (!QFile::rename(fresh, m_path)) {
        m_lastError = QCoreApplication::translate("SqliteSettingsStore",
                                                  "the fresh store could not be put in place of %1")
                          .arg(m_path);
        return false;
    }
    m_recovery = Recovery{aside, int(rows.size()), reason};
    m_checked = true;
    return true;
}

std::optional<SettingsStore::Recovery> SqliteSettingsStore::takeRecovery() {
    ensureOpen();
    return std::exchange(m_recovery, std::nullopt);
}

QString SqliteSettingsStore::read(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    m_readFailed = true;
    if (!ensureOpen()) {
        m_abort = m_depth > 0;
        return defaultValue;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT value FROM settings WHERE application = ? AND section = ? AND key = ?"));
    query.addBindValue(kApplication);
    query.addBindValue(section);
    query.addBindValue(key);
    if (!query.exec()) {
        fail(query.lastError());
        m_abort = m_depth > 0;
        return defaultValue;
    }
    const bool found = query.next();
    if (!found && query.lastError().isValid()) {
        fail(query.lastError());
        m_abort = m_depth > 0;
        return defaultValue;
    }
    m_readFailed = false;
    return found ? query.value(0).toString() : defaultValue;
}

bool SqliteSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    if (m_depth == 0) {
        bool ok = false;
        const Outcome outcome = transaction([&] { return ok = write(section, key, value); });
        return outcome == Outcome::Done && ok;
    }
    if (m_mode == Mode::ReadOnlyCopy) {
        m_lastError =
            QCoreApplication::translate("SqliteSettingsStore", "a backup is never written to");
        m_abort = true;
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
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
        fail(query.lastError());
        m_abort = true;
        return false;
    }
    return true;
}

SettingsStore::Outcome SqliteSettingsStore::transaction(const std::function<bool()>& steps) {
    if (m_depth > 0) {
        // Already inside one: the outer transaction decides.
        const bool wanted = steps();
        if (!wanted)
            m_abort = true;
        return m_abort ? Outcome::Failed : Outcome::Done;
    }
    if (!ensureOpen())
        return Outcome::Failed;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    {
        QSqlQuery begin(db);
        if (!exec(begin, QStringLiteral("BEGIN IMMEDIATE")))
            return Outcome::Failed;
    }
    m_depth = 1;
    m_abort = false;
    bool wanted = false;
    try {
        wanted = steps();
    } catch (...) {
        m_depth = 0;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    // A read that failed inside counts as much as a write that did.
    const bool failed = m_abort;
    m_depth = 0;
    QSqlQuery end(db);
    if (failed || !wanted) {
        end.exec(QStringLiteral("ROLLBACK"));
        return failed ? Outcome::Failed : Outcome::Declined;
    }
    if (!exec(end, QStringLiteral("COMMIT"))) {
        const QString reason = m_lastError;
        const bool busy = m_busy;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        m_lastError = reason;
        m_busy = busy;
        return Outcome::Failed;
    }
    return Outcome::Done;
}

bool SqliteSettingsStore::makeBackup(const QString& label) {
    if (!ensureOpen())
        return false;
    const QString folder = backupFolder();
    if (!QDir().mkpath(folder)) {
        m_busy = false;
        m_lastError =
            QCoreApplication::translate("SqliteSettingsStore", "the folder %1 could not be made")
                .arg(folder);
        return false;
    }
    QString name = QStringLiteral("settings-") +
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (!label.isEmpty())
        name += QLatin1Char('-') + label;
    const QString target = folder + QLatin1Char('/') + name + QStringLiteral(".sqlite");
    if (QFileInfo::exists(target)) {
        m_lastError =
            QCoreApplication::translate("SqliteSettingsStore", "%1 already exists").arg(target);
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    // SQLite writes a consistent, compact copy even while another program reads the store.
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(target);
    if (!query.exec()) {
        fail(query.lastError());
        QFile::remove(target);
        return false;
    }
    const QList<Backup> all = backups();
    for (qsizetype i = BackupsKept; i < all.size(); ++i)
        QFile::remove(all.at(i).path);
    return true;
}

QList<SettingsStore::Backup> SqliteSettingsStore::backups() const {
    static const QRegularExpression pattern(kBackupPattern);
    QList<Backup> found;
    const QDir dir(backupFolder());
    const QStringList names = dir.entryList({QStringLiteral("settings-*.sqlite")}, QDir::Files,
                                            QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime made =
            QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        found.append({dir.filePath(name), made, match.captured(2)});
    }
    return found;
}

std::unique_ptr<SettingsStore> SqliteSettingsStore::openBackup(const Backup& backup) const {
    return std::make_unique<SqliteSettingsStore>(backup.path, Mode::ReadOnlyCopy);
}

bool SqliteSettingsStore::relabelBackup(const Backup& backup, const QString& label) {
    static const QRegularExpression pattern(kBackupPattern);
    const QFileInfo info(backup.path);
    const QRegularExpressionMatch match = pattern.match(info.fileName());
    if (!match.hasMatch())
        return false;
    QString name = QStringLiteral("settings-") + match.captured(1);
    if (!label.isEmpty())
        name += QLatin1Char('-') + label;
    name += QStringLiteral(".sqlite");
    if (!QFile::rename(backup.path, info.dir().filePath(name))) {
        m_lastError = QCoreApplication::translate("SqliteSettingsStore", "%1 could not be renamed")
                          .arg(backup.path);
        return false;
    }
    return true;
}
