#include "control/score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tessora {

namespace {

// A trial is never followed further than this: the board has 81 cells, and
// every wave but the last fills at least one.
constexpr int kNoLimit = kCells + 1;

constexpr std::uint16_t kAllDigits = 0x3FE;

// The board as trials are followed on it: the candidates of every empty cell
// (none for a filled one) and the values.
struct Follow {
  std::array<std::uint16_t, kCells> cand;
  std::array<std::uint8_t, kCells> value;
};

Follow FollowOf(const Board& b) {
  Follow f;
  for (int c = 0; c < kCells; ++c) {
    f.value[c] = static_cast<std::uint8_t>(b.Value(c));
    f.cand[c] = b.Filled(c) ? 0 : b.Can[c].Mask();
  }
  return f;
}

// What a wave writes: per cell, the digits it puts there (bit d).
using Wave = std::array<std::uint16_t, kCells>;

// Places a wave; false when the board contradicts itself: two digits in one
// cell, one digit twice in a zone, a digit that is not a candidate of its
// cell, then an empty cell left without a candidate or a zone that can no
// longer hold a digit.
bool PlaceWave(Follow& f, const Wave& wave) {
  for (int c = 0; c < kCells; ++c) {
    const unsigned w = wave[c];
    if (!w) continue;
    if (w & (w - 1)) return false;
    if (f.value[c] || !(f.cand[c] & w)) return false;
  }
  for (int z = 0; z < kZones; ++z) {
    unsigned seen = 0;
    for (const int c : ZoneCells[z]) {
      if (seen & wave[c]) return false;
      seen |= wave[c];
    }
  }
  for (int c = 0; c < kCells; ++c) {
    if (!wave[c]) continue;
    f.value[c] = static_cast<std::uint8_t>(std::countr_zero(wave[c]));
    f.cand[c] = 0;
  }
  for (int c = 0; c < kCells; ++c)
    if (wave[c])
      for (const std::uint8_t p : kPeers[c]) f.cand[p] &= static_cast<std::uint16_t>(~wave[c]);
  for (int c = 0; c < kCells; ++c)
    if (!f.value[c] && !f.cand[c]) return false;
  for (int z = 0; z < kZones; ++z) {
    unsigned held = 0;
    for (const int c : ZoneCells[z]) held |= f.cand[c] | (f.value[c] ? 1u << f.value[c] : 0u);
    if (held != kAllDigits) return false;
  }
  return true;
}

// Every single of the board: an empty cell with one candidate, a digit with
// one place in a zone that does not hold it. False when there is none.
bool Singles(const Follow& f, Wave& wave) {
  wave.fill(0);
  bool any = false;
  for (int c = 0; c < kCells; ++c) {
    const unsigned m = f.cand[c];
    if (!f.value[c] && m && !(m & (m - 1))) {
      wave[c] |= static_cast<std::uint16_t>(m);
      any = true;
    }
  }
  for (int z = 0; z < kZones; ++z)
    for (int d = 1; d <= 9; ++d) {
      int places = 0, at = -1;
      bool held = false;
      for (const int c : ZoneCells[z]) {
        held |= f.value[c] == d;
        if ((f.cand[c] >> d) & 1u) {
          ++places;
          at = c;
        }
      }
      if (!held && places == 1) {
        wave[at] |= static_cast<std::uint16_t>(1u << d);
        any = true;
      }
    }
  return any;
}

int Distance(Follow f, int cell, int d, int limit) {
  Wave wave{};
  wave[cell] = static_cast<std::uint16_t>(1u << d);
  for (int k = 1; k <= limit; ++k) {
    if (!PlaceWave(f, wave)) return k;
    if (!Singles(f, wave)) return 0;
  }
  return 0;
}

// Places the singles wave after wave until none is left; false when the
// board contradicts itself.
bool PlaceSingles(Follow& f) {
  for (Wave wave; Singles(f, wave);)
    if (!PlaceWave(f, wave)) return false;
  return true;
}

int EmptyCount(const Follow& f) {
  int n = 0;
  for (int c = 0; c < kCells; ++c) n += !f.value[c];
  return n;
}

// The weights of the trial rounds, what makes a person's trials harder: more
// rounds of them, a longer shortest trial at the hardest round, and fewer
// trials that fail that soon among those there are. They were fitted so that
// the score orders the 5,008 puzzles of a public collection rated by Sudoku
// Explainer (100 per rating) as its ratings do; bench/score_fit.py fits
// them, bench/score_correlation.py measures the result.
constexpr double kRoundsWeight = 0.48;
constexpr double kHardestWeight = 1.0;
constexpr double kRarityWeight = 0.40;

// Within the band of a word, the hardest method's weight (1.0 to 5.4, on the
// scale of Sudoku Explainer's ratings) takes the scheme up to 0.9 above the
// band's floor.
constexpr double kMethodSpan = 5.0;

double TrialScore(const TrialRounds& r) {
  const double rarity = r.followed > 0 ? std::log(static_cast<double>(r.followed) / std::max(r.soonest, 1)) : 0.0;
  return kTrialFloor + kRoundsWeight * std::log(r.rounds + 1.0) + kHardestWeight * std::max(r.hardest - 1, 0) +
         kRarityWeight * std::max(rarity, 0.0);
}

}  // namespace

