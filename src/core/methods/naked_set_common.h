// What the naked-set detectors (FindNakedSet, FindNakedSetLarge) share: the
// pattern found in a zone, its elimination, the twin rule and the search for
// shared sets. Internal to the methods folder.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "board/board.h"
#include "methods/scope.h"

namespace tessora::naked_set {

// The number of bits of a mask of digits (bits 1..9) or of zone positions
// (bits 0..8).
inline int CountOf(unsigned mask) { return kBitCount[mask & 0x3FF]; }

// A pattern of one zone: its cells, as positions in the zone, and its digit
// string D in the order it was built.
struct Pattern {
  unsigned positions = 0;  // bit i: the cell at position i belongs to the pattern
  unsigned mask = 0;       // the digits of D as a candidate mask
  int digits[4] = {};
  int digitCount = 0;
};

// Appends to D, in ascending order, the digits of `mask` that D lacks.
inline void AppendDigits(Pattern& p, unsigned mask) {
  unsigned fresh = mask & ~p.mask;
  while (fresh && p.digitCount < 4) {
    p.digits[p.digitCount++] = std::countr_zero(fresh);
    fresh &= fresh - 1;
  }
  p.mask |= mask;
}

// The candidate masks of the nine cells of zone z, in zone order.
inline void LoadZone(const Board& b, int z, unsigned (&m)[9]) {
  for (int i = 0; i < 9; ++i) m[i] = b.Can[ZoneCells[z][i]].Mask();
}

// The positions of a zone's cells (candidate masks m) holding between lo and
// hi candidates: a zone with too few of them holds no pattern.
inline unsigned Selected(const unsigned (&m)[9], int lo, int hi) {
  unsigned where = 0;
  for (int i = 0; i < 9; ++i) {
    const int k = CountOf(m[i]);
    where |= static_cast<unsigned>(k >= lo && k <= hi) << i;
  }
  return where;
}

// The elimination of a pattern in zone z: the first cell of the zone outside
// the pattern, not filled, that holds a digit of D; the step removes every
// digit of D it holds (the control removes only the first of them).
inline Step Eliminate(const Board& b, int z, const unsigned (&zm)[9], const Pattern& p, Code code) {
  for (int i = 0; i < 9; ++i) {
    const unsigned m = zm[i];
    if (!(m & p.mask) || ((p.positions >> i) & 1)) continue;
    const int c = ZoneCells[z][i];
    if (b.Filled(c)) continue;
    const auto removed = static_cast<std::uint16_t>(m & p.mask);
    Step s = Elimination(code, c, static_cast<std::uint16_t>(m & ~removed), removed, z);
    for (int t = 0; t < p.digitCount; ++t) s.AddDigit(p.digits[t]);
    for (int j = 0; j < 9; ++j)
      if ((p.positions >> j) & 1) s.AddCell(ZoneCells[z][j]);
    return s;
  }
  return {};
}

// Positions of the zone whose two candidates equal those of another cell of
// the zone: the cells of the zone's naked pairs (its twin list).
inline unsigned TwinPositions(const unsigned (&m)[9]) {
  unsigned twins = 0;
  for (int i = 0; i < 8; ++i) {
    if (CountOf(m[i]) != 2) continue;
    for (int j = i + 1; j < 9; ++j)
      if (m[j] == m[i]) twins |= (1u << i) | (1u << j);
  }
  return twins;
}

// Shared sets of `size` (3 or 4) cells: each cell holds 2..size candidates
// (twin cells excluded) and together they hold exactly `size` digits. Every
// combination of the zone's table rows is tried in order until one pattern's
// elimination finds a step.
inline Step FindSharedSet(const Board& board, int size, Code code, const Scope& scope) {
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    LoadZone(board, z, m);
    const unsigned selected = Selected(m, 2, size);
    if (CountOf(selected) < size) continue;
    // The table: cells of 2..size candidates, in zone order, leaving out the
    // cells of the zone's naked pairs.
    const unsigned twins = TwinPositions(m);
    int pos[9];
    unsigned rows[9];
    int n = 0;
    for (unsigned w = selected & ~twins; w; w &= w - 1) {
      const int i = std::countr_zero(w);
      pos[n] = i;
      rows[n++] = m[i];
    }
    if (n < size) continue;
    // Rows r1 < r2 < r3 (< r4) in table order; each bound leaves room for
    // the rows still to be chosen.
    const int last = n - size;
    for (int a = 0; a <= last; ++a) {
      for (int b = a + 1; b <= last + 1; ++b) {
        const unsigned u2 = rows[a] | rows[b];
        if (CountOf(u2) > size) continue;
        for (int c = b + 1; c <= last + 2; ++c) {
          const unsigned u3 = u2 | rows[c];
          if (size == 3) {
            if (CountOf(u3) != 3) continue;
            Pattern p;
            p.positions = (1u << pos[a]) | (1u << pos[b]) | (1u << pos[c]);
            AppendDigits(p, rows[a]);
            AppendDigits(p, rows[b]);
            AppendDigits(p, rows[c]);
            if (const Step s = Eliminate(board, z, m, p, code); s.Found()) {
              scope.found = z;
              return s;
            }
            continue;
          }
          if (CountOf(u3) > 4) continue;
          for (int d = c + 1; d < n; ++d) {
            if (CountOf(u3 | rows[d]) != 4) continue;
            Pattern p;
            p.positions = (1u << pos[a]) | (1u << pos[b]) | (1u << pos[c]) | (1u << pos[d]);
            AppendDigits(p, rows[a]);
            AppendDigits(p, rows[b]);
            AppendDigits(p, rows[c]);
            AppendDigits(p, rows[d]);
            if (const Step s = Eliminate(board, z, m, p, code); s.Found()) {
              scope.found = z;
              return s;
            }
          }
        }
      }
    }
  }
  return {};
}

}  // namespace tessora::naked_set
