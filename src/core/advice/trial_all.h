// The inference rules of the trial on all candidates, on plain trial data.
// They work zone by zone: a true candidate is false in the other cells of its
// zones; a cell with one true candidate has the others false, a cell with one
// undecided candidate left and none true has it true (the trial's naked
// single); a digit true in one cell of a zone is false in the others, a digit
// with one undecided place left and none true is true there (the trial's
// hidden single). A cell or a digit that ends up with two true places, or
// with every place false, is a contradiction.
#pragma once

#include <vector>

#include "advice/trial_texts.h"

namespace tessora {

// The contradictions the zone rules find.
enum class TrialConflict : std::uint8_t {
  None = 0,
  CellTwoTrue = 1,   // a cell has more than one true candidate
  CellAllFalse = 2,  // every candidate of a cell is false
  ZoneTwoTrue = 3,   // a digit is true in more than one cell of the zone
  ZoneAllFalse = 4,  // a digit is false in every cell of the zone that has it
};

struct ZoneRulesResult {
  int changes = 0;
  TrialConflict conflict = TrialConflict::None;
  int cell = -1;  // conflicts 1 and 2: the cell
  int digit = 0;  // conflicts 3 and 4: the digit
};

// The rules in one zone, for a decided candidate (digit, mark) of `cell`.
// Changed cells are flagged and painted light green; a conflict paints its
// cell, or the whole zone, pink.
ZoneRulesResult TrialZoneRules(TrialBoard& trial, int cell, int digit, char m, int zone, TrialPaint& paint);

struct AllStep {
  int changes = 0;  // 0 with no conflict: nothing left to infer in this phase
  TrialConflict conflict = TrialConflict::None;
  int zone = -1;     // the zone of the rule that changed something or found the conflict
  int scanned = -1;  // the cell examined
  int cell = -1;     // conflicts 1 and 2
  int digit = 0;     // conflicts 3 and 4
};

// One step: the flagged cells are examined in order, each flag cleared as its
// cell is examined (the flags are a queue of changed cells), every decided
// candidate through the rules of the cell's row, column and box; the first
// rule that changes something or finds a conflict ends the step, and the
// still-white cells of its zone turn grey. `paint` starts white.
AllStep TrialAllInference(TrialBoard& trial, TrialPaint& paint);

// A contradiction the marks hold in any zone, found without changing a mark:
// the steps examine only the zones of the cells that changed, and a phase can
// run dry with every candidate decided and a zone still holding a digit true
// twice. The result reads as a step that found that contradiction (its zone
// painted as a step paints it), or holds no conflict.
AllStep FindTrialConflict(const TrialBoard& trial, TrialPaint& paint);

// The end of a false phase that proved nothing: every candidate that came out
// the same in both phases. A cell whose first true candidate is the same in
// both phases gives that placement; otherwise each candidate decided alike in
// both phases gives its mark. The cells are painted pink.
std::vector<SureMove> ComparePhases(const TrialBoard& trial, TrialPaint& paint);

}  // namespace tessora
