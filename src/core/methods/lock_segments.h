// Segment masks shared by the locked-candidate detectors (FindBoxLock,
// FindLineLock). A segment is the three cells where a row or a column meets a
// box. Internal to the methods folder.
#pragma once

#include <string>

#include "ui/form1.h"

namespace tessora::lock_segments {

// For every segment: the digits its cells hold, and those held by at least
// two of its cells.
struct Segments {
  unsigned row[9][3];        // row r, stack s: cells 9r+3s .. 9r+3s+2
  unsigned rowTwice[9][3];
  unsigned col[9][3];        // column c, band s: cells 27s+c, 27s+c+9, 27s+c+18
  unsigned colTwice[9][3];

  explicit Segments(const Form1& f) {
    const auto& can = f.board.Can;
    for (int r = 0; r < 9; ++r)
#pragma GCC unroll 3
      for (int s = 0; s < 3; ++s) {
        const int c0 = 9 * r + 3 * s;
        const unsigned a = can[c0].Mask(), x = can[c0 + 1].Mask(), y = can[c0 + 2].Mask();
        row[r][s] = a | x | y;
        rowTwice[r][s] = (a & x) | (a & y) | (x & y);
      }
    for (int c = 0; c < 9; ++c)
#pragma GCC unroll 3
      for (int s = 0; s < 3; ++s) {
        const int c0 = 27 * s + c;
        const unsigned a = can[c0].Mask(), x = can[c0 + 9].Mask(), y = can[c0 + 18].Mask();
        col[c][s] = a | x | y;
        colTwice[c][s] = (a & x) | (a & y) | (x & y);
      }
  }
};

// The cell written with two digits ("07"); a table slot that holds no cell (a
// digit found in two cells only) gives the empty text, so that the list never
// names a cell that is not part of the pattern.
inline void AppendSlot(std::string& s, int cell) {
  if (cell < 0) return;
  s += static_cast<char>('0' + cell / 10);
  s += static_cast<char>('0' + cell % 10);
}

// Records a lock: target q loses d; the pattern is the first three cells of
// zone `counted` holding d, in zone order.
inline void RecordLock(Form1& f, const char* code, int q, int d, int zone, int zone2, int counted) {
  AdviceStepRecord& st = f.methods.AdviceStep;
  CandText after = f.board.Can[q];
  after.Remove(d);
  st.cell = std::to_string(q);
  st.value = after.Text();
  st.code = code;
  st.zone = std::to_string(zone);
  st.zone2 = std::to_string(zone2);
  st.removed = std::string(1, static_cast<char>('0' + d));
  st.detail.clear();
  int slot[3] = {-1, -1, -1};
  int n = 0;
  for (int p : ZoneCells[counted])
    if (n < 3 && f.board.Can[p].Has(d)) slot[n++] = p;
  st.cells.clear();
  AppendSlot(st.cells, slot[0]);
  st.cells += ',';
  AppendSlot(st.cells, slot[1]);
  st.cells += ',';
  AppendSlot(st.cells, slot[2]);
}

}  // namespace tessora::lock_segments
