// The grid: cells 0..80 row by row, the 27 zones with their fixed order, the
// peers of every cell, and sets of cells as 81-bit masks.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tessora {

constexpr int kCells = 81;
constexpr int kZones = 27;

// Zones 0..8 rows, 9..17 columns, 18..26 boxes (row by row); each lists its
// nine cells in a fixed order that detectors rely on.
struct ZoneTable {
  std::array<std::array<int, 9>, kZones> cells{};
  constexpr ZoneTable() {
    for (int r = 0; r < 9; ++r)
      for (int i = 0; i < 9; ++i) cells[r][i] = 9 * r + i;
    for (int c = 0; c < 9; ++c)
      for (int i = 0; i < 9; ++i) cells[9 + c][i] = c + 9 * i;
    for (int b = 0; b < 9; ++b) {
      int f = 27 * (b / 3) + 3 * (b % 3);
      for (int i = 0; i < 9; ++i) cells[18 + b][i] = f + 9 * (i / 3) + i % 3;
    }
  }
  constexpr const std::array<int, 9>& operator[](int z) const { return cells[z]; }
};

inline constexpr ZoneTable ZoneCells{};

constexpr int RowZone(int cell) { return cell / 9; }
constexpr int ColZone(int cell) { return 9 + cell % 9; }
constexpr int BoxZone(int cell) { return 18 + 3 * (cell / 9 / 3) + (cell % 9) / 3; }

// The three zones of every cell as one word: bit RowZone, ColZone and BoxZone.
inline constexpr std::array<std::uint32_t, kCells> kCellZones = [] {
  std::array<std::uint32_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = 1u << RowZone(c) | 1u << ColZone(c) | 1u << BoxZone(c);
  return t;
}();

// The 20 peers of every cell (the other cells of its row, column and box),
// each once, in the order the row, the column and the box list them.
inline constexpr std::array<std::array<std::uint8_t, 20>, kCells> kPeers = [] {
  std::array<std::array<std::uint8_t, 20>, kCells> t{};
  for (int cell = 0; cell < kCells; ++cell) {
    bool seen[kCells] = {};
    seen[cell] = true;
    int n = 0;
    for (int z : {RowZone(cell), ColZone(cell), BoxZone(cell)})
      for (int c : ZoneCells[z])
        if (!seen[c]) {
          seen[c] = true;
          t[cell][n++] = static_cast<std::uint8_t>(c);
        }
  }
  return t;
}();

// The number of bits set among bits 0..9, by table: the baseline x86-64 has
// no population-count instruction, and without it std::popcount is a
// library call.
inline constexpr std::array<std::uint8_t, 1024> kBitCount = [] {
  std::array<std::uint8_t, 1024> t{};
  for (unsigned m = 1; m < 1024; ++m) t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1));
  return t;
}();
// The positions set in a 9-bit mask (bits 0..8).
inline int Count9(unsigned mask) { return kBitCount[mask & 0x1FF]; }
// The digits in a candidate mask (digit d is bit d, 1..9).
inline int DigitCount(unsigned mask) { return kBitCount[mask & 0x3FE]; }

// A set of cells: bit c for cell c.
using CellSet = unsigned __int128;

constexpr CellSet CellBit(int cell) { return CellSet{1} << cell; }
constexpr CellSet kAllCells = (CellSet{1} << kCells) - 1;

inline constexpr std::array<CellSet, kZones> kZoneSets = [] {
  std::array<CellSet, kZones> t{};
  for (int z = 0; z < kZones; ++z)
    for (int c : ZoneCells[z]) t[z] |= CellBit(c);
  return t;
}();

// The peers of every cell with the cell itself.
inline constexpr std::array<CellSet, kCells> kPeerSets = [] {
  std::array<CellSet, kCells> t{};
  for (int c = 0; c < kCells; ++c) {
    t[c] = CellBit(c);
    for (std::uint8_t p : kPeers[c]) t[c] |= CellBit(p);
  }
  return t;
}();

constexpr bool Has(CellSet s, int cell) { return (s >> cell) & 1; }
constexpr int Count(CellSet s) {
  return std::popcount(static_cast<std::uint64_t>(s)) + std::popcount(static_cast<std::uint64_t>(s >> 64));
}

// Calls fn(cell) for every cell of the set, in ascending order.
template <typename Fn>
inline void ForEachCell(CellSet cells, Fn fn) {
  for (auto m = static_cast<std::uint64_t>(cells); m; m &= m - 1) fn(std::countr_zero(m));
  for (auto m = static_cast<std::uint64_t>(cells >> 64); m; m &= m - 1) fn(64 + std::countr_zero(m));
}

}  // namespace tessora
