// How the core's plain-data look maps onto Qt: twips to pixels, the stored
// 0x00BBGGRR colours (and the system colours) to QColor, the original font
// names to the fonts installed here.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <algorithm>
#include <string>

#include "ui/window.h"

namespace tessora::qt {

// 15 twips are one pixel at 100 %.
constexpr int kTwipsPerPixel = 15;

// The scale the window is drawn at, in percent (View > Zoom): at 200 % a
// twip is two fifteenths of a pixel. The core keeps its twips whatever it is.
inline int gZoomPercent = 100;
inline int Zoom() { return gZoomPercent; }
void SetZoom(int percent);

// Twips as pixels at the current scale, rounded to the nearest pixel; pixels as twips.
inline int Px(int twips) {
  const int d = kTwipsPerPixel * 100;
  const int scaled = twips * gZoomPercent;
  return (scaled >= 0 ? scaled + d / 2 : scaled - d / 2) / d;
}
inline double PxF(int twips) { return twips * gZoomPercent / (kTwipsPerPixel * 100.0); }
inline int Twips(int px) { return px * kTwipsPerPixel * 100 / gZoomPercent; }
// A length given in pixels at 100 % (a line width, a margin), at the current scale.
inline int Scaled(int px) { return std::max(px > 0 ? 1 : 0, (px * gZoomPercent + 50) / 100); }
// A rectangle in twips as pixels; the edges are rounded so that neighbours stay flush.
inline QRect PxRect(int left, int top, int width, int height) {
  const int x = Px(left), y = Px(top);
  return QRect(x, y, Px(left + width) - x, Px(top + height) - y);
}

// The stored colour as a QColor; system colours come from the palette.
QColor ToQColor(Colour c, const QPalette& palette);

// "MS Sans Serif" -> a sans font, "Courier New" -> a mono font, "Comic Sans MS" -> Comic Neue.
// An empty name or a size of 0 gives the window's default font ("MS Sans Serif" 8.25 points).
// Sizes are set in pixels (points x 96 / 72, at the current scale) so that they do not depend on the screen.
QFont ToQFont(const std::string& name, double points, bool bold = false);

// The default font of the window's controls.
QFont DefaultFont();

// A fixed palette, the same on every desktop.
QPalette WindowPalette();

}  // namespace tessora::qt
