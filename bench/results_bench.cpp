#include "platform/recordset.h"
#include "results/highscore.h"
#include "results/recordlist.h"
#include "results/resultsdb.h"
#include "results/saving.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <sqlite3.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

const QString kByName = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Name");

QTemporaryDir &benchFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// A results database of `records` rows with names, points, games, levels and
// dates spread the way a class's results would be; made once per size.
QString databaseWith(int records)
{
    static std::map<int, QString> made;
    if (const auto it = made.find(records); it != made.end())
        return it->second;
    const QString path = QDir(benchFolder().path()).filePath(QStringLiteral("Daten%1.mdb").arg(records));
    QFile::remove(path);
    if (!openResultsDatabase(path, ResultsUse::Read).isOk())
        return {};
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO userdaten VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    const char *games[] = {"Schmetterling", "Memory", "Schweinchen"};
    quint32 seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < records; ++i) {
        const std::string name = "Kind" + std::to_string(next() % 5000);
        const std::string day = "2024-" + std::string(next() % 12 < 9 ? "0" : "") + std::to_string(next() % 9 + 1)
                                + "-1" + std::to_string(next() % 9);
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, static_cast<int>(next() % 1200) - 100);
        sqlite3_bind_text(insert, 3, games[next() % 3], -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 4, static_cast<int>(next() % 3) + 1);
        sqlite3_bind_text(insert, 5, day.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    made[records] = path;
    return path;
}

// The floor: the same query read with the SQLite library alone, every field
// of every row into a string.
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

void BM_HighscoreFloor(benchmark::State &state)
{
    const QString path = databaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state)
        readWithSqliteAlone(path, "Select userdaten.* from userdaten ORDER BY userdaten.Punkte", state);
}
BENCHMARK(BM_HighscoreFloor)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the highscore list does on its tick: open, query, walk, ten rows.
void BM_HighscoreList(benchmark::State &state)
{
    const QString path = databaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const HighscoreList list = loadHighscore(path);
        if (!list.status.isOk())
            state.SkipWithError("highscore failed");
        benchmark::DoNotOptimize(list.columns.text.data());
    }
}
BENCHMARK(BM_HighscoreList)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FullListFloor(benchmark::State &state)
{
    const QString path = databaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state)
        readWithSqliteAlone(path, "Select userdaten.* from userdaten ORDER BY userdaten.Name", state);
}
BENCHMARK(BM_FullListFloor)->Arg(10000)->Unit(benchmark::kMillisecond);

// The teacher view's full list: every record forwards by name, with the
// no-advance stop rule and the last k of 10000.
void BM_FullListFiller(benchmark::State &state)
{
    const QString path = databaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto db = openResultsDatabase(path, ResultsUse::Read);
        auto opened = platform::RecordSet::open(db.value(), kByName);
        if (!opened.isOk()) {
            state.SkipWithError("query failed");
            break;
        }
        platform::RecordSet &records = opened.value();
        RecordListFiller filler(records);
        records.FindFirst(QStringLiteral("Punkte like '*'"));
        filler.addFirstRow();
        filler.walk(FindDirection::Next, QStringLiteral("Name like '*'"), StopRule::NoAdvance, 10000);
        benchmark::DoNotOptimize(filler.columns().text.data());
        if (records.AbsolutePosition() != state.range(0) - 1)
            state.SkipWithError("the walk did not reach the last record");
    }
}
BENCHMARK(BM_FullListFiller)->Arg(10000)->Unit(benchmark::kMillisecond);

// One save: open the file, append one record and commit it to disk. The file
// is checked once per run (the first iteration); the target is one frame.
// The argument is how many records the file already holds.
void BM_SaveOneRecord(benchmark::State &state)
{
    const QString source = databaseWith(static_cast<int>(state.range(0)));
    const QString path = QDir(benchFolder().path()).filePath(QStringLiteral("Speichern.mdb"));
    QFile::remove(path);
    QFile::copy(source, path);
    const std::vector<ResultRecord> record {
        {QStringLiteral("Anna"), 12, QStringLiteral("Memory"), 2, QDate(2024, 6, 3)}};
    for (auto _ : state) {
        if (!appendRecords(path, record).isOk())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOneRecord)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
