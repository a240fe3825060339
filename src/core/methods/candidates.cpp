// Candidate bookkeeping: the recount from scratch and "Redo Candidates".
#include "ui/form1.h"

namespace tessora {

void PruneFromZone(Form1& f) {
  CandText& t = f.board.Can[f.methods.CellArg];
  for (int p : ZoneCells[f.methods.ZoneArg]) {
    if (t.Count() == 1) return;
    if (f.Filled(p)) {
      int v = f.Value(p);
      if (v) t.Remove(v);
    }
    if (t.Count() == 1) return;
  }
}

void RecountCandidates(Form1& f) {
  for (int c = 0; c < kCells; ++c) {
    if (f.Filled(c)) {
      f.board.Can[c] = CandText::Filled();
      continue;
    }
    f.board.Can[c] = CandText::Fresh();
    f.methods.CellArg = c;
    for (int z : {RowZone(c), ColZone(c), BoxZone(c)}) {
      f.methods.ZoneArg = z;
      PruneFromZone(f);
    }
  }
  // Switching to "All" shows the candidates in the empty cells.
  f.SelectOption(f.w.Sugge1);
}

void Form1::mRicMan_Click() {
  RecountCandidates(*this);
  SelectOption(w.Sugge1);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    CellLabel& c = w.caN[i];
    c.caption = CandidateCaption(i);
    c.font = font::Mono;
    c.size = 9;
    c.ink = colour::Red;
  }
  w.BoardClear();
  w.BoardAdd("CANDIDATES HAVE BEEN RECOUNTED");
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
}

}  // namespace tessora
