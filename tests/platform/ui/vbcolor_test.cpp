#include "platform/vbcolor.h"

#include <gtest/gtest.h>

#include <QtGui/QGuiApplication>
#include <QtGui/QPalette>

namespace {

TEST(VbColor, ReadsBlueGreenRedFromTheLowThreeBytes)
{
    EXPECT_EQ(platform::vbColor(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(platform::vbColor(0xC00000), QColor(0, 0, 0xC0));
    EXPECT_EQ(platform::vbColor(0x800000), QColor(0, 0, 0x80));
    EXPECT_EQ(platform::vbColor(0xFFC0C0), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(platform::vbColor(0x80FFFF), QColor(0xFF, 0xFF, 0x80));
}

TEST(VbColor, SystemColoursComeFromThePalette)
{
    const QPalette pal = QGuiApplication::palette();
    EXPECT_EQ(platform::vbColor(platform::SystemColor::ButtonFace), pal.color(QPalette::Button));
    EXPECT_EQ(platform::vbColor(platform::SystemColor::HighlightText), pal.color(QPalette::HighlightedText));
}

} // namespace
