#include "platform/saturate.h"

#include <gtest/gtest.h>

#include <QtCore/QtGlobal>

namespace {

TEST(Saturate, SixteenBitValuesStickAtTheirEndsInsteadOfWrapping)
{
    EXPECT_EQ(platform::saturate<qint16>(32767.0), 32767);
    EXPECT_EQ(platform::saturate<qint16>(32768.0), 32767);
    EXPECT_EQ(platform::saturate<qint16>(1e9), 32767);
    EXPECT_EQ(platform::saturate<qint16>(-40000), -32768);
    EXPECT_EQ(platform::saturate<quint8>(256), 255);
    EXPECT_EQ(platform::saturate<quint8>(-1), 0);
}

TEST(Saturate, WholeDoublesConvertRoundingHalfToEven)
{
    EXPECT_EQ(platform::saturate<qint16>(12.0), 12);
    EXPECT_EQ(platform::saturate<qint16>(2.5), 2);
    EXPECT_EQ(platform::saturate<qint16>(3.5), 4);
    EXPECT_EQ(platform::saturate<qint16>(-2.5), -2);
}

} // namespace
