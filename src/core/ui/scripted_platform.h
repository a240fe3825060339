// A platform for tests and the command-line tool: message-box answers and
// file-dialog answers are queued in advance, timers only fire on request.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace tessora {

class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform();

  // Queued answers. A message box without a queued answer takes its first
  // button; a file dialog without one is cancelled.
  std::deque<MsgResult> answers;
  std::deque<std::string> fileAnswers;  // "" cancels

  struct TimerState {
    bool enabled = false;
    int interval = 0;
  };
  std::map<std::string, TimerState> timers;
  std::vector<MessageBoxRequest> messages;  // every message box shown
  std::vector<std::string> dialogTitles;    // every file dialog shown
  std::vector<std::vector<FileFilter>> dialogFilters;
  std::vector<std::string> dialogDefaultNames;
  std::vector<std::string> startedPrograms;
  std::vector<std::pair<std::string, int>> helpShown;
  std::vector<std::string> guidesOpened;
  // Services that answer failure from then on (a test of the failure paths).
  bool startProgramFails = false;
  bool helpFails = false;
  bool guideFails = false;
  int doEventsCalls = 0;
  int repaints = 0;
  int beeps = 0;
  bool quit = false;
  Pointer pointer = Pointer::Default;

  // Draws the print sheet as PDF (the command-line tool sets one that loads
  // its PDF module); without one, RenderPdf reports that it cannot.
  std::function<bool(const PrintPage&, std::string&, std::string&)> pdfRenderer;
  // Runs at every Repaint, to look at the window as it is redrawn.
  std::function<void()> onRepaint;
  // Runs as each message box opens, to look at the window behind it.
  std::function<void(const MessageBoxRequest&)> onMessage;

  // The clock; the real time of day unless a test replaces it.
  std::function<double()> clock;
  // Fixes the random sequence (tests); otherwise Randomize seeds from the clock.
  void FixRandomSeed(unsigned seed);

  MsgResult MessageBox(const MessageBoxRequest& request) override;
  std::string AskOpenFile(const std::string& title, const std::vector<FileFilter>& filters,
                          const std::string& folder) override;
  std::string AskSaveFile(const std::string& title, const std::vector<FileFilter>& filters,
                          const std::string& folder, const std::string& defaultName) override;
  void TimerChanged(const std::string& name, bool enabled, int intervalMs) override;
  void DoEvents() override { ++doEventsCalls; }
  // Nothing is shown while a handler runs, unless a test asks for the
  // labels to be drawn there as the window's platform has them drawn.
  bool drawsWhileBusy = false;
  bool DrawsWhileBusy() const override { return drawsWhileBusy; }
  void Repaint() override {
    ++repaints;
    if (onRepaint) onRepaint();
  }
  double SecondsSinceMidnight() override;
  double Rnd() override;
  void Randomize() override;
  void Beep() override { ++beeps; }
  std::string CurrentFolder() override;
  bool SetCurrentFolder(const std::string& folder) override;
  bool StartProgram(const std::string& path) override;
  bool ShowHelp(const std::string& file, int topic) override;
  bool OpenGuide(const std::string& file) override;
  void SetMousePointer(Pointer p) override { pointer = p; }
  bool RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) override;
  void Quit() override { quit = true; }
  // The clipboard is this text; a session sets it with "clipboard TEXT".
  std::string clipboard;
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }

  // The answers to the choice questions: an item's text, its number or its
  // text without the number ("13", "X-Wing Rectangle"); "" cancels. A
  // question with no answer queued is cancelled.
  std::deque<std::string> choiceAnswers;
  std::vector<ChoiceRequest> choices;  // every choice question asked
  int ChooseItem(const ChoiceRequest& request) override;
  // The progress store: what a run kept, in memory. `storeSetAside` (a path)
  // makes the next load answer that the store was broken and moved there;
  // `storeError` makes loads and saves fail with that reason.
  ProgressCounts stored;
  std::string storeSetAside;
  std::string storeError;
  int loads = 0, saves = 0;
  std::vector<ProgressReport> progressShown;  // every progress window shown
  // The method the progress window is answered with (asked to practise), 0 none.
  int progressAnswer = 0;
  ProgressLoad LoadProgress() override;
  bool SaveProgress(const ProgressCounts& counts, std::string& error) override;
  int ShowProgress(const ProgressReport& report) override {
    progressShown.push_back(report);
    return progressAnswer;
  }
  // The user's data lives in this folder (a test's own); empty: the user's
  // data folder as the environment names it ($XDG_DATA_HOME/tessora).
  std::string dataFolder;
  std::string DataFolder() const { return dataFolder.empty() ? UserDataFolder() : dataFolder; }
  DataRead ReadUserData(const std::string& name, std::string& bytes, std::string& error) override {
    return ReadUserFile(DataFolder(), name, bytes, error);
  }
  bool WriteUserData(const std::string& name, const std::string& bytes, std::string& error) override {
    return WriteUserFile(DataFolder(), name, bytes, error);
  }
  bool RemoveUserData(const std::string& name, std::string& error) override {
    return RemoveUserFile(DataFolder(), name, error);
  }
  bool SetAsideUserData(const std::string& name, std::string& aside, std::string& error) override {
    return SetAsideUserFile(DataFolder(), name, aside, error);
  }
  // The recent files as a desktop would keep them, for the life of this platform.
  std::vector<std::string> recentFiles;
  std::vector<std::string> RecentFiles() override { return recentFiles; }
  void KeepRecentFiles(const std::vector<std::string>& paths) override { recentFiles = paths; }
  bool FileExists(const std::string& path) override { return IsExistingFile(path); }

 private:
  std::mt19937_64 rng_;
  bool fixedSeed_ = false;
};

// The real time of day in seconds since midnight, with fractions.
double RealSecondsSinceMidnight();

}  // namespace tessora
