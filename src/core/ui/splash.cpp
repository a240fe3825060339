#include "ui/splash.h"

#include "ui/form1.h"

namespace tessora {

std::vector<PixelRect> WhiteRuns(const Picture& picture) {
  std::vector<PixelRect> runs;
  const int w = picture.width, h = picture.height;
  if (w <= 0 || h <= 0 || picture.pixels.size() < static_cast<std::size_t>(w) * h) return runs;
  std::size_t cut = 0;
  for (int y = 0; y < h; ++y) {
    int x = 0;
    while (x < w) {
      while (x < w && picture.At(x, y) != kPureWhite) ++x;
      const int start = x;
      while (x < w && picture.At(x, y) == kPureWhite) ++x;
      if (start < x) {
        runs.push_back({start, y, x, y + 1});
        cut += static_cast<std::size_t>(x - start);
      }
    }
  }
  if (cut == static_cast<std::size_t>(w) * h) runs.clear();
  return runs;
}

namespace {

void Design(PictureWindow& window, const char* name, int width, int height, int pictureWidth, int pictureHeight,
            int intervalMs) {
  window.name = name;
  window.width = width;
  window.height = height;
  window.pictureWidth = pictureWidth;
  window.pictureHeight = pictureHeight;
  window.Timer10.name = std::string(name) + ".Timer10";
  window.Timer10.kind = Kind::Timer;
  window.Timer10.interval = intervalMs;
  window.Timer10.enabled = false;
}

}  // namespace

PictureWindows::PictureWindows(Platform& p) : platform(p) {
  Design(form0, "Form0", 4110, 4725, 271, 311, 5000);
  Design(form9, "Form9", 2910, 1740, 190, 115, 2000);
}

void PictureWindows::SetTimer(PictureWindow& window, bool enabled) {
  window.Timer10.enabled = enabled;
  platform.TimerChanged(window.Timer10.name, enabled, window.Timer10.interval);
}

void PictureWindows::Form0_Load() {
  form0.loaded = true;
  SetTimer(form0, true);
}

void PictureWindows::Form0_Timer10_Timer() {
  SetTimer(form0, false);
  mainShown = true;
  form0.loaded = false;
}

void PictureWindows::Form0_Unload() {
  if (!form0.loaded) return;
  Form0_Timer10_Timer();
}

void PictureWindows::Form0_Click() { Form0_Unload(); }

bool PictureWindows::Form0_KeyDown(int keyCode) {
  if (keyCode != key::Esc && keyCode != key::Enter && keyCode != key::Space) return false;
  Form0_Unload();
  return true;
}

void PictureWindows::Form9_Load() {
  form9.loaded = true;
  SetTimer(form9, true);
}

void PictureWindows::Form9_Timer10_Timer() {
  SetTimer(form9, false);
  form9.loaded = false;
  ended = true;
}

bool PictureWindows::Tick(const std::string& timerName) {
  if (timerName == form0.Timer10.name && form0.Timer10.enabled) {
    Form0_Timer10_Timer();
    return true;
  }
  if (timerName == form9.Timer10.name && form9.Timer10.enabled) {
    Form9_Timer10_Timer();
    return true;
  }
  return false;
}

}  // namespace tessora
