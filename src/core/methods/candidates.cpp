// Candidate bookkeeping: the recount of every cell's candidates from the
// values on the board.
#include "methods/detectors.h"

namespace tessora {

void PruneFromZone(Board& board, int cell, int zone) {
  CandText& t = board.Can[cell];
  for (int p : ZoneCells[zone]) {
    if (t.Count() == 1) return;
    if (board.Filled(p)) t.Remove(board.Value(p));
    if (t.Count() == 1) return;
  }
}

void RecountCandidates(Board& board) {
  // The values held by every row, column and box.
  std::uint16_t held[kZones] = {};
  for (int c = 0; c < kCells; ++c)
    if (board.Filled(c))
      for (std::uint32_t z = kCellZones[c]; z; z &= z - 1)
        held[std::countr_zero(z)] |= static_cast<std::uint16_t>(1u << board.Value(c));
  // A filled cell has no candidates; an empty one the values its zones do
  // not hold. The zones prune one value at a time and stop once a single
  // candidate is left, so the result is the plain difference whenever that
  // leaves a candidate; only a cell whose peers hold all nine values is
  // pruned value by value.
  for (int c = 0; c < kCells; ++c) {
    if (board.Filled(c)) {
      board.Can[c] = CandText::Filled();
      continue;
    }
    const auto left = static_cast<std::uint16_t>(0x3FE & ~(held[RowZone(c)] | held[ColZone(c)] | held[BoxZone(c)]));
    if (left) {
      board.Can[c] = CandText::FromMask(left);
      continue;
    }
    board.Can[c] = CandText::Fresh();
    for (int z : {RowZone(c), ColZone(c), BoxZone(c)}) PruneFromZone(board, c, z);
  }
}

}  // namespace tessora
