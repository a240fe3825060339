// The techniques of the sieve on candidate masks (control/method_sieve.h).
#include "control/method_sieve.h"

#include <bit>
#include <cstdint>

#include "board/cells.h"

namespace tessora {

namespace {

constexpr bool Single(unsigned m) { return m && (m & (m - 1)) == 0; }

// The three cells where box b meets one of its lines, the six other cells of
// the box and the six other cells of the line: rows first, then columns.
struct Crossing {
  std::uint8_t meet[3], box[6], line[6];
};

constexpr std::array<Crossing, 54> kCrossings = [] {
  std::array<Crossing, 54> t{};
  int n = 0;
  for (int b = 0; b < 9; ++b) {
    const int br = 3 * (b / 3), bc = 3 * (b % 3);
    for (int dir = 0; dir < 2; ++dir)
      for (int k = 0; k < 3; ++k) {
        Crossing x{};
        int m = 0, o = 0, l = 0;
        for (int i = 0; i < 3; ++i)
          for (int j = 0; j < 3; ++j) {
            const int cell = 9 * (br + i) + bc + j;
            const bool on = dir == 0 ? i == k : j == k;
            if (on) x.meet[m++] = static_cast<std::uint8_t>(cell);
            else x.box[o++] = static_cast<std::uint8_t>(cell);
          }
        for (int i = 0; i < 9; ++i) {
          const int cell = dir == 0 ? 9 * (br + k) + i : 9 * i + bc + k;
          if (dir == 0 ? (i < bc || i >= bc + 3) : (i < br || i >= br + 3)) x.line[l++] = static_cast<std::uint8_t>(cell);
        }
        t[n++] = x;
      }
  }
  return t;
}();

class Sifter {
 public:
  bool Start(const std::array<int, 81>& grid) {
    for (int c = 0; c < kCells; ++c) {
      cand_[c] = 0x3FE;
      value_[c] = 0;
    }
    open_ = kCells;
    for (int c = 0; c < kCells; ++c)
      if (grid[c] && !Place(c, grid[c])) return false;
    return true;
  }

  // Runs the set's techniques, the lighter ones first after every change,
  // until the grid is full (true) or nothing applies (false).
  bool Run(Sieve sieve) {
    for (;;) {
      if (!HiddenSingles()) return false;
      if (open_ == 0) return true;
      if (sieve == Sieve::Singles) return false;
      if (Locks() || NakedSets(2) || HiddenSets(2) || NakedSets(3)) continue;
      if (sieve == Sieve::Basic) return false;
      if (HiddenSets(3) || Fish(2) || NakedSets(4) || HiddenSets(4) || Fish(3)) continue;
      return false;
    }
  }

 private:
  bool Place(int cell, int d) {
    std::uint8_t stack[kCells * 2];
    int sp = 0;
    stack[sp++] = static_cast<std::uint8_t>(cell);
    stack[sp++] = static_cast<std::uint8_t>(d);
    while (sp) {
      const int v = stack[--sp], c = stack[--sp];
      const auto bit = static_cast<std::uint16_t>(1u << v);
      if (value_[c]) {
        if (value_[c] != v) return Broken();
        continue;
      }
      if (!(cand_[c] & bit)) return Broken();
      value_[c] = static_cast<std::uint8_t>(v);
      cand_[c] = bit;
      --open_;
      for (const std::uint8_t p : kPeers[c]) {
        if (!(cand_[p] & bit)) continue;
        if (value_[p]) return Broken();
        cand_[p] = static_cast<std::uint16_t>(cand_[p] & ~bit);
        if (!cand_[p]) return Broken();
        if (Single(cand_[p]) && sp < kCells * 2 - 1) {
          stack[sp++] = p;
          stack[sp++] = static_cast<std::uint8_t>(std::countr_zero(cand_[p]));
        }
      }
    }
    return true;
  }

  bool Broken() {
    broken_ = true;
    return false;
  }

  // Removes digits from an empty cell; a single left is placed.
  bool Remove(int c, unsigned bits) {
    if (value_[c] || !(cand_[c] & bits)) return false;
    cand_[c] = static_cast<std::uint16_t>(cand_[c] & ~bits);
    if (!cand_[c]) Broken();
    else if (Single(cand_[c])) Place(c, std::countr_zero(cand_[c]));
    return true;
  }

  bool HiddenSingles() {
    for (bool again = true; again;) {
      if (broken_) return false;
      again = false;
      for (int z = 0; z < kZones; ++z) {
        unsigned once = 0, many = 0, placed = 0;
        for (int c : ZoneCells[z]) {
          const unsigned m = cand_[c];
          if (value_[c]) {
            placed |= m;
            continue;
          }
          many |= once & m;
          once |= m;
        }
        if ((once | placed) != 0x3FEu) return false;
        const unsigned hidden = once & ~many & ~placed;
        if (!hidden) continue;
        const int d = std::countr_zero(hidden);
        for (int c : ZoneCells[z])
          if (!value_[c] && ((cand_[c] >> d) & 1u)) {
            if (!Place(c, d)) return false;
            break;
          }
        again = true;
      }
    }
    return !broken_;
  }

  bool Locks() {
    bool any = false;
    for (const Crossing& x : kCrossings) {
      unsigned meet = 0, box = 0, line = 0;
      for (int c : x.meet)
        if (!value_[c]) meet |= cand_[c];
      if (!meet) continue;
      for (int c : x.box)
        if (!value_[c]) box |= cand_[c];
      for (int c : x.line)
        if (!value_[c]) line |= cand_[c];
      // Digits of the box only where it meets the line leave the line's other
      // cells, and the other way round.
      if (const unsigned pointing = meet & ~box)
        for (int c : x.line) any |= Remove(c, pointing);
      if (const unsigned claiming = meet & ~line)
        for (int c : x.box) any |= Remove(c, claiming);
    }
    return any;
  }

