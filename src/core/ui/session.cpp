#include "ui/session.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "ui/dump.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"
#include "util/line_reader.h"
#include "util/printable.h"

namespace tessora {

const std::vector<std::string>& SessionCommands() {
  static const std::vector<std::string> commands = {
      "click", "press", "release", "key", "keyup", "type", "move", "cellclick", "dblclick", "mousedown",
      "pointer", "pick", "answer", "file", "choose", "tick", "clipboard", "fail", "start", "dump"};
  return commands;
}

namespace {

bool ParseInt(const std::string& s, int& v) {
  if (s.empty()) return false;
  std::size_t used = 0;
  try {
    v = std::stoi(s, &used);
  } catch (...) {
    return false;
  }
  return used == s.size();
}

bool ParseCell(const std::string& s, int& cell) { return ParseInt(s, cell) && cell >= 0 && cell < kCells; }

bool RunLine(Form1& f, ScriptedPlatform& p, const std::string& raw, std::ostream& out, std::string& error) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream in(line);
  std::string cmd;
  if (!(in >> cmd) || cmd[0] == '#') return true;
  // Only the listed commands run: a command missing from the list (and so
  // from the help) shows up at once.
  const std::vector<std::string>& known = SessionCommands();
  if (std::find(known.begin(), known.end(), cmd) == known.end()) {
    error = "unknown command '" + cmd + "'";
    return false;
  }
  std::vector<std::string> args;
  for (std::string a; in >> a;) args.push_back(a);
  auto need = [&](std::size_t lo, std::size_t hi) {
    if (args.size() < lo || args.size() > hi) {
      error = cmd + ": wrong number of arguments";
      return false;
    }
    return true;
  };
  auto refused = [&](const std::string& what) {
    error = cmd + " " + what + ": not available now";
    return false;
  };

