// The terms of the fine score of every puzzle read (one 81-character grid a
// line, on standard input), as JSON lines, for bench/score_fit.py: each
// puzzle is controlled as `tessora-cli rate` controls it, and its replay's
// counters and first trial give the terms. `--plain` follows the trials the
// plain way (to check that the fast way gives the same terms: diff the two).
#include <cstring>
#include <iostream>
#include <string>

#include "control/score.h"
#include "control/solver.h"
#include "control/solving.h"

int main(int argc, char** argv) {
  using namespace tessora;
  const bool fast = !(argc > 1 && std::strcmp(argv[1], "--plain") == 0);
  for (std::string line; std::getline(std::cin, line);) {
    if (line.size() < 81 || line[0] == '#') continue;
    const std::string grid = line.substr(0, 81);
    std::array<int, 81> givens{};
    Board board;
    for (int i = 0; i < kCells; ++i) {
      givens[i] = grid[i] >= '1' && grid[i] <= '9' ? grid[i] - '0' : 0;
      if (givens[i]) board.Place(i, givens[i], Origin::Given);
    }
    const bool unique = CountSolutions(givens, 2) == 1;
    const ControlOutcome c = ControlScheme(board);
    const bool solved = c.result == ControlResult::Solved;
    const TrialStart* first = solved ? c.FirstTrial() : (c.loop.trialStarted ? &c.loop.firstTrial : nullptr);
    const ScoreTerms t = TermsOf(c.replay.methodUse, first, fast);
    const TrialRounds& r = t.rounds;
    std::cout << "{\"puzzle\":\"" << grid << "\",\"solved\":" << (solved ? "true" : "false")
              << ",\"unique\":" << (unique ? "true" : "false") << ",\"word\":" << static_cast<int>(t.word)
              << ",\"method\":" << t.method << ",\"trials\":" << (t.trials ? "true" : "false")
              << ",\"rounds\":" << r.rounds << ",\"hardest\":" << r.hardest << ",\"followed\":" << r.followed
              << ",\"soonest\":" << r.soonest << ",\"score\":" << ScoreOf(t) << "}\n";
  }
  return 0;
}
