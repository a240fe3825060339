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
  // The values shown in every row, column and box.
  std::uint16_t held[kZones] = {};
  for (int c = 0; c < kCells; ++c) {
    if (!f.Filled(c)) continue;
    const auto bit = static_cast<std::uint16_t>(1u << f.Value(c) & 0x3FE);
    held[RowZone(c)] |= bit;
    held[ColZone(c)] |= bit;
    held[BoxZone(c)] |= bit;
  }
  for (int c = 0; c < kCells; ++c) {
    if (f.Filled(c)) {
      f.board.Can[c] = CandText::Filled();
      continue;
    }
    f.methods.CellArg = c;
    f.methods.ZoneArg = BoxZone(c);
    // The zones prune one value at a time and stop once a single candidate
    // is left, so the result is the plain difference whenever that leaves a
    // candidate; only a cell whose peers show all nine values is pruned
    // value by value.
    const auto left = static_cast<std::uint16_t>(0x3FE & ~(held[RowZone(c)] | held[ColZone(c)] | held[BoxZone(c)]));
    if (left) {
      f.board.Can[c] = CandText::FromMask(left);
      continue;
    }
    f.board.Can[c] = CandText::Fresh();
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
    CandidateCaptionTo(i, c.caption);
    c.font = font::Mono;
    c.size = 9;
    c.ink = colour::Red;
  }
  w.BoardClear();
  w.BoardAdd("CANDIDATES HAVE BEEN RECOUNTED");
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
}

}  // namespace tessora
