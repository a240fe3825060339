// The candidate correction as plain data: the judgement of the candidates the
// user kept ticked, and the placing of the floating panels beside a cell.
#pragma once

#include <string>

#include "board/board.h"

namespace tessora {

enum class CorrectionVerdict {
  Unchanged,       // the kept digits are the cell's text: nothing to say
  NoRealChange,    // the same digits, the cell showed them wrapped or spaced
  AddsCandidates,  // a digit the cell does not have: refused
  LeavesNone,      // no candidate left: refused
  DropsSolution,   // the control's value of the cell removed: refused
  Exact,           // accepted, the cell's value known
  Uncontrollable,  // accepted, the cell's value needed the control's trials
};

struct CorrectionJudgement {
  CorrectionVerdict verdict = CorrectionVerdict::Unchanged;
  // The cell's new candidate text: a blank, the kept digits ascending and
  // without repeats, a blank.
  std::string newText;
  // An uncontrollable correction that drops the trial's value while no flash
  // is held: the board is to be kept in a flash first.
  bool takeFlash = false;

  bool Accepted() const {
    return verdict == CorrectionVerdict::Exact || verdict == CorrectionVerdict::Uncontrollable;
  }
  bool Refused() const {
    return verdict == CorrectionVerdict::AddsCandidates || verdict == CorrectionVerdict::LeavesNone ||
           verdict == CorrectionVerdict::DropsSolution;
  }
};

// Judges a correction of one cell: `kept` the ticked digits in the panel's
// order, `shown` the cell's caption, `can` its candidates, `solution` and
// `trialSolution` the control's digits for it (0 where it has none).
CorrectionJudgement JudgeCorrection(const std::string& kept, const std::string& shown, const CandText& can,
                                    int solution, int trialSolution, bool flashTaken);

// A panel's place moved, if need be, so that the whole panel lies inside a
// window of the given size (twips).
struct PanelPlace {
  int left = 0, top = 0;
};
PanelPlace InsideWindow(int left, int top, int width, int height, int windowWidth, int windowHeight);

}  // namespace tessora
