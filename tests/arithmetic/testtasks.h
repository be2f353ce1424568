#pragma once

#include "arithmetic/taskgeneration.h"
#include "platform/random.h"
#include "support/testsupport.h"

namespace arithmetic_testing {

// The value r that makes Int((hi - lo + 1) * r + lo) give value.
inline float drawFor(int value, int lo, int hi)
{
    return static_cast<float>((value - lo + 0.5) / (hi - lo + 1));
}

// Feeds the draws of one task: first operand, operation (1 "+", 2 "-"), second operand, sought place.
inline void feedTask(int level, int a, int rechenart, int b, int gesucht)
{
    platform::Random::instance().feed({drawFor(a, 2, level == 1 ? 8 : 18), drawFor(rechenart, 1, 2),
                                       drawFor(b, 1, secondOperandLimit(level, rechenart, a)),
                                       drawFor(gesucht, 1, 3)});
}

} // namespace arithmetic_testing
