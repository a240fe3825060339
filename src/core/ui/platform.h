// The window-system services the core needs. The Qt program implements them;
// tests and the command-line tool use ScriptedPlatform (answers queued in
// advance, timers fired on request).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/progress.h"
#include "files/user_data.h"

namespace tessora {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
  std::string text;  // lines joined by CR LF
  MsgButtons buttons = MsgButtons::Ok;
  std::string title;  // empty: the program's default title
  bool infoIcon = false;
};

// A file-dialog filter: description and pattern ("File sudoku *.sud", "*.sud").
using FileFilter = std::pair<std::string, std::string>;

enum class Pointer { Default, Busy };

// A question answered by choosing one item of a list (a method to practise).
struct ChoiceRequest {
  std::string title;
  std::string label;
  std::vector<std::string> items;
  int current = 0;  // the item offered first
};

struct PrintPage;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgResult MessageBox(const MessageBoxRequest& request) = 0;
  // Returns the chosen path, or an empty string when cancelled.
  virtual std::string AskOpenFile(const std::string& title, const std::vector<FileFilter>& filters,
                                  const std::string& folder) = 0;
  virtual std::string AskSaveFile(const std::string& title, const std::vector<FileFilter>& filters,
                                  const std::string& folder, const std::string& defaultName) = 0;
  // A timer control was switched on or off or got a new interval.
  virtual void TimerChanged(const std::string& name, bool enabled, int intervalMs) = 0;
  // Lets the window process pending events (and redraw) from inside a loop.
  virtual void DoEvents() = 0;
  // Whether the window is drawn while a handler runs (at DoEvents and
  // Repaint). A platform that shows nothing before the handler returns need
  // not have the labels drawn there: they are drawn once it returns.
  virtual bool DrawsWhileBusy() const { return true; }
  // Redraws the window at once from the current state, without processing events.
  virtual void Repaint() = 0;
  // Time of day in seconds since midnight, with fractions.
  virtual double SecondsSinceMidnight() = 0;
  // Uniform random number in [0, 1); Randomize seeds the generator from the clock.
  virtual double Rnd() = 0;
  virtual void Randomize() = 0;
  virtual void Beep() = 0;
  virtual std::string CurrentFolder() = 0;
  virtual bool SetCurrentFolder(const std::string& folder) = 0;
  // Starts a program by file name with a hidden window; false when it cannot be started.
  virtual bool StartProgram(const std::string& path) = 0;
  // The help viewer with the program's guide, at a numbered topic (0: its start).
  virtual bool ShowHelp(const std::string& file, int topic) = 0;
  // Opens a document installed with the program (by its file name) in the
  // desktop's browser; false when it is not installed or cannot be opened.
  virtual bool OpenGuide(const std::string& file) = 0;
  virtual void SetMousePointer(Pointer pointer) = 0;
  // Draws the print arrangement sheet as a one-page (or, for a very long move
  // list, longer) PDF document into `pdf`; false, with a reason in `error`,
  // when it cannot.
  virtual bool RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) = 0;
  // The main window was unloaded: the program ends (after the closing window, when there is one).
  virtual void Quit() = 0;
  // The desktop's clipboard: the text it holds ("" when it holds none), and
  // text put on it for other programs.
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;

  // Practice and progress. A platform without them goes on as before: no
  // choice is made, and the progress lives only as long as the run.
  // The index of the item chosen, or -1 when the question was cancelled.
  virtual int ChooseItem(const ChoiceRequest& request) {
    (void)request;
    return -1;
  }
  // The progress kept between runs (a store that cannot be read is moved
  // aside, never deleted, and said so in the answer).
  virtual ProgressLoad LoadProgress() { return {}; }
  // Keeps the progress for the next runs; false, with a reason, when it cannot.
  virtual bool SaveProgress(const ProgressCounts& counts, std::string& error) {
    (void)counts;
    (void)error;
    return true;
  }
  // Shows the progress window: a chart of the counts and the suggestion.
  // The method the user asked there to practise (1..16), 0 for none.
  virtual int ShowProgress(const ProgressReport& report) {
    (void)report;
    return 0;
  }
  // The user's own data, kept between runs in the program's data folder
  // ($XDG_DATA_HOME/tessora). A file of it read (Missing when there is none,
  // Failed with a reason); written atomically, flushed to disk; removed;
  // renamed aside under a free name (`aside`: its new path), never deleted.
  virtual DataRead ReadUserData(const std::string& name, std::string& bytes, std::string& error) = 0;
  virtual bool WriteUserData(const std::string& name, const std::string& bytes, std::string& error) = 0;
  virtual bool RemoveUserData(const std::string& name, std::string& error) = 0;
  virtual bool SetAsideUserData(const std::string& name, std::string& aside, std::string& error) = 0;
  // The scheme files opened or saved last, the latest first, as the desktop
  // keeps them between runs; and the list to keep.
  virtual std::vector<std::string> RecentFiles() = 0;
  virtual void KeepRecentFiles(const std::vector<std::string>& paths) = 0;
  // Whether a path names an existing file.
  virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace tessora
