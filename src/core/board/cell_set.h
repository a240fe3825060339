// Sets of cells as 81-bit masks (bit c = cell c), with the zones and the
// peers of every cell as ready-made sets, for scans that look at many cells.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"

namespace tessora {

using CellSet = unsigned __int128;

constexpr CellSet CellBit(int cell) { return CellSet{1} << cell; }
constexpr CellSet kAllCells = (CellSet{1} << 81) - 1;

inline constexpr std::array<CellSet, kZones> kZoneSets = [] {
  std::array<CellSet, kZones> t{};
  for (int z = 0; z < kZones; ++z)
    for (int c : ZoneCells[z]) t[z] |= CellBit(c);
  return t;
}();

// The cells of a cell's row, column and box, the cell itself included.
inline constexpr std::array<CellSet, kCells> kPeerSets = [] {
  std::array<CellSet, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = kZoneSets[RowZone(c)] | kZoneSets[ColZone(c)] | kZoneSets[BoxZone(c)];
  return t;
}();

constexpr bool IsEmpty(CellSet s) { return s == 0; }
// Exactly one cell in the set.
constexpr bool IsSingle(CellSet s) {
  const auto lo = static_cast<std::uint64_t>(s), hi = static_cast<std::uint64_t>(s >> 64);
  return lo ? (hi == 0 && (lo & (lo - 1)) == 0) : (hi != 0 && (hi & (hi - 1)) == 0);
}
// The lowest cell of a non-empty set.
inline int FirstCell(CellSet s) {
  const auto lo = static_cast<std::uint64_t>(s);
  return lo ? __builtin_ctzll(lo) : 64 + __builtin_ctzll(static_cast<std::uint64_t>(s >> 64));
}

}  // namespace tessora
