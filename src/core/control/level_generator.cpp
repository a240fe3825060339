// Schemes of a chosen level (control/level_generator.h).
#include "control/level_generator.h"

#include <algorithm>
#include <vector>

#include "control/solver.h"

namespace tessora {

std::optional<SchemeLevel> LevelOf(const ControlOutcome& outcome) {
  if (outcome.result != ControlResult::Solved || !outcome.unique) return std::nullopt;
  if (outcome.rating == Rating::Diabolic && outcome.trials > 0) return SchemeLevel::DiabolicWithTrials;
  return static_cast<SchemeLevel>(outcome.rating);
}

double SeededRandom::Next() {
  // splitmix64: the top 53 bits of each word make the fraction.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

namespace {

int Pick(Random& random, int n) {
  const int k = static_cast<int>(random.Next() * n);
  return k < n ? k : n - 1;
}

// The cells taken away together under a symmetry: a cell and its partner, or
// a cell that is its own partner alone.
struct Orbit {
  int a = 0, b = -1;
};

std::vector<Orbit> Orbits(int kind) {
  std::vector<Orbit> v;
  for (int c = 0; c < kCells; ++c) {
    const int p = SymmetricPartner(c, kind);
    if (p < 0 || p > c) v.push_back({c, p});
  }
  return v;
}

// The unavoidable sets of two digits in a complete grid: in each zone the
// cell of one digit is tied to the cell of the other, and the digits can be
// swapped in any closed group of tied cells to give another complete grid.
// A scheme without a digit in such a group has several solutions.
std::vector<CellSet> TwoDigitSets(const Grid& solution) {
  std::vector<CellSet> sets;
  for (int a = 1; a <= 9; ++a)
    for (int b = a + 1; b <= 9; ++b) {
      // The 18 cells of the two digits, grouped by the zones that tie them.
      int group[kCells];
      for (int c = 0; c < kCells; ++c) group[c] = c;
      const auto root = [&group](int c) {
        while (group[c] != c) c = group[c] = group[group[c]];
        return c;
      };
      for (int z = 0; z < kZones; ++z) {
        int ca = -1, cb = -1;
        for (int c : ZoneCells[z]) {
          if (solution[c] == a) ca = c;
          if (solution[c] == b) cb = c;
        }
        group[root(ca)] = root(cb);
      }
      CellSet byRoot[kCells] = {};
      for (int c = 0; c < kCells; ++c)
        if (solution[c] == a || solution[c] == b) byRoot[root(c)] |= CellBit(c);
      for (const CellSet set : byRoot)
        if (set) sets.push_back(set);
    }
  return sets;
}

// The scheme and its complete grid, while cells are taken away; the scheme
// always has one solution, the grid.
class Thinning {
 public:
  // `unavoidable`: sets of cells of the grid that every scheme with one
  // solution keeps a digit of, gathered from earlier thinnings of the grid.
  Thinning(const Grid& solution, const LevelOptions& options, std::vector<CellSet>& unavoidable)
      : options_(options), unavoidable_(unavoidable) {
    for (int c = 0; c < kCells; ++c) {
      solution_[c] = grid_[c] = solution[c];
      digitCells_[solution[c]] |= CellBit(c);
    }
  }

  const std::array<int, 81>& Scheme() const { return grid_; }

  // Takes the orbit away when the scheme keeps one solution without it;
  // `singles` tells whether the singles alone finish the scheme left (looked
  // at only when a switch uses it).
  bool TryRemove(const Orbit& o, bool& singles) {
    TakeOut(o);
    if (options_.uniqueByDifference && options_.uniqueBySingles) {
      // The singles finished the scheme and put the cells taken away back
      // at once: they finish it again. Otherwise one propagation answers
      // both questions.
      if (singlesBefore_ && LeftOneDigit(o)) {
        singles = true;
        return true;
      }
      // A set every scheme with one solution keeps a digit of, left
      // without one: another solution differs from the grid there.
      if (options_.uniqueByUnavoidable)
        for (const CellSet u : unavoidable_)
          if (!(u & kept_)) {
            Restore(o);
            return false;
          }
      CellSet other = 0;
      const Removal r = CheckRemoval(grid_, solution_, o.a, o.b, &other);
      singles = r == Removal::Singles;
      if (r != Removal::Several) {
        singlesBefore_ = singles;
        return true;
      }
      // The cells where that other solution differs from the grid make such
      // a set; only the smallest are kept (a set holding another is emptied
      // only with it).
      if (options_.uniqueByUnavoidable) Learn(other);
      Restore(o);
      return false;
    }
    singles = (options_.uniqueBySingles || options_.singlesFirst) && SinglesSolve(grid_);
    if ((singles && options_.uniqueBySingles) || Unique(o)) return true;
    Restore(o);
    return false;
  }

  // Takes the orbit away again after PutBack, with no check.
  void TakeAway(const Orbit& o) {
    TakeOut(o);
    singlesBefore_ = false;
  }

  void PutBack(const Orbit& o) {
    Restore(o);
    singlesBefore_ = false;
  }

 private:
  void Learn(CellSet set) {
    for (const CellSet u : unavoidable_)
      if ((u & set) == u) return;
    std::erase_if(unavoidable_, [set](CellSet u) { return (u & set) == set; });
    unavoidable_.push_back(set);
  }

  static CellSet Cells(const Orbit& o) { return CellBit(o.a) | (o.b >= 0 ? CellBit(o.b) : CellSet{0}); }

  void TakeOut(const Orbit& o) {
    grid_[o.a] = 0;
    if (o.b >= 0) grid_[o.b] = 0;
    kept_ &= ~Cells(o);
  }

  void Restore(const Orbit& o) {
    grid_[o.a] = solution_[o.a];
    if (o.b >= 0) grid_[o.b] = solution_[o.b];
    kept_ |= Cells(o);
  }

  // The singles place `cell` at once in a scheme that holds the grid's
  // digits in `kept`: its peers hold every other digit, or every other
  // empty cell of one of its zones sees its digit.
  bool Forced(int cell, CellSet kept) const {
    unsigned seen = 0;
    for (const std::uint8_t p : kPeers[cell])
      if (kept & CellBit(p)) seen |= 1u << solution_[p];
    if (DigitCount(seen) == 8) return true;
    const int v = solution_[cell];
    CellSet covered = 0;
    ForEachCell(kept & digitCells_[v], [&covered](int p) { covered |= kPeerSets[p]; });
    const CellSet open = kAllCells & ~kept & ~CellBit(cell) & ~covered;
    return !(open & kZoneSets[RowZone(cell)]) || !(open & kZoneSets[ColZone(cell)]) ||
           !(open & kZoneSets[BoxZone(cell)]);
  }

  // The singles put the orbit's cells back at once, one after the other.
  bool LeftOneDigit(const Orbit& o) const {
    if (o.b < 0) return Forced(o.a, kept_);
    return (Forced(o.a, kept_) && Forced(o.b, kept_ | CellBit(o.a))) ||
           (Forced(o.b, kept_) && Forced(o.a, kept_ | CellBit(o.b)));
  }

  // The scheme had one solution, the grid; without the orbit's cells any
  // other solution differs from the grid in one of them.
  bool Unique(const Orbit& o) {
    if (!options_.uniqueByDifference) return CountSolutions(grid_, 2) == 1;
    if (CountSolutionsWithout(grid_, o.a, solution_[o.a], 1) > 0) return false;
    if (o.b < 0) return true;
    grid_[o.a] = solution_[o.a];
    const bool other = CountSolutionsWithout(grid_, o.b, solution_[o.b], 1) > 0;
    grid_[o.a] = 0;
    return !other;
  }

  const LevelOptions& options_;
  std::array<int, 81> solution_{};
  std::array<int, 81> grid_{};
  // The singles finish the scheme as it stands (false: not known).
  bool singlesBefore_ = true;
  std::vector<CellSet>& unavoidable_;
  CellSet kept_ = kAllCells;  // the cells that hold a digit
  std::array<CellSet, 10> digitCells_{};  // the grid's cells of each digit
};

// The control of a scheme as Play runs it, with the generator's switches.
ControlOutcome ControlOf(const std::array<int, 81>& g, const LevelOptions& options, SchemeLevel level) {
  Board board;
  for (int c = 0; c < kCells; ++c)
    if (g[c]) board.Place(c, g[c], Origin::Given);
  SchemeControl control;
  control.control.useTrialPlan = options.useTrialPlan;
  control.control.useDetectorMemory = options.useDetectorMemory;
  control.control.pause = options.pause;
  // Below the trials level a scheme that needs a trial is above the level,
  // whatever the trials would give: the control stops there.
  control.control.stopAtTrial = options.stopAtTrial && level < SchemeLevel::DiabolicWithTrials;
  control.order = options.order;
  return ControlScheme(board, control);
}

// The removal of `o` passed the level: one of the orbits taken away before
// is put back in its place, in a random order, up to options.backOffs of
// them; the first scheme that is then at the level stays (`outcome` its
// control, `gone` its orbits). The scheme keeps one solution: it holds every
// given of the one without `o`, which has one.
bool BackOff(Thinning& thinning, const Orbit& o, std::vector<Orbit>& gone, SchemeLevel level, bool singlesFirst,
             Random& random, const LevelOptions& options, int& controls, ControlOutcome& outcome) {
  const int n = static_cast<int>(gone.size());
  const int tries = std::min(n, options.backOffs);
  for (int t = 0; t < tries; ++t) {
    std::swap(gone[t], gone[t + Pick(random, n - t)]);
    const Orbit back = gone[t];
    thinning.PutBack(back);
    // The singles finish it: Medium at most, below the level.
    const bool below = singlesFirst && level >= SchemeLevel::Difficult && SinglesSolve(thinning.Scheme());
    if (!below) {
      controls += 1;
      ControlOutcome tried = ControlOf(thinning.Scheme(), options, level);
      if (LevelOf(tried) == level) {
        outcome = std::move(tried);
        gone[t] = o;
        return true;
      }
    }
    thinning.TakeAway(back);
  }
  return false;
}

// One thinning of a complete grid with a symmetry and an order of the
// orbits of its own; true, with the scheme in `s`, when it reached the level.
bool ThinToLevel(const Grid& solution, std::vector<CellSet>& unavoidable, SchemeLevel level, bool singlesFirst,
                 Random& random, const LevelOptions& options, LevelScheme& s) {
  const int kind = Pick(random, 3);
  std::vector<Orbit> orbits = Orbits(kind);
  for (int i = static_cast<int>(orbits.size()) - 1; i > 0; --i) std::swap(orbits[i], orbits[Pick(random, i + 1)]);
  // The orbits taken away in turn while the scheme keeps one solution,
  // rated as it goes: a removal that takes the scheme above the level is
  // backed off, and once the level is reached only removals that keep it
  // there stay. The scheme is the last one rated at the level.
  Thinning thinning(solution, options, unavoidable);
  bool reached = false, rated = true;
  std::array<int, 81> best{};
  ControlOutcome atLevel;
  std::vector<Orbit> gone;  // the orbits taken away and kept so far
  for (const Orbit& o : orbits) {
    bool singles = false;
    if (!thinning.TryRemove(o, singles)) continue;
    // The singles alone finish it: Easy or Medium, whatever the control
    // says. Above Medium that is below the level; at Medium it is rated
    // once the singles stop finishing it, or at the end.
    if (singles && singlesFirst && level >= SchemeLevel::Medium) {
      rated = false;
      gone.push_back(o);
      continue;
    }
    s.controls += 1;
    ControlOutcome outcome = ControlOf(thinning.Scheme(), options, level);
    const std::optional<SchemeLevel> l = LevelOf(outcome);
    const bool passed = !l || *l > level;
    if (passed && !reached && BackOff(thinning, o, gone, level, singlesFirst, random, options, s.controls, outcome)) {
      reached = rated = true;
      best = thinning.Scheme();
      atLevel = std::move(outcome);
      continue;
    }
    if (passed || (reached && *l < level)) {
      thinning.PutBack(o);
      continue;
    }
    rated = true;
    gone.push_back(o);
    if (*l == level) {
      reached = true;
      best = thinning.Scheme();
      atLevel = std::move(outcome);
    }
  }
  if (!rated && level == SchemeLevel::Medium) {
    s.controls += 1;
    ControlOutcome outcome = ControlOf(thinning.Scheme(), options, level);
    if (LevelOf(outcome) == level) {
      reached = true;
      best = thinning.Scheme();
      atLevel = std::move(outcome);
    }
  }
  if (!reached) return false;
  s.found = true;
  s.solution = solution;
  for (int c = 0; c < kCells; ++c) s.givens[c] = static_cast<std::uint8_t>(best[c]);
  s.symmetry = kind;
  s.outcome = std::move(atLevel);
  return true;
}

}  // namespace

LevelScheme CreateSchemeOfLevel(Random& random, SchemeLevel level, const LevelOptions& options) {
  LevelScheme s;
  // In the standard order the singles come before every other method.
  const bool singlesFirst = options.singlesFirst && (options.order.empty() || options.order == StandardPriorityOrder());
  while (s.thinnings < options.maxThinnings) {
    s.grids += 1;
    // A complete grid, thinned several times; what one thinning learns of
    // the grid's unavoidable sets speeds up the next.
    std::array<int, 81> grid = RandomSolvedGrid(
        [](void* r, int n) { return Pick(*static_cast<Random*>(r), n); }, &random);
    Grid solution{};
    for (int c = 0; c < kCells; ++c) solution[c] = static_cast<std::uint8_t>(grid[c]);
    std::vector<CellSet> unavoidable;
    if (options.uniqueByUnavoidable) unavoidable = TwoDigitSets(solution);
    for (int t = 0; t < options.thinningsPerGrid && s.thinnings < options.maxThinnings; ++t) {
      s.thinnings += 1;
      options.pause();
      if (ThinToLevel(solution, unavoidable, level, singlesFirst, random, options, s)) return s;
    }
  }
  return s;
}

}  // namespace tessora
