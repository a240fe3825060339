#include "control/solver.h"

#include <bit>
#include <utility>

#include "board/board.h"

namespace tessora {

namespace {

constexpr bool Single(unsigned m) { return (m & (m - 1)) == 0; }

// A board being solved: the candidates of every cell (bits 1..9; a placed
// cell keeps its value's bit) and the placed values.
struct Grid {
  std::uint16_t cand[kCells];
  std::uint8_t value[kCells];  // 0: not placed yet
  int open;                    // cells not placed yet
  // The zones where a cell lost a candidate or took a value since the
  // hidden singles last looked (bit per zone): only they can hold a new one.
  std::uint32_t dirty = (1u << kZones) - 1;

  // Places d in the cell and every single it leaves, removing each value
  // from the peers; false on a contradiction.
  bool Place(int cell, int d) {
    struct Item {
      std::uint8_t cell, digit;
    };
    Item stack[kCells + 1];
    int sp = 0;
    stack[sp++] = {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(d)};
    while (sp) {
      const Item it = stack[--sp];
      const int c = it.cell, v = it.digit;
      const auto bit = static_cast<std::uint16_t>(1u << v);
      if (value[c]) {
        if (value[c] != v) return false;
        continue;
      }
      if (!(cand[c] & bit)) return false;
      value[c] = static_cast<std::uint8_t>(v);
      cand[c] = bit;
      --open;
      dirty |= kCellZones[c];
      for (const std::uint8_t p : kPeers[c]) {
        if (!(cand[p] & bit)) continue;
        if (value[p]) return false;  // a peer already holds v
        const auto left = static_cast<std::uint16_t>(cand[p] & ~bit);
        cand[p] = left;
        dirty |= kCellZones[p];
        if (!left) return false;
        if (Single(left)) stack[sp++] = {p, static_cast<std::uint8_t>(std::countr_zero(left))};
      }
    }
    return true;
  }

  // The open cell with the fewest candidates; the first with two or fewer
  // is taken at once.
  int FewestCandidatesCell() const {
    int best = -1, bestCount = 10;
    for (int c = 0; c < kCells; ++c) {
      if (value[c]) continue;
      const int n = DigitCount(cand[c]);
      if (n < bestCount) {
        best = c;
        bestCount = n;
        if (n <= 2) break;
      }
    }
    return best;
  }

