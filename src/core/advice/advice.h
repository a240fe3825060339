// State of the advice engine, of the priority order and of the candidate views.
#pragma once

#include <array>
#include <string>

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
};

}  // namespace tessora
