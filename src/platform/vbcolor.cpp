#include "platform/vbcolor.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPalette>

namespace platform {

QColor vbColor(quint32 value)
{
    if (value & 0x80000000u) {
        const QPalette pal = QGuiApplication::palette();
        switch (value) {
        case SystemColor::ScrollBar:
            return pal.color(QPalette::Button).darker(105);
        case SystemColor::ActiveBorder:
            return pal.color(QPalette::Window);
        case SystemColor::HighlightText:
            return pal.color(QPalette::HighlightedText);
        case SystemColor::ButtonFace:
            return pal.color(QPalette::Button);
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace platform