  // Hidden singles, zone by zone, until none is left; false on a
  // contradiction (a value that has no cell left in a zone). The singles
  // reach the same board in any order, so only the zones that changed are
  // looked at again.
  bool HiddenSingles() {
    while (dirty) {
      const int z = std::countr_zero(dirty);
      dirty &= dirty - 1;
      unsigned once = 0, many = 0, placed = 0;
      for (int c : ZoneCells[z]) {
        const unsigned m = cand[c];
        if (value[c]) {
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
      int cell = -1;
      for (int c : ZoneCells[z])
        if (!value[c] && ((cand[c] >> d) & 1u)) cell = c;
      if (!Place(cell, d)) return false;
    }
    return true;
  }
};

struct Search {
  int limit = 1;
  int found = 0;
  std::array<int, 81>* first = nullptr;

  void Run(Grid& g) {
    if (!g.HiddenSingles()) return;
    if (g.open == 0) {
      if (found == 0 && first)
        for (int c = 0; c < kCells; ++c) (*first)[c] = g.value[c];
      ++found;
      return;
    }
    const int best = g.FewestCandidatesCell();
    for (unsigned m = g.cand[best]; m && found < limit; m &= m - 1) {
      Grid next = g;
      if (next.Place(best, std::countr_zero(m))) Run(next);
    }
  }
};

// The first solution found with the digits of every cell tried in a random order.
struct RandomSearch {
  int (*pick)(void*, int);
  void* context;
  std::array<int, 81>* out;

  bool Run(Grid& g) {
    if (!g.HiddenSingles()) return false;
    if (g.open == 0) {
      for (int c = 0; c < kCells; ++c) (*out)[c] = g.value[c];
      return true;
    }
    const int best = g.FewestCandidatesCell();
    int digits[9], n = 0;
    for (unsigned m = g.cand[best]; m; m &= m - 1) digits[n++] = std::countr_zero(m);
    for (int i = n - 1; i > 0; --i) std::swap(digits[i], digits[pick(context, i + 1)]);
    for (int i = 0; i < n; ++i) {
      Grid next = g;
      if (next.Place(best, digits[i]) && Run(next)) return true;
    }
    return false;
  }
};

}  // namespace

std::array<int, 81> RandomSolvedGrid(int (*pick)(void* context, int n), void* context) {
  Grid g;
  for (int c = 0; c < kCells; ++c) {
    g.cand[c] = 0x3FE;
    g.value[c] = 0;
  }
  g.open = kCells;
  std::array<int, 81> out{};
  RandomSearch s{pick, context, &out};
  s.Run(g);  // an empty grid always has a solution
  return out;
}

namespace {

// The grid's givens placed, with `digit` kept out of `cell` first when given;
// false when they contradict each other. The candidates of the open cells
// come from the digits their zones hold, and the cells left one are placed
// with every single that follows.
bool Start(Grid& g, const std::array<int, 81>& grid, int cell = -1, int digit = 0) {
  unsigned used[kZones] = {};
  g.open = kCells;
  g.dirty = (1u << kZones) - 1;
  for (int c = 0; c < kCells; ++c) {
    const int d = grid[c];
    g.value[c] = 0;
    if (!d) continue;
    if (d < 1 || d > 9) return false;
    const unsigned bit = 1u << d;
    const int r = RowZone(c), k = ColZone(c), b = BoxZone(c);
    if ((used[r] | used[k] | used[b]) & bit) return false;
    used[r] |= bit;
    used[k] |= bit;
    used[b] |= bit;
    g.value[c] = static_cast<std::uint8_t>(d);
    g.cand[c] = static_cast<std::uint16_t>(bit);
    --g.open;
  }
  int singles[kCells], n = 0;
  for (int c = 0; c < kCells; ++c) {
    if (g.value[c]) continue;
    unsigned m = 0x3FEu & ~(used[RowZone(c)] | used[ColZone(c)] | used[BoxZone(c)]);
    if (c == cell) m &= ~(1u << digit);
    if (!m) return false;
    g.cand[c] = static_cast<std::uint16_t>(m);
    if (Single(m)) singles[n++] = c;
  }
  // A single placed by an earlier one's propagation is passed over; one
  // whose last candidate went is a contradiction, found by Place.
  for (int i = 0; i < n; ++i) {
    const int c = singles[i];
    if (!g.value[c] && !g.Place(c, g.cand[c] ? std::countr_zero(g.cand[c]) : 0)) return false;
  }
  return true;
}

int Count(Grid& g, int limit, std::array<int, 81>* first) {
  Search s;
  s.limit = limit;
  s.first = first;
  s.Run(g);
  return s.found;
}

}  // namespace

int CountSolutions(const std::array<int, 81>& grid, int limit, std::array<int, 81>* first) {
  Grid g;
  return Start(g, grid) ? Count(g, limit, first) : 0;
}

int CountSolutionsWithout(const std::array<int, 81>& grid, int cell, int digit, int limit) {
  Grid g;
  return Start(g, grid, cell, digit) ? Count(g, limit, nullptr) : 0;
}

Removal CheckRemoval(const std::array<int, 81>& grid, const std::array<int, 81>& solution, int a, int b,
                     CellSet* other) {
  // The singles keep every solution: the searches start where they stop.
  Grid g;
  if (!Start(g, grid) || !g.HiddenSingles()) return Removal::Several;  // not a subset of `solution`
  if (g.open == 0) return Removal::Singles;
  std::array<int, 81> found{};
  // A solution with another digit in a, or one with the solution's digit in
  // a and another in b.
  bool several = false;
  if (!g.value[a]) {
    Grid next = g;
    next.cand[a] = static_cast<std::uint16_t>(next.cand[a] & ~(1u << solution[a]));
    next.dirty |= kCellZones[a];
    several = next.cand[a] && Count(next, 1, &found) > 0;
  }
  if (!several && b >= 0 && !g.value[b]) {
    Grid next = g;
    if (next.Place(a, solution[a]) && !next.value[b]) {
      next.cand[b] = static_cast<std::uint16_t>(next.cand[b] & ~(1u << solution[b]));
      next.dirty |= kCellZones[b];
      several = next.cand[b] && Count(next, 1, &found) > 0;
    }
  }
  if (!several) return Removal::Unique;
  if (other) {
    *other = 0;
    for (int c = 0; c < kCells; ++c)
      if (found[c] != solution[c]) *other |= CellBit(c);
  }
  return Removal::Several;
}

bool SinglesSolve(const std::array<int, 81>& grid) {
  Grid g;
  return Start(g, grid) && g.HiddenSingles() && g.open == 0;
}

GivensCheck CheckGivens(const std::array<int, 81>& grid) {
  GivensCheck check;
  bool any = false;
  for (int d : grid) any = any || d != 0;
  if (!any) {
    check.fault = GivensCheck::Fault::NoGivens;
    return check;
  }
  for (int z = 0; z < kZones; ++z)
    for (int i = 0; i < 8; ++i) {
      const int a = ZoneCells[z][i];
      if (!grid[a]) continue;
      for (int j = i + 1; j < 9; ++j) {
        const int b = ZoneCells[z][j];
        if (grid[b] != grid[a]) continue;
        check.fault = GivensCheck::Fault::Repeated;
        check.cellA = a;
        check.cellB = b;
        check.digit = grid[a];
        return check;
      }
    }
  check.solutions = CountSolutions(grid, 2);
  if (check.solutions == 0) check.fault = GivensCheck::Fault::NoSolution;
  return check;
}

std::vector<std::uint16_t> PlanTrials(const Board& board, bool plan) {
  if (!plan) return {};
  std::array<int, 81> grid{};
  for (int c = 0; c < kCells; ++c) grid[c] = board.Value(c);
  std::array<int, 81> solution{};
  int n = CountSolutions(grid, 2, &solution);
  if (n >= 2) return {};
  std::vector<std::uint16_t> masks(kCells, 0);
  if (n == 1)
    for (int c = 0; c < kCells; ++c) masks[c] = static_cast<std::uint16_t>(1u << solution[c]);
  return masks;
}

}  // namespace tessora
