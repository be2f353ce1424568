#include "butterfly/forms/flightview.h"
#include "butterfly/forms/frmfangmich.h"
#include "butterfly/forms/registration.h"
#include "platform/clock.h"
#include "platform/forms.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QPaintEvent>

namespace {

// Adds up the pixels that each paint of the sky covers.
class PaintCounter : public QObject
{
public:
    double pixels = 0;
    int paints = 0;
    int rects = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region()) {
                pixels += double(rect.width()) * rect.height();
                ++rects;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// One flight tick of the hard game screen's twenty butterflies and the
// repaint it causes: ten of these a second must cost next to nothing.
void BM_HardScreenFlightTick(benchmark::State &state)
{
    auto &forms = platform::Forms::instance();
    registerButterflyForms();
    auto *game = forms.show<frmfangmichSCHWER>();
    QCoreApplication::processEvents();
    PaintCounter counter;
    game->imgfangen->installEventFilter(&counter);
    for (auto _ : state) {
        platform::Clock::instance().advance(100);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    state.counters["rects"] = benchmark::Counter(counter.rects, benchmark::Counter::kAvgIterations);
    state.counters["pixels"] = benchmark::Counter(counter.pixels, benchmark::Counter::kAvgIterations);
    game->imgfangen->removeEventFilter(&counter);
    forms.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_HardScreenFlightTick)->Unit(benchmark::kMicrosecond);

} // namespace
