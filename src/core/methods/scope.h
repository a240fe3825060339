// The part of the board a detector run has to examine, and what the caller
// hands it besides the board. Every detector scans the board unit by unit in
// a fixed order and stops at its first finding: zones 0..26 (hidden and naked
// sets), boxes 0..8 (box locks), lines 0..17 (line locks), or pass and digit,
// 9 * pass + digit - 1 (X-Wing and Swordfish). A unit left out of the scope
// is passed over as one that yields nothing. A plain run examines every unit;
// a caller that knows which units yield nothing (DetectorMemory) leaves them
// out. The singles always look at the whole board.
#pragma once

#include <array>
#include <cstdint>

#include "methods/step.h"

namespace tessora {

// What a unit is, and so what a finding in it rests on: a zone's finding on
// the zone's cells, a box's on the cells of its band and its stack, a line's
// on the cells of its band (rows) or stack (columns), a digit's on the cells
// that hold it or are empty.
enum class UnitKind { None, Zones, Boxes, Lines, Digits };

// Lets the window process pending events from inside a long scan.
struct Pause {
  void (*fn)(void*) = nullptr;
  void* context = nullptr;
  void operator()() const {
    if (fn) fn(context);
  }
};

struct Scope {
  // The units to examine, bit u for unit u.
  std::uint32_t units = ~0u;
  // The empty cells of every row (bit = column) and the candidates of every
  // cell of the board as the caller read them, or null: the detector reads
  // the board itself.
  const std::array<std::uint16_t, 9>* emptyRows = nullptr;
  const std::array<std::uint16_t, 81>* masks = nullptr;
  // Set by the detector: the unit of its (first) finding, -1 when none.
  mutable int found = -1;
  // Where the hidden-set detector lets the window process its events.
  Pause pause;
  // Where the detector notes the tints it gives cells while it works, when
  // the caller wants to show them.
  Tints* tints = nullptr;

  bool Examines(int unit) const { return (units >> unit) & 1u; }
  void Tint(int cell, tessora::Tint t) const {
    if (tints) tints->Set(cell, t);
  }
};

}  // namespace tessora
