// "Single Cell": a zone with one empty cell left takes the missing digit.
// Recording stops at the first such zone (rows, columns, boxes in order);
// applying fills it and rescans from zone 0, so one call fills every cell
// that becomes the last empty cell of a zone.
#include <bit>

#include "methods/scope.h"
#include "methods/zone_masks.h"

namespace tessora {

void FillLoneCells(Form1& f, int k) { FillLoneCellsWithin(f, k, Scope{}); }

void FillLoneCellsWithin(Form1& f, int, const Scope& scope) {
  MethodState& m = f.methods;

  // The empty cells: the caller's reading, or the board's own. A fill
  // changes the size of its cell's label only (the propagation writes no
  // size), so afterwards that cell just leaves the empty ones.
  std::array<std::uint16_t, 9> empty;
  if (scope.emptyRows) empty = *scope.emptyRows;
  else zonemask::EmptyRows(f, empty);
  for (;;) {
    bool filledOne = false;
    // Zones in order: rows, columns, boxes.
    for (std::uint32_t zones = zonemask::ZonesWithOne(empty); zones && !filledOne; zones &= zones - 1) {
      const int z = std::countr_zero(zones);
      const int t = zonemask::OnlyCell(empty, z);
      int s = 0;
      for (int c : ZoneCells[z])
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
      if (scope.placed) scope.placed[t / 64] |= std::uint64_t{1} << (t % 64);
      m.Progress = true;
      f.board.FilledCount += 1;
      f.PropagateValue(t, d);
      empty[t / 9] = static_cast<std::uint16_t>(empty[t / 9] & ~(1u << (t % 9)));
      // A fill that breaks a trial ends the call: the control's trial check follows.
      if (f.control.TrialMode && !f.board.Consistent) return;
      filledOne = true;
    }
    // After a fill the zones are examined again from zone 0.
    if (!filledOne) return;
  }
}

}  // namespace tessora
