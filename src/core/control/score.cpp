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

// Every empty cell has a candidate and every zone a place for every digit.
bool Consistent(const Follow& f) {
  for (int c = 0; c < kCells; ++c)
    if (!f.value[c] && !f.cand[c]) return false;
  for (int z = 0; z < kZones; ++z) {
    unsigned held = 0;
    for (const int c : ZoneCells[z]) held |= f.cand[c] | (f.value[c] ? 1u << f.value[c] : 0u);
    if (held != kAllDigits) return false;
  }
  return true;
}

int EmptyCount(const Follow& f) {
  int n = 0;
  for (int c = 0; c < kCells; ++c) n += !f.value[c];
  return n;
}


// ---- The fast way -----------------------------------------------------------
// The same waves, kept up to date as values are placed instead of looked for
// on the whole board: per zone the digits its values hold and how many
// places each other digit has. A wave's values are placed one after the
// other; whatever they empty (a cell's last candidate, a digit's last place
// in a zone) is a contradiction of that wave, whichever value came first,
// so the trial stops there. The cells left with one candidate and the zones
// left with one place for a digit are the only new singles, looked at once
// the wave is placed.

// The row, column and box of every cell.
constexpr std::array<std::array<std::uint8_t, 3>, kCells> kZonesOf = [] {
  std::array<std::array<std::uint8_t, 3>, kCells> t{};
  for (int c = 0; c < kCells; ++c)
    t[c] = {static_cast<std::uint8_t>(RowZone(c)), static_cast<std::uint8_t>(ColZone(c)),
            static_cast<std::uint8_t>(BoxZone(c))};
  return t;
}();

struct FastBoard {
  std::array<std::uint16_t, kCells> cand;                 // none for a filled cell
  std::array<std::uint16_t, kZones> held;                 // the digits the zone's values hold
  std::array<std::array<std::uint8_t, 10>, kZones> places;  // candidates of digit d in the zone
};

FastBoard FastOf(const Follow& f) {
  FastBoard b{};
  for (int c = 0; c < kCells; ++c) {
    b.cand[c] = f.value[c] ? 0 : f.cand[c];
    for (const std::uint8_t z : kZonesOf[c]) {
      if (f.value[c]) b.held[z] |= static_cast<std::uint16_t>(1u << f.value[c]);
      for (unsigned m = b.cand[c]; m; m &= m - 1) ++b.places[z][std::countr_zero(m)];
    }
  }
  return b;
}

class FastFollower {
 public:
  // Takes the board trials are followed from; false when it contradicts
  // itself already (every trial then fails at once).
  bool Load(const FastBoard& b) {
    base_ = b;
    seedCells_.clear();
    seedZones_.clear();
    broken_ = false;
    // Its singles: the second wave of every trial places them.
    for (int c = 0; c < kCells; ++c) {
      const unsigned m = b.cand[c];
      if (m && !(m & (m - 1))) seedCells_.push_back(static_cast<std::uint8_t>(c));
    }
    for (int z = 0; z < kZones; ++z)
      for (int d = 1; d <= 9; ++d) {
        if ((b.held[z] >> d) & 1u) continue;
        if (b.places[z][d] == 0) broken_ = true;
        if (b.places[z][d] == 1) seedZones_.push_back(static_cast<std::uint16_t>(10 * z + d));
      }
    return !broken_;
  }

  // TrialDistance on the loaded board.
  int Distance(int cell, int d, int limit) {
    if (broken_) return limit >= 1 ? 1 : 0;
    board_ = base_;
    wave_.assign(1, Item{static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(d)});
    cells_ = seedCells_;
    zones_ = seedZones_;
    return Run(board_, limit);
  }

  // Removes the digits of the trials that failed soonest from the loaded
  // board and places the singles they leave, wave after wave; false when
  // the board contradicts itself.
  bool RemoveAndPlace(const std::vector<std::pair<int, int>>& proven, FastBoard& out) {
    out = base_;
    cells_ = seedCells_;
    zones_ = seedZones_;
    for (const auto& [c, d] : proven)
      if (!Remove(out, c, d)) return false;
    wave_.clear();
    if (!NextWave(out)) return true;
    return Run(out, kNoLimit) == 0;
  }