int TrialDistance(const Board& board, int cell, int d, int limit) {
  return Distance(FollowOf(board), cell, d, limit);
}

TrialRounds FollowTrials(const TrialStart& start) {
  TrialRounds r;
  Follow b = FollowOf(start.board);
  std::vector<std::pair<int, int>> trials, soonest;
  for (;;) {
    trials.clear();
    for (int c = 0; c < kCells; ++c)
      for (unsigned m = b.cand[c]; m; m &= m - 1) {
        const int d = std::countr_zero(m);
        if (!((start.solution[c] >> d) & 1u)) trials.emplace_back(c, d);  // a solution holds it: it cannot fail
      }
    if (trials.empty()) break;
    int best = kNoLimit;
    soonest.clear();
    for (const auto& [c, d] : trials) {
      const int dist = Distance(b, c, d, kNoLimit);
      if (!dist || dist > best) continue;
      if (dist < best) {
        best = dist;
        soonest.clear();
      }
      soonest.emplace_back(c, d);
    }
    ++r.rounds;
    // No trial fails with singles alone: as hard as following one through the board.
    const int length = soonest.empty() ? EmptyCount(b) : best;
    if (length > r.hardest) {
      r.hardest = length;
      r.followed = static_cast<int>(trials.size());
      r.soonest = static_cast<int>(soonest.size());
    }
    if (soonest.empty()) break;
    for (const auto& [c, d] : soonest) b.cand[c] &= static_cast<std::uint16_t>(~(1u << d));
    if (!PlaceSingles(b) || EmptyCount(b) == 0) break;
  }
  return r;
}

ScoreTerms TermsOf(std::span<const int> methodUse, const TrialStart* trials) {
  ScoreTerms t;
  t.word = Rate(methodUse, trials ? 1 : 0, false);
  for (const MethodRow& m : Methods())
    if (m.Counter() < static_cast<int>(methodUse.size()) && methodUse[m.Counter()] > 0)
      t.method = std::max(t.method, m.weight);
  if (trials) {
    t.trials = true;
    t.rounds = FollowTrials(*trials);
  }
  return t;
}

double ScoreOf(const ScoreTerms& t) {
  double s;
  if (t.trials) {
    s = TrialScore(t.rounds);
  } else {
    const double within = std::clamp((t.method - 1.0) / kMethodSpan, 0.0, 0.9);
    s = kBandFloor[static_cast<int>(t.word)] + within;
  }
  return std::round(s * 100.0) / 100.0;
}

double SchemeScore(std::span<const int> methodUse, const TrialStart* trials) {
  return ScoreOf(TermsOf(methodUse, trials));
}

std::string FormatScore(double score) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", score);
  return buf;
}

}  // namespace tessora
