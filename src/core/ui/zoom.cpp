// View > Zoom: the scale at which the window is drawn. Positions and sizes
// stay in twips; the view turns them into pixels at this scale.
#include "ui/zoom.h"

#include <algorithm>

#include "ui/form1.h"

namespace tessora {

bool Form1::SetZoom(int percent) {
  const int choices[] = {100, 125, 150, 200};
  if (std::find(std::begin(choices), std::end(choices), percent) == std::end(choices)) return false;
  return ZoomTo(percent);
}

bool Form1::ZoomTo(int percent) {
  if (percent < kMinZoom || percent > kMaxZoom) return false;
  Control* items[] = {&w.mZoom100, &w.mZoom125, &w.mZoom150, &w.mZoom200};
  const int choices[] = {100, 125, 150, 200};
  w.zoom = percent;
  for (int i = 0; i < 4; ++i) items[i]->checked = choices[i] == percent;
  return true;
}

void Form1::ZoomStep(int direction) {
  int percent = 100;
  if (direction > 0) {
    percent = kZoomSteps[std::size(kZoomSteps) - 1];
    for (int step : kZoomSteps)
      if (step > w.zoom) {
        percent = step;
        break;
      }
  } else if (direction < 0) {
    percent = kZoomSteps[0];
    for (int step : kZoomSteps)
      if (step < w.zoom) percent = step;
  }
  ZoomTo(std::clamp(percent, kMinZoom, kMaxZoom));
}

namespace {

// Twips as pixels at a scale, rounded as the view rounds them.
int Px(int twips, int percent) { return (twips * percent + 750) / 1500; }

bool Fits(int percent, int roomW, int roomH, int widthTwips, int heightTwips, int extraPx) {
  return Px(widthTwips, percent) <= roomW && Px(heightTwips, percent) + (extraPx * percent + 50) / 100 <= roomH;
}

}  // namespace

int FitZoom(int roomW, int roomH, int widthTwips, int heightTwips, int extraPx, int minPercent, int maxPercent) {
  int best = minPercent;
  for (int p = minPercent; p <= maxPercent; ++p)
    if (Fits(p, roomW, roomH, widthTwips, heightTwips, extraPx)) best = p;
  return best;
}

int StartZoom(int remembered, int roomW, int roomH, int widthTwips, int heightTwips, int extraPx, int frameW,
              int frameH) {
  const int fit = FitZoom(roomW - frameW, roomH - frameH, widthTwips, heightTwips, extraPx, Form1::kMinZoom,
                          Form1::kMaxZoom);
  const int wanted = remembered > 0 ? std::clamp(remembered, Form1::kMinZoom, Form1::kMaxZoom) : 100;
  return std::min(wanted, fit);
}

}  // namespace tessora
