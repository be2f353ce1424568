#include "platform/resultsdb.h"

#include "platform/programfolder.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QHash>

#include <sqlite3.h>

#include <cerrno>
#include <optional>

#include <sys/stat.h>

namespace platform {


Q_LOGGING_CATEGORY(lcResults, "quirlix.results")

namespace {

// The checks keep a value that another program wrote out of the lists: a
// record's numbers are 16-bit, its date a real day in ISO form ("IS", as a
// text that is no date makes date() Null, which a check lets pass).
constexpr char kCreateTables[] = R"sql(
CREATE TABLE IF NOT EXISTS userdaten (
    Name   TEXT,
    Punkte SMALLINT CHECK (Punkte BETWEEN -32768 AND 32767),
    Spiel  TEXT,
    Level  SMALLINT CHECK (Level BETWEEN -32768 AND 32767),
    Datum  DATE CHECK (Datum IS NULL OR (typeof(Datum) = 'text' AND Datum IS date(Datum)))
);
)sql";

DbStatus notOurs(const QString &path)
{
    return {DbStatus::Code::NotADatabase,
            QStringLiteral("Die Datei \"%1\" enthält keine Tabelle \"userdaten\" mit den Feldern Name, Punkte (Zahl), "
                           "Spiel, Level (Zahl) und Datum. Sie bleibt unverändert.")
                .arg(QFileInfo(path).fileName())};
}

// Runs a query and hands each row's first two columns to take (the second
// empty when there is none); the connection's failure if the engine refuses.
template<class Take>
DbStatus eachRow(const DbConnection &db, const char *sql, Take take)
{
    auto prepared = db.prepare(sql);
    if (!prepared.isOk())
        return prepared.status();
    sqlite3_stmt *statement = prepared.value().get();
    int rc;
    const auto text = [statement](int column) {
        return column < sqlite3_column_count(statement)
                   ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)))
                   : QString();
    };
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        take(text(0), text(1));
    if (rc != SQLITE_DONE)
        return db.lastFailure(rc);
    return {};
}

// Whether a column declared so sorts its values as numbers: the engine's
// rules for a column's affinity, in the engine's order. "INT" anywhere makes
// it integer; then "CHAR", "CLOB" or "TEXT" text, "BLOB" or no type at all
// none; everything else ("REAL", "DOUBLE", "NUMERIC", "DECIMAL", ...) real
// or numeric.
bool sortsAsNumber(const QString &declared)
{
    const QString type = declared.toUpper();
    if (type.contains(u"INT"))
        return true;
    if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT"))
        return false;
    return !type.contains(u"BLOB") && !type.trimmed().isEmpty();
}

// What tells a file that changed under us from one as we left it.
struct FileStamp
{
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;

    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
               && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

QHash<QString, FileStamp> &soundFiles()
{
    static QHash<QString, FileStamp> files;
    return files;
}

bool plainlyMissing(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT;
}

// What a reading list shows when there is no database yet: no records.
DbResult<DbConnection> emptyTableInMemory()
{
    DbResult<DbConnection> memory = DbConnection::openInMemory();
    if (!memory.isOk())
        return memory;
    const DbStatus status = memory.value().exec(kCreateTables);
    if (!status.isOk())
        return status;
    return memory;
}

DbStatus checkSound(const DbConnection &db, const QString &path)
{
    const auto known = soundFiles().constFind(path);
    if (known != soundFiles().cend() && stampOf(path) == *known)
        return {};
    // Writing into a damaged file could spread the damage to records that
    // are still whole, and a list of what can still be read would pass for
    // all of them; the check reads every page once.
    QString verdict;
    const DbStatus status = eachRow(db, "PRAGMA quick_check(1)", [&](const QString &line, const QString &) {
        verdict = line;
    });
    if (!status.isOk())
        return status;
    if (verdict != u"ok")
        return statusFromEngine(SQLITE_CORRUPT, 0, path, verdict);
    rememberSoundFile(path);
    return {};
}

} // namespace

QString resultsDatabasePath()
{
    return programFile(QStringLiteral("Daten.mdb"));
}

DbStatus checkBeforeChange(const DbConnection &db, int busyTimeoutMs)
{
    if (db.hasMoved())
        return fileMoved(db.path());
    // Through a connection of its own: db may still hold pages as they were
    // when it read them.
    return openResultsDatabase(db.path(), ResultsUse::Read, busyTimeoutMs).status();
}

void rememberSoundFile(const QString &path)
{
    if (const auto stamp = stampOf(path))
        soundFiles().insert(path, *stamp);
}

DbResult<DbConnection> openResultsDatabase(const QString &path, ResultsUse use, int busyTimeoutMs)
{
    if (use == ResultsUse::Read && plainlyMissing(path))
        return emptyTableInMemory();
    DbResult<DbConnection> opened = DbConnection::open(path, busyTimeoutMs);
    if (!opened.isOk())
        return opened;
    const DbConnection &db = opened.value();

    int schemaEntries = 0;
    DbStatus status = eachRow(db, "SELECT count(*) FROM sqlite_schema", [&](const QString &count, const QString &) {
        schemaEntries = count.toInt();
    });
    if (!status.isOk())
        return status;
    // Only a database without anything in it is ours to lay out; one that
    // holds another program's tables is left alone.
    if (schemaEntries == 0) {
        if (use == ResultsUse::Read)
            return emptyTableInMemory();
        auto layout = Transaction::begin(db);
        if (!layout.isOk())
            return layout.status();
        status = db.exec(kCreateTables);
        if (status.isOk())
            status = layout.value().commit();
        if (!status.isOk())
            return status;
    }

    QHash<QString, QString> columns; // lower-case name -> declared type
    status = eachRow(db, "SELECT name, type FROM pragma_table_info('userdaten')",
                     [&](const QString &name, const QString &type) { columns.insert(name.toLower(), type); });
    if (!status.isOk())
        return status;
    for (const char *field : {"name", "punkte", "spiel", "level", "datum"}) {
        if (!columns.contains(QLatin1String(field))) {
            qCWarning(lcResults) << path << "has no table userdaten with a field" << field;
            return notOurs(path);
        }
    }
    // A table made by a spreadsheet import has only text columns: its points
    // would sort as text, 9 above 10.
    for (const char *field : {"punkte", "level"}) {
        if (!sortsAsNumber(columns.value(QLatin1String(field)))) {
            qCWarning(lcResults) << path << "declares userdaten." << field << "as"
                                 << columns.value(QLatin1String(field));
            return notOurs(path);
        }
    }

    status = checkSound(db, path);
    if (!status.isOk())
        return status;
    return opened;
}

} // namespace platform
