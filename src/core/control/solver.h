// A fast exact solver used to check how many solutions a scheme has. It finds
// no step the user is shown: the control and the generator use it to skip work
// whose outcome it already knows, the control's report to say that a scheme
// has more than one solution, and Paste to refuse a scheme that has none.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "board/cells.h"

namespace tessora {

class Board;

// grid: 0 for an empty cell, 1..9 for a value. Counts solutions up to `limit`
// and stores the first one found in `first` when given. A grid that breaks a
// zone has no solution.
int CountSolutions(const std::array<int, 81>& grid, int limit, std::array<int, 81>* first = nullptr);

// CountSolutions with `digit` kept out of `cell` (an empty cell of the grid).
int CountSolutionsWithout(const std::array<int, 81>& grid, int cell, int digit, int limit);

// What taking the cells `a` and `b` (b < 0: `a` alone) away from a scheme
// with one solution, `solution`, leaves (`grid`: the scheme without them):
// a scheme the singles finish, one with one solution that they do not
// finish, or one with several (a solution differs from `solution` in a or b;
// `other`, when given, gets the cells where the one found differs).
enum class Removal { Singles, Unique, Several };
Removal CheckRemoval(const std::array<int, 81>& grid, const std::array<int, 81>& solution, int a, int b,
                     CellSet* other = nullptr);

// The singles alone (a cell with one candidate, a digit with one place in a
// zone) fill the grid.
bool SinglesSolve(const std::array<int, 81>& grid);

// What keeps a scheme's givens from being a puzzle at all, looked at before
// any of them is written: no given, a digit twice in one zone (the first pair
// found, zones in order: its two cells and the digit), or no solution.
// `solutions` counts up to two (2: more than one); it is counted only for
// givens without the other faults.
struct GivensCheck {
  enum class Fault { None, NoGivens, Repeated, NoSolution };
  Fault fault = Fault::None;
  int cellA = -1, cellB = -1, digit = 0;
  int solutions = 0;
};
GivensCheck CheckGivens(const std::array<int, 81>& grid);

// A complete grid drawn at random: the search above with the digits of every
// cell tried in an order drawn from `pick`, which returns a number in [0, n)
// for n = 2..9. Every digit of every cell can come out.
std::array<int, 81> RandomSolvedGrid(int (*pick)(void* context, int n), void* context);

// For the first trial of the control: per cell, the digits that some solution
// of the board holds (bit d for digit d) when the board has at most one
// solution; an empty list when it has several (every trial must then be played).
// With `plan` clear every trial is played: an empty list.
std::vector<std::uint16_t> PlanTrials(const Board& board, bool plan);

}  // namespace tessora
