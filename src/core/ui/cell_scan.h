// Scans of the 81 cell labels for handlers that pass over a board once.
// Which cells are filled follows no pattern the processor can predict the
// first time it meets a board, so these scans read the labels without a
// branch per cell: the filled cells as a set first, then work only on the
// cells of a set; and the usual "nothing to do" case of a cell is told with
// arithmetic, the rare rest taking the ordinary path.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "board/cell_set.h"
#include "ui/form1.h"

namespace tessora {

// The cells c for which test(c) holds, gathered a word of 64 cells at a time.
template <typename Test>
inline CellSet CellsWhere(Test test) {
  std::uint64_t lo = 0, hi = 0;
#pragma GCC unroll 16
  for (int c = 0; c < 64; ++c) lo |= static_cast<std::uint64_t>(test(c)) << c;
#pragma GCC unroll 17
  for (int c = 64; c < kCells; ++c) hi |= static_cast<std::uint64_t>(test(c)) << (c - 64);
  return static_cast<CellSet>(hi) << 64 | lo;
}

// The filled cells (a label of size 18).
inline CellSet FilledCells(const Form1& f) {
  return CellsWhere([&](int c) { return f.Filled(c); });
}

// Calls fn(cell, in) for every cell in ascending order, in: the cell belongs
// to the set. The set is read a word of 64 cells at a time.
template <typename Fn>
inline void ForEachCellBit(CellSet cells, Fn fn) {
  const auto low = static_cast<std::uint64_t>(cells), high = static_cast<std::uint64_t>(cells >> 64);
  for (int c = 0; c < 64; ++c) fn(c, static_cast<bool>((low >> c) & 1u));
  for (int c = 64; c < kCells; ++c) fn(c, static_cast<bool>((high >> (c - 64)) & 1u));
}

// The values the filled cells show.
struct ShownValues {
  std::array<std::uint32_t, 10> lines{};  // per value: the zones (kCellZones bits) showing it
  bool repeated = false;                  // some zone shows a value twice
  bool noDigit = false;                   // some filled cell's caption is not one digit
  // The values shown in zone z, bit v.
  std::uint16_t InZone(int z) const {
    unsigned m = 0;
    for (int v = 1; v <= 9; ++v) m |= ((lines[v] >> z) & 1u) << v;
    return static_cast<std::uint16_t>(m);
  }
};
inline ShownValues ValuesShown(const Form1& f, CellSet filled) {
  ShownValues s;
  std::uint32_t twice = 0;
  unsigned zero = 0;
  ForEachCell(filled, [&](int c) {
    const int v = f.Value(c);
    zero |= static_cast<unsigned>(v == 0);
    twice |= s.lines[v] & kCellZones[c] & (0u - static_cast<std::uint32_t>(v != 0));
    s.lines[v] |= kCellZones[c];
  });
  s.repeated = twice != 0;
  s.noDigit = zero != 0;
  return s;
}

// The text reads `target` when `wanted` holds, nothing otherwise: true when
// that is certain at a glance (a text of at most one character), false when
// it must be compared in full.
inline bool SurelyHolds(const std::string& text, const std::string& target, bool wanted) {
  const std::size_t held = text.size(), size = target.size() & (std::size_t{0} - static_cast<std::size_t>(wanted));
  const unsigned a = static_cast<unsigned char>(text.data()[0]), b = static_cast<unsigned char>(target.data()[0]);
  return ((held ^ size) | (held >> 1) | (static_cast<std::size_t>(held != 0) & static_cast<std::size_t>(a != b))) == 0;
}

}  // namespace tessora
