// "Only if =": the digit chosen in the combo, and the three buttons that show
// it while held: "Instance" (where it is a candidate), "Net" (circles and
// links between those cells) and "Exclusion" (where it cannot go).
#include "advice/painting.h"
#include "ui/detector_run.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// The digit of the combo's text (" 5"), 0 when it holds none.
int ComboDigit(Form1& f) {
  f.advice.ChosenDigit = NoBlanks(f.w.Sugge3a.text);
  const std::string& d = f.advice.ChosenDigit;
  return d.size() == 1 && d[0] >= '1' && d[0] <= '9' ? d[0] - '0' : 0;
}

// What each view's press does first: the correction panel goes and input is allowed.
void Begin(Form1& f) {
  f.RemoveCorrectionButtons();
  f.board.InputEnabled = true;
}

}  // namespace

void Form1::Sugge3a_Click() {
  Begin(*this);
  ClearMarks();
  RepaintPanels();
  advice.ChosenDigit = NoBlanks(w.Sugge3a.text);
  board.FreezeMouse = true;
  for (Control* b : {&w.Sugge3b, &w.Sugge3c, &w.Sugge3d}) b->enabled = true;
  RepaintPanels();
}

void Form1::Sugge3b_MouseDown() {
  Begin(*this);
  const int d = ComboDigit(*this);
  const std::string shown = "  " + advice.ChosenDigit + "  ";
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    CellLabel& c = w.caN[i];
    c.size = 9;
    c.caption = board.Can[i].Has(d) ? shown : "  ";
  }
  RepaintPanels();
}

void Form1::Sugge3b_MouseUp() {
  ClearEmptyCaptions();
  RepaintPanels();
}

void Form1::Sugge3c_MouseDown() {
  const Drawn drawn(*this);
  Begin(*this);
  ClearMarks();
  RepaintPanels();
  const int d = ComboDigit(*this);
  // No digit is shown on the board while the net is drawn, values included.
  for (int i = 0; i < kCells; ++i) {
    advice.NetMarks[i] = board.Can[i].Has(d) ? advice.ChosenDigit : std::string();
    if (Filled(i)) ShowCaption(i, std::string());
    else w.caN[i].caption.clear();
  }
  RepaintPanels();
  const NetView view{board, w.caN, board.Solution, board.TrialSolution, w.Peri.visible, board.CellWidth,
                     board.CellHeight};
  w.drawing = NetFigures(view, d);
  RepaintPanels();
}

void Form1::Sugge3c_MouseUp() {
  const Drawn drawn(*this);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) ShowCaption(i, board.CaptionSnapshot[i]);
    else w.caN[i].caption.clear();
  }
  // The net goes with the release.
  w.drawing.clear();
  RepaintPanels();
}

void Form1::Sugge3d_MouseDown() {
  Begin(*this);
  ClearMarks();
  const int d = ComboDigit(*this);
  if (d) {
    // The cross view of the digit: grey wherever it cannot go.
    methods.GlanceFrom = d;
    methods.GlanceTo = d;
    RunCrossBoxes(*this);
    for (int i = 0; i < kCells; ++i) {
      CellLabel& c = w.caN[i];
      if (Filled(i) && ShownCaption(i) == advice.ChosenDigit) {
        c.border = true;
        c.back = colour::Pink;
      }
      if (board.Can[i].Has(d)) c.back = colour::White;
    }
  }
  board.FreezeMouse = true;
}

void Form1::Sugge3d_MouseUp() {
  ClearMarks();
  RepaintPanels();
}

}  // namespace tessora
