// The advice engine: "Method ?", "Value ?" and "Where ?" explain the next
// step of the user's priority order at three levels of detail while they are
// held down; when no method applies the user is sent to the trials and to
// "Show Resolving Move".
#include "advice/explanations.h"
#include "advice/painting.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// A press of one of the three buttons, with user input allowed.
void AdvicePress(Form1& f, int adviceLevel) {
  const Form1::Drawn drawn(f);
  if (!f.board.InputEnabled) return;
  f.advice.AdviceLevel = adviceLevel;
  f.GiveAdvice();
}

void NoMethodApplies(Form1& f) {
  f.w.mMosRiso.enabled = true;
  for (const std::string& line : NoMethodLines()) f.w.BoardAdd(line);
  if (!f.w.mFunzAva.checked) f.mFunzAva_Click();
}

// The painting of the step onto the cells; a crossing that leaves a cell of
// its line unexplained shows the candidates too.
void PaintStep(Form1& f, const Step& s) {
  const BoardPaint p = PaintWhere(s, f.board);
  for (int c = 0; c < kCells; ++c) {
    f.w.caN[c].back = p.cell[c].back;
    f.w.caN[c].border = p.cell[c].border;
  }
  if (p.showCandidates) f.ShowCandidates();
  f.advice.CrossCount = 0;
}

}  // namespace

void Form1::Cons1_MouseDown() { AdvicePress(*this, level::Method); }
void Form1::Cons2_MouseDown() { AdvicePress(*this, level::Value); }
void Form1::Cons3_MouseDown() { AdvicePress(*this, level::Where); }

void Form1::Cons1_MouseUp() {
  if (board.InputEnabled) PaintAllWhite();
}

void Form1::Cons2_MouseUp() { Cons1_MouseUp(); }

void Form1::Cons3_MouseUp() {
  const Drawn drawn(*this);
  if (!board.InputEnabled) return;
  for (CellLabel& c : w.caN) {
    c.back = colour::White;
    c.border = false;
  }
  // The step's cell becomes the cursor cell.
  const int cell = methods.AdviceStep.CellIndex();
  if (advice.AdviceGiven && cell >= 0 && cell < kCells) {
    board.CurCell = cell;
    board.PrevCell = cell;
    w.caN[cell].back = colour::LightYellow;
    board.CursorBack = colour::White;
  }
  if (!w.Sugge1.selected) {
    ClearEmptyCaptions();
    if (w.Sugge6.selected) RunOptionHandler(w.Sugge6);
  } else {
    ShowCandidates();
  }
}

void Form1::GiveAdvice() {
  if (!board.PlayPhase) return;
  ClearMarks();
  board.MarkState = 0;
  if (w.Fatti.caption == "81") {
    for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3, &w.Applica}) b->enabled = false;
    return;
  }
  w.BoardClear();
  DisableDoIt();
  advice.WaitText = "...";
  SetTimer(w.TempCons, true);
  // The record is cleared as a whole: no field of an earlier step survives
  // into this one.
  methods.AdviceStep.Clear();
  advice.Shown = Step{};
  const Step s = PracticeAdvice(FindAdviceStep());
  w.BoardClear();
  SetTimer(w.TempCons, false);
  if (!methods.Progress) {
    NoMethodApplies(*this);
    return;
  }
  advice.Shown = s;
  advice.AdviceGiven = true;
  NoteAdvice(s);
  const bool where = advice.AdviceLevel == level::Where;
  const bool glance = s.code == Code::ZOB || s.code == Code::ZOC;
  if (where) {
    // The crossing is seen on a board without candidates; every other step
    // is seen among them.
    if (glance && w.Sugge1.selected) ClearEmptyCaptions();
    if (!glance && s.code != Code::USO && !w.Sugge1.selected) ShowCandidates();
  }
  for (std::string& line : AdviceLines(s.code, methods.AdviceStep, advice.AdviceLevel)) w.BoardAdd(std::move(line));
  if (!where) return;
  PaintStep(*this, s);
  w.Applica.enabled = true;
  w.mApplica.enabled = true;
}

void Form1::mMosRiso_click() {
  const Drawn drawn(*this);
  // Only the control's current trial row, and only while its cell is empty:
  // a board that needed no trial has none, and an excluded row names no cell.
  const int i = control.TrialIndex;
  if (i < 1 || i > control.TrialTotal || i > static_cast<int>(control.TrialTable.size())) return;
  const TrialRow& row = control.TrialTable[i - 1];
  if (row.cell < 0 || row.cell >= kCells || Filled(row.cell) || row.digit < 1 || row.digit > 9) return;
  const Step s = Placement(Code::ZZZ, row.cell, row.digit);
  SelectOption(w.Sugge1);
  ShowCandidates();
  w.BoardClear();
  w.BoardAdd("- RESOLVING MOVE:");
  methods.AdviceStep.Clear();
  WriteRecord(methods.AdviceStep, s);
  advice.Shown = s;
  // The move is keyed in by the user; a "Do it" still pending would play it.
  DisableDoIt();
  const AdviceStepRecord& r = methods.AdviceStep;
  w.BoardAdd("  key " + r.value + " in " + CellName(s.cell) + " (Cell num." + NoBlanks(r.cell) + ").");
}

}  // namespace tessora
