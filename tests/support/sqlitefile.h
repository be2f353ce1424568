#pragma once

#include <QtCore/QFile>
#include <QtCore/QStringList>

#include <sqlite3.h>

namespace testing_support {

// Reads and writes a database file behind the program's back, with the
// SQLite library alone, so a test sees what is really in the file. Reading
// a file that does not exist finds no rows and makes no file.
class SqliteFile
{
public:
    explicit SqliteFile(const QString &path) : m_path(QFile::encodeName(path)) {}
    ~SqliteFile() { sqlite3_close(m_db); }
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    // Runs SQL, creating the file if need be; true when all of it ran.
    bool execute(const QString &sql)
    {
        return open(SQLITE_OPEN_CREATE) && sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == 0;
    }

    // Every row of a query, its columns joined by "|", Null as "NULL"; the
    // engine's message as the last row when it fails.
    QStringList rows(const char *sql)
    {
        QStringList rows;
        sqlite3_stmt *statement = nullptr;
        int rc = open(0) ? sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) : SQLITE_DONE;
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                QStringList fields;
                for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
                    fields << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
                }
                rows << fields.join(u'|');
            }
        }
        if (rc != SQLITE_DONE)
            rows << QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(statement);
        return rows;
    }

    // Lays out userdaten as the program does, with one record per name, each
    // name's points its index; true when all of it ran.
    bool addResults(const QStringList &names)
    {
        QString sql = QStringLiteral("CREATE TABLE IF NOT EXISTS userdaten (Name TEXT, Punkte SMALLINT, Spiel TEXT, "
                                     "Level SMALLINT, Datum DATE);");
        for (qsizetype i = 0; i < names.size(); ++i)
            sql += QStringLiteral("INSERT INTO userdaten VALUES ('%1', %2, 'Memory', 1, '2024-03-01');")
                       .arg(names[i])
                       .arg(i);
        return execute(sql);
    }

    // userdaten in the order it was appended, as "Name|Punkte|Spiel|Level|Datum".
    QStringList records() { return rows("SELECT Name, Punkte, Spiel, Level, Datum FROM userdaten ORDER BY rowid"); }
    // The verdict of the engine's full check: "ok" for a sound file.
    QString integrity() { return rows("PRAGMA integrity_check").value(0); }

    // Lays out results whose damage reading the records does not notice,
    // only the engine's check: the header's count of free pages is wrong.
    static bool addDamagedResults(const QString &path)
    {
        if (!SqliteFile(path).addResults({"Anna", "Bert"}))
            return false;
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.seek(36) && file.write(QByteArray("\0\0\0\7", 4)) == 4;
    }

private:
    bool open(int create)
    {
        if (!m_db && (create || QFile::exists(QFile::decodeName(m_path))))
            sqlite3_open_v2(m_path.constData(), &m_db, SQLITE_OPEN_READWRITE | create, nullptr);
        return m_db;
    }

    QByteArray m_path;
    sqlite3 *m_db = nullptr;
};

} // namespace testing_support
