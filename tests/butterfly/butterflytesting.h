#pragma once

#include "platform/random.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

namespace butterfly_testing {

// The generator's reseeds, which read a clock that stands still, counted.
inline int reseeds = 0;

class ButterflyTest : public testing_support::GlobalsTest
{
protected:
    void SetUp() override
    {
        GlobalsTest::SetUp();
        reseeds = 0;
        platform::Random::instance().setClockSource([] {
            ++reseeds;
            return quint64(0);
        });
    }
};

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

} // namespace butterfly_testing