  if (cmd == "click") {
    if (!need(1, 1)) return false;
    return f.Click(args[0]) || refused(args[0]);
  }
  if (cmd == "press" || cmd == "release") {
    if (!need(1, 1)) return false;
    bool ok = cmd == "press" ? f.Press(args[0]) : f.Release(args[0]);
    return ok || refused(args[0]);
  }
  if (cmd == "key" || cmd == "keyup") {
    int code = 0, shiftState = 0;
    if (!need(1, 2) || !ParseInt(args[0], code) || (args.size() == 2 && !ParseInt(args[1], shiftState))) {
      error = cmd + ": expected a key code and an optional shift mask";
      return false;
    }
    if (cmd == "key") f.KeyDown(code, shiftState);
    else f.KeyUp(code, shiftState);
    return true;
  }
  if (cmd == "start") {
    // The program's start path, as the window program runs it after its
    // start-up window: the game of the last run comes back, and from then on
    // the game in progress is kept in the user's data.
    if (!need(0, 0)) return false;
    if (f.unloaded) return refused("");
    f.StartUp();
    return true;
  }
  if (cmd == "type") {
    // The text is the rest of the line after "type " (blanks are keys too).
    std::size_t at = line.find("type") + 4;
    std::string text = at < line.size() ? line.substr(at + 1) : std::string();
    for (char ch : text) {
      int code;
      if (ch >= '1' && ch <= '9') code = ch;
      else if (ch == '.' || ch == '0' || ch == ' ') code = key::Space;
      else {
        error = std::string("type: cannot type '") + ch + "'";
        return false;
      }
      f.KeyDown(code, 0);
    }
    return true;
  }
  if (cmd == "move" || cmd == "cellclick" || cmd == "dblclick") {
    int cell = 0;
    if (!need(1, 1) || !ParseCell(args[0], cell)) {
      error = cmd + ": expected a cell 0..80";
      return false;
    }
    if (f.unloaded) return refused(args[0]);
    if (cmd == "move") f.caN_MouseMove(cell, 0, 0);
    else if (cmd == "cellclick") f.caN_Click(cell);
    else f.caN_DblClick(cell);
    return true;
  }
  if (cmd == "mousedown") {
    int cell = 0, button = 0, shiftState = 0;
    if (!need(2, 3) || !ParseCell(args[0], cell) || !ParseInt(args[1], button) ||
        (args.size() == 3 && !ParseInt(args[2], shiftState))) {
      error = "mousedown: expected a cell, a button and an optional shift mask";
      return false;
    }
    if (f.unloaded) return refused(args[0]);
    f.caN_MouseDown(cell, button, shiftState);
    return true;
  }
  if (cmd == "pointer") {
    int x = 0, y = 0;
    if (!need(2, 2) || !ParseInt(args[0], x) || !ParseInt(args[1], y)) {
      error = "pointer: expected X and Y in twips";
      return false;
    }
    if (!f.unloaded) f.Form_MouseMove(0, 0, x, y);
    return true;
  }
  if (cmd == "pick") {
    if (args.size() < 2) {
      error = "pick: expected a control and an item";
      return false;
    }
    std::size_t at = line.find(args[0], line.find("pick") + 4) + args[0].size();
    std::string item = line.substr(at + 1);
    return f.Pick(args[0], item) || refused(args[0]);
  }
  if (cmd == "answer") {
    if (!need(1, 1)) return false;
    static const std::pair<const char*, MsgResult> kAnswers[] = {
        {"ok", MsgResult::Ok}, {"cancel", MsgResult::Cancel}, {"yes", MsgResult::Yes}, {"no", MsgResult::No}};
    for (const auto& [name, result] : kAnswers)
      if (args[0] == name) {
        p.answers.push_back(result);
        return true;
      }
    error = "answer: expected ok, cancel, yes or no";
    return false;
  }
  if (cmd == "file") {
    std::size_t at = line.find("file") + 4;
    std::string path = at < line.size() ? Trim(line.substr(at)) : std::string();
    if (path.empty()) {
      error = "file: expected a path or cancel";
      return false;
    }
    p.fileAnswers.push_back(path == "cancel" ? std::string() : path);
    return true;
  }
  if (cmd == "choose") {
    // The answer to the next choice question: an item's text, its number or
    // its name (the rest of the line), or cancel.
    const std::size_t at = line.find("choose") + 6;
    const std::string item = at < line.size() ? Trim(line.substr(at)) : std::string();
    if (item.empty()) {
      error = "choose: expected an item or cancel";
      return false;
    }
    p.choiceAnswers.push_back(item == "cancel" ? std::string() : item);
    return true;
  }
  if (cmd == "clipboard") {
    // The rest of the line is the text; "\n" in it stands for a line break,
    // "\\" for a backslash.
    const std::size_t at = line.find("clipboard") + 9;
    const std::string text = at < line.size() ? line.substr(at + (line[at] == ' ' ? 1 : 0)) : std::string();
    std::string clip;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
        clip += text[++i] == 'n' ? '\n' : '\\';
        continue;
      }
      clip += text[i];
    }
    p.clipboard = clip;
    return true;
  }
  if (cmd == "tick") {
    if (!need(1, 1)) return false;
    return f.Tick(args[0]) || refused(args[0]);
  }
  if (cmd == "fail") {
    // From here on the named service of the desktop answers failure.
    if (!need(1, 1)) return false;
    if (args[0] == "guide") p.guideFails = true;
    else if (args[0] == "help") p.helpFails = true;
    else if (args[0] == "program") p.startProgramFails = true;
    else {
      error = "fail: expected guide, help or program";
      return false;
    }
    return true;
  }
  if (cmd == "dump") {
    out << DumpState(f) << "\n";
    return true;
  }
  error = "command '" + cmd + "' is listed but not handled";
  return false;
}

}  // namespace

bool RunSessionLine(Form1& f, ScriptedPlatform& p, const std::string& line, std::ostream& out, std::string& error) {
  const bool ok = RunLine(f, p, line, out, error);
  // After every event, as the window program does: the game kept (once `start` ran).
  f.KeepGame();
  // The message may repeat words of the line: its control bytes are shown escaped.
  if (!ok) error = PrintableText(error);
  return ok;
}

int RunSession(Form1& f, ScriptedPlatform& p, std::istream& in, std::ostream& out, std::ostream& err) {
  int failures = 0, number = 0;
  std::string line;
  for (LineRead r; (r = ReadBoundedLine(in, line)) != LineRead::End;) {
    ++number;
    if (r == LineRead::TooLong) {
      ++failures;
      err << "line " << number << ": " << TooLongLineMessage() << "\n";
      continue;
    }
    std::string error;
    if (!RunSessionLine(f, p, line, out, error)) {
      ++failures;
      err << "line " << number << ": " << error << "\n";
    }
  }
  return failures;
}

}  // namespace tessora
