// Every key pressed in the main window: digits written and judged, Delete,
// the arrows, ESC, and the batch key F11.
#include <optional>

#include "control/move_judgement.h"
#include "ui/form1.h"

namespace tessora {

void Form1::Form_KeyDown(int keyCode, int shiftState) {
  const Drawn drawn(*this);
  // Any key takes back the advice levels a shown step offered; the advice
  // keys go no further, every other key takes back its "Do it" too.
  for (Control* b : {&w.Sugge3b, &w.Sugge3c, &w.Sugge3d}) b->enabled = false;
  if (keyCode == key::F2 || keyCode == key::F3 || keyCode == key::F4 || keyCode == key::F12) return;
  w.Applica.enabled = false;
  w.mApplica.enabled = false;

  if (keyCode == key::F11) {
    BatchCreate();
    return;
  }
  if (keyCode == key::Esc && EscapeTidiesBoard()) return;
  // Enter confirms a correction as ESC does.
  if (keyCode == key::Enter && !board.InputEnabled && w.CorCanF.visible) {
    EndCandidateCorrection();
    return;
  }
  if (keyCode == key::Esc || !KeysReachTheBoard(shiftState)) return;
  // With "Arrow Keys in Play" the arrows move the cursor in play too.
  if (board.PlayPhase && w.mTastiera.checked && MoveCursorByArrow(keyCode)) return;
  if (!CurrentCellTakesKeys()) return;

  // Keypad digits become main-keyboard digits; the value the cell shows
  // keyed again does nothing.
  if (keyCode >= 97 && keyCode <= 109) keyCode -= 48;
  const int cur = board.CurCell;
  board.KeyChar = std::string(1, static_cast<char>(keyCode));
  if (board.KeyChar == (Filled(cur) ? ShownCaption(cur) : "0")) return;

  if (keyCode == key::Delete) {
    DeleteValue(cur);
    return;
  }
  if (keyCode == key::Left || keyCode == key::Up || keyCode == key::Down) {
    MoveCursorInData(keyCode);
    return;
  }
  if (keyCode != key::Right) {
    const char kc = board.KeyChar[0];
    if (kc > '0' && kc <= '9' && !KeyDigit(cur, kc - '0')) return;
    TidyAfterKey();
    if (board.PlayPhase) return;
  }
  AdvanceCursor();
}

bool Form1::EscapeTidiesBoard() {
  // ESC takes the tints and the marking off the board, starts a trial view
  // again from its beginning and ends a candidate correction.
  for (auto& c : w.caN) {
    c.back = colour::White;
    c.border = false;
  }
  board.CursorBack = colour::White;
  board.MarkState = 0;
  for (Control* trial : {&w.Sugge8, &w.Sugge6}) {
    if (!trial->selected) continue;
    trial->selected = false;
    w.VaiTenta.enabled = false;
    w.VaiTenta.back = colour::ButtonFace;
    w.AppTenta.enabled = false;
    SelectOption(w.Sugge0);
    SelectOption(*trial);
  }
  if (!board.InputEnabled && w.CorCanF.visible) {
    EndCandidateCorrection();
    return true;
  }
  return false;
}

bool Form1::KeysReachTheBoard(int shiftState) {
  // Not while input is blocked (a contradiction, a correction) or a trial
  // view holds the cells' keys; before "Initial Data" the user is told how
  // to start.
  if (!board.InputEnabled || w.Sugge6.selected || w.Sugge8.selected) return false;
  if (!board.DataStarted) {
    w.BoardClear();
    w.BoardAdd("- To start click on 'Initial Data'.");
    return false;
  }
  return shiftState == 0;
}

bool Form1::CurrentCellTakesKeys() {
  // A given in play cannot be changed.
  if (board.PlayPhase && board.OriginOf(board.CurCell) == Origin::Given) {
    w.BoardClear();
    w.BoardAdd("- Black Values are NOT");
    w.BoardAdd("  changeable!");
    return false;
  }
  return true;
}

void Form1::DeleteValue(int cell) {
  if (!Filled(cell)) return;
  CellLabel& label = w.caN[cell];
  board.KeyChar.clear();
  board.ClearValue(cell);
  label.caption.clear();
  label.size = 4;
  board.FilledCount -= 1;
  w.Fatti.caption = std::to_string(board.FilledCount);
  if (!board.PlayPhase) return;
  // The peers of the emptied cell lost its value when it was written: the
  // control starts from candidates counted afresh from the values left.
  RecountCandidates();
  control.AfterCancel = true;
  Gioca_Click();
  if (w.Sugge1.selected) ShowCandidates();
  control.AfterCancel = false;
  TakeCaptionSnapshot();
  if (!w.Sugge1.selected)
    for (int i = 0; i < kCells; ++i)
      if (!Filled(i)) w.caN[i].caption.clear();
  platform.Repaint();
  RepaintPanels();
}

void Form1::MoveCursorInData(int keyCode) {
  // The arrows move the cursor while the initial data are keyed, wrapping round.
  if (board.PlayPhase) return;
  const int cur = board.CurCell;
  w.caN[cur].back = colour::White;
  int next = cur;
  if (keyCode == key::Left) next = cur == 0 ? 80 : cur - 1;
  else if (keyCode == key::Up) next = cur / 9 == 0 ? cur + 72 : cur - 9;
  else next = cur / 9 == 8 ? cur - 72 : cur + 9;
  board.CurCell = next;
  w.caN[next].back = colour::LightYellow;
}

bool Form1::KeyDigit(int cell, int digit) {
  // The board before the move, for the practice's verdict and the counts.
  std::optional<Board> before;
  if (board.PlayPhase) before = board;
  if (board.PlayPhase) {
    // A refused digit counts as a wrong answer; an overwriting does not.
    const bool wrong = JudgeMove(digit, board.Solution[cell], board.Can[cell]) == MoveVerdict::Wrong;
    if (!AcceptMove(cell, digit)) {
      if (wrong) NoteUserMove(*before, {cell, digit, 0}, false);
      return false;
    }
  }
  // The digit is written; it takes its ink once the propagation is through
  // (a contradiction leaves the ink the cell had).
  if (Filled(cell)) board.FilledCount -= 1;
  ShowValue(cell, digit, board.OriginOf(cell));
  board.FilledCount += 1;
  w.Fatti.caption = std::to_string(board.FilledCount);
  board.Can[cell] = CandText::Filled();
  if (board.PlayPhase) {
    PropagateValue(cell, digit);
    if (!board.InputEnabled) return false;
  }
  board.SetOrigin(cell, board.PlayPhase ? Origin::Keyed : Origin::Given);
  w.ImaCompl.visible = false;
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
  if (board.FilledCount == 81) CheckEndOfGame();
  if (before) NoteUserMove(*before, {cell, digit, 0}, true);
  return true;
}

bool Form1::AcceptMove(int cell, int digit) {
  const std::string name = CellName(cell);
  auto signalError = [&] {
    SetLight(colour::Red, "ERR");
    SetTimer(w.TempEr, true);
    board.ErrorCount += 1;
    ShowErrorCount(" Errors");
  };
  w.BoardClear();
  switch (JudgeMove(digit, board.Solution[cell], board.Can[cell])) {
    case MoveVerdict::Correct:
      w.BoardAdd("- CORRECT MOVE in " + name + ".");
      return true;
    case MoveVerdict::Wrong:
      w.BoardAdd("- WRONG MOVE");
      w.BoardAdd("  Value in " + name + " NOT accepted!!");
      signalError();
      return false;
    case MoveVerdict::Overwriting:
      w.BoardAdd("- OVERWRITING NOT ALLOWED");
      w.BoardAdd("   ... use the Canc key.");
      w.BoardAdd("  Value in " + name + " NOT accepted.");
      signalError();
      return false;
    case MoveVerdict::Trial:
      break;
  }
  // The control's solution leaves the cell open: the move is taken on trust.
  // The first one that leaves the trial's own solution takes the flash, to
  // come back to, and is remembered as the deviation.
  w.BoardAdd("- TRIAL MOVE");
  w.BoardAdd("  Value in " + name + " accepted.");
  SetLight(colour::Yellow, "???");
  SetTimer(w.TempEr, true);
  if (!board.FlashTaken && digit != board.TrialSolution[cell]) {
    TakeFlash();
    if (board.DeviationCell == kNoDeviation) {
      board.DeviationCell = cell;
      board.DeviationText = w.caN[cell].caption + " in " + board.KeyChar;
    }
  }
  return true;
}

void Form1::TidyAfterKey() {
  // The marks go and the caption snapshot is taken; then, unless all
  // candidates are shown, the empty cells lose their captions.
  ClearMarks();
  TakeCaptionSnapshot();
  RepaintPanels();
  if (!w.Sugge1.selected)
    for (int i = 0; i < kCells; ++i)
      if (!Filled(i)) w.caN[i].caption.clear();
}

void Form1::AdvanceCursor() {
  // The cursor moves on after a key in the initial-data phase only.
  if (board.PlayPhase) return;
  w.caN[board.CurCell].back = colour::White;
  board.CurCell = board.CurCell == 80 ? 0 : board.CurCell + 1;
  w.caN[board.CurCell].back = colour::LightYellow;
}

void Form1::EndCandidateCorrection() {
  // The ticked digits of the correction panel become the kept candidates of
  // the cell the panel was opened on.
  const int cell = trials.CorrectionCell >= 0 ? trials.CorrectionCell : board.CurCell;
  const std::string digits = board.Can[cell].Digits();
  std::string kept;
  for (std::size_t j = 0; j < digits.size() && j < w.cM.size(); ++j)
    if (w.cM[j].checked) kept.push_back(digits[j]);
  w.CorCan.text = kept;
  CorCan_KeyDown(key::Enter, 0);
  w.cM.resize(1);
  w.CorCanF.visible = false;
  board.InputEnabled = true;
  trials.CorrectionCell = -1;
}

}  // namespace tessora

