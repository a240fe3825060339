// "Single Cell": a zone with one empty cell left takes the missing digit. The
// first such zone, rows, columns, boxes in order, is the finding; the control
// fills it and looks again from zone 0, so that one pass of it fills every
// cell that becomes the last empty cell of a zone.
#include <bit>

#include "methods/detectors.h"
#include "methods/zone_masks.h"

namespace tessora {

Step FillLoneCells(const Board& board, int, const Scope& scope) {
  std::array<std::uint16_t, 9> empty;
  if (scope.emptyRows) empty = *scope.emptyRows;
  else zonemask::EmptyRows(board, empty);
  for (std::uint32_t zones = zonemask::ZonesWithOne(empty); zones; zones &= zones - 1) {
    const int z = std::countr_zero(zones);
    const int t = zonemask::OnlyCell(empty, z);
    int s = 0;
    for (int c : ZoneCells[z]) s += board.Value(c);
    const int d = 45 - s;
    // Repeated values in the zone (a wrong move in play) leave no digit to
    // write; such a zone is passed over.
    if (d < 1 || d > 9) continue;
    return Placement(Code::USO, t, d, z);
  }
  return {};
}

}  // namespace tessora
