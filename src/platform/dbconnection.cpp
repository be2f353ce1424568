#include "platform/dbconnection.h"

#include "platform/textorder.h"

#include <QtCore/QFile>

#include <sqlite3.h>

#include <cerrno>
#include <new>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// A file of the name that is not an SQLite database must never reach the
// engine: beside a stray journal of that name the engine would first play
// the journal back into it, and only then look at what it is.
DbStatus checkExistingFile(const QString &path, const QByteArray &name)
{
    const Descriptor file {::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        const int error = errno;
        // Something of the name is there (creating it failed), yet nothing
        // opens: a link to nothing, not a missing folder.
        struct stat entry {};
        if (error == ENOENT && ::lstat(name.constData(), &entry) == 0 && S_ISLNK(entry.st_mode))
            return linkToNothing(path);
        return statusFromEngine(SQLITE_CANTOPEN, error, path, {});
    }
    if (S_ISDIR(info.st_mode))
        return statusFromEngine(SQLITE_CANTOPEN, EISDIR, path, {});
    if (!S_ISREG(info.st_mode))
        return statusFromEngine(SQLITE_NOTADB, 0, path, QStringLiteral("not a regular file"));
    if (info.st_size == 0)
        return {}; // an empty file is an empty database to the engine
    char head[sizeof kHeader] = {};
    if (::read(file.fd, head, sizeof head) != static_cast<ssize_t>(sizeof head)
        || QByteArrayView(head, sizeof head) != QByteArrayView(kHeader, sizeof kHeader))
        return statusFromEngine(SQLITE_NOTADB, 0, path, QStringLiteral("no SQLite header"));
    return {};
}

DbStatus notOpen()
{
    return {DbStatus::Code::Failed, QStringLiteral("Die Datenbank ist nicht geöffnet.")};
}

void sortKeyOf(sqlite3_context *context, int, sqlite3_value **arguments)
{
    sqlite3_value *value = arguments[0];
    const int type = sqlite3_value_type(value);
    if (type != SQLITE_TEXT && type != SQLITE_BLOB) {
        sqlite3_result_value(context, value);
        return;
    }
    // The engine hands over the bytes as stored; valid UTF-8 or not.
    const auto *bytes = static_cast<const char *>(type == SQLITE_TEXT ? sqlite3_value_text(value)
                                                                      : sqlite3_value_blob(value));
    const std::string_view stored(bytes ? bytes : "", static_cast<size_t>(sqlite3_value_bytes(value)));
    try {
        const std::string key = type == SQLITE_TEXT ? sortKey(stored) : '\xff' + std::string(stored);
        sqlite3_result_blob64(context, key.data(), key.size(), SQLITE_TRANSIENT);
    } catch (const std::bad_alloc &) {
        sqlite3_result_error_nomem(context);
    }
}

DbResult<DbConnection> configure(DbConnection connection, int busyTimeoutMs)
{
    sqlite3 *db = connection.handle();
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    const int rc = sqlite3_create_function_v2(db, kSortKeyFunction, 1,
                                              SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                              sortKeyOf, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return connection.lastFailure(rc);
    // Reading the schema makes the engine look at the file now, so a damaged
    // one or a lock held too long is reported here, before anything is done.
    const DbStatus status = connection.exec("PRAGMA synchronous = EXTRA; SELECT count(*) FROM sqlite_schema;");
    if (!status.isOk())
        return status;
    return connection;
}

} // namespace

DbResult<DbConnection> DbConnection::open(const QString &path, int busyTimeoutMs)
{
    const QByteArray name = QFile::encodeName(path);
    // The file is created here, not by the engine: when creating fails, the
    // engine retries read-only and reports that retry's cause (a missing
    // file) instead of the first one (a folder that cannot be written).
    const Descriptor created {::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666)};
    if (created.fd < 0) {
        if (errno != EEXIST)
            return statusFromEngine(SQLITE_CANTOPEN, errno, path, {});
        const DbStatus check = checkExistingFile(path, name);
        if (!check.isOk())
            return check;
    }

    auto impl = std::make_shared<Impl>();
    impl->path = path;
    const int rc = sqlite3_open_v2(name.constData(), &impl->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    DbConnection connection;
    connection.d = impl;
    if (rc != SQLITE_OK)
        return connection.lastFailure(rc);
    return configure(std::move(connection), busyTimeoutMs);
}

DbResult<DbConnection> DbConnection::openInMemory()
{
    auto impl = std::make_shared<Impl>();
    DbConnection connection;
    connection.d = impl;
    const int rc = sqlite3_open_v2(":memory:", &impl->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        return connection.lastFailure(rc);
    return configure(std::move(connection), 0);
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

bool DbConnection::hasMoved() const
{
    int moved = 0;
    return isOpen() && sqlite3_file_control(d->db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved;
}

DbStatus DbConnection::exec(const char *sql) const
{
    if (!isOpen())
        return notOpen();
    const int rc = sqlite3_exec(d->db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return lastFailure(rc);
    return {};
}

DbResult<Statement> DbConnection::prepare(const QByteArray &sql) const
{
    if (!isOpen())
        return notOpen();
    sqlite3_stmt *raw = nullptr;
    const int rc = sqlite3_prepare_v2(d->db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK)
        return lastFailure(rc);
    return DbResult<Statement>(std::move(statement));
}

DbStatus DbConnection::lastFailure(int engineCode) const
{
    if (!isOpen())
        return statusFromEngine(engineCode, 0, path(), QString::fromUtf8(sqlite3_errstr(engineCode)));
    return statusFromEngine(engineCode, sqlite3_system_errno(d->db), d->path, QString::fromUtf8(sqlite3_errmsg(d->db)));
}

// ---- Transaction -----------------------------------------------------------------

Transaction::Transaction(DbConnection connection)
    : m_connection(std::move(connection))
{
}

Transaction::Transaction(Transaction &&other) noexcept
    : m_connection(std::move(other.m_connection))
{
}

DbResult<Transaction> Transaction::begin(const DbConnection &connection)
{
    // IMMEDIATE: the write lock now, not at the first write, so a busy file
    // is reported before anything is written.
    const DbStatus status = connection.exec("BEGIN IMMEDIATE");
    if (!status.isOk())
        return status;
    return Transaction(connection);
}

Transaction::~Transaction()
{
    // A failed COMMIT may have rolled back already (an I/O error does).
    if (m_connection.isOpen() && !sqlite3_get_autocommit(m_connection.handle()))
        m_connection.exec("ROLLBACK");
}

DbStatus Transaction::commit()
{
    const DbStatus status = m_connection.exec("COMMIT");
    if (status.isOk())
        m_connection = DbConnection();
    return status;
}

} // namespace platform
