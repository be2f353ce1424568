#pragma once

#include "platform/random.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtCore/QString>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The records at zero and a generator whose reseeds read a clock that stands
// still, so that a seed fixes every draw; the reseeds are counted.
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
    platform::Random::instance().setClockSource([] {
        ++reseeds().count;
        if (reseeds().watcher)
            reseeds().watcher();
        return quint64(0);
    });
    platform::Random::instance().seed(seed);
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

// The draws of a game screen's task: the operation, then the operands.
inline void feedTask(int largestOperand, char operation, std::initializer_list<int> operands)
{
    feed(operation == '+' ? 0.25f : 0.75f);
    for (int operand : operands)
        feed((operand - 0.5f) / largestOperand);
}

class ButterflyTest : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }
};

} // namespace butterfly_testing
