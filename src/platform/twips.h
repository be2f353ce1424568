#pragma once

namespace platform {

// Positions and sizes are given in twips, 1440 to the inch, and scaled by the
// screen's logical resolution (96 dpi gives 15 twips a pixel).
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
double logicalDpi();

} // namespace platform
