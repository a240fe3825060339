// State of the Edit menu: the order in which the user played the values on
// the board, so that "Undo Move" takes back the latest first.
#pragma once

#include <array>
#include <cstdint>

#include "board/cells.h"

namespace tessora {

struct EditState {
  // Per cell, when its value was played (a number that grows with every
  // value played) and the value it was played with; 0 for a cell without a
  // played value. Givens and the control's own values are never played.
  std::array<std::uint32_t, kCells> PlayedAt{};
  std::array<std::uint8_t, kCells> PlayedValue{};
  std::uint32_t PlayClock = 0;
};

}  // namespace tessora
