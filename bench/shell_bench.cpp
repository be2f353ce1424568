#include "platform/forms.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>

namespace {

// Creating and showing the hub is what every way back to the main window
// costs (the save window, the lists and the butterfly game all show it anew
// after "Beenden" destroyed it).
void BM_ShowMainWindow(benchmark::State &state)
{
    auto &forms = platform::Forms::instance();
    registerShellForms();
    for (auto _ : state) {
        frmStart *main = forms.show<frmStart>();
        benchmark::DoNotOptimize(main);
        forms.close<frmStart>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    forms.reset();
}
BENCHMARK(BM_ShowMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
