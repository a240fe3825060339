// The cross view of one value, drawn from the candidate texts: every cell
// whose candidates lack the value is hatched, filled cells included.
#include "methods/glance.h"
#include "methods/zone_masks.h"

namespace tessora {

GlanceScan CrossBoxes(const Board& board, int v) {
  GlanceScan scan;
  if (v < 1 || v > 9) return scan;  // holds nothing
  zonemask::FilledMasks filled;
  filled.Build(board);
  std::array<std::uint16_t, 9> grey{};
  for (int c = 0; c < kCells; ++c)
    if (!board.Can[c].Has(v)) grey[c / 9] |= static_cast<std::uint16_t>(1u << (c % 9));
  // The boxes in ascending order; nothing is recorded, so every box is
  // examined and the scan ends at box 26.
  scan.lastValue = v;
  scan.lastZone = 26;
  scan.lastZoneFree = ~(filled.zone[26] | zonemask::ZonePositions(grey, 26)) & zonemask::kAllPositions;
  for (int r = 0; r < 9; ++r) {
    unsigned filledRow = 0;
    for (int c = 0; c < 9; ++c) filledRow |= static_cast<unsigned>(filled.Filled(9 * r + c)) << c;
    scan.free[r] = static_cast<std::uint16_t>(~(grey[r] | filledRow) & zonemask::kAllPositions);
  }
  return scan;
}

}  // namespace tessora
