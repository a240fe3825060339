// Candidate bookkeeping: the recount from scratch and "Redo Candidates".
#include "ui/cell_scan.h"
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
  // Read without a branch per cell (ui/cell_scan.h): the filled cells first.
  const CellSet filled = FilledCells(f);
  // The values shown in every row, column and box.
  const ShownValues shown = ValuesShown(f, filled);
  std::uint16_t held[kZones] = {};
  for (int v = 1; v <= 9; ++v)
    for (std::uint32_t z = shown.lines[v]; z; z &= z - 1) held[std::countr_zero(z)] |= static_cast<std::uint16_t>(1u << v);
  // A filled cell has no candidates; an empty one the values its zones do not
  // show. The zones prune one value at a time and stop once a single
  // candidate is left, so the result is the plain difference whenever that
  // leaves a candidate; only a cell whose peers show all nine values is
  // pruned value by value. CellArg and ZoneArg name the last empty cell and
  // its box, as the pruning leaves them.
  // Row by row, so that a cell's row, its box's row of boxes and its filled
  // neighbours are at hand.
  int lastEmpty = -1;
  for (int r = 0; r < 9; ++r) {
    const unsigned rowFilled = static_cast<unsigned>(filled >> (9 * r)) & 0x1FFu;
    const unsigned rowHeld = held[r];
    const std::uint16_t* boxHeld = held + 18 + 3 * (r / 3);
    for (int col = 0; col < 9; ++col) {
      const int c = 9 * r + col;
      const bool isFilled = (rowFilled >> col) & 1u;
      const auto left = static_cast<std::uint16_t>(0x3FE & ~(rowHeld | held[9 + col] | boxHeld[col / 3]));
      f.board.Can[c] = CandText::FromMask(isFilled ? 0 : left);
      lastEmpty = isFilled ? lastEmpty : c;
      if (isFilled || left) continue;
      f.methods.CellArg = c;
      f.board.Can[c] = CandText::Fresh();
      for (int z : {RowZone(c), ColZone(c), BoxZone(c)}) {
        f.methods.ZoneArg = z;
        PruneFromZone(f);
      }
    }
  }
  if (lastEmpty >= 0) {
    f.methods.CellArg = lastEmpty;
    f.methods.ZoneArg = BoxZone(lastEmpty);
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
