// "Single Cell": a zone with one empty cell left takes the missing digit.
// Recording stops at the first such zone (rows, columns, boxes in order);
// applying fills it and rescans from zone 0, so one call fills every cell
// that becomes the last empty cell of a zone.
#include "methods/zone_masks.h"

namespace tessora {

void FillLoneCells(Form1& f, int) {
  MethodState& m = f.methods;

restart:
  for (int z = 0; z < kZones; ++z) {
    const auto& cells = ZoneCells[z];
    // The zone is abandoned at its second empty cell.
    int empty = 0, t = -1;
    for (int i = 0; i < 9; ++i) {
      if (f.Filled(cells[i])) continue;
      if (++empty > 1) break;
      t = cells[i];
    }
    if (empty != 1) continue;
    int s = 0;
    for (int c : cells)
      if (c != t) s += f.Value(c);
    const int d = 45 - s;
    // Repeated values in the zone (a wrong move in play) leave no digit to
    // write; such a zone is passed over.
    if (d < 1 || d > 9) continue;

    if (m.RecordOnly) {
      AdviceStepRecord& a = m.AdviceStep;
      m.Progress = true;
      a.code = "USO";
      a.cell = std::to_string(t);
      a.value = zonemask::BlankedDigit(d);
      a.zone = std::to_string(z);
      a.removed.clear();
      return;
    }
    if (m.Checking) m.SuggestionCount += 1;
    zonemask::PlaceFound(f, t, d);
    m.Progress = true;
    f.board.FilledCount += 1;
    f.PropagateValue(t, d);
    // A fill that breaks a trial ends the call: the control's trial check follows.
    if (f.control.TrialMode && !f.board.Consistent) return;
    goto restart;
  }
}

}  // namespace tessora
