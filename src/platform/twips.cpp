#include "platform/twips.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <cmath>

namespace platform {

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0));
}

double pixelsToTwips(int pixels)
{
    return pixels * 1440.0 / logicalDpi();
}

} // namespace platform
