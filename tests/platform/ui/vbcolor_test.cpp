#include "platform/vbcolor.h"

#include <gtest/gtest.h>

namespace {

TEST(VbColor, ReadsBlueGreenRedFromTheLowThreeBytes)
{
    EXPECT_EQ(platform::vbColor(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(platform::vbColor(0xC00000), QColor(0, 0, 0xC0));
    EXPECT_EQ(platform::vbColor(0x80FFFF), QColor(0xFF, 0xFF, 0x80));
}

} // namespace
