// What "At a glance" keeps between the walks of one loop of walks (the
// replay): for the values it examined, their hatching (the cells each leaves
// free) and the zones where a value has a single free cell, all on the board
// it last ran on. The next run compares that board with the current one: when
// cells were only filled, the hatchings lose those cells and only the zones
// through them are examined again (a value just placed is worked out anew);
// any other change starts afresh. The outcome is the plain scan's.
#pragma once

#include <array>
#include <cstdint>

#include "methods/step.h"

namespace tessora {

// The values of the board (0 for an empty cell), with room for 88 cells, the
// last seven always 0, so that they compare eight at a time.
using GlanceCodes = std::array<std::uint8_t, 88>;

struct GlanceMemory {
  bool taken = false;                // the fields below describe `codes`
  GlanceCodes codes{};
  std::array<std::uint16_t, 9> emptyRows{};   // bit = column
  std::array<std::uint32_t, 10> lines{};      // per value: the zones (kCellZones bits) holding it
  std::uint16_t known = 0;                    // bit v: free[v] and singles[v] are worked out
  std::array<std::array<std::uint16_t, 9>, 10> free{};  // per value: its free cells, row masks
  std::array<std::uint32_t, 10> singles{};    // per value: the zones holding one free cell of it
  std::uint16_t withSingles = 0;              // bit v: v is worked out and singles[v] holds a zone

  void Forget() { taken = false; }
};

// FindAtGlance on the board, with the memory brought up to it first.
Step FindAtGlanceRemembered(const Board& board, GlanceMemory& memory);

}  // namespace tessora
