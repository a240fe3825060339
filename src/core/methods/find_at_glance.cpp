// "At a glance": cross-hatch the board with one value at a time and look for a
// zone where the value has a single free cell left. Boxes are examined first
// (26 down to 18), then columns and rows, so the highest zone found wins.
#include "methods/glance.h"

namespace tessora {

void FindAtGlance(Form1& f, int) {
  MethodState& m = f.methods;
  if (m.GlanceFrom == 0) return;

  zonemask::FilledMasks filled;
  filled.Build(f);

  glance::Rows grey{};
  int lastZone = -1;
  unsigned lastFree = 0;
  // Only the digits can be placed: a range reaching beyond 1..9 is cut to it.
  const int from = m.GlanceFrom < 1 ? 1 : m.GlanceFrom;
  const int to = m.GlanceTo > 9 ? 9 : m.GlanceTo;
  for (int v = from; v <= to; ++v) {
    // Every cell holding v excludes its row, its column and its box.
    grey.fill(0);
    unsigned cols = 0;
    for (int c = 0; c < kCells; ++c) {
      if (filled.value[c] != v) continue;
      const int r = c / 9, col = c % 9, br = 3 * (r / 3);
      grey[r] = zonemask::kAllPositions;
      cols |= 1u << col;
      for (int rr = br; rr < br + 3; ++rr) grey[rr] |= static_cast<std::uint16_t>(7u << (3 * (col / 3)));
    }
    for (auto& row : grey) row |= static_cast<std::uint16_t>(cols);

    bool recorded = false;
    for (int z = kZones - 1; z >= 0; --z) {
      lastZone = z;
      if (glance::ExamineZone(f, filled, grey, z, v, lastFree)) {
        recorded = true;
        break;
      }
    }
    if (recorded && m.Checking) break;
  }
  if (lastZone >= 0) glance::SetGlanceCells(f, lastZone, lastFree);
  glance::FinalPainting(f, filled, grey);
}

}  // namespace tessora
