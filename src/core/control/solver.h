// A fast exact solver used to check how many solutions a scheme has. It plays
// no part in what the user sees: the control and the generator use it to skip
// work whose outcome it already knows.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tessora {

class Board;

// grid: 0 for an empty cell, 1..9 for a value. Counts solutions up to `limit`
// and stores the first one found in `first` when given. A grid that breaks a
// zone has no solution.
int CountSolutions(const std::array<int, 81>& grid, int limit, std::array<int, 81>* first = nullptr);

// For the first trial of the control: per cell, the digits that some solution
// of the board holds (bit d for digit d) when the board has at most one
// solution; an empty list when it has several (every trial must then be played).
// With `plan` clear every trial is played: an empty list.
std::vector<std::uint16_t> PlanTrials(const Board& board, bool plan);

}  // namespace tessora
