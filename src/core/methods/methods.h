// The methods' shared state: the step record AdviceStep, the detector flags,
// the at-a-glance range and the method counters. The catalogue is the
// registry (methods/registry.h), the detectors are declared in
// methods/detectors.h.
#pragma once

#include <array>
#include <string>

#include "methods/record.h"
#include "methods/registry.h"

namespace tessora {

struct MethodState {
  AdviceStepRecord AdviceStep;
  bool Checking = false;
  bool RecordOnly = false;
  bool Progress = false;
  int SuggestionCount = 0;
  int GlanceFrom = 0;  // 0: holds nothing
  int GlanceTo = 0;
  std::array<std::string, 10> GlanceCells{};
  // MethodTag column 0 (tags) and column 1 (MethodUse counters).
  std::array<std::string, kMethodRows> MethodTag{};
  std::array<int, kMethodRows> MethodUse{};
};

}  // namespace tessora