 private:
  struct Item {
    std::uint8_t cell, digit;
  };

  // Takes digit d from the candidates of an empty cell; false when that
  // empties the cell or leaves a zone no place for d.
  bool Remove(FastBoard& b, int c, int d) {
    const auto bit = static_cast<std::uint16_t>(1u << d);
    if (!(b.cand[c] & bit)) return true;
    b.cand[c] = static_cast<std::uint16_t>(b.cand[c] & ~bit);
    const unsigned left = b.cand[c];
    if (!left) return false;
    if (!(left & (left - 1))) cells_.push_back(static_cast<std::uint8_t>(c));
    for (const std::uint8_t z : kZonesOf[c]) {
      const int n = --b.places[z][d];
      if (n <= 1 && !(b.held[z] & bit)) {
        if (n == 0) return false;
        zones_.push_back(static_cast<std::uint16_t>(10 * z + d));
      }
    }
    return true;
  }

  // Places digit d in cell c; false on a contradiction.
  bool Place(FastBoard& b, int c, int d) {
    const auto bit = static_cast<std::uint16_t>(1u << d);
    const unsigned others = b.cand[c] & ~bit;
    if (!(b.cand[c] & bit)) return false;  // filled already, or d gone from it in this wave
    b.cand[c] = 0;
    for (const std::uint8_t z : kZonesOf[c]) {
      b.held[z] |= bit;
      --b.places[z][d];
    }
    for (unsigned m = others; m; m &= m - 1) {
      const int e = std::countr_zero(m);
      for (const std::uint8_t z : kZonesOf[c]) {
        const int n = --b.places[z][e];
        if (n <= 1 && !((b.held[z] >> e) & 1u)) {
          if (n == 0) return false;
          zones_.push_back(static_cast<std::uint16_t>(10 * z + e));
        }
      }
    }
    for (const std::uint8_t p : kPeers[c])
      if (b.cand[p] & bit)
        if (!Remove(b, p, d)) return false;
    return true;
  }

  // The next wave: the new singles that still stand. False when there is none.
  bool NextWave(const FastBoard& b) {
    wave_.clear();
    auto add = [&](int c, int d) {
      const auto bit = static_cast<std::uint16_t>(1u << d);
      if (wanted_[c] & bit) return;
      wanted_[c] |= bit;
      wave_.push_back({static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)});
    };
    for (const std::uint8_t c : cells_) {
      const unsigned m = b.cand[c];
      if (m && !(m & (m - 1))) add(c, std::countr_zero(m));
    }
    for (const std::uint16_t zd : zones_) {
      const int z = zd / 10, d = zd % 10;
      if (((b.held[z] >> d) & 1u) || b.places[z][d] != 1) continue;
      for (const int c : ZoneCells[z])
        if ((b.cand[c] >> d) & 1u) {
          add(c, d);
          break;
        }
    }
    for (const Item& it : wave_) wanted_[it.cell] = 0;
    cells_.clear();
    zones_.clear();
    return !wave_.empty();
  }

  // Places wave after wave from wave_: the number of the wave that
  // contradicts itself, 0 when none does by wave `limit` or no single is left.
  int Run(FastBoard& b, int limit) {
    for (int k = 1; k <= limit; ++k) {
      for (const Item& it : wave_)
        if (!Place(b, it.cell, it.digit)) return k;
      if (!NextWave(b)) return 0;
    }
    return 0;
  }

  FastBoard base_{}, board_{};
  bool broken_ = false;
  std::vector<std::uint8_t> seedCells_;
  std::vector<std::uint16_t> seedZones_;
  std::vector<Item> wave_;
  std::vector<std::uint8_t> cells_;    // cells left with one candidate in this wave
  std::vector<std::uint16_t> zones_;   // 10 * zone + digit: a digit left with one place in this wave
  std::array<std::uint16_t, kCells> wanted_{};  // the digits a cell is listed with in the next wave
};

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

