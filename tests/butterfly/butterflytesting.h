#pragma once

#include "platform/random.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtCore/QString>

#include <functional>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// What the butterfly game's tests share: the records at zero and a generator
// whose reseeds read a clock that stands still (so a seed fixes every draw)
// and are counted.
namespace butterfly_testing {

struct Reseeds
{
    int count = 0;
    std::function<void()> watcher; // runs at every reseed
};

inline Reseeds &reseeds()
{
    static Reseeds r;
    return r;
}

inline void resetGlobals(quint64 seed = 1)
{
    Variablen = TaskState {};
    modVar = PlayState {};
    Mdlmodul = MemoryState {};
    reseeds() = Reseeds {};
    auto &random = platform::Random::instance();
    random.setClockSource([] {
        ++reseeds().count;
        if (reseeds().watcher)
            reseeds().watcher();
        return quint64(0);
    });
    random.seed(seed);
}

inline void restoreRandomClock()
{
    platform::Random::instance().setClockSource({});
}

inline void feed(float value, int times = 1)
{
    for (int i = 0; i < times; ++i)
        platform::Random::instance().feed({value});
}

// The draw that gives floor(largest * r) + 1 = value.
inline float operandDraw(int value, int largest)
{
    return (value - 0.5f) / largest;
}
inline constexpr float plusDraw = 0.25f;
inline constexpr float minusDraw = 0.75f;

} // namespace butterfly_testing
