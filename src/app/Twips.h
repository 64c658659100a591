#pragma once

#include <QtGlobal>

namespace yrn::twips {

// Window and page geometry is reckoned in twips, 1/1440 inch, and turned into
// pixels through the screen's logical resolution only when it is applied.
inline constexpr double kPerInch = 1440.0;

// A length taken to the nearest whole twip, a tie going to the even number
// (552.5 -> 552), held like a 16-bit signed integer: values beyond its range
// saturate instead of failing, since no screen comes near them.
qint16 nearest(double value);

struct Rect {
    double top = 0;
    double left = 0;
    double height = 0;
    double width = 0;
};

struct Size {
    double height = 0;
    double width = 0;
};

// A pane sits at the work area's top left and is larger than any window, so
// that the window clips it and its pages decide what is seen.
Rect PaneSettings(double workTop, double workLeft, double workHeight, double workWidth);

// A page laid out from the desktop work area.
Rect FrameSettings(double workHeight, double workWidth);

// A page re-sized from the main window's outer size; its position is kept.
Size FrameResize(double mainHeight, double mainWidth);

// Twips to pixels and back at a logical resolution in dots per inch.
int toPixels(double twips, double dpi);
double fromPixels(double pixels, double dpi);

}  // namespace yrn::twips
