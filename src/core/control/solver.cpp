#include "control/solver.h"

#include <bit>

#include "board/board.h"
#include "ui/form1.h"

namespace tessora {

namespace {

struct Search {
  std::array<std::uint16_t, 9> rows{}, cols{}, boxes{};  // digits used, bit d
  std::array<int, 81> grid{};
  int limit = 1;
  int found = 0;
  std::array<int, 81>* first = nullptr;

  static int Box(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

  void Run() {
    // The empty cell with the fewest possible digits.
    int best = -1, bestCount = 10;
    std::uint16_t bestMask = 0;
    for (int c = 0; c < 81; ++c) {
      if (grid[c]) continue;
      std::uint16_t m = static_cast<std::uint16_t>(~(rows[c / 9] | cols[c % 9] | boxes[Box(c)]) & 0x3FE);
      int n = std::popcount(m);
      if (n < bestCount) {
        best = c;
        bestCount = n;
        bestMask = m;
        if (n <= 1) break;
      }
    }
    if (best < 0) {
      if (found == 0 && first) *first = grid;
      ++found;
      return;
    }
    const int r = best / 9, col = best % 9, b = Box(best);
    while (bestMask && found < limit) {
      int d = std::countr_zero(bestMask);
      bestMask &= static_cast<std::uint16_t>(bestMask - 1);
      std::uint16_t bit = static_cast<std::uint16_t>(1u << d);
      grid[best] = d;
      rows[r] |= bit;
      cols[col] |= bit;
      boxes[b] |= bit;
      Run();
      rows[r] &= static_cast<std::uint16_t>(~bit);
      cols[col] &= static_cast<std::uint16_t>(~bit);
      boxes[b] &= static_cast<std::uint16_t>(~bit);
      grid[best] = 0;
    }
  }
};

}  // namespace

int CountSolutions(const std::array<int, 81>& grid, int limit, std::array<int, 81>* first) {
  Search s;
  s.limit = limit;
  s.first = first;
  for (int c = 0; c < 81; ++c) {
    int d = grid[c];
    if (!d) continue;
    if (d < 1 || d > 9) return 0;
    std::uint16_t bit = static_cast<std::uint16_t>(1u << d);
    if ((s.rows[c / 9] | s.cols[c % 9] | s.boxes[Search::Box(c)]) & bit) return 0;
    s.rows[c / 9] |= bit;
    s.cols[c % 9] |= bit;
    s.boxes[Search::Box(c)] |= bit;
    s.grid[c] = d;
  }
  s.Run();
  return s.found;
}

std::vector<std::uint16_t> PlanTrials(const Form1& f) {
  if (!f.control.UseTrialPlan) return {};
  std::array<int, 81> grid{};
  for (int c = 0; c < kCells; ++c) {
    if (!f.Filled(c)) continue;
    int v = f.Value(c);
    if (!v) return std::vector<std::uint16_t>(kCells, 0);  // a cell that holds no digit: no solution
    grid[c] = v;
  }
  std::array<int, 81> solution{};
  int n = CountSolutions(grid, 2, &solution);
  if (n >= 2) return {};
  std::vector<std::uint16_t> masks(kCells, 0);
  if (n == 1)
    for (int c = 0; c < kCells; ++c) masks[c] = static_cast<std::uint16_t>(1u << solution[c]);
  return masks;
}

}  // namespace tessora
