// Hidden sets: k digits of a zone that can only go into the same k cells, so
// those cells keep no other candidate. k = 1 hidden single ("Xx1"), k = 2
// hidden twins ("Xx2a", "Xx2b"), k = 3 triples ("HTR"), k = 4 quads ("HQU").
//
// Per zone the detector counts, for every digit, the zone's empty cells that
// hold it (as bit slices: the digits held by one cell or more, two or more,
// ..). Two lists are derived from the counts, in ascending text order: the
// pair list (digits that are a candidate in exactly two cells, texts
// "c1c2-d", so ordered by the two cells, then by digit) and the set list
// (digits in three cells or more, texts "d= X0X..  n", so in digit order; only
// those in exactly k cells can form a set). Both are held as small fixed
// arrays of keys that sort exactly like those texts.
//
// The control applies hidden sets differently from the walk, which records
// the first finding: it places a hidden single whatever k is, and reduces
// every hidden twin it meets in one call (ReduceHiddenSets).
#include <bit>

#include "methods/detectors.h"
#include "methods/zone_masks.h"

namespace tessora {

namespace {

// One zone's empty cells and the digits they hold.
struct ZoneDigits {
  unsigned cand[9];     // the candidates of the cell at each position (0 for a filled cell)
  unsigned atLeast[5];  // atLeast[n - 1]: the digits held by n cells or more

