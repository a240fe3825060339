// How a digit keyed in play is judged against the solution the control found
// and the cell's candidates.
#pragma once

#include "board/board.h"

namespace tessora {

enum class MoveVerdict {
  Correct,      // the solution's digit, and one of the cell's candidates
  Wrong,        // another digit than the solution's, or none of the cell's candidates
  Overwriting,  // the cell holds a value (no candidates): it must be deleted first
  Trial,        // the solution leaves the cell open (a trial's board): accepted on trust
};

// `solutionDigit` is the solution's digit of the cell, 0 where it has none;
// `candidates` the cell's candidates as they stand.
MoveVerdict JudgeMove(int digit, int solutionDigit, const CandText& candidates);

}  // namespace tessora
