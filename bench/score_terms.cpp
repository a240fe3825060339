// The terms of the fine score of every puzzle read (one 81-character grid a
// line, on standard input), as JSON lines, for bench/score_fit.py: each
// puzzle is played as `tessora-cli rate` plays it, and its replay's counters
// and first trial give the terms.
#include <iostream>
#include <string>

#include "control/score.h"
#include "control/solver.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

int main() {
  using namespace tessora;
  ScriptedPlatform platform;
  Form1 f{platform};
  f.Form_Load();
  for (std::string line; std::getline(std::cin, line);) {
    if (line.size() < 81 || line[0] == '#') continue;
    const std::string grid = line.substr(0, 81);
    std::array<int, 81> givens{};
    for (int i = 0; i < kCells; ++i) givens[i] = grid[i] >= '1' && grid[i] <= '9' ? grid[i] - '0' : 0;
    const bool unique = CountSolutions(givens, 2) == 1;
    f.Azzera_Click();
    f.DatIniz_Click();
    f.EnterGivens(grid);
    f.Gioca_Click();
    const bool solved = f.board.PlayPhase && !f.control.ControlFailed && !f.control.ContradictionSeen;
    // A failed control leaves the data phase again, its trial count reset.
    const bool trials = f.control.TrialStarted && (!solved || f.control.TrialCount > 0);
    const ScoreTerms t = TermsOf(f.methods.MethodUse, trials ? &f.control.FirstTrial : nullptr);
    const TrialRounds& r = t.rounds;
    std::cout << "{\"puzzle\":\"" << grid << "\",\"solved\":" << (solved ? "true" : "false")
              << ",\"unique\":" << (unique ? "true" : "false") << ",\"word\":" << static_cast<int>(t.word)
              << ",\"method\":" << t.method << ",\"trials\":" << (t.trials ? "true" : "false")
              << ",\"rounds\":" << r.rounds << ",\"hardest\":" << r.hardest << ",\"followed\":" << r.followed
              << ",\"soonest\":" << r.soonest << ",\"score\":" << ScoreOf(t) << "}\n";
  }
  return 0;
}
