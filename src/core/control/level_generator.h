// Schemes of a chosen level: "New (create) of level" and `generate
// --difficulty`. Instead of creating schemes until one happens to be rated
// as asked, the generator aims at the level: a complete grid drawn at random,
// its cells taken away in symmetric pairs, in a random order, for as long as
// the scheme keeps one solution, rated by the control as it goes: a removal
// that takes it above the level is backed off (another cell taken away
// before is put back in its place when that gives the level, else the
// removal is undone), and once the level is reached only removals that keep
// it there stay.
#pragma once

#include <optional>

#include "control/generator.h"
#include "control/solving.h"
#include "methods/scope.h"

namespace tessora {

// The levels a scheme can be asked for: the four words of the rating, and
// Diabolic schemes that the methods cannot finish without a trial.
enum class SchemeLevel { Easy, Medium, Difficult, Diabolic, DiabolicWithTrials };
constexpr int kSchemeLevels = 5;

// The level of a scheme as its control (Play's) rated it: Diabolic when the methods finished it, DiabolicWithTrials when the
// control needed a trial; nothing when the control did not finish it or the
// scheme has more than one solution.
std::optional<SchemeLevel> LevelOf(const ControlOutcome& outcome);

// Random numbers in [0, 1) from a seed, the same sequence on every machine;
// Randomize leaves the sequence as it is.
class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  void Randomize() override {}
  double Next() override;

 private:
  std::uint64_t state_;
};

struct LevelOptions {
  // The priority order Play replays in (empty: the standard order).
  PriorityOrder order;
  // With the standard order, schemes the singles solve are known to be Easy
  // or Medium without their control (off only to check that this changes
  // nothing; at Medium it may change which scheme is kept, not its level).
  bool singlesFirst = true;
  // A removal is known to keep one solution when no solution differs from
  // the grid in the cells removed (off: the solutions are counted afresh).
  bool uniqueByDifference = true;
  // A removal is known to keep one solution when the singles finish the
  // scheme without the cells removed (off: the search decides).
  bool uniqueBySingles = true;
  // Below the trials level, a control stops where its first trial would
  // begin: the scheme is above the level (off: the trials are played).
  bool stopAtTrial = true;
  // A removal is known to leave several solutions when it empties a set of
  // cells that another solution of the grid, found by an earlier check,
  // differs in (off: the search decides).
  bool uniqueByUnavoidable = true;
  // The complete grid is thinned this many times (a symmetry and an order
  // each) before another one is drawn.
  int thinningsPerGrid = 64;
  // The control's own switches.
  bool useTrialPlan = true;
  bool useDetectorMemory = true;
  // When a removal passes the level, the orbits taken away before that are
  // put back in its place, one at a time, at most this many.
  int backOffs = 12;
  // Thinnings (of the complete grids drawn) before the generator gives up.
  int maxThinnings = 100000;
  // Once per grid drawn, and where the control's scans pause.
  Pause pause;
};

struct LevelScheme {
  bool found = false;
  Grid solution{};      // the complete grid
  Grid givens{};        // the scheme: the grid's digits left, 0 where taken away
  int symmetry = 0;     // 0 central, 1 left-right, 2 top-bottom
  int grids = 0;        // complete grids drawn
  int thinnings = 0;    // thinnings of them
  int controls = 0;     // controls run
  ControlOutcome outcome;  // the scheme's control, as Play runs it
};

// A scheme of the level, with exactly one solution, that Play rates as asked.
LevelScheme CreateSchemeOfLevel(Random& random, SchemeLevel level, const LevelOptions& options = {});

}  // namespace tessora
