#include "platform/saturate.h"

#include <gtest/gtest.h>

#include <QtCore/QtGlobal>

// A 16-bit field takes a whole double rounded half to even, and a value
// beyond its range sticks at the nearest end instead of wrapping round.
TEST(Saturate, ADoubleBecomesASixteenBitValueRoundedHalfToEvenAndStuckAtTheEnds)
{
    const std::pair<double, qint16> rows[] = {{12.0, 12},      {2.5, 2},          {3.5, 4},          {-2.5, -2},
                                              {32767.0, 32767}, {32768.0, 32767}, {1e9, 32767},      {-40000, -32768}};
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(platform::saturate<qint16>(value), expected) << value;
}
