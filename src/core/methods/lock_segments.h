// Segment masks shared by the locked-candidate detectors (FindBoxLock,
// FindLineLock). A segment is the three cells where a row or a column meets a
// box. Internal to the methods folder.
#pragma once

#include "board/board.h"
#include "methods/step.h"

namespace tessora::lock_segments {

// For every segment: the digits its cells hold, and those held by at least
// two of its cells.
struct Segments {
  unsigned row[9][3];        // row r, stack s: cells 9r+3s .. 9r+3s+2
  unsigned rowTwice[9][3];
  unsigned col[9][3];        // column c, band s: cells 27s+c, 27s+c+9, 27s+c+18
  unsigned colTwice[9][3];

  explicit Segments(const Board& b) {
    const auto& can = b.Can;
    for (int r = 0; r < 9; ++r)
      for (int s = 0; s < 3; ++s) {
        const int c0 = 9 * r + 3 * s;
        const unsigned a = can[c0].Mask(), x = can[c0 + 1].Mask(), y = can[c0 + 2].Mask();
        row[r][s] = a | x | y;
        rowTwice[r][s] = (a & x) | (a & y) | (x & y);
      }
    for (int c = 0; c < 9; ++c)
      for (int s = 0; s < 3; ++s) {
        const int c0 = 27 * s + c;
        const unsigned a = can[c0].Mask(), x = can[c0 + 9].Mask(), y = can[c0 + 18].Mask();
        col[c][s] = a | x | y;
        colTwice[c][s] = (a & x) | (a & y) | (x & y);
      }
  }
};

// A lock: target q loses d; the pattern is the first three cells of zone
// `counted` holding d, in zone order (two when only two hold it).
inline Step LockStep(const Board& b, Code code, int q, int d, int zone, int zone2, int counted) {
  const auto bit = static_cast<std::uint16_t>(1u << d);
  Step s = Elimination(code, q, static_cast<std::uint16_t>(b.Can[q].Mask() & ~bit), bit, zone);
  s.zone2 = static_cast<std::int8_t>(zone2);
  s.AddDigit(d);
  for (int p : ZoneCells[counted])
    if (s.cellCount < 3 && b.Can[p].Has(d)) s.AddCell(p);
  return s;
}

}  // namespace tessora::lock_segments
