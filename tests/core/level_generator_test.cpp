// Schemes of a chosen level: every scheme has one solution, keeps the
// symmetric pattern, is rated as asked when the window plays it, the trials
// level needs a trial, and the generator's switches change nothing.
#include <gtest/gtest.h>

#include <string>

#include "control/level_generator.h"
#include "control/solver.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

constexpr const char* kWords[kSchemeLevels] = {" Easy", " Medium", " Difficult", " Diabolic", " Diabolic"};

std::string Line(const Grid& g) {
  std::string s;
  for (std::uint8_t v : g) s += v ? static_cast<char>('0' + v) : '.';
  return s;
}

LevelScheme Make(SchemeLevel level, std::uint64_t seed, const LevelOptions& options = {}) {
  SeededRandom random(seed);
  return CreateSchemeOfLevel(random, level, options);
}

// A sample of each level, made with fixed seeds and played through the
// window as the user would paste it: one solution, the complete grid's
// digits in a symmetric pattern, and Play's rating the level asked for.
TEST(LevelGenerator, SchemesOfEachLevelAreUniqueSymmetricAndPlayRatesThemAsAsked) {
  for (int level = 0; level < kSchemeLevels; ++level)
    for (std::uint64_t seed : {1u, 2u, 3u}) {
      SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
      const LevelScheme s = Make(static_cast<SchemeLevel>(level), seed);
      ASSERT_TRUE(s.found);
      EXPECT_GE(s.grids, 1);
      std::array<int, 81> grid{}, solution{};
      int givens = 0;
      for (int c = 0; c < kCells; ++c) {
        grid[c] = s.givens[c];
        givens += s.givens[c] != 0;
        if (s.givens[c]) {
          EXPECT_EQ(s.givens[c], s.solution[c]) << c;
        }
        const int partner = SymmetricPartner(c, s.symmetry);
        if (partner >= 0) {
          EXPECT_EQ(s.givens[c] != 0, s.givens[partner] != 0) << c;
        }
      }
      EXPECT_EQ(CountSolutions(grid, 2, &solution), 1);
      for (int c = 0; c < kCells; ++c) EXPECT_EQ(solution[c], s.solution[c]) << c;
      EXPECT_GE(givens, 17);
      EXPECT_LT(givens, 81);
      EXPECT_EQ(LevelOf(s.outcome), static_cast<SchemeLevel>(level));

      Harness h;
      Form1& f = h.form;
      h.platform.clipboard = Line(s.givens);
      ASSERT_TRUE(f.Click("mIncolla"));
      ASSERT_TRUE(h.platform.messages.empty()) << h.platform.messages[0].text;
      EXPECT_TRUE(f.board.PlayPhase);
      EXPECT_EQ(DifficultyText(f.control.Difficulty), kWords[level]);
      EXPECT_EQ(f.control.TrialCount > 0, level == static_cast<int>(SchemeLevel::DiabolicWithTrials))
          << f.control.TrialCount;
    }
}

// "Diabolic, with trials": the methods alone cannot finish any of them, so
// the control needs at least one trial; plain Diabolic never does.
TEST(LevelGenerator, TheTrialsLevelNeedsATrialAndPlainDiabolicNone) {
  for (std::uint64_t seed = 10; seed < 16; ++seed) {
    SCOPED_TRACE(seed);
    const LevelScheme t = Make(SchemeLevel::DiabolicWithTrials, seed);
    ASSERT_TRUE(t.found);
    EXPECT_GT(t.outcome.trials, 0);
    EXPECT_EQ(t.outcome.rating, Rating::Diabolic);
    Board board;
    for (int c = 0; c < kCells; ++c)
      if (t.givens[c]) board.Place(c, t.givens[c], Origin::Given);
    SchemeControl noTrials;
    noTrials.control.creating = true;  // the methods alone, no trial
    EXPECT_NE(ControlScheme(board, noTrials).result, ControlResult::Solved);
  }
  for (std::uint64_t seed = 10; seed < 12; ++seed) {
    const LevelScheme d = Make(SchemeLevel::Diabolic, seed);
    ASSERT_TRUE(d.found);
    EXPECT_EQ(d.outcome.trials, 0) << seed;
    EXPECT_EQ(d.outcome.rating, Rating::Diabolic) << seed;
  }
}

