// Bit masks of the board seen as parallel lines, shared by the X-Wing and
// Swordfish detectors. Both look at one digit across rows (then columns); a
// line is a row or a column and a position is a cell's index within it.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/form1.h"

namespace tessora::fish {

// Pass 0 takes the rows as lines (positions are columns), pass 1 the columns
// (positions are rows). The cover zone of position p in one pass is line p of
// the other pass, and the index of a line doubles as its position in a cover
// zone, so the masks of the other pass answer "which cells of that cover zone".
struct LineMasks {
  // hold[pass][d][line]: positions of the line whose candidate text holds d.
  std::uint16_t hold[2][10][9];
  // empty[pass][line]: positions of the line whose cell shows no value.
  std::uint16_t empty[2][9];

  explicit LineMasks(const Form1& f) : hold{}, empty{} {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!f.Filled(cell)) {
          empty[0][r] |= static_cast<std::uint16_t>(1u << c);
          empty[1][c] |= static_cast<std::uint16_t>(1u << r);
        }
        unsigned m = f.board.Can[cell].Mask();
        while (m) {
          const int d = std::countr_zero(m);
          m &= m - 1;
          hold[0][d][r] |= static_cast<std::uint16_t>(1u << c);
          hold[1][d][c] |= static_cast<std::uint16_t>(1u << r);
        }
      }
    }
  }

  // Lines of cover zone p (a line of the other pass) whose cell is empty and holds d.
  std::uint16_t CoverCandidates(int pass, int d, int p) const {
    return hold[1 - pass][d][p] & empty[1 - pass][p];
  }
};

// The cell at position p of line `line` (0..8) in a pass.
constexpr int CellAt(int pass, int line, int p) { return pass == 0 ? 9 * line + p : 9 * p + line; }
// The zone number of a line: rows 0..8, columns 9..17.
constexpr int LineZone(int pass, int line) { return 9 * pass + line; }
constexpr std::uint16_t Bit(int p) { return static_cast<std::uint16_t>(1u << p); }

// Removes d from the target, or describes that removal in AdviceStep, as the
// detector protocol asks; `cells` are the pattern's cells, `ranges` its fishRanges.
inline void Finish(Form1& f, int target, int d, const char* code, int pass, const int* cells,
                   int cellCount, const int* ranges, int rangeCount) {
  MethodState& ms = f.methods;
  if (ms.RecordOnly) {
    AdviceStepRecord& s = ms.AdviceStep;
    CandText after = f.board.Can[target];
    after.Remove(d);
    s.code = code;
    s.value = after.Text();
    s.removed.assign(1, static_cast<char>('0' + d));
    s.cell = std::to_string(target);
    s.zone.clear();
    s.zone2.clear();
    s.detail = pass == 0 ? "0" : "9";
    s.cells.clear();
    for (int i = 0; i < cellCount; ++i) {
      if (i) s.cells += ',';
      s.cells += static_cast<char>('0' + cells[i] / 10);
      s.cells += static_cast<char>('0' + cells[i] % 10);
    }
    s.fishRanges.assign(ranges, ranges + rangeCount);
  } else {
    if (ms.Checking) f.w.caN[target].back = colour::LightBlue;
    f.board.Can[target].Remove(d);
    if (ms.Checking) ++ms.SuggestionCount;
  }
  ms.Progress = true;
}

}  // namespace tessora::fish
