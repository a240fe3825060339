// Row/Col. Locks Candidate: inside a row or column, a digit whose candidate
// cells all lie in one box must be placed in that line within the box, so it
// can be removed from the box's cells outside the line.
#include <bit>

#include "methods/detectors.h"
#include "methods/lock_segments.h"

namespace tessora {

// Units: the lines, zones 0..17.
Step FindLineLock(const Board& board, int, const Scope& scope) {
  if (!scope.units) return {};  // nothing to examine: no need to read the board
  const auto& can = board.Can;
  const lock_segments::Segments seg(board);
  static constexpr int kOther[3][2] = {{1, 2}, {0, 2}, {0, 1}};
  for (int z = 0; z < 18; ++z) {
    // Segment t of the line lies in box t of its band (rows) or stack
    // (columns); the other lines of that band or stack cross the same box.
    const bool isRow = z < 9;
    const int l = isRow ? z : z - 9;
    if (!scope.Examines(z)) continue;
    const auto& part = isRow ? seg.row[l] : seg.col[l];
    const auto& twice = isRow ? seg.rowTwice[l] : seg.colTwice[l];
    const auto& across = isRow ? seg.row : seg.col;
    const int la = 3 * (l / 3) + kOther[l % 3][0], lb = 3 * (l / 3) + kOther[l % 3][1];
    // Per segment: the digits held by at least two cells of the line, all in
    // that segment, that some cell of the box outside the line still holds.
    unsigned locked[3], all = 0;
    for (int t = 0; t < 3; ++t) {
      locked[t] = twice[t] & ~(part[kOther[t][0]] | part[kOther[t][1]]) &
                  (across[la][t] | across[lb][t]);
      all |= locked[t];
    }
    while (all) {
      const int d = std::countr_zero(all);
      all &= all - 1;
      const int t = (locked[0] >> d) & 1 ? 0 : (locked[1] >> d) & 1 ? 1 : 2;
      const int box = isRow ? 18 + 3 * (l / 3) + t : 18 + 3 * t + l / 3;
      for (int q : ZoneCells[box]) {
        if ((isRow ? RowZone(q) : ColZone(q)) == z) continue;
        if (!can[q].Has(d)) continue;
        scope.found = z;
        return lock_segments::LockStep(board, Code::PRC, q, d, z, box, z);
      }
    }
  }
  return {};
}

}  // namespace tessora
