#include "benchdata.h"

#include "platform/resultsdb.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <sqlite3.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace benchdata {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString resultsDatabaseWith(int records, int pupils)
{
    static std::map<std::pair<int, int>, QString> made;
    if (const auto it = made.find({records, pupils}); it != made.end())
        return it->second;
    const QString path = QDir(folder().path()).filePath(QStringLiteral("Daten%1-%2.mdb").arg(records).arg(pupils));
    QFile::remove(path);
    if (!platform::openResultsDatabase(path, platform::ResultsUse::Append).isOk())
        return {};
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO userdaten VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    const char *games[] = {"Schmetterling", "Memory", "Schweinchen"};
    quint32 seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    bool complete = true;
    for (int i = 0; i < records && complete; ++i) {
        const std::string name = "Kind" + std::to_string(next() % static_cast<quint32>(pupils));
        const std::string day = "2024-0" + std::to_string(next() % 9 + 1) + "-1" + std::to_string(next() % 9);
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, static_cast<int>(next() % 1200) - 100);
        sqlite3_bind_text(insert, 3, games[next() % 3], -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 4, static_cast<int>(next() % 3) + 1);
        sqlite3_bind_text(insert, 5, day.c_str(), -1, SQLITE_TRANSIENT);
        // A row the table refuses would leave a smaller file than the
        // benchmark claims to measure.
        complete = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, complete ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (!complete)
        return {};
    made[{records, pupils}] = path;
    return path;
}

void readWithSqliteAlone(const QString &path, const char *query, benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, query, -1, &statement, nullptr);
    std::vector<std::array<std::string, 5>> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::array<std::string, 5> row;
        for (int c = 0; c < 5; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
            row[static_cast<size_t>(c)] = text ? text : "";
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (rows.empty())
        state.SkipWithError("no rows read");
    benchmark::DoNotOptimize(rows.data());
}

} // namespace benchdata
