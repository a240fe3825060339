// The part of the board a detector run has to examine. Every scoped detector
// scans the board unit by unit in a fixed order and stops at its first
// finding: zones 0..26 (hidden and naked sets), boxes 0..8 (box locks), lines
// 0..17 (line locks), or pass and digit, 9 * pass + digit - 1 (X-Wing and
// Swordfish). A unit left out of the scope is passed over as one that yields
// nothing. A plain run examines every unit. A caller that knows which units
// yield nothing (DetectorMemory) leaves them out. The singles (FillLoneCells,
// the naked-single scan) take only the board as the caller read it.
#pragma once

#include <array>
#include <cstdint>

namespace tessora {

enum class UnitKind { Zones, Boxes, Lines, Digits };

struct Scope {
  // The units to examine, bit u for unit u.
  std::uint32_t units = ~0u;
  // The empty cells of every row (bit = column) and the candidates of every
  // cell of the current board as the caller read them, or null: the detector
  // reads the board itself.
  const std::array<std::uint16_t, 9>* emptyRows = nullptr;
  const std::array<std::uint16_t, 81>* masks = nullptr;
  // Set by the detector: the unit of its (first) finding, -1 when none.
  mutable int found = -1;
  // Where the singles note the cells they fill (bit c of word c / 64), when
  // the caller asks: filling a cell writes no other cell's size.
  std::uint64_t* placed = nullptr;

  bool Examines(int unit) const { return (units >> unit) & 1u; }
};

}  // namespace tessora
