#include "control/move_judgement.h"

namespace tessora {

MoveVerdict JudgeMove(int digit, int solutionDigit, const CandText& candidates) {
  // A wrong digit is wrong even on a cell that holds a value; a right one is
  // refused there all the same, since a value is changed by deleting it.
  if ((solutionDigit != 0 && digit != solutionDigit) || (candidates.HasDigits() && !candidates.Has(digit)))
    return MoveVerdict::Wrong;
  if (!candidates.HasDigits()) return MoveVerdict::Overwriting;
  if (solutionDigit == 0) return MoveVerdict::Trial;
  return MoveVerdict::Correct;
}

}  // namespace tessora
