// The inference rules of the trial on conjugated pairs, on plain trial data.
// One step makes one inference: the cells are scanned from the first, each
// cell whose marks ever changed is examined, its decided candidates in order,
// and the first rule that changes a mark ends the scan:
//   1. the cell: a true candidate makes the cell's other candidates false;
//   2. the zone: a true candidate is false in the next cell of its row, then
//      its column, then its box that still has it undecided;
//   3. the pair: the other cell of a conjugated pair takes the opposite mark.
#pragma once

#include <vector>

#include "advice/trial_texts.h"

namespace tessora {

enum class PairRule : std::uint8_t { None, Cell, Zone, Relation };

// How a step ended the trial, if it did.
enum class TrialEnd : std::uint8_t {
  None,
  Contradiction,  // the changed cell holds two true candidates
  Agreement,      // in the false phase, a candidate of the changed cell has the same mark in both phases
};

struct PairStep {
  PairRule rule = PairRule::None;  // None: no rule changed anything
  int scanned = -1;                // the cell whose mark fired the rule
  int changed = -1;                // the cell whose marks changed
  int relation = -1;               // rule 3: the index of the pair, -1 otherwise
  TrialEnd end = TrialEnd::None;
  int digit = 0;                   // an agreement: the candidate and its common mark
  char agreed = 0;
};

// Rule 2 in one zone: the first other cell of the zone, in the zone's order,
// that has the digit undecided gets it false (and light green). Returns that
// cell, -1 when there is none.
int TrialZoneFalse(TrialBoard& trial, int cell, int digit, int zone, TrialPaint& paint);

// One inference. `paint` starts white without borders and ends with the
// step's tints: the bordered scanned cell, the zone that links it to the
// changed cell grey, the scanned cell light grey, the changed cell light
// green (pink when it ends the trial).
PairStep TrialPairsInference(TrialBoard& trial, const std::vector<PairRelation>& relations, TrialPaint& paint);

}  // namespace tessora
