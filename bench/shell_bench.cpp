#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QMouseEvent>
#include <QtGui/QPixmap>

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

// The click that ends the splash: the main window is created, shown and
// drawn, and the splash goes. It must take less than one frame (16 ms).
void BM_SplashClickShowsMainWindow(benchmark::State &state)
{
    auto &forms = platform::Forms::instance();
    registerShellForms();
    for (auto _ : state) {
        state.PauseTiming();
        frmSplash *splash = forms.show<frmSplash>();
        QCoreApplication::processEvents();
        QWidget *title = splash->lblTitel;
        const QPointF at(title->width() / 2.0, title->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, title->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, title->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        state.ResumeTiming();

        QCoreApplication::sendEvent(title, &press);
        QCoreApplication::sendEvent(title, &release);
        frmStart *main = forms.find<frmStart>();
        if (!main || !main->isVisible() || forms.find<frmSplash>()) {
            state.SkipWithError("the click did not end the splash");
            break;
        }
        // Its first frame, drawn whether or not the platform has exposed it yet.
        const QPixmap frame = main->grab();
        benchmark::DoNotOptimize(frame.cacheKey());

        state.PauseTiming();
        forms.close<frmStart>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    forms.reset();
}
BENCHMARK(BM_SplashClickShowsMainWindow)->Unit(benchmark::kMillisecond);
