#include "ui/accessibility.h"

#include <map>

#include "ui/form1.h"

namespace tessora {

namespace {

std::string Clean(const std::string& s) {
  // Blanks at the ends go, runs of blanks and line breaks become one blank.
  std::string out;
  bool blank = false;
  for (char ch : s) {
    if (ch == ' ' || ch == '\r' || ch == '\n' || ch == '\t') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += ch;
  }
  return out;
}

// "247" or "24 7" as "2 4 7"; empty when the text holds anything but digits and blanks.
std::string DigitList(const std::string& s) {
  std::string out;
  for (char ch : s) {
    if (ch == ' ') continue;
    if (ch < '1' || ch > '9') return std::string();
    if (!out.empty()) out += ' ';
    out += ch;
  }
  return out;
}

const char* OriginWord(Origin o) {
  switch (o) {
    case Origin::Given: return "given";
    case Origin::Keyed: return "played";
    case Origin::Solver: return "placed by the control";
    case Origin::None: break;
  }
  return "marked wrong";
}

std::string Marking(Colour back) {
  switch (back) {
    case colour::White: return std::string();
    case colour::LightYellow: return "cursor";
    case colour::Pink: return "marked, same value";
    case colour::Grey: return "grey";
    case colour::Purple: return "purple, the first move off the trial's solution";
    case colour::LightGrey: return "light grey";
    case colour::LightBlue: return "light blue";
    case colour::LightGreen: return "light green";
    case colour::LightOrange: return "light orange";
    default: return "coloured";
  }
}

std::string LightColour(Colour c) {
  switch (c) {
    case colour::Green: return "green";
    case colour::Red: return "red";
    case colour::Yellow: return "yellow";
    default: return "coloured";
  }
}

std::string Lines(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& line : items) {
    const std::string l = Clean(line);
    if (l.empty()) continue;
    if (!out.empty()) out += ' ';
    out += l;
  }
  return out;
}

struct Fixed {
  const char* name;
  const char* description;
};

// Controls whose caption alone does not say what they are or do.
const std::map<std::string, Fixed>& FixedTexts() {
  static const std::map<std::string, Fixed> table = {
      {"Sugge0", {"Show candidates: None", ""}},
      {"Sugge1", {"Show candidates: All", ""}},
      {"Sugge2", {"Show candidates: Only if =", "Then choose a digit"}},
      {"Sugge3a", {"Digit for Only if =", ""}},
      {"Sugge3b", {"Instance", "Hold down, or hold F8: the cells where the chosen digit is a candidate"}},
      {"Sugge3c", {"Net", "Hold down, or hold F9: the net of the chosen digit"}},
      {"Sugge3d", {"Exclusion", "Hold down, or hold F10: the cells the chosen digit is excluded from"}},
      {"Sugge6", {"Trial mode: Conjugated pairs", ""}},
      {"Sugge8", {"Trial mode: All candidates", ""}},
      {"Cons1", {"Method ?", "Hold down, or hold F5: the method of the next step"}},
      {"Cons2", {"Value ?", "Hold down, or hold F6: the value of the next step"}},
      {"Cons3", {"Where ?", "Hold down, or hold F7: where the next step is"}},
      {"Applica", {"Do it", "Plays the step shown (F2)"}},
      {"VaiTenta", {"Continue", "The trial's next step"}},
      {"AppTenta", {"Do it, trial", "Plays the moves the trial proved (F2)"}},
      {"FraCons", {"Advice", ""}},
      {"CorCanF", {"Candidate correction", "Untick the candidates to remove, then Esc or Enter"}},
      {"CorVF", {"Starting candidate of the trial", ""}},
      {"Peri", {"Solution", ""}},
      {"APeri", {"Trial solution", ""}},
      {"ImaCompl", {"Scheme completed", ""}},
      {"Prio", {"Advice priority order", ""}},
      {"portaSu", {"Move up", ""}},
      {"portaGiu", {"Move down", ""}},
  };
  return table;
}

}  // namespace

AccessibleText CellAccessible(const Form1& f, int cell) {
  const CellLabel& l = f.w.caN[cell];
  AccessibleText t;
  t.name = "row " + std::string(1, static_cast<char>('A' + cell / 9)) + ", column " +
           std::string(1, static_cast<char>('a' + cell % 9)) + ": ";
  if (f.Filled(cell)) {
    t.name += std::to_string(f.Value(cell)) + ", " + OriginWord(f.board.OriginOf(cell));
  } else {
    t.name += "empty";
    const std::string digits = DigitList(l.caption);
    if (!digits.empty()) t.name += ", candidates " + digits;
    else if (!Clean(l.caption).empty()) t.name += ", shows " + Clean(l.caption);
  }
  t.description = Marking(l.back);
  if (l.border) t.description += t.description.empty() ? "framed" : ", framed";
  return t;
}

AccessibleText ControlAccessible(const Form1& f, const Control& c) {
  const MainWindow& w = f.w;
  auto fixed = FixedTexts().find(c.name);
  if (fixed != FixedTexts().end()) {
    AccessibleText t{fixed->second.name, fixed->second.description};
    if (c.kind == Kind::Picture && !c.items.empty()) t.description = Lines(c.items);
    return t;
  }
  if (&c == &w.Semaf) return {"Light: " + LightColour(c.back) + ", " + Clean(w.SemaLab.caption), ""};
  if (&c == &w.ListCons) {
    const std::string text = Lines(c.items);
    return {"Blackboard: " + (text.empty() ? std::string("empty") : text), ""};
  }
  if (&c == &w.Fatti) return {"Filled cells: " + Clean(c.caption), ""};
  if (&c == &w.NErr) return {Clean(c.caption).empty() ? std::string("No errors") : Clean(c.caption), ""};
  if (&c == &w.CorCanT) return {"Candidates: " + DigitList(c.caption), ""};
  if (c.kind == Kind::Line || c.kind == Kind::Timer || c.kind == Kind::Separator) return {};
  if (c.name.rfind("ri(", 0) == 0) return {"row " + Clean(c.caption), ""};
  if (c.name.rfind("co(", 0) == 0) return {"column " + Clean(c.caption), ""};
  if (c.name.rfind("cM(", 0) == 0) {
    // The box under each candidate of the cell the correction panel is open on.
    const int cell = f.trials.CorrectionCell >= 0 ? f.trials.CorrectionCell : f.board.CurCell;
    const std::string digits = f.board.Can[cell].Digits();
    const std::size_t j = static_cast<std::size_t>(std::stoi(c.name.substr(3)));
    return {j < digits.size() ? "Keep candidate " + std::string(1, digits[j]) : std::string("Keep candidate"), ""};
  }
  if (c.name.rfind("cv1(", 0) == 0) return {"Start with " + Clean(c.caption), ""};
  return {Clean(c.caption), ""};
}

}  // namespace tessora
