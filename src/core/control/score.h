// The fine score: a number that orders schemes by how hard they are for a
// person, finer than the four words of the rating. A scheme the methods
// solve scores the difficulty of the hardest method its replay needed; a
// scheme that needed trials scores by how its trials went: where the methods
// stopped, every trial that a solution does not hold is followed with the
// singles it leaves until it fails, the trials that fail soonest are taken
// as proven and the methods go on, round after round until the scheme is
// solved. The fewer and the shorter the trials a person needs at the hardest
// point, the lower the score.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "board/board.h"

namespace tessora {

// What the control recorded when its first trial began.
struct TrialStart {
  // The board as the methods left it: its values and its candidates.
  Board board;
  // Per cell, the digit a solution holds (bit d), 0 where it is not known
  // (a scheme with several solutions): every trial is followed there.
  std::array<std::uint16_t, kCells> solution{};
};

// How the trials of a scheme went, round by round.
struct TrialRounds {
  int rounds = 0;          // rounds of trials until the methods solved the scheme
  int hardest = 0;         // the longest of the rounds' shortest failing trials, in values placed
  int candidates = 0;      // the candidates on the board where the methods first stopped
  int followed = 0;        // the trials followed in the first round (the digits no solution holds)
  int failed = 0;          // those of them that failed
  double meanDistance = 0; // how far the failed ones went, on average
};

// Follows the trials from the board where the methods stopped (above).
TrialRounds FollowTrials(const TrialStart& start);

// How far a trial goes: digit d written in `cell`, then every single it
// leaves (a cell with one candidate, a digit with one place in a zone),
// placed in waves, until the board contradicts itself. The values placed
// until the contradiction showed, the trial's own included; 0 when none
// showed before no single was left or more than `limit` values were placed.
int TrialDistance(const Board& board, int cell, int d, int limit);

// The score: the replay's hardest method (methodUse, the counters of the
// replay), and, when trials were needed, the score of the trial rounds.
double SchemeScore(std::span<const int> methodUse, const TrialStart* trials);

// A score as the window and the command line write it: two decimals ("6.87").
std::string FormatScore(double score);

}  // namespace tessora
