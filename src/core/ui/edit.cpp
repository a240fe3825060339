// The Edit menu: a scheme copied to and pasted from the desktop's clipboard,
// and the values the user played taken back one at a time, latest first.

#include "control/solver.h"
#include "control/solving.h"
#include "files/puzzle_text.h"
#include "ui/form1.h"

namespace tessora {

void Form1::mCopia_Click() {
  // Before Play every value keyed in is the scheme's; in play its givens are.
  std::string line(kCells, '.');
  for (int c = 0; c < kCells; ++c)
    if (Filled(c) && (!board.PlayPhase || board.OriginOf(c) == Origin::Given))
      line[c] = static_cast<char>('0' + Value(c));
  platform.SetClipboardText(line);
}

// Whether Play finishes the scheme: the engine's control of its givens, with
// the window's switches, so nothing on show changes when it cannot.
bool Form1::ControlFinishes(const std::string& grid) const {
  Board givens;
  for (int c = 0; c < kCells && c < static_cast<int>(grid.size()); ++c)
    if (grid[c] >= '1' && grid[c] <= '9') givens.Place(c, grid[c] - '0', Origin::Given);
  SchemeControl options;
  options.control.useTrialPlan = control.UseTrialPlan;
  options.control.useDetectorMemory = control.UseDetectorMemory;
  return ControlScheme(givens, options).result == ControlResult::Solved;
}

bool Form1::HasUserWork() const {
  for (int c = 0; c < kCells; ++c) {
    const Origin o = board.OriginOf(c);
    if (board.PlayPhase) {
      // A value played (kept or marked by a contradiction), or candidates of the user's own.
      if (o == Origin::Keyed || (Filled(c) && o == Origin::None)) return true;
    } else if (board.DataStarted && Filled(c)) {
      return true;  // a value keyed in as initial data
    }
  }
  return false;
}

void Form1::mIncolla_Click() {
  const Drawn drawn(*this);
  // The whole text is read and the scheme checked before the board is touched.
  const SchemeParse pasted = ParsePastedScheme(platform.ClipboardText());
  if (!pasted.ok) {
    MsgBox("The clipboard does not hold a scheme to paste.\r\n" + pasted.error, MsgButtons::Ok, "Paste Scheme");
    return;
  }
  std::string grid;
  for (int r = 0; r < 9; ++r)
    for (char ch : pasted.scheme.rows[r]) grid += ch == ' ' ? '.' : ch;
  std::array<int, kCells> givens{};
  for (std::size_t c = 0; c < givens.size() && c < grid.size(); ++c) givens[c] = grid[c] == '.' ? 0 : grid[c] - '0';
  const GivensCheck check = CheckGivens(givens);
  std::string fault;
  switch (check.fault) {
    case GivensCheck::Fault::NoGivens:
      fault = "it has no givens\r\n(every cell is empty).";
      break;
    case GivensCheck::Fault::Repeated:
      fault = "the digit " + std::to_string(check.digit) + " is\r\ntwice in one zone, in " +
              CellName(check.cellA) + " and in " + CellName(check.cellB) + ".";
      break;
    case GivensCheck::Fault::NoSolution:
      fault = "it has no solution.";
      break;
    case GivensCheck::Fault::None:
      if (ControlFinishes(grid)) break;
      fault = check.solutions > 1
                  ? "it has more than one\r\nsolution, and the control cannot finish it with its methods\r\n"
                    "and one trial at a time."
                  : "the control cannot\r\nsolve it with its methods and one trial at a time.";
      break;
  }
  if (!fault.empty()) {
    MsgBox("The scheme on the clipboard is not pasted: " + fault, MsgButtons::Ok, "Paste Scheme");
    return;
  }
  if (HasUserWork() &&
      MsgBox("The scheme on the clipboard takes the place of the game on\r\n"
             "the board, and what you played or keyed in there is lost.\r\n"
             "Replace it?",
             MsgButtons::YesNo, "Paste Scheme") != MsgResult::Yes)
    return;
  Azzera_Click();
  DatIniz_Click();
  EnterGivens(grid);
  Gioca_Click();
}

int Form1::LastPlayedCell() const {
  int last = -1;
  std::uint32_t latest = 0;
  for (int c = 0; c < kCells; ++c)
    if (edit.PlayedValue[c] && edit.PlayedAt[c] > latest) {
      latest = edit.PlayedAt[c];
      last = c;
    }
  return last;
}

void Form1::FollowEdits() {
  // The control writes and takes back values of its own while it runs, and
  // may show the board again as it was; what it leaves is looked at after.
  if (!methods.Checking && !control.Replaying && !control.Creating) {
    for (int c = 0; c < kCells; ++c) {
      const Origin o = board.OriginOf(c);
      // A value keyed in play, or marked wrong by a contradiction.
      const bool played = board.PlayPhase && Filled(c) && (o == Origin::Keyed || o == Origin::None);
      const auto value = static_cast<std::uint8_t>(played ? Value(c) : 0);
      if (value == edit.PlayedValue[c]) continue;
      edit.PlayedValue[c] = value;
      edit.PlayedAt[c] = value ? ++edit.PlayClock : 0;
    }
  }
  bool scheme = false;
  for (int c = 0; c < kCells && !scheme; ++c)
    scheme = Filled(c) && (!board.PlayPhase || board.OriginOf(c) == Origin::Given);
  w.mCopia.enabled = scheme;
  // Undo acts as Delete does: not while a trial view takes the cells' keys,
  // nor while a candidate correction is open.
  w.mAnnulla.enabled = board.PlayPhase && LastPlayedCell() >= 0 && !w.Sugge6.selected && !w.Sugge8.selected &&
                       !w.CorCanF.visible;
  w.mCreaLiv.enabled = w.mCrea.enabled;
}

void Form1::mAnnulla_Click() {
  const Drawn drawn(*this);
  FollowEdits();
  const int cell = LastPlayedCell();
  if (cell < 0 || !w.mAnnulla.enabled) return;
  if (!board.InputEnabled) {
    // The value to take back is the one that left a cell without candidates:
    // the marks of the contradiction go, and input is open again.
    for (int c = 0; c < kCells; ++c)
      if (w.caN[c].back == colour::Grey && board.OriginOf(c) == Origin::None && Filled(c) && c != cell) {
        board.SetOrigin(c, Origin::Keyed);
        w.caN[c].back = colour::White;
      }
    if (board.DeviationCell != kNoDeviation) w.caN[board.DeviationCell].back = colour::White;
    SetLight(colour::Green, "GO!");
    for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
    board.InputEnabled = true;
  }
  // Delete on that cell, as the user would press it there.
  caN_MouseMove(cell, 0, 0);
  Form_KeyDown(key::Delete, 0);
}

}  // namespace tessora
