// "Do it": the step shown at the "Where ?" level played on the board, and the
// menu item (F2) that plays either that step or a trial's sure moves.
#include "ui/form1.h"

namespace tessora {

namespace {

// What a step record asks of its cell: a digit to write, or the candidates
// the cell keeps. A record that names no cell, or a value that is neither a
// digit nor a set of at least one candidate, asks nothing.
struct CellChange {
  int cell = -1;
  int digit = 0;          // 1..9: a placement
  std::uint16_t keep = 0; // otherwise the new candidates
  bool Valid() const { return cell >= 0 && cell < kCells && (digit != 0 || keep != 0); }
};

CellChange ChangeOf(const AdviceStepRecord& r) {
  CellChange ch;
  ch.cell = r.CellIndex();
  const std::string v = Trim(r.value);
  if (v.size() == 1) {
    // One character is a digit to write (a candidate set of one places it).
    if (v[0] >= '1' && v[0] <= '9') ch.digit = v[0] - '0';
    return ch;
  }
  CandText t;
  if (CandText::Parse(v, t)) ch.keep = t.Mask();
  return ch;
}

}  // namespace

void Form1::DisableDoIt() {
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
}

void Form1::Applica_click() {
  const Drawn drawn(*this);
  for (Control* b : {&w.Sugge3b, &w.Sugge3c, &w.Sugge3d}) b->enabled = false;
  const CellChange ch = ChangeOf(methods.AdviceStep);
  if (!ch.Valid()) {
    DisableDoIt();
    return;
  }
  const int cell = ch.cell;
  if (Filled(cell)) {
    // A step shown before the cell was filled: the value stays.
    DisableDoIt();
    w.BoardClear();
    w.BoardAdd("- OVERWRITING NOT ALLOWED");
    w.BoardAdd("  Value in " + CellName(cell) + " NOT accepted.");
    return;
  }
  if (ch.digit) {
    // The value takes the user's ink once the propagation is through; a
    // contradiction leaves it in the ink the cell had.
    ShowValue(cell, ch.digit, board.OriginOf(cell));
    board.FilledCount += 1;
    w.Fatti.caption = std::to_string(board.FilledCount);
    board.Can[cell] = CandText::Filled();
    PropagateValue(cell, ch.digit);
  } else {
    board.Can[cell] = CandText::FromMask(ch.keep);
    w.caN[cell].size = 9;
    if (w.Sugge1.selected) w.caN[cell].caption = board.Can[cell].Text();
  }
  // After every use, a contradiction included.
  DisableDoIt();
  if (!board.InputEnabled) return;
  board.SetOrigin(cell, Origin::Keyed);
  PaintAllWhite();
  TakeCaptionSnapshot();
  RepaintPanels();
  if (board.FilledCount == 81) CheckEndOfGame();
}

void Form1::mApplica_Click() {
  if (w.Sugge6.selected || w.Sugge8.selected) AppTenta_Click();
  else DoIt_Click();
}

}  // namespace tessora
