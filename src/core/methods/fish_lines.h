// Bit masks of the board seen as parallel lines, shared by the X-Wing and
// Swordfish detectors. Both look at one digit across rows (then columns); a
// line is a row or a column and a position is a cell's index within it.
#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "board/board.h"
#include "methods/step.h"

namespace tessora::fish {

// Pass 0 takes the rows as lines (positions are columns), pass 1 the columns
// (positions are rows). The cover zone of position p in one pass is line p of
// the other pass, and the index of a line doubles as its position in a cover
// zone, so the masks of the other pass answer "which cells of that cover zone".
struct LineMasks {
  // hold[pass][d][line]: positions of the line whose candidate text holds d.
  std::uint16_t hold[2][10][9];
  // empty[pass][line]: positions of the line whose cell shows no value.
  std::uint16_t empty[2][9];

  explicit LineMasks(const Board& b) {
#if defined(__SSE2__)
    BuildSse2(b);
#else
    BuildPortable(b);
#endif
  }
  // The same without vector instructions, to check the two against each other.
  enum Builder { kPortable };
  LineMasks(const Board& b, Builder) { BuildPortable(b); }

  // Lines of cover zone p (a line of the other pass) whose cell is empty and holds d.
  std::uint16_t CoverCandidates(int pass, int d, int p) const {
    return hold[1 - pass][d][p] & empty[1 - pass][p];
  }

 private:
#if defined(__SSE2__)
  // Each line as two vectors of nine bytes, one byte per cell: the low byte
  // holds the cell's digits 1..7 in bits 1..7 and "empty" in bit 0, the high
  // byte digits 8 and 9 in bits 0 and 1. Shifting bit b of every byte to the
  // top and taking the bytes' top bits (movemask) gives that bit's positions.
  void BuildSse2(const Board& b) {
    alignas(16) std::uint8_t low[2][9][16] = {};
    alignas(16) std::uint8_t high[2][9][16] = {};
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        const unsigned m = b.Can[cell].Mask();
        const auto lo = static_cast<std::uint8_t>((m & 0xFEu) | (b.Filled(cell) ? 0u : 1u));
        const auto hi = static_cast<std::uint8_t>(m >> 8);
        low[0][r][c] = lo;
        low[1][c][r] = lo;
        high[0][r][c] = hi;
        high[1][c][r] = hi;
      }
    for (int pass = 0; pass < 2; ++pass)
      for (int line = 0; line < 9; ++line) {
        const __m128i a = _mm_load_si128(reinterpret_cast<const __m128i*>(low[pass][line]));
        const __m128i b = _mm_load_si128(reinterpret_cast<const __m128i*>(high[pass][line]));
        auto top = [](__m128i v) { return static_cast<std::uint16_t>(_mm_movemask_epi8(v)); };
        empty[pass][line] = top(_mm_slli_epi16(a, 7));
        hold[pass][0][line] = 0;
        hold[pass][1][line] = top(_mm_slli_epi16(a, 6));
        hold[pass][2][line] = top(_mm_slli_epi16(a, 5));
        hold[pass][3][line] = top(_mm_slli_epi16(a, 4));
        hold[pass][4][line] = top(_mm_slli_epi16(a, 3));
        hold[pass][5][line] = top(_mm_slli_epi16(a, 2));
        hold[pass][6][line] = top(_mm_slli_epi16(a, 1));
        hold[pass][7][line] = top(a);
        hold[pass][8][line] = top(_mm_slli_epi16(b, 7));
        hold[pass][9][line] = top(_mm_slli_epi16(b, 6));
      }
  }
#endif

  // Without vector instructions: each cell's digits 1..7 spread to nine-bit
  // fields (bits 0, 9, .., 54), shifted by the cell's position and or-ed
  // along the line, hold seven digits' positions at once.
  struct SpreadTable {
    std::uint64_t v[128]{};
    constexpr SpreadTable() {
      for (unsigned m = 0; m < 128; ++m)
        for (int d = 0; d < 7; ++d)
          if (m >> d & 1) v[m] |= std::uint64_t{1} << (9 * d);
    }
  };

  void BuildPortable(const Board& b) {
    static constexpr SpreadTable kSpread{};
    std::uint64_t colLow[9] = {};
    std::uint32_t colHigh[9] = {};
    std::uint16_t colEmpty[9] = {};
    for (int r = 0; r < 9; ++r) {
      std::uint64_t rowLow = 0;
      std::uint32_t rowHigh = 0;
      std::uint16_t rowEmpty = 0;
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        const unsigned m = b.Can[cell].Mask();
        const std::uint64_t lo = kSpread.v[(m >> 1) & 0x7F];
        const std::uint32_t hi = ((m >> 8) & 1u) | ((m >> 9) & 1u) << 9;
        const unsigned e = b.Filled(cell) ? 0u : 1u;
        rowLow |= lo << c;
        rowHigh |= hi << c;
        rowEmpty |= static_cast<std::uint16_t>(e << c);
        colLow[c] |= lo << r;
        colHigh[c] |= hi << r;
        colEmpty[c] |= static_cast<std::uint16_t>(e << r);
      }
      Unpack(0, r, rowLow, rowHigh);
      empty[0][r] = rowEmpty;
    }
    for (int c = 0; c < 9; ++c) {
      Unpack(1, c, colLow[c], colHigh[c]);
      empty[1][c] = colEmpty[c];
    }
  }

  void Unpack(int pass, int line, std::uint64_t lo, std::uint32_t hi) {
    hold[pass][0][line] = 0;
    for (int d = 1; d <= 7; ++d) hold[pass][d][line] = static_cast<std::uint16_t>((lo >> (9 * (d - 1))) & 0x1FF);
    hold[pass][8][line] = static_cast<std::uint16_t>(hi & 0x1FF);
    hold[pass][9][line] = static_cast<std::uint16_t>(hi >> 9);
  }
};