int TrialDistance(const Board& board, int cell, int d, int limit, bool fast) {
  if (!fast) return Distance(FollowOf(board), cell, d, limit);
  FastFollower follower;
  follower.Load(FastOf(FollowOf(board)));
  return follower.Distance(cell, d, limit);
}

TrialRounds FollowTrials(const TrialStart& start, bool fast) {
  TrialRounds r;
  Follow plain = FollowOf(start.board);
  FastBoard quick = FastOf(plain);
  FastFollower follower;
  // The fast way follows the trials likely to fail soonest first, so that
  // the shortest failure found bounds how far the others are followed: in
  // the first round those of cells with two candidates, then those that
  // failed soonest in the round before (with fewer candidates a trial fails
  // no later than it did).
  std::array<std::uint8_t, 10 * kCells> last{};
  std::vector<std::pair<int, int>> trials, soonest;
  for (bool first = true;; first = false) {
    const std::array<std::uint16_t, kCells>& cand = fast ? quick.cand : plain.cand;
    trials.clear();
    for (int c = 0; c < kCells; ++c)
      for (unsigned m = cand[c]; m; m &= m - 1) {
        const int d = std::countr_zero(m);
        if (!((start.solution[c] >> d) & 1u)) trials.emplace_back(c, d);  // a solution holds it: it cannot fail
      }
    if (trials.empty()) break;
    bool broken = false;
    if (fast) {
      broken = !follower.Load(quick);
      auto rank = [&](const std::pair<int, int>& t) {
        if (first) return DigitCount(cand[t.first]) == 2 ? 0 : 1;
        const int l = last[10 * t.first + t.second];
        return l ? l : kNoLimit;
      };
      std::stable_sort(trials.begin(), trials.end(), [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    }
    int best = kNoLimit;
    soonest.clear();
    for (const auto& [c, d] : trials) {
      int dist;
      if (fast) {
        dist = follower.Distance(c, d, best);
        last[10 * c + d] = static_cast<std::uint8_t>(dist);
      } else {
        dist = Distance(plain, c, d, kNoLimit);
      }
      if (!dist || dist > best) continue;
      if (dist < best) {
        best = dist;
        soonest.clear();
      }
      soonest.emplace_back(c, d);
    }
    ++r.rounds;
    int empty = 0;
    for (int c = 0; c < kCells; ++c) empty += fast ? quick.cand[c] != 0 : !plain.value[c];
    // No trial fails with singles alone: as hard as following one through the board.
    const int length = soonest.empty() ? empty : best;
    if (length > r.hardest) {
      r.hardest = length;
      r.followed = static_cast<int>(trials.size());
      r.soonest = static_cast<int>(soonest.size());
    }
    if (soonest.empty()) break;
    if (fast) {
      if (broken || !follower.RemoveAndPlace(soonest, quick)) break;
      empty = 0;
      for (int c = 0; c < kCells; ++c) empty += quick.cand[c] != 0;
    } else {
      for (const auto& [c, d] : soonest) plain.cand[c] &= static_cast<std::uint16_t>(~(1u << d));
      if (!Consistent(plain) || !PlaceSingles(plain)) break;
      empty = EmptyCount(plain);
    }
    if (empty == 0) break;
  }
  return r;
}

ScoreTerms TermsOf(std::span<const int> methodUse, const TrialStart* trials, bool fast) {
  ScoreTerms t;
  t.word = Rate(methodUse, trials ? 1 : 0, false);
  for (const MethodRow& m : Methods())
    if (m.Counter() < static_cast<int>(methodUse.size()) && methodUse[m.Counter()] > 0)
      t.method = std::max(t.method, m.weight);
  if (trials) {
    t.trials = true;
    t.rounds = FollowTrials(*trials, fast);
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

double SchemeScore(std::span<const int> methodUse, const TrialStart* trials, bool fast) {
  return ScoreOf(TermsOf(methodUse, trials, fast));
}

std::string FormatScore(double score) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", score);
  return buf;
}

}  // namespace tessora
