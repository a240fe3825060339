// The texts of a control's outcome (control/report.h).
#include "control/report.h"

#include <cstdio>

namespace tessora {

std::string MoveText(const ReplayMove& move) {
  const Step& step = move.step;
  const char* suffix = step.zone < 0 ? " " : step.zone < 9 ? "-R" : step.zone > 17 ? "-Q" : "-C";
  std::string line = MethodOf(step.code)->display;
  line += suffix;
  line += ": '";
  line += CellName(step.cell);
  line += "' =";
  if (move.places) line += static_cast<char>('0' + move.digit);
  else line += MaskDigits(move.keep);
  return line;
}

std::vector<std::string> RepeatedValuesReport() { return {"ERROR IN CURRENT DATA!", "- correct or reset."}; }

std::vector<std::string> ContradictionReport(bool inData, const std::string& deviation) {
  std::vector<std::string> lines{"- SOME WRONG MOVE ..."};
  if (inData || deviation.empty()) {
    lines.push_back("  ... anormality within initial data,");
    lines.push_back("  check them and reload.");
  }
  if (!deviation.empty()) {
    lines.push_back("  ... as soon as in the marked Cell,");
    lines.push_back("  you changed " + deviation + ".");
    lines.push_back("  Do reload the Flash (or clear all).");
  }
  return lines;
}

std::vector<std::string> FailureReport() { return {"CONTROL-CREATION RESULT", "  retry or assess."}; }

std::vector<std::string> ReportHead(bool reloaded, double seconds, int trials) {
  // "##0.00": at least one digit before the point, two after.
  char time[64];
  std::snprintf(time, sizeof time, "%.2f", seconds);
  std::string line = "  (in " + std::string(time) + " sec.";
  if (trials > 0) line += " with " + std::to_string(trials) + (trials == 1 ? " Trial)" : " Trials)");
  else line += ")";
  return {reloaded ? "SCHEME RELOADED & CONTROLLED" : "SOLVABILITY CONTROL REPORT", line};
}

std::string SuggestionsLine(int suggestions) {
  return "- I have " + std::to_string(suggestions) + " suggestions, to solve it.";
}

std::string AssessmentLine(Rating rating) { return "  Synthetic Assessment=" + std::string(RatingText(rating)) + "."; }

std::vector<std::string> SeveralSolutionsLines() {
  return {"- The scheme has more than one solution:", "  the program follows one of them."};
}

std::vector<std::string> PlayNowLines() { return {"YOU CAN PLAY NOW", "- click the buttons below for advice."}; }

std::vector<std::string> ControlReport(const ControlOutcome& o, double seconds) {
  switch (o.result) {
    case ControlResult::RepeatedValues: return RepeatedValuesReport();
    case ControlResult::Contradiction: return ContradictionReport(true, "");
    case ControlResult::Failed: return FailureReport();
    case ControlResult::Solved: break;
  }
  // A scheme given complete has nothing to play.
  if (o.givens == kCells) return {"SCHEME ALREADY SOLVED"};
  std::vector<std::string> lines = ReportHead(false, seconds, o.trials);
  lines.push_back(SuggestionsLine(o.suggestions));
  lines.push_back(AssessmentLine(o.rating));
  if (o.loop.severalSolutions)
    for (std::string& l : SeveralSolutionsLines()) lines.push_back(std::move(l));
  for (std::string& l : PlayNowLines()) lines.push_back(std::move(l));
  return lines;
}

}  // namespace tessora
