// Hidden sets: k digits of a zone that can only go into the same k cells, so
// those cells keep no other candidate. k = 1 hidden single ("Xx1"), k = 2
// hidden twins ("Xx2a", "Xx2b"), k = 3 triples ("HTR"), k = 4 quads ("HQU").
//
// Per zone the detector keeps, for every digit, the zone positions where it
// is a candidate. Two lists are derived from it, in ascending text order:
// the pair list (digits that are a candidate in exactly two cells, texts
// "c1c2-d", so ordered by the two cells, then by digit) and the set list
// (digits in three cells or more, texts "d= X0X..  n", so in digit order).
// Both are held as small fixed arrays of keys that sort exactly like those
// texts.
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

void FindHiddenSet(Form1& f, int k) {
  MethodState& m = f.methods;
  auto& can = f.board.Can;

  for (int z = 0; z < kZones; ++z) {
    const auto& cells = ZoneCells[z];

    // Occurrence table: positions of every digit among the zone's empty cells.
    std::array<std::uint16_t, 10> where{};
    for (int i = 0; i < 9; ++i) {
      const int c = cells[i];
      unsigned mk = can[c].Mask();
      if (!mk || f.Filled(c)) continue;
      for (; mk; mk &= mk - 1) where[std::countr_zero(mk)] |= static_cast<std::uint16_t>(1u << i);
    }

    // Pair-list keys: first position, second position, digit (4 bits each);
    // positions follow ascending cell numbers, so this is the texts' order.
    std::array<std::uint16_t, 9> pairs{};
    int pairCount = 0;
    // Set list: the digits in ascending order.
    std::array<std::uint8_t, 9> sets{};
    int setCount = 0;

    for (int d = 1; d <= 9; ++d) {
      const unsigned w = where[d];
      const int n = zonemask::Count9(w);
      if (n == 1) {
        const int c = cells[std::countr_zero(w)];
        if (zonemask::CandCount(can[c]) <= 1) continue;  // a naked single, not a hidden one
        if (!m.RecordOnly) {
          // Placed whatever set size the caller asked for.
          zonemask::PlaceFound(f, c, d);
          m.Progress = true;
          f.board.FilledCount += 1;
          if (m.Checking) m.SuggestionCount += 1;
          f.PropagateValue(c, d);
          return;
        }
        if (k == 1) {
          AdviceStepRecord& a = m.AdviceStep;
          a.cell = zonemask::TwoDigits(c);
          a.value = zonemask::BlankedDigit(d);
          a.code = "Xx1";
          a.zone = std::to_string(z);
          m.Progress = true;
          return;
        }
      } else if (n == 2 && k >= 2) {
        const int p1 = std::countr_zero(w), p2 = 31 - std::countl_zero(w);
        const auto key = static_cast<std::uint16_t>((p1 << 8) | (p2 << 4) | d);
        int i = pairCount++;
        for (; i > 0 && pairs[i - 1] > key; --i) pairs[i] = pairs[i - 1];
        pairs[i] = key;
      } else if (n >= 3 && k >= 3) {
        sets[setCount++] = static_cast<std::uint8_t>(d);
      }
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
        return;
      }
    } else if (k == 3 || k == 4) {
      f.DoEvents();
      // Only digits that are a candidate in exactly k cells can form the set.
      int kept = 0;
      for (int i = 0; i < setCount; ++i)
        if (zonemask::Count9(where[sets[i]]) == k) sets[kept++] = sets[i];
      // The first k of them, in list order, that share the same k cells.
      unsigned positions = 0, digits = 0;
      for (int i = 0; i < kept && !digits; ++i) {
        const unsigned w = where[sets[i]];
        unsigned found = 1u << sets[i];
        int n = 1;
        for (int j = i + 1; j < kept && n < k; ++j)
          if (where[sets[j]] == w) found |= 1u << sets[j], ++n;
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
        Reduce(f, target, static_cast<std::uint16_t>(digits));
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
      return;
    }
  }
}

}  // namespace tessora
