#include "app/Twips.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace yrn::twips {

qint16 nearest(double value) {
    if (std::isnan(value)) return 0;
    // nearbyint rounds in the current mode, which is to-nearest-even unless
    // someone changed it; make sure of it for this one call.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (mode != FE_TONEAREST) std::fesetround(mode);
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    if (rounded < low) return std::numeric_limits<qint16>::min();
    if (rounded > high) return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(rounded);
}

Rect PaneSettings(double workTop, double workLeft, double workHeight, double workWidth) {
    return {workTop, workLeft, workHeight + 10000, workWidth + 10000};
}

Rect FrameSettings(double workHeight, double workWidth) {
    return {0, 0, workHeight - nearest(workHeight * 0.04), workWidth - nearest(workWidth * 0.009)};
}

Size FrameResize(double mainHeight, double mainWidth) {
    return {mainHeight - nearest(mainHeight * 0.065), mainWidth - nearest(mainWidth * 0.009)};
}

int toPixels(double twips, double dpi) {
    if (dpi <= 0) dpi = 96;
    return static_cast<int>(std::lround(twips * dpi / kPerInch));
}

double fromPixels(double pixels, double dpi) {
    if (dpi <= 0) dpi = 96;
    return pixels * kPerInch / dpi;
}

}  // namespace yrn::twips
