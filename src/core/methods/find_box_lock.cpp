// Box Locks Candidate: inside a box, a digit whose candidate cells all lie in
// one row (or one column) must be placed in that line within the box, so it
// can be removed from the line's cells outside the box.
#include <bit>
#include <cstdint>
#include <string>

#include "ui/form1.h"

namespace tessora {
namespace {

// The cell written with two digits ("07"); a table slot that holds no cell
// (a digit found in two cells only) gives the empty text, so that the list
// never names a cell that is not part of the pattern.
void AppendSlot(std::string& s, int cell) {
  if (cell < 0) return;
  s += static_cast<char>('0' + cell / 10);
  s += static_cast<char>('0' + cell % 10);
}

}  // namespace

void FindBoxLock(Form1& f, int) {
  auto& can = f.board.Can;
  for (int b = 18; b < kZones; ++b) {
    const auto& box = ZoneCells[b];
    // where[d]: bit i set when the cell at position i of the box holds d.
    std::uint16_t where[10] = {};
    for (int i = 0; i < 9; ++i) {
      unsigned m = can[box[i]].Mask();
      while (m) {
        where[std::countr_zero(m)] |= static_cast<std::uint16_t>(1u << i);
        m &= m - 1;
      }
    }
    for (int d = 1; d <= 9; ++d) {
      const unsigned pm = where[d];
      const int n = std::popcount(pm);
      if (n != 2 && n != 3) continue;
      const int first = std::countr_zero(pm);
      int line;
      if ((pm & ~(7u << (first / 3 * 3))) == 0)
        line = RowZone(box[first]);  // positions of one row of the box
      else if ((pm & ~(0x49u << (first % 3))) == 0)
        line = ColZone(box[first]);  // positions of one column of the box
      else
        continue;
      for (int q : ZoneCells[line]) {
        // A cell of the line inside the box that holds d is one of the
        // counted cells; those and the filled cells are left alone.
        if (!can[q].Has(d) || BoxZone(q) == b || f.Filled(q)) continue;
        MethodState& ms = f.methods;
        if (!ms.RecordOnly) {
          can[q].Remove(d);
          ms.Progress = true;
          if (ms.Checking) ++ms.SuggestionCount;
          return;
        }
        AdviceStepRecord& st = ms.AdviceStep;
        CandText after = can[q];
        after.Remove(d);
        st.cell = std::to_string(q);
        st.value = after.Text();
        st.code = "PRQ";
        st.zone = std::to_string(line);
        st.zone2 = std::to_string(b);
        st.removed = std::string(1, static_cast<char>('0' + d));
        st.detail.clear();
        // The first three slots of the digit's cell list, in box order.
        int slot[3] = {-1, -1, -1};
        unsigned rest = pm;
        for (int s = 0; s < n; ++s) {
          slot[s] = box[std::countr_zero(rest)];
          rest &= rest - 1;
        }
        st.cells.clear();
        AppendSlot(st.cells, slot[0]);
        st.cells += ',';
        AppendSlot(st.cells, slot[1]);
        st.cells += ',';
        AppendSlot(st.cells, slot[2]);
        ms.Progress = true;
        return;
      }
    }
  }
}

}  // namespace tessora