// The speed-ups decide only what the plain path decides: with them off, the
// same seed gives the same scheme. Leaving the singles' rating to the control
// may change which Medium scheme is kept (not its level), so Medium is
// compared without that switch.
TEST(LevelGenerator, SwitchesOffGiveTheSameSchemes) {
  for (int level = 0; level < kSchemeLevels; ++level)
    for (std::uint64_t seed : {4u, 5u}) {
      SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
      const LevelScheme fast = Make(static_cast<SchemeLevel>(level), seed);
      LevelOptions plain;
      plain.uniqueByDifference = false;
      plain.uniqueBySingles = false;
      plain.singlesFirst = level == static_cast<int>(SchemeLevel::Medium);
      plain.useTrialPlan = false;
      plain.useDetectorMemory = false;
      plain.stopAtTrial = false;
      const LevelScheme slow = Make(static_cast<SchemeLevel>(level), seed, plain);
      ASSERT_TRUE(fast.found);
      ASSERT_TRUE(slow.found);
      EXPECT_EQ(Line(fast.givens), Line(slow.givens));
      EXPECT_EQ(fast.grids, slow.grids);
      EXPECT_EQ(fast.thinnings, slow.thinnings);
      EXPECT_EQ(fast.outcome.rating, slow.outcome.rating);
      EXPECT_EQ(fast.outcome.trials, slow.outcome.trials);
      if (level != static_cast<int>(SchemeLevel::Medium)) {
        EXPECT_LE(fast.controls, slow.controls);
      }
    }
  // The unavoidable sets found by earlier thinnings of a grid only say
  // early what the search would say.
  for (int level = 0; level < kSchemeLevels; ++level)
    for (std::uint64_t seed : {8u, 9u}) {
      SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed));
      LevelOptions noSets;
      noSets.uniqueByUnavoidable = false;
      const LevelScheme fast = Make(static_cast<SchemeLevel>(level), seed);
      const LevelScheme slow = Make(static_cast<SchemeLevel>(level), seed, noSets);
      ASSERT_TRUE(fast.found);
      ASSERT_TRUE(slow.found);
      EXPECT_EQ(Line(fast.givens), Line(slow.givens));
      EXPECT_EQ(fast.thinnings, slow.thinnings);
      EXPECT_EQ(fast.controls, slow.controls);
    }
  // At Medium the singles' shortcut alone: the level holds either way.
  for (std::uint64_t seed : {6u, 7u}) {
    LevelOptions plain;
    plain.singlesFirst = false;
    const LevelScheme slow = Make(SchemeLevel::Medium, seed, plain);
    ASSERT_TRUE(slow.found);
    EXPECT_EQ(LevelOf(slow.outcome), SchemeLevel::Medium);
  }
}

// The one propagation that answers both questions of a removal gives what
// the singles and a count of the solutions give, for every cell of a few
// schemes taken away alone and with its partner under each symmetry.
TEST(LevelGenerator, RemovalCheckAgreesWithTheSinglesAndACount) {
  int seen[3] = {};
  for (std::uint64_t seed : {21u, 22u, 23u}) {
    const LevelScheme s = Make(seed == 21 ? SchemeLevel::Easy : SchemeLevel::Difficult, seed);
    ASSERT_TRUE(s.found);
    std::array<int, 81> givens{}, solution{};
    for (int c = 0; c < kCells; ++c) {
      givens[c] = s.givens[c];
      solution[c] = s.solution[c];
    }
    for (int kind = -1; kind < 3; ++kind)
      for (int a = 0; a < kCells; ++a) {
        const int b = kind < 0 ? -1 : SymmetricPartner(a, kind);
        if (!givens[a] || (b >= 0 && !givens[b])) continue;
        std::array<int, 81> g = givens;
        g[a] = 0;
        if (b >= 0) g[b] = 0;
        const Removal expected = SinglesSolve(g)            ? Removal::Singles
                                 : CountSolutions(g, 2) == 1 ? Removal::Unique
                                                             : Removal::Several;
        EXPECT_EQ(CheckRemoval(g, solution, a, b), expected) << "seed " << seed << " cells " << a << " " << b;
        seen[static_cast<int>(expected)] += 1;
      }
  }
  // Each answer came up, so each was checked.
  for (int n : seen) EXPECT_GT(n, 0);
}

// A control that stops where its first trial would begin: a scheme that
// needs one is not solved and no trial is counted; one the methods finish is
// controlled exactly as without the stop.
TEST(LevelGenerator, ControlStoppingAtTheTrialChangesNothingElse) {
  for (std::uint64_t seed : {31u, 32u}) {
    for (SchemeLevel level : {SchemeLevel::DiabolicWithTrials, SchemeLevel::Diabolic, SchemeLevel::Difficult}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " level " + std::to_string(static_cast<int>(level)));
      const LevelScheme s = Make(level, seed);
      ASSERT_TRUE(s.found);
      Board board;
      for (int c = 0; c < kCells; ++c)
        if (s.givens[c]) board.Place(c, s.givens[c], Origin::Given);
      SchemeControl stop;
      stop.control.stopAtTrial = true;
      const ControlOutcome full = ControlScheme(board), stopped = ControlScheme(board, stop);
      if (level == SchemeLevel::DiabolicWithTrials) {
        EXPECT_NE(stopped.result, ControlResult::Solved);
        EXPECT_EQ(stopped.trials, 0);
        EXPECT_FALSE(LevelOf(stopped).has_value());
        continue;
      }
      EXPECT_EQ(stopped.result, full.result);
      EXPECT_EQ(stopped.rating, full.rating);
      EXPECT_EQ(stopped.suggestions, full.suggestions);
      EXPECT_EQ(stopped.solution, full.solution);
      EXPECT_EQ(stopped.replay.methodUse, full.replay.methodUse);
    }
  }
}

// A limit of thinnings that they do not meet: nothing is found, and it says
// how many grids it drew and thinned.
TEST(LevelGenerator, GivesUpAfterItsThinnings) {
  for (const int limit : {1, 3}) {
    LevelOptions options;
    options.maxThinnings = limit;
    options.thinningsPerGrid = 2;
    int found = 0;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
      const LevelScheme s = Make(SchemeLevel::Diabolic, seed, options);
      if (!s.found) {
        EXPECT_EQ(s.thinnings, limit);
        EXPECT_EQ(s.grids, (limit + 1) / 2);
      }
      EXPECT_LE(s.thinnings, limit);
      found += s.found;
    }
    EXPECT_LT(found, 8) << limit;
  }
}

TEST(LevelGenerator, SeededRandomRepeatsAndStaysInRange) {
  SeededRandom a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const double x = a.Next();
    EXPECT_EQ(x, b.Next());
    EXPECT_GE(x, 0.0);
    EXPECT_LT(x, 1.0);
    differs = differs || x != c.Next();
  }
  EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace tessora
