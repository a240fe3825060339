// The print sheet of a scheme file without the window: the scheme read as
// "Open" reads it, the solvability control run as "Open" runs it, and the
// rows and moves the sheet shows taken from the control's outcome.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "control/solving.h"
#include "files/scheme_format.h"

namespace tessora {

struct SchemeSheetOutcome {
  // RepeatedValues, Contradiction and Failed leave no sheet.
  ControlResult result = ControlResult::Failed;
  // The value rows the sheet's grid shows: the file's own.
  std::array<std::string, 9> rows{};
  // The moves of the control's replay, as the move list writes them.
  std::vector<std::string> moves;
};

// The control of a scheme read from a file (ParseSud or ParseSs), as "Open"
// plays it on the window: a plain scheme's values are givens; a saved game
// comes with its marks and candidates.
SchemeSheetOutcome ControlSchemeForSheet(const SchemeText& text);

}  // namespace tessora
