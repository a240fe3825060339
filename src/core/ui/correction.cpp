// The mouse press on a cell: the candidate correction and the start of a trial.
#include "ui/correction_panel.h"
#include "ui/form1.h"

namespace tessora {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;

// Some empty cell has no candidate left: the board holds a contradiction.
bool Contradicted(const Form1& f) {
  for (int c = 0; c < kCells; ++c)
    if (!f.Filled(c) && !f.board.Can[c].HasDigits()) return true;
  return false;
}

// The correction's close: both floating panels go and input is allowed again.
void CloseCorrection(Form1& f) {
  f.w.CorCanF.visible = false;
  f.w.cM.resize(1);
  f.board.InputEnabled = true;
  f.w.CorVF.visible = false;
  f.w.cv1.resize(1);
  f.trials.TrialOptionCount = 0;
  for (Control* b : {&f.w.Cons1, &f.w.Cons2, &f.w.Cons3}) b->enabled = true;
}

// One message on the blackboard.
void Say(Form1& f, std::initializer_list<std::string> lines) {
  f.w.BoardClear();
  for (const std::string& line : lines) f.w.BoardAdd(line);
}

void ErrorSignal(Form1& f, const char* plural, const char* singular) {
  f.SetLight(colour::Red, "ERR");
  f.SetTimer(f.w.TempEr, true);
  f.board.ErrorCount += 1;
  f.w.NErr.caption = std::to_string(f.board.ErrorCount) + (f.board.ErrorCount == 1 ? singular : plural);
}

}  // namespace

void Form1::caN_MouseDown(int cell, int button, int shiftState) {
  const Drawn drawn(*this);
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  if (!board.MouseOverBoard) return;
  board.CurCell = cell;
  if (!board.InputEnabled || !board.PlayPhase) return;
  if (w.Sugge1.selected) {
    // A right click on an empty cell that has candidates to clean up.
    if (button != kRightButton || shiftState != 0 || Filled(cell) || !board.Can[cell].HasDigits()) return;
    OpenCorrectionPanel(cell);
  } else if (w.Sugge8.selected || w.Sugge6.selected) {
    // A left click on a cell with trial candidates, while no trial is under
    // way and the board holds no contradiction; any other press would open
    // an empty chooser or start a trial over the marks of the last one.
    if (button != kLeftButton || shiftState != 0 || Filled(cell)) return;
    if (!trials.Trial.cells[cell].HasText() || !trials.TrialCand.empty() || Contradicted(*this)) return;
    OpenTrialChooser(cell);
  }
}

void Form1::OpenCorrectionPanel(int cell) {
  board.InputEnabled = false;
  trials.CorrectionCell = cell;
  const std::string digits = board.Can[cell].Digits();
  const int n = static_cast<int>(digits.size());
  const CellLabel& l = w.caN[cell];
  Control& panel = w.CorCanF;
  panel.top = l.top + 200;
  panel.left = l.left + 380;
  panel.width = 200 * n;
  panel.visible = true;
  const PanelPlace at = InsideWindow(panel.left, panel.top, panel.width, panel.height, w.width, w.height);
  panel.left = at.left;
  panel.top = at.top;
  w.CorCanT.caption = digits;
  w.CorCanT.width = panel.width - 40;
  w.CorCanT.fore = InkOf(board.OriginOf(cell));
  w.CorCanT.visible = true;
  w.cM.resize(1);
  w.cM[0].visible = true;
  w.cM[0].checked = true;
  for (int i = 1; i < n; ++i) {
    w.cM.push_back(w.cM[0]);
    Control& box = w.cM.back();
    box.name = "cM(" + std::to_string(i) + ")";
    box.left = w.cM[i - 1].left + 195;
  }
  w.BoardClear();
  w.BoardAdd("CANDIDATES CORRECTION");
  w.BoardAdd("  Keep V on valid Candidates");
  w.BoardAdd("  and key ESC.");
}

void Form1::CorCan_KeyDown(int keyCode, int /*shiftState*/) {
  if (keyCode != key::Enter) return;
  // The board may change: a "Do it" shown before the panel opened is dropped.
  DisableDoIt();
  // The panel's own cell, whatever the cursor did while it was open.
  const int cell = trials.CorrectionCell >= 0 ? trials.CorrectionCell : board.CurCell;
  if (!w.Sugge1.selected) {
    CloseCorrection(*this);
    return;
  }
  const std::string shown = ShownCaption(cell);
  const Board before = board;
  const CorrectionJudgement j = JudgeCorrection(w.CorCan.text, shown, board.Can[cell], board.Solution[cell],
                                                board.TrialSolution[cell], board.FlashTaken);
  const std::string name = CellName(cell);
  const std::string move = "  Move in " + name + " NOT accepted!!";
  switch (j.verdict) {
    case CorrectionVerdict::Unchanged:
      CloseCorrection(*this);
      return;
    case CorrectionVerdict::NoRealChange:
      Say(*this, {"NO REAL CHANGE."});
      CloseCorrection(*this);
      return;
    case CorrectionVerdict::AddsCandidates:
      Say(*this, {"- WRONG MOVE", "  you can only clean up Candidates", "  ... adjust or click ESC to",
                  "  exit from Candidates.", move});
      ErrorSignal(*this, " Errors", " Error");
      return;
    case CorrectionVerdict::LeavesNone:
      Say(*this, {"- WRONG MOVE", "  you must leave one Candidate at least.", move});
      ErrorSignal(*this, " Errori", " Errore");
      NoteUserMove(before, {cell, 0, before.Can[cell].Mask()}, false);
      return;
    case CorrectionVerdict::DropsSolution:
      Say(*this, {"- WRONG MOVE", "  Candidates of " + name + " NOT accepted!!"});
      ErrorSignal(*this, " Errors", " Error");
      if (CandText kept; CandText::Parse(j.newText, kept))
        NoteUserMove(before, {cell, 0, static_cast<std::uint16_t>(before.Can[cell].Mask() & ~kept.Mask())}, false);
      return;
    case CorrectionVerdict::Exact:
      Say(*this, {"- EXACT MOVE in " + name + "."});
      break;
    case CorrectionVerdict::Uncontrollable:
      Say(*this, {"- UNCONTROLLABLE MOVE", "  Candidates in " + name + " accepted."});
      SetLight(colour::Yellow, "???");
      SetTimer(w.TempEr, true);
      if (j.takeFlash) {
        w.BoardAdd("  (Flash now taken).");
        TakeFlash();
        if (board.DeviationCell == kNoDeviation) {
          board.DeviationCell = cell;
          board.DeviationText = Trim(shown) + " in " + j.newText;
        }
      }
      break;
  }
  CandText kept;
  CandText::Parse(j.newText, kept);
  board.Can[cell] = kept;
  w.caN[cell].caption = j.newText;
  board.SetOrigin(cell, Origin::Keyed);  // the user's own candidates, in dark blue
  files.CandidatesEdited = true;
  CloseCorrection(*this);
  NoteUserMove(before, {cell, 0, static_cast<std::uint16_t>(before.Can[cell].Mask() & ~kept.Mask())}, true);
}

}  // namespace tessora
