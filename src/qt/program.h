// One run of the window program: the start-up window, the main window, the
// closing window and the end of the run; a scheme named on the command line;
// the zoom kept between runs.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "main_view.h"
#include "picture_window.h"
#include "qt_platform.h"
#include "ui/form1.h"
#include "ui/splash.h"

namespace tessora::qt {

class Program {
 public:
  struct Options {
    bool startWindow = true;  // begin with the start-up window (not for scripts and screenshots)
    bool closingWindow = true;
    // Read and keep the user's settings and data between runs: the zoom, the
    // options, the recent files and the game in progress (its start path runs).
    bool settings = true;
    QString scheme;           // a scheme file to open once the main window shows
  };

  explicit Program(const Options& options);
  // What the window's frame adds to its size on a desktop (title bar and
  // borders), allowed for when the first scale is chosen.
  static constexpr int kFrameWidth = 16, kFrameHeight = 48;
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the start-up window, or the main window at once.
  void Start();

  Form1& form() { return form_; }
  QtPlatform& platform() { return platform_; }
  MainView& view() { return *view_; }
  PictureWindows& windows() { return windows_; }
  PictureWindowView* StartWindow() const { return start_.get(); }
  PictureWindowView* ClosingWindow() const { return closing_.get(); }
  bool Ended() const { return endDrawn_; }

  // The run is over; the program ends with this status.
  std::function<void(int)> onEnd;

 private:
  void Draw();
  void ShowMain();
  void ShowPictureWindow(std::unique_ptr<PictureWindowView>& window, const char* name, const QImage& picture);
  void End();

  Options options_;
  QtPlatform platform_;
  Form1 form_;
  PictureWindows windows_;
  std::unique_ptr<MainView> view_;
  std::unique_ptr<PictureWindowView> start_, closing_;
  bool mainDrawn_ = false;
  bool endDrawn_ = false;
};

}  // namespace tessora::qt
