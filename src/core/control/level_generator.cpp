// Schemes of a chosen level (control/level_generator.h).
#include "control/level_generator.h"

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

// The scheme and its complete grid, while cells are taken away.
class Thinning {
 public:
  Thinning(const Grid& solution, const LevelOptions& options) : options_(options) {
    for (int c = 0; c < kCells; ++c) solution_[c] = grid_[c] = solution[c];
  }

  // Takes the orbit away when the scheme keeps one solution without it.
  bool TryRemove(const Orbit& o) {
    grid_[o.a] = 0;
    if (o.b >= 0) grid_[o.b] = 0;
    if (Unique(o)) return true;
    grid_[o.a] = solution_[o.a];
    if (o.b >= 0) grid_[o.b] = solution_[o.b];
    return false;
  }

 private:
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
};

// The schemes along one way of thinning a grid: scheme k has the first k
// orbits of the way taken away; each has one solution (the last one has, and
// any scheme with more givens than a scheme of one solution has one too).
class Way {
 public:
  Way(const Grid& solution, std::vector<Orbit> removed, const LevelOptions& options, int& controls)
      : solution_(solution), removed_(std::move(removed)), options_(options), controls_(controls) {}

  int Length() const { return static_cast<int>(removed_.size()); }

  Grid Scheme(int k) const {
    Grid g = solution_;
    for (int i = 0; i < k; ++i) {
      g[removed_[i].a] = 0;
      if (removed_[i].b >= 0) g[removed_[i].b] = 0;
    }
    return g;
  }

  // Whether scheme k is rated above `level` (a scheme the control cannot
  // finish counts as above every level); its outcome is kept when run.
  bool Above(int k, SchemeLevel level) {
    const Grid g = Scheme(k);
    if (options_.singlesFirst && level >= SchemeLevel::Medium) {
      std::array<int, 81> grid{};
      for (int c = 0; c < kCells; ++c) grid[c] = g[c];
      // Solved by singles: Easy or Medium.
      if (SinglesSolve(grid)) return false;
    }
    const ControlOutcome& o = Control(k);
    const std::optional<SchemeLevel> l = LevelOf(o);
    return !l || *l > level;
  }

  const ControlOutcome& Control(int k) {
    if (k != controlled_) {
      const Grid g = Scheme(k);
      Board board;
      for (int c = 0; c < kCells; ++c)
        if (g[c]) board.Place(c, g[c], Origin::Given);
      SchemeControl control;
      control.control.useTrialPlan = options_.useTrialPlan;
      control.control.useDetectorMemory = options_.useDetectorMemory;
      control.control.pause = options_.pause;
      outcome_ = ControlScheme(board, control);
      controlled_ = k;
      controls_ += 1;
    }
    return outcome_;
  }

 private:
  Grid solution_;
  std::vector<Orbit> removed_;
  const LevelOptions& options_;
  int& controls_;
  int controlled_ = -1;
  ControlOutcome outcome_;
};

}  // namespace

LevelScheme CreateSchemeOfLevel(Random& random, SchemeLevel level, const LevelOptions& options) {
  LevelScheme s;
  while (s.grids < options.maxGrids) {
    s.grids += 1;
    options.pause();
    // A complete grid, a symmetry, and the orbits in a random order.
    std::array<int, 81> grid = RandomSolvedGrid(
        [](void* r, int n) { return Pick(*static_cast<Random*>(r), n); }, &random);
    Grid solution{};
    for (int c = 0; c < kCells; ++c) solution[c] = static_cast<std::uint8_t>(grid[c]);
    const int kind = Pick(random, 3);
    std::vector<Orbit> orbits = Orbits(kind);
    for (int i = static_cast<int>(orbits.size()) - 1; i > 0; --i) std::swap(orbits[i], orbits[Pick(random, i + 1)]);
    // Every orbit whose removal keeps one solution, in that order.
    Thinning thinning(solution, options);
    std::vector<Orbit> removed;
    for (const Orbit& o : orbits)
      if (thinning.TryRemove(o)) removed.push_back(o);
    Way way(solution, std::move(removed), options, s.controls);
    // The last scheme must reach the level; then the point where the way
    // passes it is found by halving: scheme lo is not above the level,
    // scheme hi is.
    const int n = way.Length();
    int lo = 0, hi = n;
    if (!way.Above(n, level)) {
      lo = n;
    } else {
      while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (way.Above(mid, level)) hi = mid;
        else lo = mid;
      }
    }
    if (lo == 0) continue;
    const std::optional<SchemeLevel> got = LevelOf(way.Control(lo));
    if (got != level) continue;
    s.found = true;
    s.solution = solution;
    s.givens = way.Scheme(lo);
    s.symmetry = kind;
    s.outcome = way.Control(lo);
    return s;
  }
  return s;
}

}  // namespace tessora
