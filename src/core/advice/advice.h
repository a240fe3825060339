// State of the advice engine, of the priority order and of the candidate views.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "advice/trial_texts.h"

#include "methods/step.h"

namespace tessora {

constexpr int kPriorityRows = 21;

struct AdviceState {
  std::array<std::string, kPriorityRows> PriorityList{};
  int PriorityCount = 0;
  int AdviceLevel = 0;  // 'q' Method, 'r' Value, 's' Where (advice/explanations.h, level)
  bool AdviceGiven = false;
  // The step the last advice press found (or the resolving move shown), as
  // the walk returned it; AdviceStep holds it as text.
  Step Shown;
  std::string WaitText;
  int CrossCount = 0;
  std::string ChosenDigit;
  std::array<std::string, 81> NetMarks{};
  int PrioIndex = 0;  // selection index of the priority dialog
};

// State of the guided trials and of the candidate correction.
struct TrialState {
  int TrialOptionCount = 0;
  int TrialStartCell = 0;
  bool CorrectionOpen = false;
  // The cell whose candidates the open correction panel shows, -1 when none.
  int CorrectionCell = -1;
  // Every cell's trial text and marks, the cells to examine, the phase.
  TrialBoard Trial;
  std::string TrialCand;  // the starting candidate, empty until one is chosen
  int TrialStep = 0;
  std::string TrialResult;  // "true" or "false" once a contradiction or an agreement proves it
  std::vector<PairRelation> PairRelations;
  int LastRelation = -1;  // the pair that made the last change, -1 for another rule
  std::vector<SureMove> SureMoves;
  std::string SureMoveText;  // the sure moves of the phase comparison, eight characters each
};

}  // namespace tessora
