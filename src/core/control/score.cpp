#include "control/score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <vector>

#include "methods/detector_memory.h"
#include "methods/registry.h"

namespace tessora {

namespace {

// A trial is never followed further than this: the board has 81 cells.
constexpr int kNoLimit = kCells + 1;

// The board as a trial is followed on it: the candidates of every empty
// cell (none for a filled one) and the values.
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

constexpr bool OneDigit(unsigned m) { return m && !(m & (m - 1)); }

// TrialDistance on a board already taken apart (the copy is the trial's own).
// Every wave places the singles the previous one left: the cells whose last
// candidate it was and the digits left with one place in a zone it touched.
int Distance(Follow f, int cell, int d, int limit) {
  struct Item {
    std::uint8_t cell, digit;
  };
  Item wave[kCells], next[kCells];
  std::uint16_t wanted[kCells] = {};  // the digit a cell is listed with for the next wave
  int n = 0, placed = 0;
  wave[n++] = {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(d)};
  for (;;) {
    int m = 0;
    std::uint32_t zones = 0;
    for (int i = 0; i < n; ++i) {
      const int c = wave[i].cell, v = wave[i].digit;
      const auto bit = static_cast<std::uint16_t>(1u << v);
      wanted[c] = 0;
      if (f.value[c]) {
        if (f.value[c] != v) return placed + 1;
        continue;
      }
      if (!(f.cand[c] & bit)) return placed + 1;
      f.value[c] = static_cast<std::uint8_t>(v);
      f.cand[c] = 0;
      if (++placed > limit) return 0;
      zones |= kCellZones[c];
      for (const std::uint8_t p : kPeers[c]) {
        if (!(f.cand[p] & bit)) continue;
        const auto left = static_cast<std::uint16_t>(f.cand[p] & ~bit);
        f.cand[p] = left;
        if (!left) return placed;
        zones |= kCellZones[p];
        if (OneDigit(left) && !wanted[p]) {
          wanted[p] = left;
          next[m++] = {p, static_cast<std::uint8_t>(std::countr_zero(left))};
        }
      }
    }
    // The digits left with one place in a zone the wave touched.
    for (; zones; zones &= zones - 1) {
      const int z = std::countr_zero(zones);
      unsigned once = 0, many = 0, held = 0;
      for (const int c : ZoneCells[z]) {
        if (f.value[c]) held |= 1u << f.value[c];
        many |= once & f.cand[c];
        once |= f.cand[c];
      }
      if ((once | held) != 0x3FEu) return placed;
      for (unsigned hidden = once & ~many & ~held; hidden; hidden &= hidden - 1) {
        const auto bit = static_cast<std::uint16_t>(hidden & (0u - hidden));
        for (const int c : ZoneCells[z]) {
          if (!(f.cand[c] & bit)) continue;
          if (wanted[c] && wanted[c] != bit) return placed + 1;
          if (!wanted[c]) {
            wanted[c] = bit;
            next[m++] = {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(std::countr_zero(bit))};
          }
          break;
        }
      }
    }
    if (m == 0) return 0;
    std::copy(next, next + m, wave);
    n = m;
  }
}

// The control's methods on a board of its own, until they stop: Single Cell,
// Single Number, Hidden Single, then the fixed order. True when the board is
// complete.
bool SolveWithMethods(Board& b) {
  DetectorMemory memory;
  std::vector<const MethodRow*> order = {MethodOf(Code::USO), MethodOf(Code::CFC), MethodOf(Code::Xx1)};
  for (const MethodRow* m : ControlOrder()) order.push_back(m);
  for (;;) {
    bool found = false;
    for (const MethodRow* m : order) {
      const Step s = memory.Find(b, *m);
      if (!s.Found()) continue;
      if (s.IsPlacement()) {
        b.Place(s.cell, s.digit, Origin::Solver);
        if (!b.Propagate(s.cell, s.digit).consistent) return false;
      } else {
        b.Can[s.cell] = CandText::FromMask(s.keep);
      }
      memory.BoardChanged();
      found = true;
      break;
    }
    if (!found) return b.FilledCells() == kAllCells;
  }
}

int FilledCount(const Board& b) {
  int n = 0;
  for (int c = 0; c < kCells; ++c) n += b.Filled(c);
  return n;
}

int CandidateCount(const Board& b) {
  int n = 0;
  for (int c = 0; c < kCells; ++c)
    if (!b.Filled(c)) n += b.Can[c].Count();
  return n;
}

// The score of the trial rounds. A scheme that needs trials is harder than
// any the methods solve; beyond that each term adds what makes a person's
// trials harder: more rounds of them, a longer shortest trial at the hardest
// round, more candidates to choose from where the methods stopped, trials
// that go further before they fail, and fewer that fail at all. The weights
// were chosen so that the score orders a large sample of puzzles (the 5,008
// of ../shared/puzzles/se-stratified-100-per-rating.txt) as Sudoku
// Explainer's ratings do; bench/score_correlation.py measures it.
double TrialScore(const TrialRounds& r) {
  const double failedShare = r.followed ? static_cast<double>(r.failed) / r.followed : 1.0;
  return 4.0 + 0.3 * std::log(r.rounds + 1.0) + 0.7 * r.hardest + 0.4 * r.candidates / 100.0 +
         0.2 * r.meanDistance + 4.3 * (1.0 - failedShare);
}

}  // namespace

int TrialDistance(const Board& board, int cell, int d, int limit) {
  return Distance(FollowOf(board), cell, d, limit);
}

TrialRounds FollowTrials(const TrialStart& start) {
  TrialRounds r;
  Board b = start.board;
  r.candidates = CandidateCount(b);
  double total = 0;
  // How far each trial went in the last round (0: it did not fail), by
  // 10 * cell + digit. Trials are followed in the order of that distance:
  // those that failed soonest are likely to fail soonest again, and the
  // shortest distance found bounds how far the others are followed.
  std::array<std::uint8_t, 10 * kCells> last{};
  std::vector<std::pair<int, int>> trials;
  for (bool first = true;; first = false) {
    const Follow base = FollowOf(b);
    trials.clear();
    for (int c = 0; c < kCells; ++c)
      for (unsigned m = base.cand[c]; m; m &= m - 1) {
        const int d = std::countr_zero(m);
        if (!((start.solution[c] >> d) & 1u)) trials.emplace_back(c, d);  // a solution holds it: it cannot fail
      }
    // The first round: cells with two candidates first, their trials tend to fail soonest.
    auto rank = [&](const std::pair<int, int>& t) {
      const int l = last[10 * t.first + t.second];
      return first ? (DigitCount(base.cand[t.first]) == 2 ? 0 : 1) : (l ? l : kNoLimit);
    };
    std::stable_sort(trials.begin(), trials.end(), [&](const auto& a, const auto& b2) { return rank(a) < rank(b2); });
    int best = kNoLimit;
    std::vector<std::pair<int, int>> soonest;
    for (const auto& [c, d] : trials) {
      const int dist = Distance(base, c, d, first ? kNoLimit : best);
      last[10 * c + d] = static_cast<std::uint8_t>(dist);
      if (first) {
        ++r.followed;
        if (dist) {
          ++r.failed;
          total += dist;
        }
      }
      if (!dist || dist > best) continue;
      if (dist < best) {
        best = dist;
        soonest.clear();
      }
      soonest.emplace_back(c, d);
    }
    ++r.rounds;
    if (soonest.empty()) {
      // No trial fails with singles alone: as hard as following one through the board.
      r.hardest = std::max(r.hardest, kCells - FilledCount(b));
      break;
    }
    r.hardest = std::max(r.hardest, best);
    for (const auto& [c, d] : soonest) b.Can[c].Remove(d);
    if (SolveWithMethods(b)) break;
  }
  r.meanDistance = r.failed ? total / r.failed : 0.0;
  return r;
}

double SchemeScore(std::span<const int> methodUse, const TrialStart* trials) {
  double s = 0;
  for (const MethodRow& m : Methods())
    if (m.Counter() < static_cast<int>(methodUse.size()) && methodUse[m.Counter()] > 0) s = std::max(s, m.weight);
  if (trials) s = std::max(s, TrialScore(FollowTrials(*trials)));
  return std::round(s * 100.0) / 100.0;
}

std::string FormatScore(double score) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", score);
  return buf;
}

}  // namespace tessora
