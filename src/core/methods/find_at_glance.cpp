// "At a glance": cross-hatch the board with one value at a time and look for a
// zone where the value has a single free cell left. Boxes are examined first
// (26 down to 18), then columns and rows, so the highest zone found wins.
// The hatching is kept as cell sets while scanning; the cells' backgrounds get
// the final painting once the scan is over, the only state anyone can see.
#include "board/cell_set.h"
#include "methods/glance.h"

namespace tessora {

void FindAtGlance(Form1& f, int) {
  MethodState& m = f.methods;
  if (m.GlanceFrom == 0) return;

  // The filled cells and, per value, the cells holding it.
  CellSet filled = 0;
  std::array<CellSet, 10> holding{};
  for (int c = 0; c < kCells; ++c) {
    if (!f.Filled(c)) continue;
    filled |= CellBit(c);
    holding[f.Value(c)] |= CellBit(c);
  }

  int lastZone = -1, lastValue = 0;
  CellSet lastFree = 0;
  // Only the digits can be placed: a range reaching beyond 1..9 is cut to it.
  const int from = m.GlanceFrom < 1 ? 1 : m.GlanceFrom;
  const int to = m.GlanceTo > 9 ? 9 : m.GlanceTo;
  for (int v = from; v <= to; ++v) {
    // Every cell holding v excludes its row, its column and its box.
    CellSet grey = 0;
    for (CellSet s = holding[v]; s; s &= s - 1) grey |= kPeerSets[FirstCell(s)];
    const CellSet free = kAllCells & ~(filled | grey);
    bool recorded = false;
    if (!free) {  // no zone has a free cell for v; the scan ends at zone 0
      lastZone = 0;
      lastValue = v;
      lastFree = 0;
      continue;
    }
    for (int z = kZones - 1; z >= 0; --z) {
      lastZone = z;
      lastValue = v;
      lastFree = free & kZoneSets[z];
      if (!IsSingle(lastFree) || !m.RecordOnly) continue;
      AdviceStepRecord& s = m.AdviceStep;
      m.Progress = true;
      s.cell = std::to_string(FirstCell(lastFree));
      s.value = zonemask::BlankedDigit(v);
      s.removed.clear();
      s.detail.clear();
      s.zone = std::to_string(z);
      s.code = z < 18 ? "ZOC" : "ZOB";
      // The free cell is also the only empty cell of the zone: a Single Cell.
      if (IsSingle(kZoneSets[z] & ~filled)) s.code = "USO";
      recorded = true;
      break;
    }
    if (recorded && m.Checking) break;
  }

  // GlanceCells holds the free cells of the last zone examined, in zone order.
  if (lastZone >= 0) {
    auto& g = m.GlanceCells;
    for (auto& t : g) t.clear();
    int n = 0;
    for (int c : ZoneCells[lastZone])
      if (lastFree & CellBit(c)) g[n++] = std::to_string(c);
  }
  // With a range of values every cell turns white; with one value its
  // hatching stays and every filled cell is grey as well.
  CellSet greyCells = 0;
  if (m.GlanceTo == m.GlanceFrom && lastValue) {
    for (CellSet s = holding[lastValue]; s; s &= s - 1) greyCells |= kPeerSets[FirstCell(s)];
    greyCells |= filled;
  }
  for (int c = 0; c < kCells; ++c) f.w.caN[c].back = (greyCells & CellBit(c)) ? colour::Grey : colour::White;
}

}  // namespace tessora
