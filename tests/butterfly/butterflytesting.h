#pragma once

#include "platform/random.h"

#include <initializer_list>

namespace butterfly_testing {

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