  // k cells of a zone whose candidates together are k digits.
  bool NakedSets(int k) {
    bool any = false;
    for (int z = 0; z < kZones; ++z) {
      int cells[9], n = 0;
      for (int c : ZoneCells[z])
        if (!value_[c]) cells[n++] = c;
      if (n <= k) continue;
      int pick[4];
      // Every k-combination of the zone's empty cells, in order.
      for (int i = 0; i < k; ++i) pick[i] = i;
      for (;;) {
        unsigned u = 0;
        for (int i = 0; i < k; ++i) u |= cand_[cells[pick[i]]];
        if (DigitCount(u) == k) {
          for (int j = 0; j < n; ++j) {
            bool in = false;
            for (int i = 0; i < k; ++i) in |= pick[i] == j;
            if (!in) any |= Remove(cells[j], u);
          }
        }
        int i = k - 1;
        while (i >= 0 && pick[i] == n - k + i) --i;
        if (i < 0) break;
        ++pick[i];
        for (int j = i + 1; j < k; ++j) pick[j] = pick[j - 1] + 1;
      }
      if (broken_) return true;
    }
    return any;
  }

  // k digits of a zone that only k of its cells can hold.
  bool HiddenSets(int k) {
    bool any = false;
    for (int z = 0; z < kZones; ++z) {
      unsigned where[10] = {};
      unsigned placed = 0;
      for (int i = 0; i < 9; ++i) {
        const int c = ZoneCells[z][i];
        if (value_[c]) {
          placed |= cand_[c];
          continue;
        }
        for (unsigned m = cand_[c]; m; m &= m - 1) where[std::countr_zero(m)] |= 1u << i;
      }
      int digits[9], n = 0;
      for (int d = 1; d <= 9; ++d)
        if (!(placed >> d & 1u) && Count9(where[d]) <= k) digits[n++] = d;
      if (n < k) continue;
      int pick[4];
      for (int i = 0; i < k; ++i) pick[i] = i;
      for (;;) {
        unsigned cellsUsed = 0, keep = 0;
        for (int i = 0; i < k; ++i) {
          cellsUsed |= where[digits[pick[i]]];
          keep |= 1u << digits[pick[i]];
        }
        if (Count9(cellsUsed) == k)
          for (unsigned w = cellsUsed; w; w &= w - 1) {
            const int c = ZoneCells[z][std::countr_zero(w)];
            any |= Remove(c, cand_[c] & ~keep & 0x3FEu);
          }
        int i = k - 1;
        while (i >= 0 && pick[i] == n - k + i) --i;
        if (i < 0) break;
        ++pick[i];
        for (int j = i + 1; j < k; ++j) pick[j] = pick[j - 1] + 1;
      }
      if (broken_) return true;
    }
    return any;
  }

  // X-Wing (size 2) and Swordfish (3): a digit whose places in `size` rows lie
  // in `size` columns leaves those columns' other rows; and the same with
  // rows and columns exchanged.
  bool Fish(int size) {
    bool any = false;
    for (int d = 1; d <= 9; ++d) {
      const unsigned bit = 1u << d;
      for (int dir = 0; dir < 2; ++dir) {
        unsigned lines[9];
        int base[9], n = 0;
        for (int a = 0; a < 9; ++a) {
          unsigned m = 0;
          bool placed = false;
          for (int b = 0; b < 9; ++b) {
            const int c = dir == 0 ? 9 * a + b : 9 * b + a;
            if (value_[c] == d) placed = true;
            else if (!value_[c] && (cand_[c] & bit)) m |= 1u << b;
          }
          if (placed || Count9(m) < 2 || Count9(m) > size) continue;
          lines[n] = m;
          base[n++] = a;
        }
        if (n < size) continue;
        int pick[3];
        for (int i = 0; i < size; ++i) pick[i] = i;
        for (;;) {
          unsigned cover = 0, rows = 0;
          for (int i = 0; i < size; ++i) {
            cover |= lines[pick[i]];
            rows |= 1u << base[pick[i]];
          }
          if (Count9(cover) == size)
            for (unsigned w = cover; w; w &= w - 1) {
              const int b = std::countr_zero(w);
              for (int a = 0; a < 9; ++a) {
                if (rows >> a & 1u) continue;
                any |= Remove(dir == 0 ? 9 * a + b : 9 * b + a, bit);
              }
            }
          int i = size - 1;
          while (i >= 0 && pick[i] == n - size + i) --i;
          if (i < 0) break;
          ++pick[i];
          for (int j = i + 1; j < size; ++j) pick[j] = pick[j - 1] + 1;
        }
        if (broken_) return true;
      }
    }
    return any;
  }

  std::uint16_t cand_[kCells];
  std::uint8_t value_[kCells];
  int open_ = kCells;
  bool broken_ = false;
};

}  // namespace

bool SieveSolves(const std::array<int, 81>& grid, Sieve sieve) {
  Sifter s;
  return s.Start(grid) && s.Run(sieve);
}

bool LightestSieve(const std::array<int, 81>& grid, Sieve& level) {
  Sifter s;
  if (!s.Start(grid)) return false;
  // Each heavier set goes on from where the lighter one stopped.
  for (Sieve v : {Sieve::Singles, Sieve::Basic, Sieve::Advanced})
    if (s.Run(v)) {
      level = v;
      return true;
    }
  return false;
}

}  // namespace tessora
