// The texts of a control's outcome: the lines of its report on the
// blackboard and the move list's entries. The engine returns typed outcomes;
// the window and the command line both write them with these.
#pragma once

#include <string>
#include <vector>

#include "control/solving.h"

namespace tessora {

// A move of the replay as the move list writes it: "XX-Q: 'Ga' =3".
std::string MoveText(const ReplayMove& move);

// "ERROR IN CURRENT DATA!": a zone holds a value twice.
std::vector<std::string> RepeatedValuesReport();
// A value that left an empty cell without a candidate: while the control
// runs (`inData`) the data are at fault; in play, the deviation from the
// flash (its text, empty when there is none) is named too.
std::vector<std::string> ContradictionReport(bool inData, const std::string& deviation);
// The methods and the trials could not finish the scheme.
std::vector<std::string> FailureReport();
// The message box that follows that report.
inline constexpr const char* kControlFailedMessage =
    "The Control has failed: if you asked the program\r\n"
    "to create Scheme, submit a new request,\r\n"
    "if, instead, the Scheme comes from other\r\n"
    "sources, please check the Values you keyed in.";
// The report's head: its title and the time the control took, with its trials.
std::vector<std::string> ReportHead(bool reloaded, double seconds, int trials);
// "- I have 62 suggestions, to solve it."
std::string SuggestionsLine(int suggestions);
// "  Synthetic Assessment= Medium." (the rating's word as the window shows it).
std::string AssessmentLine(Rating rating);
// Two lines when the scheme has more than one solution.
std::vector<std::string> SeveralSolutionsLines();
// The report's end once the scheme is ready to be played.
std::vector<std::string> PlayNowLines();

// The whole report of a control run on a scheme of givens (the command
// line's), as the window's blackboard shows it at its end.
std::vector<std::string> ControlReport(const ControlOutcome& outcome, double seconds);

}  // namespace tessora
