// The two shaped picture windows that open and close the program: the
// start-up window Form0 and the closing window Form9. Each shows a picture
// whose pure white pixels are cut out of the window, and ends with one timer
// tick. The shape rule is plain data in, rectangles out, so that it is tested
// without a display; the Qt program turns the rectangles into a window mask.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/platform.h"
#include "ui/window.h"

namespace tessora {

// A picture as 0xRRGGBB pixels, row by row.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

constexpr std::uint32_t kPureWhite = 0xFFFFFF;

// A rectangle of pixels; right and bottom are just outside it.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// What is cut out of a window's rectangle (0, 0, width, height) so that the
// window takes its picture's outline: every run of pure white pixels of a
// row, one pixel high. Only pixels inside the picture are looked at; a nearly
// white pixel stays. A picture without pure white gives no cut (the plain
// rectangle), and so does an all-white one: cutting it all would leave a
// window that can neither be seen nor closed.
std::vector<PixelRect> WhiteRuns(const Picture& picture);

// One shaped window: its client area, the size of its picture and its timer.
struct PictureWindow {
  std::string name;
  int width = 0, height = 0;                // client area, twips
  int pictureWidth = 0, pictureHeight = 0;  // pixels at 100 %
  Control Timer10;
  bool loaded = false;
};

// Form0 and Form9 with their handlers. Form0 hands over to the main window
// after five seconds, or at once when the user closes it, clicks it or
// presses Esc, Enter or Space on it; Form9 ends the program two seconds after
// the main window closed.
class PictureWindows {
 public:
  explicit PictureWindows(Platform& platform);

  Platform& platform;
  PictureWindow form0, form9;
  bool mainShown = false;  // Form0 has handed over to the main window
  bool ended = false;      // Form9's timer has ended the program

  void Form0_Load();
  void Form0_Timer10_Timer();
  void Form0_Unload();  // closed before its timer: the main window at once
  // A click (a press and release without a drag) skips the wait, as closing does.
  void Form0_Click();
  // Esc, Enter or Space (the window's key codes 27, 13, 32) skip the wait;
  // false for any other key, which does nothing.
  bool Form0_KeyDown(int keyCode);
  void Form9_Load();
  void Form9_Timer10_Timer();
  // A timer tick by the timer's name ("Form0.Timer10", "Form9.Timer10");
  // false when no such timer is running.
  bool Tick(const std::string& timerName);

 private:
  void SetTimer(PictureWindow& window, bool enabled);
};

}  // namespace tessora
