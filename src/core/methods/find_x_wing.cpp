// X-Wing Rectangle: two parallel lines that hold a digit in exactly the same two
// positions lock it there; every other cell of the two cover zones loses it.
#include <bit>

#include "methods/detectors.h"
#include "methods/fish_lines.h"

namespace tessora {

// Units: pass and digit, 9 * pass + d - 1.
Step FindXWing(const Board& board, int, const Scope& scope) {
  if (!scope.units) return {};  // nothing to examine: no need to read the board
  const fish::LineMasks lines(board);
  for (int pass = 0; pass < 2; ++pass) {
    for (int d = 1; d <= 9; ++d) {
      if (!scope.Examines(9 * pass + d - 1)) continue;
      // The kept lines: those holding d at exactly two positions, ascending.
      int keptLine[9];
      std::uint16_t keptPos[9];
      int n = 0;
      for (unsigned sel = fish::LinesWithTwo(lines.hold[pass][d]); sel; sel &= sel - 1) {
        const int line = std::countr_zero(sel);
        keptLine[n] = line;
        keptPos[n] = lines.hold[pass][d][line];
        ++n;
      }
      if (n < 2) continue;
      for (int a = 0; a < n - 1; ++a) {
        for (int b = a + 1; b < n; ++b) {
          if (keptPos[a] != keptPos[b]) continue;
          const int p1 = std::countr_zero(keptPos[a]);
          const int p2 = 31 - std::countl_zero(static_cast<unsigned>(keptPos[a]));
          const std::uint16_t corners = fish::Bit(keptLine[a]) | fish::Bit(keptLine[b]);
          for (int p : {p1, p2}) {
            const std::uint16_t t = lines.CoverCandidates(pass, d, p) & ~corners;
            if (!t) continue;
            const int target = fish::CellAt(pass, std::countr_zero(t), p);
            const int la = keptLine[a], lb = keptLine[b];
            const int cells[4] = {fish::CellAt(pass, la, p1), fish::CellAt(pass, la, p2),
                                  fish::CellAt(pass, lb, p1), fish::CellAt(pass, lb, p2)};
            const int ranges[4] = {fish::LineZone(pass, la), fish::LineZone(pass, lb), p1, p2};
            scope.found = 9 * pass + d - 1;
            return fish::FishStep(board, target, d, Code::XWN, pass, cells, 4, ranges, 4);
          }
        }
      }
    }
  }
  return {};
}

}  // namespace tessora
