// The window-system services of the core, on Qt: message boxes, file
// dialogs, timers, event processing, the clock, the random source, folders,
// programs, help, the mouse pointer and the end of the program.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "ui/platform.h"

class QTimer;
class QWidget;

namespace tessora {
class ScriptedPlatform;
}

namespace tessora::qt {

class HelpViewer;
class ProgressStore;
class ProgressWindow;

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

  // The next open-file dialog is answered with this path without asking
  // (a scheme named on the command line goes through Open like a chosen one).
  void QueueOpenAnswer(const std::string& path) { openAnswer_ = path; }
  // Whether Quit ends the event loop at once; false when a closing window
  // ends the program later.
  bool quitsAtOnce = true;
  // The help viewer, once F1 has opened it.
  HelpViewer* Help() const { return help_; }
  // Where the guide installed with the program lies; empty when it is not installed.
  static QString InstalledGuide(const std::string& file);

  bool QuitRequested() const { return quitRequested_; }
  bool TimerActive(const std::string& name) const;
  // The Qt timer behind a timer of the core (null before it was first switched on).
  QTimer* Timer(const std::string& name) const;
  // The progress is kept in a store in this folder ($XDG_DATA_HOME/tessora
  // when empty); with `useStore` clear (script runs) it lives in the run only.
  bool useStore = true;
  QString storeFolder;
  // The progress window a script run left open (shown without waiting).
  ProgressWindow* OpenProgressWindow() const;
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
  bool OpenGuide(const std::string& file) override;
  void SetMousePointer(Pointer pointer) override;
  bool RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) override;
  void Quit() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  int ChooseItem(const ChoiceRequest& request) override;
  ProgressLoad LoadProgress() override;
  bool SaveProgress(const ProgressCounts& counts, std::string& error) override;
  int ShowProgress(const ProgressReport& report) override;
  DataRead ReadUserData(const std::string& name, std::string& bytes, std::string& error) override;
  bool WriteUserData(const std::string& name, const std::string& bytes, std::string& error) override;
  bool RemoveUserData(const std::string& name, std::string& error) override;
  bool SetAsideUserData(const std::string& name, std::string& aside, std::string& error) override;
  std::vector<std::string> RecentFiles() override;
  void KeepRecentFiles(const std::vector<std::string>& paths) override;
  bool FileExists(const std::string& path) override;

  // Whether the recent files are read from and kept in the desktop's settings
  // (QSettings); script and screenshot runs keep them for the run alone.
  bool keepsSettings = false;

 private:
  void Redraw();
  ScriptedPlatform* answers_ = nullptr;
  std::string openAnswer_;
  HelpViewer* help_ = nullptr;
  std::map<std::string, QTimer*> timers_;
  QElapsedTimer sinceEvents_;
  std::mt19937 rng_;
  bool busyPointer_ = false;
  std::unique_ptr<ProgressStore> store_;
  QPointer<QWidget> progressWindow_;
  std::vector<std::string> recent_;  // the recent files of a run that keeps no settings
  bool quitRequested_ = false;
};

// "desc (pattern)" filters joined by ";;" as the Qt file dialogs take them.
QString FilterText(const std::vector<FileFilter>& filters);

}  // namespace tessora::qt
