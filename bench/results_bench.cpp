#include "results/highscore.h"
#include "platform/resultsdb.h"
#include "results/saving.h"

#include "benchdata.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace {

void BM_HighscoreFloor(benchmark::State &state)
{
    const QString path = benchdata::resultsDatabaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchdata::readWithSqliteAlone(path, "Select userdaten.* from userdaten ORDER BY userdaten.Punkte", state);
}
BENCHMARK(BM_HighscoreFloor)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the highscore list does on its tick: open, query, walk, ten rows.
void BM_HighscoreList(benchmark::State &state)
{
    const QString path = benchdata::resultsDatabaseWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const HighscoreList list = loadHighscore(path);
        if (!list.status.isOk())
            state.SkipWithError("highscore failed");
        benchmark::DoNotOptimize(list.columns.text.data());
    }
}
BENCHMARK(BM_HighscoreList)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor of the teacher view's full list (BM_TeacherFullList).
void BM_FullListFloor(benchmark::State &state)
{
    const QString path = benchdata::resultsDatabaseWith(static_cast<int>(state.range(0)), 400);
    for (auto _ : state)
        benchdata::readWithSqliteAlone(path, "Select userdaten.* from userdaten ORDER BY userdaten.Name", state);
}
BENCHMARK(BM_FullListFloor)->Arg(10000)->Unit(benchmark::kMillisecond);

// One save: open the file, append one record and commit it to disk. The file
// is checked once per run (the first iteration); the target is one frame.
// The argument is how many records the file already holds.
void BM_SaveOneRecord(benchmark::State &state)
{
    const QString source = benchdata::resultsDatabaseWith(static_cast<int>(state.range(0)));
    const QString path = QDir(benchdata::folder().path()).filePath(QStringLiteral("Speichern.mdb"));
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
