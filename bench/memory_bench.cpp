#include "memory/forms/frmMemory.h"
#include "memory/forms/registration.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "state/mdlmodul.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>

namespace {

// What a pupil waits for between the last choice and the board: the set-up
// of a 24-card board with the card back and two animal metafiles read from
// the program folder, and its first showing.
void BM_ShowMemoryBoard24(benchmark::State &state)
{
    platform::setProgramFolder(QStringLiteral(QUIRLIX_PROGRAM_FOLDER));
    const QStringList animals = {QStringLiteral("Fliege.wmf"),  QStringLiteral("Hund.wmf"),
                                 QStringLiteral("Marsi.wmf"),   QStringLiteral("Käguruh.wmf"),
                                 QStringLiteral("Muschel.wmf")};
    auto &forms = platform::Forms::instance();
    registerMemoryForms();
    for (auto _ : state) {
        Mdlmodul = MemoryState {};
        Mdlmodul.AnzahlSpieler = 2;
        Mdlmodul.GegenCompi = QStringLiteral("nein");
        Mdlmodul.Schwierigkeit = 1;
        Mdlmodul.IconSpieler1 = 3;
        Mdlmodul.IconSpieler2 = 1;
        for (int i = 0; i < animals.size(); ++i)
            Mdlmodul.IconDateien[i + 1] = animals[i];
        frmMemory *board = forms.show<frmMemory>();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(board);
        state.PauseTiming();
        forms.close<frmMemory>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    forms.reset();
    platform::setProgramFolder({});
}
BENCHMARK(BM_ShowMemoryBoard24)->Unit(benchmark::kMillisecond);

} // namespace
