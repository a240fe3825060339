// Row/Col. Locks Candidate: inside a row or column, a digit whose candidate
// cells all lie in one box must be placed in that line within the box, so it
// can be removed from the box's cells outside the line.
#include <bit>
#include <cstdint>
#include <string>

#include "ui/form1.h"

namespace tessora {
namespace {

// The cell written with two digits ("07"); an empty slot (a digit found in
// two cells only) gives the empty text rather than naming cell 00.
void AppendSlot(std::string& s, int cell) {
  if (cell < 0) return;
  s += static_cast<char>('0' + cell / 10);
  s += static_cast<char>('0' + cell % 10);
}

}  // namespace

void FindLineLock(Form1& f, int) {
  auto& can = f.board.Can;
  for (int z = 0; z < 18; ++z) {
    const auto& line = ZoneCells[z];
    // where[d]: bit i set when the cell at position i of the line holds d.
    std::uint16_t where[10] = {};
    for (int i = 0; i < 9; ++i) {
      unsigned m = can[line[i]].Mask();
      while (m) {
        where[std::countr_zero(m)] |= static_cast<std::uint16_t>(1u << i);
        m &= m - 1;
      }
    }
    for (int d = 1; d <= 9; ++d) {
      const unsigned pm = where[d];
      if (std::popcount(pm) < 2) continue;
      // Positions 0-2, 3-5 and 6-8 of a row or a column each lie in one box.
      const int first = std::countr_zero(pm);
      if (pm & ~(7u << (first / 3 * 3))) continue;
      const int box = BoxZone(line[first]);
      for (int q : ZoneCells[box]) {
        if ((z < 9 ? RowZone(q) : ColZone(q)) == z) continue;
        if (!can[q].Has(d)) continue;
        MethodState& ms = f.methods;
        if (!ms.RecordOnly) {
          can[q].Remove(d);
          if (ms.Checking) ++ms.SuggestionCount;
          ms.Progress = true;
          return;
        }
        AdviceStepRecord& st = ms.AdviceStep;
        CandText after = can[q];
        after.Remove(d);
        st.cell = std::to_string(q);
        st.value = after.Text();
        st.code = "PRC";
        st.zone = std::to_string(z);
        st.zone2 = std::to_string(box);
        st.removed = std::string(1, static_cast<char>('0' + d));
        st.detail.clear();
        // The first three slots of the digit's cell list, in line order.
        int slot[3] = {-1, -1, -1};
        unsigned rest = pm;
        for (int s = 0; s < 3 && rest; ++s) {
          slot[s] = line[std::countr_zero(rest)];
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
