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
#include "methods/scope.h"
#include "methods/zone_masks.h"

namespace tessora {

namespace {

constexpr Colour kReducedTint = colour::LightGreen;

// Applies a reduced candidate text to a cell; true when it changed.
bool Reduce(Form1& f, int cell, std::uint16_t mask) {
  const CandText t = CandText::FromMask(mask);
  if (f.board.Can[cell] == t) return false;
  f.board.Can[cell] = t;
  f.w.caN[cell].back = kReducedTint;
  return true;
}

std::string CellList(const std::array<int, 9>& zone, unsigned positions) {
  std::string s;
  for (unsigned m = positions; m; m &= m - 1) {
    if (!s.empty()) s += ',';
    s += zonemask::TwoDigits(zone[std::countr_zero(m)]);
  }
  return s;
}

}  // namespace

void FindHiddenSet(Form1& f, int k) { FindHiddenSetWithin(f, k, Scope{}); }

void FindHiddenSetWithin(Form1& f, int k, const Scope& scope) {
  MethodState& m = f.methods;
  auto& can = f.board.Can;
  // The empty cells, read once: the detector writes no value but the hidden
  // single it places and returns after.
  std::array<std::uint16_t, 9> ownEmptyRows;
  if (!scope.emptyRows) zonemask::EmptyRows(f, ownEmptyRows);
  const std::array<std::uint16_t, 9>& emptyRows = scope.emptyRows ? *scope.emptyRows : ownEmptyRows;
  // A reduction made while the scan goes on (k = 2 without RecordOnly, or
  // without Checking) changes cells, whose zones join the scope.
  std::uint32_t zones = scope.units;
  auto reduced = [&](int cell, bool changed, int z) {
    if (changed) zones |= 1u << RowZone(cell) | 1u << ColZone(cell) | 1u << BoxZone(cell);
    if (scope.found < 0) scope.found = z;
  };

  for (int z = 0; z < kZones; ++z) {
    const auto& cells = ZoneCells[z];
    // A zone outside the scope yields nothing; its turn to let the window
    // process its events still comes.
    if (!((zones >> z) & 1u)) {
      if (k >= 2 && k <= 4) f.DoEvents();
      continue;
    }

    // The candidates of the zone's empty cells, and the digits they hold in
    // at least one, two, .. five of them (atLeast[n - 1]: n cells or more).
    const unsigned empty = zonemask::ZonePositions(emptyRows, z);
    unsigned cand[9];
    unsigned atLeast[5] = {};
#pragma GCC unroll 9
    for (int i = 0; i < 9; ++i) {
      const unsigned x = (empty >> i) & 1u ? can[cells[i]].Mask() : 0u;
      cand[i] = x;
      atLeast[4] |= atLeast[3] & x;
      atLeast[3] |= atLeast[2] & x;
      atLeast[2] |= atLeast[1] & x;
      atLeast[1] |= atLeast[0] & x;
      atLeast[0] |= x;
    }
    // The digits held by exactly n of the cells (n = 1..4).
    auto exactly = [&](int n) { return atLeast[n - 1] & ~atLeast[n]; };
    // The positions of the cells holding digit d.
    auto where = [&](int d) {
      unsigned w = 0;
      for (int i = 0; i < 9; ++i) w |= ((cand[i] >> d) & 1u) << i;
      return w;
    };

    // Hidden singles, in digit order: placed whatever set size the caller
    // asked for, recorded only for k = 1.
    if (!m.RecordOnly || k == 1) {
      for (unsigned ones = exactly(1); ones; ones &= ones - 1) {
        const int d = std::countr_zero(ones);
        const int c = cells[std::countr_zero(where(d))];
        if (zonemask::CandCount(can[c]) <= 1) continue;  // a naked single, not a hidden one
        scope.found = z;
        if (!m.RecordOnly) {
          zonemask::PlaceFound(f, c, d);
          m.Progress = true;
          f.board.FilledCount += 1;
          if (m.Checking) m.SuggestionCount += 1;
          f.PropagateValue(c, d);
          return;
        }
        AdviceStepRecord& a = m.AdviceStep;
        a.cell = zonemask::TwoDigits(c);
        a.value = zonemask::BlankedDigit(d);
        a.code = "Xx1";
        a.zone = std::to_string(z);
        m.Progress = true;
        return;
      }
    }

    // Pair-list keys: first position, second position, digit (4 bits each);
    // positions follow ascending cell numbers, so this is the texts' order.
    std::array<std::uint16_t, 9> pairs{};
    int pairCount = 0;
    // Set list: the digits held by exactly k cells, in ascending order.
    std::array<std::uint8_t, 9> sets{};
    int setCount = 0;
    if (k == 2) {
      for (unsigned twos = exactly(2); twos; twos &= twos - 1) {
        const int d = std::countr_zero(twos);
        const unsigned w = where(d);
        const int p1 = std::countr_zero(w), p2 = 31 - std::countl_zero(w);
        const auto key = static_cast<std::uint16_t>((p1 << 8) | (p2 << 4) | d);
        int i = pairCount++;
        for (; i > 0 && pairs[i - 1] > key; --i) pairs[i] = pairs[i - 1];
        pairs[i] = key;
      }
    } else if (k == 3 || k == 4) {
      for (unsigned ks = exactly(k); ks; ks &= ks - 1) sets[setCount++] = static_cast<std::uint8_t>(std::countr_zero(ks));
    }

    if (k == 2) {
      f.DoEvents();
      for (int p = 0; p + 1 < pairCount; ++p) {
        const unsigned e = pairs[p], g = pairs[p + 1];
        if ((e >> 4) != (g >> 4)) continue;  // not the same two cells
        const int d1 = e & 15, d2 = g & 15;
        const int c1 = cells[e >> 8], c2 = cells[(e >> 4) & 15];
        const auto twins = static_cast<std::uint16_t>((1u << d1) | (1u << d2));
        if (!m.RecordOnly) {
          // Every hidden twin met is reduced in the same call.
          for (int c : {c1, c2}) {
            if (!Reduce(f, c, twins)) continue;
            reduced(c, true, z);
            m.Progress = true;
            if (m.Checking) m.SuggestionCount += 1;
          }
          continue;
        }
        const CandText t = CandText::FromMask(twins);
        int target = -1, other = -1;
        const char* code = nullptr;
        if (!(can[c1] == t)) {
          target = c1, other = c2, code = "Xx2a";  // totally hidden
        } else if (!(can[c2] == t)) {
          target = c2, other = c1, code = "Xx2b";  // partially hidden: c1 holds only the twins
        } else {
          continue;
        }
        AdviceStepRecord& a = m.AdviceStep;
        a.cell = zonemask::TwoDigits(target);
        a.value = t.Text();
        a.code = code;
        a.zone = std::to_string(z);
        a.removed.clear();
        a.detail = {static_cast<char>('0' + d1), static_cast<char>('0' + d2)};
        a.cells = zonemask::TwoDigits(other);
        m.Progress = true;
        scope.found = z;
        return;
      }
    } else if (k == 3 || k == 4) {
      f.DoEvents();
      // Only digits that are a candidate in exactly k cells can form the set:
      // the first k of them, in list order, that share the same k cells.
      const int kept = setCount;
      unsigned setWhere[9];
      for (int i = 0; i < kept; ++i) setWhere[i] = where(sets[i]);
      unsigned positions = 0, digits = 0;
      for (int i = 0; i < kept && !digits; ++i) {
        const unsigned w = setWhere[i];
        unsigned found = 1u << sets[i];
        int n = 1;
        for (int j = i + 1; j < kept && n < k; ++j)
          if (setWhere[j] == w) found |= 1u << sets[j], ++n;
        if (n == k) positions = w, digits = found;
      }
      if (!digits) continue;
      // The first of the k cells that still holds another candidate.
      int target = -1;
      for (unsigned mk = positions; mk; mk &= mk - 1) {
        const int c = cells[std::countr_zero(mk)];
        if (zonemask::CandCount(can[c]) > k) {
          target = c;
          break;
        }
      }
      if (target < 0) continue;  // the set is already bare; later sets are not tried
      if (!m.RecordOnly) {
        reduced(target, Reduce(f, target, static_cast<std::uint16_t>(digits)), z);
        m.Progress = true;
        if (m.Checking) {
          m.SuggestionCount += 1;
          return;
        }
        continue;
      }
      AdviceStepRecord& a = m.AdviceStep;
      a.cell = std::to_string(target);
      a.value = CandText::FromMask(static_cast<std::uint16_t>(digits)).Text();
      a.code = k == 3 ? "HTR" : "HQU";
      a.zone = std::to_string(z);
      a.removed.clear();
      a.detail = MaskDigits(static_cast<std::uint16_t>(digits));
      a.cells = CellList(cells, positions);
      m.Progress = true;
      scope.found = z;
      return;
    }
  }
}

}  // namespace tessora
