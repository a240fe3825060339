// The time the fine score takes to follow the trials alone: the first trial
// of every puzzle read (one 81-character grid a line, on standard input)
// that needs trials is recorded by the control, then FollowTrials runs on
// all of them, fast and (with --plain) the plain way, and the processor
// time per scheme is printed, with a check that both ways agree.
//   build/bench/follow_trials [--plain] [--repeat N] < FILE
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "control/score.h"
#include "control/solving.h"

namespace {

double Seconds(const std::vector<tessora::TrialStart>& starts, bool fast, int repeat,
               std::vector<tessora::TrialRounds>& out) {
  const std::clock_t t0 = std::clock();
  for (int r = 0; r < repeat; ++r) {
    out.clear();
    for (const tessora::TrialStart& s : starts) out.push_back(tessora::FollowTrials(s, fast));
  }
  return static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC / repeat;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tessora;
  bool plain = false;
  int repeat = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--plain") == 0) plain = true;
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) repeat = std::max(1, std::atoi(argv[++i]));
  }
  std::vector<TrialStart> starts;
  for (std::string line; std::getline(std::cin, line);) {
    if (line.size() < 81 || line[0] == '#') continue;
    Board board;
    for (int i = 0; i < kCells; ++i)
      if (line[i] >= '1' && line[i] <= '9') board.Place(i, line[i] - '0', Origin::Given);
    const ControlOutcome c = ControlScheme(board);
    if (c.loop.trialStarted) starts.push_back(c.loop.firstTrial);
  }
  std::vector<TrialRounds> fast, slow;
  const double f = Seconds(starts, true, repeat, fast);
  std::printf("%zu schemes with trials; fast: %.3f s, %.1f us per scheme\n", starts.size(), f,
              starts.empty() ? 0.0 : 1e6 * f / starts.size());
  if (plain) {
    const double p = Seconds(starts, false, 1, slow);
    int differ = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) differ += !(fast[i] == slow[i]);
    std::printf("plain: %.3f s, %.1f us per scheme; %d schemes differ\n", p, 1e6 * p / starts.size(), differ);
    return differ ? 1 : 0;
  }
  return 0;
}
