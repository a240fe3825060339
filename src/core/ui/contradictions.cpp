// The window's side of writing a value: the propagation with its
// contradiction report, the end-of-game check, the flash and its reload,
// "Clear Moves" and "Final Solution".
#include "control/report.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// The numeric value of a caption as the original Val() reads it: digits up to
// the first character that is neither a digit nor a blank.
long CaptionValue(const std::string& caption) {
  long v = 0;
  for (char ch : caption) {
    if (ch == ' ') continue;
    if (ch < '0' || ch > '9') break;
    v = v * 10 + (ch - '0');
  }
  return v;
}

}  // namespace

void Form1::PropagateValue(int cell, int value) {
  if (!w.Sugge1.selected && control.Creating) {
    SelectOption(w.Sugge1);
    ShowCandidates();
  }
  // While all candidates are shown, the peers that lose the digit show what
  // is left (the digits alone, not wrapped); the cell left without any keeps
  // its caption.
  CellSet holding = 0;
  if (w.Sugge1.selected)
    for (std::uint8_t c : kPeers[cell])
      if (board.Can[c].Has(value)) holding |= CellBit(c);
  const Propagation p = board.Propagate(cell, value);
  board.Consistent = p.consistent;
  if (holding)
    ForEachCell(holding, [&](int c) {
      if (c != p.emptied && !board.Can[c].Has(value)) w.caN[c].caption = board.Can[c].Digits();
    });
  if (p.consistent) return;
  // A still-empty cell is left without candidates.
  if (control.TrialMode) return;  // the control handles a failed trial itself
  if (methods.Checking) control.ContradictionSeen = true;
  ReportContradiction();
}

void Form1::ReportContradiction() {
  w.BoardClear();
  for (const std::string& line : ContradictionReport(methods.Checking, board.DeviationText)) w.BoardAdd(line);
  // The red light stands until the flash is reloaded or the moves or the
  // board are cleared: a timer started by the move must not turn it green.
  SetLight(colour::Red, "ERR");
  SetTimer(w.TempEr, false);
  board.ErrorCount += 1;
  ShowErrorCount(" Errori");
  board.InputEnabled = false;
  // The suspects: the values keyed in play where the solution needed a trial.
  for (int i = 0; i < kCells; ++i)
    if (board.OriginOf(i) == Origin::Keyed && board.Solution[i] == 0) {
      w.caN[i].back = colour::Grey;
      board.SetOrigin(i, Origin::None);
    }
  if (board.DeviationCell != kNoDeviation) w.caN[board.DeviationCell].back = colour::Purple;
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3, &w.Applica}) b->enabled = false;
}

void Form1::CheckEndOfGame() {
  for (int z = 0; z < kZones; ++z) {
    long sum = 0;
    for (int c : ZoneCells[z]) sum += CaptionValue(ShownCaption(c));
    if (sum != 45) {
      w.BoardClear();
      w.BoardAdd("");
      w.BoardAdd("");
      w.BoardAdd("ERRORS EXIST !!");
      w.ImaCompl.visible = false;
      return;
    }
  }
  w.ImaCompl.visible = true;
  w.BoardClear();
  w.BoardAdd("");
  w.BoardAdd("");
  w.BoardAdd("        CONGRATULATIONS !!");
}

void Form1::TakeFlash() {
  control.TrialTotal = 99;
  TakeBoardText();
  files.FlashLines = files.SchemeLines;
  board.FlashTaken = true;
  w.mRicFla.enabled = true;
}

void Form1::mRicFla_Click() {
  const Drawn drawn(*this);
  DisableDoIt();
  files.SchemeLines = files.FlashLines;
  files.SchemeLineCount = 27;
  ShowBoardText();
  SetLight(colour::Green, "GO!");
  w.BoardClear();
  w.BoardAdd("FLASH RELOADED ...");
  w.BoardAdd("... retry with different moves.");
  board.DeviationCell = kNoDeviation;
  board.DeviationText.clear();
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
  board.InputEnabled = true;
  board.FlashTaken = false;
  w.mRicFla.enabled = false;
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
  SelectOption(w.Sugge1);
}

void Form1::mCanMoss_click() {
  const Drawn drawn(*this);
  DisableDoIt();
  for (int i = 0; i < kCells; ++i) {
    DoEvents();
    const Origin o = board.OriginOf(i);
    if (o == Origin::None || o == Origin::Keyed) {
      CellLabel& l = w.caN[i];
      l.caption.clear();
      l.back = colour::White;
      l.size = 9;
      board.ClearValue(i);
    }
  }
  w.NErr.caption.clear();
  board.ErrorCount = 0;
  SetLight(colour::Green, "GO!");
  board.CurCell = 0;
  w.caN[0].back = colour::LightYellow;
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
  // The cleared values' peers lost them when they were written: the control
  // starts from candidates counted afresh from the values left.
  RecountCandidates();
  mNuoVal_Click();
}

void Form1::mSoluz_Click() {
  // The trial solution in APeri is a solution too: it shows and hides with Peri.
  if (w.Peri.visible) {
    w.mSoluz.checked = false;
    w.Peri.visible = false;
    w.APeri.visible = false;
    return;
  }
  if (!w.ImaCompl.visible &&
      MsgBox("Do you want to see the Solution really?", MsgButtons::YesNo, "Attention!") == MsgResult::No)
    return;
  w.mSoluz.checked = !w.mSoluz.checked;
  w.Peri.visible = w.mSoluz.checked;
  w.APeri.visible = w.Peri.visible;
}

}  // namespace tessora
