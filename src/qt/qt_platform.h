// The window-system services of the core, on Qt: message boxes, file
// dialogs, timers, event processing, the clock, the random source, folders,
// programs, help, the mouse pointer and the end of the program.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "ui/platform.h"

class QTimer;
class QWidget;

namespace tessora {
class ScriptedPlatform;
}

namespace tessora::qt {

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // Hooks set by the window: draw the core's state, deliver a timer tick,
  // and close the window when the program ends.
  std::function<void()> onRedraw;
  std::function<void(const std::string&)> onTick;
  std::function<void()> onQuit;
  // The parent of message boxes and dialogs.
  QPointer<QWidget> dialogParent;

  // While a script runs, message boxes and file dialogs take their answers
  // from the script's queues instead of asking (nullptr: ask the user).
  void SetAnswerSource(ScriptedPlatform* source) { answers_ = source; }

  bool QuitRequested() const { return quitRequested_; }
  bool TimerActive(const std::string& name) const;
  // Minimum time between two real event-processing passes of DoEvents.
  static constexpr int kDoEventsIntervalMs = 15;

  MsgResult MessageBox(const MessageBoxRequest& request) override;
  std::string AskOpenFile(const std::string& title, const std::vector<FileFilter>& filters,
                          const std::string& folder) override;
  std::string AskSaveFile(const std::string& title, const std::vector<FileFilter>& filters,
                          const std::string& folder, const std::string& defaultName) override;
  void TimerChanged(const std::string& name, bool enabled, int intervalMs) override;
  void DoEvents() override;
  void Repaint() override;
  double SecondsSinceMidnight() override;
  double Rnd() override;
  void Randomize() override;
  void Beep() override;
  std::string CurrentFolder() override;
  bool SetCurrentFolder(const std::string& folder) override;
  bool StartProgram(const std::string& path) override;
  bool ShowHelp(const std::string& file, int topic) override;
  void SetMousePointer(Pointer pointer) override;
  bool RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) override;
  void Quit() override;

 private:
  void Redraw();
  ScriptedPlatform* answers_ = nullptr;
  std::map<std::string, QTimer*> timers_;
  QElapsedTimer sinceEvents_;
  std::mt19937 rng_;
  bool busyPointer_ = false;
  bool quitRequested_ = false;
};

// "desc (pattern)" filters joined by ";;" as the Qt file dialogs take them.
QString FilterText(const std::vector<FileFilter>& filters);

}  // namespace tessora::qt
