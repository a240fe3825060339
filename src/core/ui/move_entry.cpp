// Every key pressed in the main window: digits written and judged, Delete,
// the arrows, ESC, and the batch key F11.
#include "ui/form1.h"

namespace tessora {

void Form1::Form_KeyDown(int keyCode, int shiftState) {
  const Drawn drawn(*this);
  // 1-3.
  for (Control* b : {&w.Sugge3b, &w.Sugge3c, &w.Sugge3d}) b->enabled = false;
  if (keyCode == key::F2 || keyCode == key::F3 || keyCode == key::F4 || keyCode == key::F12) return;
  w.Applica.enabled = false;
  w.mApplica.enabled = false;

  // 4. The batch key.
  if (keyCode == key::F11) {
    BatchCreate();
    return;
  }

  // 5. ESC tidies the board and ends a trial or a candidate correction.
  if (keyCode == key::Esc) {
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
      SelectOption(*trial);  // the trial mode restarts from its beginning
    }
    if (!board.InputEnabled && w.CorCanF.visible) {
      EndCandidateCorrection();
      return;
    }
  }

  // Enter confirms a correction as ESC does.
  if (keyCode == key::Enter && !board.InputEnabled && w.CorCanF.visible) {
    EndCandidateCorrection();
    return;
  }

  // 6-9.
  if (!board.InputEnabled || keyCode == key::Esc || w.Sugge6.selected || w.Sugge8.selected) return;
  if (!board.DataStarted) {
    w.BoardClear();
    w.BoardAdd("- To start click on 'Initial Data'.");
    return;
  }
  if (shiftState != 0) return;
  // With "Arrow Keys in Play" the arrows move the cursor in play too.
  if (board.PlayPhase && w.mTastiera.checked && MoveCursorByArrow(keyCode)) return;
  const int cur = board.CurCell;
  CellLabel& cell = w.caN[cur];
  if (board.PlayPhase && board.OriginOf(cur) == Origin::Given) {
    w.BoardClear();
    w.BoardAdd("- Black Values are NOT");
    w.BoardAdd("  changeable!");
    return;
  }

  // 10-11. Keypad digits become main-keyboard digits; the same value again does nothing.
  if (keyCode >= 97 && keyCode <= 109) keyCode -= 48;
  board.KeyChar = std::string(1, static_cast<char>(keyCode));
  if (board.KeyChar == (Filled(cur) ? ShownCaption(cur) : "0")) return;

  bool advance = false;
  if (keyCode == key::Delete) {
    // 12.
    if (!Filled(cur)) return;
    board.KeyChar.clear();
    board.ClearValue(cur);
    cell.caption.clear();
    cell.size = 4;
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
    return;
  } else if (keyCode == key::Right) {
    // 13.
    advance = true;
  } else if (keyCode == key::Left || keyCode == key::Up || keyCode == key::Down) {
    // 14. The arrows move the cursor while the initial data are keyed, wrapping round.
    if (board.PlayPhase) return;
    cell.back = colour::White;
    int next = cur;
    if (keyCode == key::Left) next = cur == 0 ? 80 : cur - 1;
    else if (keyCode == key::Up) next = cur / 9 == 0 ? cur + 72 : cur - 9;
    else next = cur / 9 == 8 ? cur - 72 : cur + 9;
    board.CurCell = next;
    w.caN[next].back = colour::LightYellow;
    return;
  }

  if (!advance) {
    const char kc = board.KeyChar[0];
    if (kc > '0' && kc <= '9') {
      const int d = kc - '0';
      // 16. Judge the digit in play.
      if (board.PlayPhase) {
        const std::string name = CellName(cur);
        const std::string s = NoBlanks(board.Solution[cur]);
        const CandText& c = board.Can[cur];
        auto errorSignal = [&] {
          SetLight(colour::Red, "ERR");
          SetTimer(w.TempEr, true);
          board.ErrorCount += 1;
          ShowErrorCount(" Errors");
        };
        if (!s.empty() && board.KeyChar == s) {
          w.BoardClear();
          w.BoardAdd("- CORRECT MOVE in " + name + ".");
        }
        if ((!s.empty() && board.KeyChar != s) || (c.HasDigits() && !c.Has(d))) {
          w.BoardClear();
          w.BoardAdd("- WRONG MOVE");
          w.BoardAdd("  Value in " + name + " NOT accepted!!");
          errorSignal();
          return;
        }
        if (!c.HasDigits()) {
          w.BoardClear();
          w.BoardAdd("- OVERWRITING NOT ALLOWED");
          w.BoardAdd("   ... use the Canc key.");
          w.BoardAdd("  Value in " + name + " NOT accepted.");
          errorSignal();
          return;
        }
        if (s.empty()) {
          w.BoardClear();
          w.BoardAdd("- TRIAL MOVE");
          w.BoardAdd("  Value in " + name + " accepted.");
          SetLight(colour::Yellow, "???");
          SetTimer(w.TempEr, true);
          if (!board.FlashTaken && board.KeyChar != NoBlanks(board.TrialSolution[cur])) {
            TakeFlash();
            if (board.DeviationCell == kNoDeviation) {
              board.DeviationCell = cur;
              board.DeviationText = cell.caption + " in " + board.KeyChar;
            }
          }
        }
      }
      // 17. Write the digit; it takes its ink once the propagation is through
      // (a contradiction leaves the ink the cell had).
      if (Filled(cur)) board.FilledCount -= 1;
      ShowValue(cur, d, board.OriginOf(cur));
      board.FilledCount += 1;
      w.Fatti.caption = std::to_string(board.FilledCount);
      board.Can[cur] = CandText::Filled();
      if (board.PlayPhase) {
        PropagateValue(cur, d);
        if (!board.InputEnabled) return;
      }
      board.SetOrigin(cur, board.PlayPhase ? Origin::Keyed : Origin::Given);
      w.ImaCompl.visible = false;
      for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
      if (board.FilledCount == 81) CheckEndOfGame();
    }
    // 18. Tidy the board and take the caption snapshot; then, unless all
    // candidates are shown, the empty cells lose their captions.
    ClearMarks();
    TakeCaptionSnapshot();
    RepaintPanels();
    if (!w.Sugge1.selected)
      for (int i = 0; i < kCells; ++i)
        if (!Filled(i)) w.caN[i].caption.clear();
    if (board.PlayPhase) return;
  }
  // 19. Cursor advance, in the initial-data phase only.
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
