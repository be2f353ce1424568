#include "platform/datasource.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/resultsdb.h"
#include "teacher/forms/frmLehrer.h"
#include "teacher/forms/registration.h"
#include "teacher/teacherlist.h"

#include "benchdata.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QPlainTextEdit>



namespace {

// A program folder whose "Daten.mdb" holds `records` results of a class of
// 400 pupils; its floor is BM_FullListFloor.
QString folderWith(int records)
{
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Daten.mdb"));
    QFile::remove(path);
    if (!QFile::copy(benchdata::resultsDatabaseWith(records, 400), path))
        return {};
    return dir.path();
}

class Sink : public ListColumnsOutput
{
public:
    void setColumns(const platform::RecordColumns &columns) override { shown = columns; }
    platform::RecordColumns shown;
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
