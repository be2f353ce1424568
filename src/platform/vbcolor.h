#pragma once

#include <QtGui/QColor>

namespace platform {

// Colours as the program writes them: &HBBGGRR, or a system colour
// &H800000nn taken from the application's palette.
namespace SystemColor {
constexpr quint32 ScrollBar = 0x80000000;
constexpr quint32 ActiveBorder = 0x8000000A;
constexpr quint32 HighlightText = 0x8000000E;
constexpr quint32 ButtonFace = 0x8000000F;
} // namespace SystemColor

QColor vbColor(quint32 value);

} // namespace platform
