// Cross-hatching shared by "At a glance" and the cross view of one value.
// The hatching of a value is kept as grey marks per row (bit = column) while
// the zones are examined; the cells' backgrounds receive the final painting
// once the scan is over, which is the only state anyone can observe.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "methods/zone_masks.h"

namespace tessora::glance {

using Rows = std::array<std::uint16_t, 9>;

// Fills GlanceCells with the free cells of zone z (free positions in mask).
inline void SetGlanceCells(Form1& f, int z, unsigned freeMask) {
  auto& g = f.methods.GlanceCells;
  for (auto& s : g) s.clear();
  int n = 0;
  for (unsigned m = freeMask; m; m &= m - 1) g[n++] = std::to_string(ZoneCells[z][std::countr_zero(m)]);
}

// Examines zone z for value v: with exactly one free cell and RecordOnly set
// the placement is recorded. Returns the zone's free positions through
// freeMask, and true when a step was recorded.
inline bool ExamineZone(Form1& f, const zonemask::FilledMasks& filled, const Rows& grey, int z, int v,
                        unsigned& freeMask) {
  const unsigned taken = filled.zone[z] | zonemask::ZonePositions(grey, z);
  freeMask = ~taken & zonemask::kAllPositions;
  if (zonemask::Count9(freeMask) != 1 || !f.methods.RecordOnly) return false;
  MethodState& m = f.methods;
  AdviceStepRecord& s = m.AdviceStep;
  m.Progress = true;
  s.cell = std::to_string(ZoneCells[z][std::countr_zero(freeMask)]);
  s.value = zonemask::BlankedDigit(v);
  s.removed.clear();
  s.detail.clear();
  s.zone = std::to_string(z);
  s.code = z < 18 ? "ZOC" : "ZOB";
  // The free cell is also the only empty cell of the zone: a Single Cell.
  if (zonemask::Count9(~static_cast<unsigned>(filled.zone[z])) == 1) s.code = "USO";
  return true;
}

// The final painting: with a range of values every cell turns white; with one
// value its hatching stays and every filled cell is grey as well.
inline void FinalPainting(Form1& f, const zonemask::FilledMasks& filled, const Rows& grey) {
  const bool oneValue = f.methods.GlanceTo == f.methods.GlanceFrom;
  for (int c = 0; c < kCells; ++c) {
    const bool g = oneValue && (((grey[c / 9] >> (c % 9)) & 1u) || filled.Filled(c));
    f.w.caN[c].back = g ? colour::Grey : colour::White;
  }
}

}  // namespace tessora::glance
