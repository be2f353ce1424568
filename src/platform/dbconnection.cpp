#include "platform/dbconnection.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sqlite3.h>

#include <cerrno>

namespace platform {

void StatementDeleter::operator()(sqlite3_stmt *statement) const
{
    sqlite3_finalize(statement);
}

struct DbConnection::Impl
{
    ~Impl() { sqlite3_close_v2(db); }

    sqlite3 *db = nullptr;
    QString path;
};

DbConnection::DbConnection() = default;
DbConnection::~DbConnection() = default;
DbConnection::DbConnection(const DbConnection &) = default;
DbConnection &DbConnection::operator=(const DbConnection &) = default;
DbConnection::DbConnection(DbConnection &&) noexcept = default;
DbConnection &DbConnection::operator=(DbConnection &&) noexcept = default;

namespace {

// The first 16 bytes of every SQLite database file.
constexpr char kHeader[] = "SQLite format 3";

DbStatus notADatabase(const QString &path)
{
    return statusFromEngine(SQLITE_NOTADB, 0, path, {});
}

// A file of the name that is not an SQLite database must never reach the
// engine: it would refuse most of them itself, but a reason for the refusal
// that does not depend on the engine's heuristics is worth 16 bytes of I/O.
DbStatus checkExistingFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return statusFromEngine(SQLITE_CANTOPEN, EISDIR, path, {});
    if (info.size() == 0)
        return {}; // an empty file is an empty database to the engine
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return statusFromEngine(SQLITE_CANTOPEN, file.error() == QFileDevice::PermissionsError ? EACCES : 0, path, {});
    const QByteArray head = file.read(sizeof kHeader);
    if (head != QByteArray(kHeader, sizeof kHeader))
        return notADatabase(path);
    return {};
}

} // namespace

DbResult<DbConnection> DbConnection::open(const QString &path, int busyTimeoutMs)
{
    const bool exists = QFileInfo::exists(path);
    if (exists) {
        const DbStatus check = checkExistingFile(path);
        if (!check.isOk())
            return check;
    }

    auto impl = std::make_shared<Impl>();
    impl->path = path;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (!exists)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &impl->db, flags, nullptr);
    DbConnection connection;
    connection.d = impl;
    if (rc != SQLITE_OK)
        return connection.lastFailure(rc);
    sqlite3_extended_result_codes(impl->db, 1);
    sqlite3_busy_timeout(impl->db, busyTimeoutMs);

    // Reading the schema makes the engine look at the file now, so a damaged
    // one or a lock held too long is reported here, before anything is done.
    DbStatus status = connection.exec("PRAGMA synchronous = FULL; SELECT count(*) FROM sqlite_schema;");
    if (!status.isOk())
        return status;
    return connection;
}

bool DbConnection::isOpen() const
{
    return d && d->db;
}

const QString &DbConnection::path() const
{
    static const QString none;
    return d ? d->path : none;
}

sqlite3 *DbConnection::handle() const
{
    return d ? d->db : nullptr;
}

bool DbConnection::isReadOnly() const
{
    return isOpen() && sqlite3_db_readonly(d->db, "main") == 1;
}

DbStatus DbConnection::exec(const char *sql) const
{
    if (!isOpen())
        return {DbStatus::Code::Failed, QStringLiteral("Die Datenbank ist nicht geöffnet.")};
    const int rc = sqlite3_exec(d->db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return lastFailure(rc);
    return {};
}

DbStatus DbConnection::lastFailure(int engineCode) const
{
    if (!isOpen())
        return statusFromEngine(engineCode, 0, path(), QString::fromUtf8(sqlite3_errstr(engineCode)));
    return statusFromEngine(engineCode, sqlite3_system_errno(d->db), d->path, QString::fromUtf8(sqlite3_errmsg(d->db)));
}

} // namespace platform
