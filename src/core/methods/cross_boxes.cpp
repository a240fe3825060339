// The cross view of one value (GlanceFrom), drawn from the candidate texts:
// every cell whose candidates lack the value is grey, then the boxes are
// examined as "At a glance" does (its callers keep RecordOnly clear).
#include "methods/glance.h"

namespace tessora {

void CrossBoxes(Form1& f, int) {
  MethodState& m = f.methods;
  const int v = m.GlanceFrom;
  if (v < 1 || v > 9) return;  // holds nothing

  zonemask::FilledMasks filled;
  filled.Build(f);

  glance::Rows grey{};
  for (int c = 0; c < kCells; ++c)
    if (!f.board.Can[c].Has(v)) grey[c / 9] |= static_cast<std::uint16_t>(1u << (c % 9));

  int lastZone = 18;
  unsigned lastFree = 0;
  for (int z = 18; z < kZones; ++z) {
    lastZone = z;
    if (glance::ExamineZone(f, filled, grey, z, v, lastFree)) break;
  }
  glance::SetGlanceCells(f, lastZone, lastFree);
  glance::FinalPainting(f, filled, grey);
}

}  // namespace tessora