namespace tessora {

void Form1::EnterGivens(const std::string& grid) {
  const Drawn drawn(*this);
  int last = -1;
  for (int i = 0; i < kCells && i < static_cast<int>(grid.size()); ++i) {
    const char ch = grid[i];
    if (ch < '1' || ch > '9') continue;
    ShowValue(i, ch - '0', Origin::Given);
    board.Can[i] = CandText::Filled();
    board.FilledCount += 1;
    last = i;
  }
  if (last < 0) return;
  // What the keys leave: the count, the buttons, the end of the game when
  // the last cell was filled, a tidy board with its caption snapshot, and
  // the cursor on the cell after the last given.
  for (Control* b : {&w.Sugge3b, &w.Sugge3c, &w.Sugge3d, &w.Applica, &w.mApplica}) b->enabled = false;
  w.Fatti.caption = std::to_string(board.FilledCount);
  w.ImaCompl.visible = false;
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
  if (board.FilledCount == 81) CheckEndOfGame();
  board.KeyChar = std::string(1, grid[last]);
  ClearMarks();
  TakeCaptionSnapshot();
  RepaintPanels();
  if (!w.Sugge1.selected) ClearEmptyCaptions();
  board.PrevCell = last;
  board.CurCell = last == 80 ? 0 : last + 1;
  w.caN[board.CurCell].back = colour::LightYellow;
}

}  // namespace tessora
