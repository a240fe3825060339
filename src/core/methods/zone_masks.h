// Bit-mask views of the board used by the placement detectors: which positions
// of each zone hold a value, and the value of every cell. Position i of zone z
// is bit i, the cell ZoneCells[z][i].
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "board/board.h"

namespace tessora::zonemask {

constexpr std::uint16_t kAllPositions = 0x1FF;

// Number of set bits of a 9-bit mask, and of candidates of a candidate text.
inline int Count9(unsigned mask) { return tessora::Count9(mask); }
inline int CandCount(const CandText& t) { return DigitCount(t.Mask()); }

// The position of a cell inside its row, column and box zones.
constexpr int RowPos(int cell) { return cell % 9; }
constexpr int ColPos(int cell) { return cell / 9; }
constexpr int BoxPos(int cell) { return 3 * (cell / 9 % 3) + cell % 3; }

// Positions of a zone whose cells are set in a per-row mask (bit = column).
inline std::uint16_t ZonePositions(const std::array<std::uint16_t, 9>& rows, int z) {
  if (z < 9) return rows[z];
  unsigned m = 0;
  if (z < 18) {
    const int c = z - 9;
    for (int r = 0; r < 9; ++r) m |= ((rows[r] >> c) & 1u) << r;
    return static_cast<std::uint16_t>(m);
  }
  const int b = z - 18, br = 3 * (b / 3), bc = 3 * (b % 3);
  for (int rr = 0; rr < 3; ++rr) m |= ((rows[br + rr] >> bc) & 7u) << (3 * rr);
  return static_cast<std::uint16_t>(m);
}

// The filled cells of the board, per zone, with their values (0 for an empty
// cell and for a filled cell whose caption holds no digit).
struct FilledMasks {
  std::array<std::uint16_t, kZones> zone{};
  std::array<std::uint8_t, kCells> value{};

  void Build(const Board& b) {
    zone.fill(0);
    for (int c = 0; c < kCells; ++c) {
      if (b.Filled(c)) {
        Set(c, b.Value(c));
      } else {
        value[c] = 0;
      }
    }
  }
  void Set(int cell, int v) {
    value[cell] = static_cast<std::uint8_t>(v);
    zone[RowZone(cell)] |= static_cast<std::uint16_t>(1u << RowPos(cell));
    zone[ColZone(cell)] |= static_cast<std::uint16_t>(1u << ColPos(cell));
    zone[BoxZone(cell)] |= static_cast<std::uint16_t>(1u << BoxPos(cell));
  }
  bool Filled(int cell) const { return (zone[RowZone(cell)] >> RowPos(cell)) & 1u; }
};

// The empty cells of every row (bit = column).
inline void EmptyRows(const Board& b, std::array<std::uint16_t, 9>& rows) {
  const CellSet empty = ~b.FilledCells();
  for (int r = 0; r < 9; ++r) rows[r] = static_cast<std::uint16_t>(static_cast<unsigned>(empty >> (9 * r)) & 0x1FFu);
}

// The zones (bit z) whose cells selected by per-row masks (bit = column)
// number exactly one. The tests combine without branching: which rows are
// empty follows no pattern.
inline std::uint32_t ZonesWithOne(const std::uint16_t* rows) {
  // The three bands side by side, one per 16-bit lane: top, middle and
  // bottom rows of every band in one word each.
  auto lanes = [&](int i) {
    return std::uint64_t{rows[i]} | std::uint64_t{rows[3 + i]} << 16 | std::uint64_t{rows[6 + i]} << 32;
  };
  const std::uint64_t a = lanes(0), b = lanes(1), c = lanes(2);
  // Per column of a band: selected in some row (once), in two or more
  // (crowded). A box holds exactly one when exactly one of its three columns
  // is selected, and only once; read at the box's first column (bits 0, 3
  // and 6 of each lane, where the bits a shift brings in from the next lane
  // never reach).
  const std::uint64_t once = a | b | c, crowded = (a & b) | ((a | b) & c);
  const std::uint64_t next = once >> 1, last = once >> 2;
  const std::uint64_t odd = once ^ next ^ last, all = once & next & last;
  const std::uint64_t crowdedBox = crowded | (crowded >> 1) | (crowded >> 2);
  const std::uint64_t single = odd & ~(all | crowdedBox) & 0x0000004900490049u;
  const std::uint64_t box = (single & 0x0000000100010001u) | ((single >> 2) & 0x0000000200020002u) |
                            ((single >> 4) & 0x0000000400040004u);
  const std::uint32_t boxes = static_cast<std::uint32_t>((box & 7u) | ((box >> 13) & 0x38u) | ((box >> 26) & 0x1C0u));
  // Columns: selected in one row of the board only.
  const unsigned o0 = once & 0x1FFu, o1 = (once >> 16) & 0x1FFu, o2 = (once >> 32) & 0x1FFu;
  const unsigned many = static_cast<unsigned>((crowded | crowded >> 16 | crowded >> 32) & 0x1FFu) | (o0 & o1) |
                        ((o0 | o1) & o2);
  const unsigned columns = (o0 | o1 | o2) & ~many & kAllPositions;
  // Rows: one selected cell.
  std::uint32_t rowsWithOne = 0;
  for (int r = 0; r < 9; ++r) rowsWithOne |= static_cast<std::uint32_t>(Count9(rows[r]) == 1) << r;
  return rowsWithOne | columns << 9 | boxes << 18;
}
inline std::uint32_t ZonesWithOne(const std::array<std::uint16_t, 9>& rows) { return ZonesWithOne(rows.data()); }

// The one cell of zone z selected by per-row masks (the zone holds exactly one).
inline int OnlyCell(const std::array<std::uint16_t, 9>& rows, int z) {
  for (int c : ZoneCells[z])
    if ((rows[c / 9] >> (c % 9)) & 1u) return c;
  return -1;
}

}  // namespace tessora::zonemask