  ZoneDigits(const Board& b, const std::array<std::uint16_t, 9>& emptyRows, int z) {
    const unsigned empty = zonemask::ZonePositions(emptyRows, z);
    for (unsigned& a : atLeast) a = 0;
    for (int i = 0; i < 9; ++i) {
      const unsigned x = (empty >> i) & 1u ? b.Can[ZoneCells[z][i]].Mask() : 0u;
      cand[i] = x;
      atLeast[4] |= atLeast[3] & x;
      atLeast[3] |= atLeast[2] & x;
      atLeast[2] |= atLeast[1] & x;
      atLeast[1] |= atLeast[0] & x;
      atLeast[0] |= x;
    }
  }
  // The digits held by exactly n of the cells (n = 1..4).
  unsigned Exactly(int n) const { return atLeast[n - 1] & ~atLeast[n]; }
  // The positions of the cells holding digit d.
  unsigned Where(int d) const {
    unsigned w = 0;
    for (int i = 0; i < 9; ++i) w |= ((cand[i] >> d) & 1u) << i;
    return w;
  }
};

// The first hidden single of the zone, in digit order: a digit held by one
// cell that holds another candidate too (a cell with one candidate is a naked
// single, not a hidden one).
Step HiddenSingle(const Board& b, const ZoneDigits& zd, int z) {
  for (unsigned ones = zd.Exactly(1); ones; ones &= ones - 1) {
    const int d = std::countr_zero(ones);
    const int c = ZoneCells[z][std::countr_zero(zd.Where(d))];
    if (zonemask::CandCount(b.Can[c]) <= 1) continue;
    return Placement(Code::Xx1, c, d, z);
  }
  return {};
}

// The pair list: per digit held by exactly two cells, its key (first
// position, second position, digit; 4 bits each), in ascending order.
int PairList(const ZoneDigits& zd, std::array<std::uint16_t, 9>& pairs) {
  int n = 0;
  for (unsigned twos = zd.Exactly(2); twos; twos &= twos - 1) {
    const int d = std::countr_zero(twos);
    const unsigned w = zd.Where(d);
    const int p1 = std::countr_zero(w), p2 = 31 - std::countl_zero(w);
    const auto key = static_cast<std::uint16_t>((p1 << 8) | (p2 << 4) | d);
    int i = n++;
    for (; i > 0 && pairs[i - 1] > key; --i) pairs[i] = pairs[i - 1];
    pairs[i] = key;
  }
  return n;
}

// Hidden triples and quads: the first k digits of the set list, in digit
// order, that are candidates in exactly k cells and in the same k cells.
// False when the zone has none.
bool HiddenSetOf(const ZoneDigits& zd, int k, unsigned& positions, unsigned& digits) {
  std::uint8_t sets[9];
  unsigned where[9];
  int kept = 0;
  for (unsigned ks = zd.Exactly(k); ks; ks &= ks - 1) {
    sets[kept] = static_cast<std::uint8_t>(std::countr_zero(ks));
    where[kept] = zd.Where(sets[kept]);
    ++kept;
  }
  for (int i = 0; i < kept; ++i) {
    unsigned found = 1u << sets[i];
    int n = 1;
    for (int j = i + 1; j < kept && n < k; ++j)
      if (where[j] == where[i]) found |= 1u << sets[j], ++n;
    if (n == k) {
      positions = where[i];
      digits = found;
      return true;
    }
  }
  return false;
}

// The first of the set's cells that still holds another candidate, or -1.
int SetTarget(const Board& b, int z, unsigned positions, int k) {
  for (unsigned m = positions; m; m &= m - 1) {
    const int c = ZoneCells[z][std::countr_zero(m)];
    if (zonemask::CandCount(b.Can[c]) > k) return c;
  }
  return -1;
}

Step SetStep(const Board& b, int k, int z, int target, unsigned positions, unsigned digits) {
  const auto keep = static_cast<std::uint16_t>(digits);
  Step s = Elimination(k == 3 ? Code::HTR : Code::HQU, target, keep,
                       static_cast<std::uint16_t>(b.Can[target].Mask() & ~keep), z);
  for (unsigned m = digits; m; m &= m - 1) s.AddDigit(std::countr_zero(m));
  for (unsigned m = positions; m; m &= m - 1) s.AddCell(ZoneCells[z][std::countr_zero(m)]);
  return s;
}

const std::array<std::uint16_t, 9>& EmptyRowsOf(const Board& b, const Scope& scope,
                                                std::array<std::uint16_t, 9>& own) {
  if (scope.emptyRows) return *scope.emptyRows;
  zonemask::EmptyRows(b, own);
  return own;
}

}  // namespace

Step FindHiddenSet(const Board& board, int k, const Scope& scope) {
  std::array<std::uint16_t, 9> own;
  const std::array<std::uint16_t, 9>& emptyRows = EmptyRowsOf(board, scope, own);
  for (int z = 0; z < kZones; ++z) {
    // A zone outside the scope yields nothing; its turn to let the window
    // process its events still comes.
    if (!scope.Examines(z)) {
      if (k >= 2 && k <= 4) scope.pause();
      continue;
    }
    const ZoneDigits zd(board, emptyRows, z);
    if (k == 1) {
      const Step s = HiddenSingle(board, zd, z);
      if (s.Found()) {
        scope.found = z;
        return s;
      }
    } else if (k == 2) {
      scope.pause();
      std::array<std::uint16_t, 9> pairs{};
      const int pairCount = PairList(zd, pairs);
      for (int p = 0; p + 1 < pairCount; ++p) {
        const unsigned e = pairs[p], g = pairs[p + 1];
        if ((e >> 4) != (g >> 4)) continue;  // not the same two cells
        const int d1 = e & 15, d2 = g & 15;
        const int c1 = ZoneCells[z][e >> 8], c2 = ZoneCells[z][(e >> 4) & 15];
        const auto twins = static_cast<std::uint16_t>((1u << d1) | (1u << d2));
        int target, other;
        Code code;
        if (board.Can[c1].Mask() != twins) {
          target = c1, other = c2, code = Code::Xx2a;  // totally hidden
        } else if (board.Can[c2].Mask() != twins) {
          target = c2, other = c1, code = Code::Xx2b;  // partially hidden: c1 holds only the twins
        } else {
          continue;
        }
        Step s = Elimination(code, target, twins, static_cast<std::uint16_t>(board.Can[target].Mask() & ~twins), z);
        s.AddDigit(d1);
        s.AddDigit(d2);
        s.AddCell(other);
        scope.found = z;
        return s;
      }
    } else if (k == 3 || k == 4) {
      scope.pause();
      unsigned positions = 0, digits = 0;
      if (!HiddenSetOf(zd, k, positions, digits)) continue;
      const int target = SetTarget(board, z, positions, k);
      if (target < 0) continue;  // the set is already bare; later sets are not tried
      scope.found = z;
      return SetStep(board, k, z, target, positions, digits);
    }
  }
  return {};
}

HiddenReduction ReduceHiddenSets(Board& board, int k, const Scope& scope, bool stopAtFirst) {
  HiddenReduction r;
  std::array<std::uint16_t, 9> own;
  const std::array<std::uint16_t, 9>& emptyRows = EmptyRowsOf(board, scope, own);
  // A reduction made while the scan goes on changes cells, whose zones join
  // the scope.
  std::uint32_t zones = scope.units;
  auto reduce = [&](int cell, std::uint16_t keep, int z) {
    board.Can[cell] = CandText::FromMask(keep);
    scope.Tint(cell, Tint::LightGreen);
    zones |= kCellZones[cell];
    r.reduced |= CellBit(cell);
    ++r.reductions;
    if (scope.found < 0) scope.found = z;
  };
  for (int z = 0; z < kZones; ++z) {
    if (!((zones >> z) & 1u)) {
      if (k >= 2 && k <= 4) scope.pause();
      continue;
    }
    const ZoneDigits zd(board, emptyRows, z);
    const Step single = HiddenSingle(board, zd, z);
    if (single.Found()) {
      scope.found = z;
      r.single = single;
      return r;
    }
    if (k == 2) {
      scope.pause();
      std::array<std::uint16_t, 9> pairs{};
      const int pairCount = PairList(zd, pairs);
      for (int p = 0; p + 1 < pairCount; ++p) {
        const unsigned e = pairs[p], g = pairs[p + 1];
        if ((e >> 4) != (g >> 4)) continue;
        const auto twins = static_cast<std::uint16_t>((1u << (e & 15)) | (1u << (g & 15)));
        // Every hidden twin met is reduced in the same call.
        for (int c : {ZoneCells[z][e >> 8], ZoneCells[z][(e >> 4) & 15]})
          if (board.Can[c].Mask() != twins) reduce(c, twins, z);
      }
    } else if (k == 3 || k == 4) {
      scope.pause();
      unsigned positions = 0, digits = 0;
      if (!HiddenSetOf(zd, k, positions, digits)) continue;
      const int target = SetTarget(board, z, positions, k);
      if (target < 0) continue;
      reduce(target, static_cast<std::uint16_t>(digits), z);
      if (stopAtFirst) return r;
    }
  }
  return r;
}

}  // namespace tessora
