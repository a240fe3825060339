// Cross-hatching: "At a glance" over a range of values, and the cross view
// of one value drawn from the candidate texts. A scan leaves the hatching of
// the value it examined last; the caller paints it when it shows one value.
#pragma once

#include <array>
#include <cstdint>

#include "methods/step.h"

namespace tessora {

struct GlanceScan {
  Step step;          // the last finding (the first when the scan stops at it)
  int lastValue = 0;  // the value examined last, 0 when none was
  // That value's free cells (bit = column): the cells that stay white when
  // the hatching of one value is shown.
  std::array<std::uint16_t, 9> free{};
  int lastZone = -1;  // the zone where its scan ended
  int lastCell = -1;  // the cell found there, -1 when none
  // The free positions of that zone (bit = position), for the cross view.
  unsigned lastZoneFree = 0;
};

// "At a glance" over the values from..to: for each value, the zones 26 down
// to 0 are examined for one with a single free cell. With `record` clear
// nothing is looked for (only the hatching is made); `stopAtFirst` ends the
// scan at the first value with a finding, otherwise the last one found stays.
GlanceScan Glance(const Board& board, int from, int to, bool record, bool stopAtFirst);

// The cross view of value v: every cell whose candidates lack v is hatched,
// then the boxes 18..26 are examined as "At a glance" examines them (nothing
// is recorded).
GlanceScan CrossBoxes(const Board& board, int v);

}  // namespace tessora
