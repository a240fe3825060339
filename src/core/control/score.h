// The fine score: a number that orders schemes by how hard they are for a
// person, finer than the four words of the rating and never against them.
// Each word has its band: the whole part of the score is 1 for Easy, 2 for
// Medium, 3 for Difficult and 4 or more for Diabolic, so every Easy scheme
// scores below every Medium one, and so on. Within a band the hardest method
// the replay needed orders the schemes. A scheme that needed trials scores 5
// or more, by how its trials went: where the methods stopped, every trial
// that no solution holds is followed with the singles it leaves, wave after
// wave, until the board contradicts itself; the trials that fail in the
// fewest waves are taken as proven, the singles they leave are placed, and
// the next round begins, until the scheme is solved. More rounds, longer
// shortest trials and fewer trials that fail that soon make a higher score.
// A score is a judgement of a sound puzzle: the command line and the window
// give none to a scheme without exactly one solution.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "board/board.h"
#include "methods/registry.h"

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
  int rounds = 0;    // rounds of trials until the singles solved the scheme
  // The hardest round: the first whose shortest failing trial is the
  // longest. That length in waves (the empty cells, when no trial failed),
  // the trials followed in that round, and how many of them failed that soon.
  int hardest = 0;
  int followed = 0;
  int soonest = 0;
  bool operator==(const TrialRounds&) const = default;
};

// Follows the trials from the board where the methods stopped (above).
// `fast` keeps the board as nine per-digit sets of cells (a wave checked,
// placed and its singles found with word operations, only the digits whose
// cells changed looked at again) and follows the trials of a round side by
// side, wave by wave, none past the wave where the first fails; without it
// every trial is followed to its end on the whole board, cell by cell (the
// plain way, to check that the fast one changes nothing).
TrialRounds FollowTrials(const TrialStart& start, bool fast = true);

// How far a trial goes: digit d written in `cell` is the first wave; every
// wave after it places all the singles the board has (a cell with one
// candidate, a digit with one place in a zone that does not hold it). The
// number of the wave at which the board contradicts itself: the wave puts
// two digits in one cell or one digit twice in a zone, or, once it is
// placed, an empty cell has no candidate or a zone can no longer hold a
// digit. 0 when no single is left first, or no contradiction showed by wave
// `limit`.
int TrialDistance(const Board& board, int cell, int d, int limit, bool fast = true);

// What a score is made of.
struct ScoreTerms {
  Rating word = Rating::Easy;  // the rating's word: its band
  double method = 0;           // the weight of the hardest method the replay used
  bool trials = false;         // trials were needed: `rounds` tells how they went
  TrialRounds rounds;
};

// The terms of a scheme: the counters of its replay (methodUse) and, when
// the control needed trials, where they began (else null). The word is the
// one the rating gives those counters.
ScoreTerms TermsOf(std::span<const int> methodUse, const TrialStart* trials, bool fast = true);

// The score of its terms, rounded to two decimals: in the band of the word,
// ordered within it by the terms.
double ScoreOf(const ScoreTerms& terms);

// The bands: the lowest score of each word (Easy, Medium, Difficult,
// Diabolic), and the lowest of a scheme that needed trials.
inline constexpr double kBandFloor[4] = {1.0, 2.0, 3.0, 4.0};
inline constexpr double kTrialFloor = 5.0;

// ScoreOf(TermsOf(methodUse, trials)).
double SchemeScore(std::span<const int> methodUse, const TrialStart* trials, bool fast = true);

// A score as the window and the command line write it: two decimals ("6.87").
std::string FormatScore(double score);

}  // namespace tessora
