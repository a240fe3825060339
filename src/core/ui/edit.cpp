// The Edit menu: a scheme copied to and pasted from the desktop's clipboard,
// and the values the user played taken back one at a time, latest first.
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

void Form1::mIncolla_Click() {
  const Drawn drawn(*this);
  // The whole text is read before the board is touched.
  const SchemeParse pasted = ParsePastedScheme(platform.ClipboardText());
  if (!pasted.ok) {
    MsgBox("The clipboard does not hold a scheme to paste.\r\n" + pasted.error, MsgButtons::Ok, "Paste Scheme");
    return;
  }
  std::string grid;
  for (int r = 0; r < 9; ++r)
    for (char ch : pasted.scheme.rows[r]) grid += ch == ' ' ? '.' : ch;
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

int Form1::CreateOfLevel(int level) {
  const Drawn drawn(*this);
  static constexpr const char* kLevels[4] = {" Easy", " Medium", " Difficult", " Diabolic"};
  if (level < 0 || level > 3) return 0;
  // The scheme kept is numbered as if it were the only one created.
  const int number = files.NewSchemeNo;
  for (int attempt = 1; attempt <= kMaxLevelAttempts; ++attempt) {
    files.NewSchemeNo = number;
    mCrea_click();
    if (control.Difficulty == kLevels[level]) return attempt;
  }
  MsgBox("No scheme rated" + std::string(kLevels[level]) + " came out of " + std::to_string(kMaxLevelAttempts) +
             " creations;\r\nthe last one created is on the board.",
         MsgButtons::Ok, "New (create) of level");
  return 0;
}

}  // namespace tessora
