// How the core's plain-data look maps onto Qt: twips to pixels, the stored
// 0x00BBGGRR colours (and the system colours) to QColor, the original font
// names to the fonts installed here.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <string>

#include "ui/window.h"

namespace tessora::qt {

constexpr int kTwipsPerPixel = 15;

inline int Px(int twips) { return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel; }
inline int Twips(int px) { return px * kTwipsPerPixel; }
// A rectangle in twips as pixels; the edges are rounded so that neighbours stay flush.
inline QRect PxRect(int left, int top, int width, int height) {
  const int x = Px(left), y = Px(top);
  return QRect(x, y, Px(left + width) - x, Px(top + height) - y);
}

// The stored colour as a QColor; system colours come from the palette.
QColor ToQColor(Colour c, const QPalette& palette);

// "MS Sans Serif" -> a sans font, "Courier New" -> a mono font, "Comic Sans MS" -> Comic Neue.
// An empty name or a size of 0 gives the window's default font ("MS Sans Serif" 8.25 points).
// Sizes are set in pixels (points x 96 / 72) so that they do not depend on the screen.
QFont ToQFont(const std::string& name, double points, bool bold = false);

// The default font of the window's controls.
QFont DefaultFont();

// A fixed palette, the same on every desktop.
QPalette WindowPalette();

}  // namespace tessora::qt