// Which of nine lines (bit i for line i) hold exactly two positions, and
// which two or three. No population count: the baseline x86-64 has no POPCNT
// instruction, so m & (m - 1) drops the lowest position instead.
constexpr bool ExactlyTwo(unsigned m) {
  const unsigned m1 = m & (m - 1);
  return (m1 != 0) & ((m1 & (m1 - 1)) == 0);  // combined without a branch
}
constexpr bool TwoOrThree(unsigned m) {
  const unsigned m1 = m & (m - 1);    // without the lowest position
  const unsigned m2 = m1 & (m1 - 1);  // without the two lowest
  return (m1 != 0) & ((m2 & (m2 - 1)) == 0);
}

inline std::uint16_t LinesWithTwoPortable(const std::uint16_t* m) {
  unsigned sel = 0;
  for (int i = 0; i < 9; ++i) sel |= static_cast<unsigned>(ExactlyTwo(m[i])) << i;
  return static_cast<std::uint16_t>(sel);
}
// Lines whose empty cells hold the digit at two or three positions.
inline std::uint16_t LinesWithTwoOrThreePortable(const std::uint16_t* m, const std::uint16_t* empty) {
  unsigned sel = 0;
  for (int i = 0; i < 9; ++i) sel |= static_cast<unsigned>(TwoOrThree(m[i] & empty[i])) << i;
  return static_cast<std::uint16_t>(sel);
}

#if defined(__SSE2__)
namespace simd {
// Lines 0..7 as eight 16-bit lanes: v & (v - 1), and the lanes that are zero
// as bits 0..7 of the result.
inline __m128i DropLowest(__m128i v) { return _mm_and_si128(v, _mm_sub_epi16(v, _mm_set1_epi16(1))); }
inline unsigned LaneBits(__m128i flags) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(flags, flags))) & 0xFFu;
}
}  // namespace simd

inline std::uint16_t LinesWithTwo(const std::uint16_t* m) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m));
  const __m128i m1 = simd::DropLowest(v);
  const __m128i m2 = simd::DropLowest(m1);
  const __m128i two = _mm_andnot_si128(_mm_cmpeq_epi16(m1, zero), _mm_cmpeq_epi16(m2, zero));
  return static_cast<std::uint16_t>(simd::LaneBits(two) | static_cast<unsigned>(ExactlyTwo(m[8])) << 8);
}
inline std::uint16_t LinesWithTwoOrThree(const std::uint16_t* m, const std::uint16_t* empty) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(m)),
                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(empty)));
  const __m128i m1 = simd::DropLowest(v);
  const __m128i m3 = simd::DropLowest(simd::DropLowest(m1));
  const __m128i ok = _mm_andnot_si128(_mm_cmpeq_epi16(m1, zero), _mm_cmpeq_epi16(m3, zero));
  return static_cast<std::uint16_t>(simd::LaneBits(ok) | static_cast<unsigned>(TwoOrThree(m[8] & empty[8])) << 8);
}
#else
inline std::uint16_t LinesWithTwo(const std::uint16_t* m) { return LinesWithTwoPortable(m); }
inline std::uint16_t LinesWithTwoOrThree(const std::uint16_t* m, const std::uint16_t* empty) {
  return LinesWithTwoOrThreePortable(m, empty);
}
#endif

// The cell at position p of line `line` (0..8) in a pass.
constexpr int CellAt(int pass, int line, int p) { return pass == 0 ? 9 * line + p : 9 * p + line; }
// The zone number of a line: rows 0..8, columns 9..17.
constexpr int LineZone(int pass, int line) { return 9 * pass + line; }
constexpr std::uint16_t Bit(int p) { return static_cast<std::uint16_t>(1u << p); }

// The step of a fish: the target loses d; `cells` are the pattern's cells,
// `ranges` its rectangles.
inline Step FishStep(const Board& b, int target, int d, Code code, int pass, const int* cells, int cellCount,
                     const int* ranges, int rangeCount) {
  const auto bit = static_cast<std::uint16_t>(1u << d);
  Step s = Elimination(code, target, static_cast<std::uint16_t>(b.Can[target].Mask() & ~bit), bit);
  s.AddDigit(d);
  s.columns = pass == 1;
  for (int i = 0; i < cellCount; ++i) s.AddCell(cells[i]);
  for (int i = 0; i < rangeCount; ++i) s.AddRange(ranges[i]);
  return s;
}

}  // namespace tessora::fish
