#include "platform/datasource.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "results/resultsdb.h"
#include "teacher/forms/frmLehrer.h"
#include "teacher/forms/registration.h"
#include "teacher/teacherlist.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QPlainTextEdit>

#include <sqlite3.h>

#include <array>
#include <string>
#include <vector>

namespace {

// A program folder whose "Daten.mdb" holds `records` results of a class of
// 400 pupils, made once.
QString folderWith(int records)
{
    static QTemporaryDir dir;
    static int made = -1;
    if (made == records)
        return dir.path();
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Daten.mdb"));
    QFile::remove(path);
    if (!openResultsDatabase(path, ResultsUse::Append).isOk())
        return {};
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO userdaten VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    const char *games[] = {"Schmetterling", "Memory", "Schweinchen"};
    quint32 seed = 4711;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < records; ++i) {
        const std::string name = "Kind" + std::to_string(next() % 400);
        const std::string day = "2024-0" + std::to_string(next() % 9 + 1) + "-1" + std::to_string(next() % 9);
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, static_cast<int>(next() % 300));
        sqlite3_bind_text(insert, 3, games[next() % 3], -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 4, static_cast<int>(next() % 3) + 1);
        sqlite3_bind_text(insert, 5, day.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    made = records;
    return dir.path();
}

// The floor: the teacher view's query read with the SQLite library alone,
// every field of every row into a string.
void BM_TeacherListFloor(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(QDir(folderWith(static_cast<int>(state.range(0)))).filePath(QStringLiteral("Daten.mdb")));
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, "Select userdaten.* from userdaten ORDER BY userdaten.Name", -1, &statement, nullptr);
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
        if (rows.size() != static_cast<size_t>(state.range(0)))
            state.SkipWithError("not every row read");
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_TeacherListFloor)->Arg(10000)->Unit(benchmark::kMillisecond);

class Sink : public ListColumnsOutput
{
public:
    void setColumns(const RecordColumns &columns) override { shown = columns; }
    RecordColumns shown;
};

// The full list as the teacher view's logic builds it: open, query, the walk
// over every record, the five column texts.
void BM_TeacherFullList(benchmark::State &state)
{
    const QString folder = folderWith(static_cast<int>(state.range(0)));
    platform::DataSource datliste;
    datliste.setDatabaseName(QDir(folder).filePath(QStringLiteral("Daten.mdb")));
    Sink sink;
    TeacherList list(datliste, sink);
    for (auto _ : state) {
        if (!list.fullList().isOk() || list.LetztePosition() != state.range(0) - 1)
            state.SkipWithError("the full list failed");
        benchmark::DoNotOptimize(sink.shown.text.data());
    }
}
BENCHMARK(BM_TeacherFullList)->Arg(10000)->Unit(benchmark::kMillisecond);

// From tmrZeit's tick to the five columns set on the window (offscreen).
void BM_TeacherViewTick(benchmark::State &state)
{
    platform::setProgramFolder(folderWith(static_cast<int>(state.range(0))));
    auto &forms = platform::Forms::instance();
    registerTeacherForms();
    frmLehrer *view = forms.show<frmLehrer>();
    for (auto _ : state) {
        view->TmrZeit_Timer();
        if (view->txtAusgabe[0]->document()->blockCount() != state.range(0))
            state.SkipWithError("the columns do not hold every record");
    }
    forms.reset();
    platform::setProgramFolder({});
}
BENCHMARK(BM_TeacherViewTick)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
