// The window's state for practice and progress: the practice position on the
// board, and the counts of the user's steps with the advice last shown.
#pragma once

#include <optional>

#include "board/board.h"
#include "control/practice.h"
#include "methods/step.h"
#include "ui/progress.h"

namespace tessora {

struct PracticeState {
  // The method chosen last (1..16), 0 before any; "Next Position" gives
  // another position of it.
  int method = 0;
  // The position loaded, while it is the board's scheme.
  bool active = false;
  PracticePosition position;
  Board start;  // the position as it was loaded (values and candidates)
  // The user found the method's step, or "Do it" played it.
  bool answered = false;
};

struct ProgressState {
  ProgressCounts counts;
  bool loaded = false;
  // The store failed: said once, then the counts go on in memory only.
  bool storeFailed = false;
  // The step the advice showed last, with the board it was shown on and the
  // most detailed level asked for it (0 when none is pending).
  Step advised;
  Board advisedOn;
  int level = 0;
};

}  // namespace tessora
