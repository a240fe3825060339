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

#include "board/board.h"

namespace tessora {

class Form1;

// The board as "At a glance" sees it: per cell 0 when empty, 1 + its value
// when filled (1 for a caption that holds no digit). Room for 88 cells, the
// last seven always 0, so the codes compare eight at a time.
using GlanceCodes = std::array<std::uint8_t, 88>;

// Reads the codes from the cell labels: all of them, or one.
void ReadGlanceCodes(const Form1& f, GlanceCodes& codes);
std::uint8_t ReadGlanceCode(const Form1& f, int cell);

struct GlanceMemory {
  bool taken = false;                // the fields below describe `codes`
  GlanceCodes codes{};
  std::array<std::uint16_t, 9> emptyRows{};   // bit = column
  std::array<std::uint32_t, 10> lines{};      // per value: bit r, 9 + c, 18 + b of the cells holding it
  std::uint16_t known = 0;                    // bit v: free[v] and singles[v] are worked out
  std::array<std::array<std::uint16_t, 9>, 10> free{};  // per value: its free cells, row masks
  std::array<std::uint32_t, 10> singles{};    // per value: the zones holding one free cell of it
  std::uint16_t withSingles = 0;              // bit v: v is worked out and singles[v] holds a zone

  void Forget() { taken = false; }
};

// FindAtGlance(f) on the board `codes` read from the labels now, with the
// memory brought up to that board first; `changed` (bit c of word c / 64)
// names the only cells where that board can differ from the memory's, or is
// null. The plain scan serves the runs that do not record or do not stop at
// the first finding, and ranges of values beyond 1..9. backsWhite: every
// cell's background is known to be white, so the scan over a range of values
// need not paint them white again.
void FindAtGlanceRemembered(Form1& f, GlanceMemory& memory, const GlanceCodes& codes,
                            const std::uint64_t* changed, bool backsWhite = false);

}  // namespace tessora
