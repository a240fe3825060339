// Box Locks Candidate: inside a box, a digit whose candidate cells all lie in
// one row (or one column) must be placed in that line within the box, so it
// can be removed from the line's cells outside the box.
#include <bit>

#include "methods/detectors.h"
#include "methods/lock_segments.h"

namespace tessora {

// Units: the boxes 0..8 (box 18 + u).
Step FindBoxLock(const Board& board, int, const Scope& scope) {
  if (!scope.units) return {};  // nothing to examine: no need to read the board
  const auto& can = board.Can;
  const lock_segments::Segments seg(board);
  const auto& row = seg.row;
  const auto& col = seg.col;
  // kOther[t]: the other two of three rows, columns, bands or stacks.
  static constexpr int kOther[3][2] = {{1, 2}, {0, 2}, {0, 1}};
  for (int band = 0; band < 3; ++band) {
    for (int stack = 0; stack < 3; ++stack) {
      if (!scope.Examines(3 * band + stack)) continue;
      const int b = 18 + 3 * band + stack;
      const int s1 = kOther[stack][0], s2 = kOther[stack][1];
      const int b1 = kOther[band][0], b2 = kOther[band][1];
      // Per row (column) t of the box: the digits held by two or three of
      // the box's cells, all of them in that row (column), that some cell of
      // the line outside the box still holds.
      unsigned rowLocked[3], colLocked[3], locked = 0;
      for (int t = 0; t < 3; ++t) {
        const int r = 3 * band + t, c = 3 * stack + t;
        const int ra = 3 * band + kOther[t][0], rb = 3 * band + kOther[t][1];
        const int ca = 3 * stack + kOther[t][0], cb = 3 * stack + kOther[t][1];
        rowLocked[t] = seg.rowTwice[r][stack] & ~(row[ra][stack] | row[rb][stack]) &
                       (row[r][s1] | row[r][s2]);
        colLocked[t] = seg.colTwice[c][band] & ~(col[ca][band] | col[cb][band]) &
                       (col[c][b1] | col[c][b2]);
        locked |= rowLocked[t] | colLocked[t];
      }
      // Digits in ascending order; the first cell of the line, in line
      // order, that still holds the digit loses it.
      while (locked) {
        const int d = std::countr_zero(locked);
        locked &= locked - 1;
        int line = -1;
        for (int t = 0; t < 3 && line < 0; ++t) {
          if ((rowLocked[t] >> d) & 1) line = 3 * band + t;
          else if ((colLocked[t] >> d) & 1) line = 9 + 3 * stack + t;
        }
        for (int q : ZoneCells[line]) {
          // A cell of the line inside the box that holds d is one of the
          // digit's cells; those and the filled cells are left alone.
          if (!can[q].Has(d) || BoxZone(q) == b || board.Filled(q)) continue;
          scope.found = 3 * band + stack;
          return lock_segments::LockStep(board, Code::PRQ, q, d, line, b, b);
        }
      }
    }
  }
  return {};
}

}  // namespace tessora
