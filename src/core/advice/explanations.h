// What the advice says about a step: the numbered explanation of its method,
// the pattern's detail and the action, as blackboard lines. The texts are
// data, one row per internal code; the words that depend on the step (the
// line of a crossing or a lock, the lines of a fish) are filled in from the
// step record.
#pragma once

#include <string>
#include <vector>

#include "methods/record.h"
#include "methods/step.h"

namespace tessora {

// The three advice levels, stored as the characters the window keeps.
namespace level {
constexpr int Method = 'q';  // "Method ?": the explanation only
constexpr int Value = 'r';   // "Value ?": with the detail and the action
constexpr int Where = 's';   // "Where ?": the same, and the board painted
}  // namespace level

// One code's texts. Lines may hold "{line}" (the word "Row" or "Column" of
// the step's zone), "{base}" and "{cover}" (the fish's lines and the lines
// it clears, "Rows"/"Columns").
struct Explanation {
  Code code;
  std::vector<const char*> lines;  // the explanation, one blackboard line each
  const char* detailPrefix;        // the detail line's start, or null when it has none
  bool removes;                    // the action removes candidates (else it writes the value)
};

// The row of a code; null for Code::None and the control's trial.
const Explanation* ExplanationOf(Code code);

// The blackboard lines of a step at a level: the explanation lines, then at
// the Value and Where levels the detail line (when the code has one) and the
// action line, whose value and removed digits are the record's texts as
// they stand (blanks included). Nothing for a code without explanation.
std::vector<std::string> AdviceLines(Code code, const AdviceStepRecord& record, int adviceLevel);

// The five lines shown when no method gives a step.
const std::vector<std::string>& NoMethodLines();

}  // namespace tessora
