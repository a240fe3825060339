// The engine's control on board models: its results, its switches, and that
// the window's "Play" shows exactly what the engine returns.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "control/report.h"
#include "control/solving.h"
#include "test_support.h"

namespace tessora {
namespace {

Board Givens(const std::string& grid) {
  Board b;
  for (int i = 0; i < kCells; ++i)
    if (grid[i] >= '1' && grid[i] <= '9') b.Place(i, grid[i] - '0', Origin::Given);
  return b;
}

const std::string kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kOneTrial = "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";
const std::string kThreeTrials = "..7..4..1...9...6..4..23.....3....52..........8.29.....5.1..89.1.64....3..8.5...6";
const std::string kNoTrialWorks = "4...7......15.6...82691.....62...49......415...........5.2.....7.3.9.5........68.";
const std::string kContradicts = "34....1...2.7...8.7......53......3..5.6..1..7437............6..1..3....86..2.7.15";
const std::string kFailed = "040800000003007000520000009900508010002000400070603005700000048000900200000005090";
const std::string kSolved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Two solutions: a rectangle of two digits left open in two boxes.
const std::string kTwoSolutions = "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179";

struct Case {
  const char* name;
  const std::string& grid;
  ControlResult result;
  int trials;  // -1: any
  Rating rating;
  bool unique;
};

TEST(Engine, ControlOfSchemes) {
  const Case cases[] = {
      {"easy", kEasy, ControlResult::Solved, 0, Rating::Easy, true},
      {"one trial", kOneTrial, ControlResult::Solved, 1, Rating::Diabolic, true},
      {"three trials", kThreeTrials, ControlResult::Solved, 3, Rating::Diabolic, true},
      {"no trial works", kNoTrialWorks, ControlResult::Failed, -1, Rating::Easy, false},
      {"data contradict", kContradicts, ControlResult::Contradiction, 9, Rating::Easy, false},
      {"methods and trials fail", kFailed, ControlResult::Failed, -1, Rating::Easy, false},
  };
  for (const Case& c : cases) {
    const ControlOutcome o = ControlScheme(Givens(c.grid));
    EXPECT_EQ(o.result, c.result) << c.name;
    if (c.trials >= 0) {
      EXPECT_EQ(o.trials, c.trials) << c.name;
    }
    if (o.result != ControlResult::Solved) continue;
    EXPECT_EQ(o.rating, c.rating) << c.name;
    EXPECT_EQ(o.unique, c.unique) << c.name;
    // The solution keeps the givens and breaks no zone.
    Board solved;
    for (int i = 0; i < kCells; ++i) {
      if (c.grid[i] != '.') {
        EXPECT_EQ(o.solution[i], c.grid[i] - '0') << c.name << " " << i;
      }
      solved.Place(i, o.solution[i], Origin::Given);
    }
    EXPECT_TRUE(IsSolvedBoard(solved)) << c.name;
    // The replay fills every empty cell once.
    int placed = 0;
    for (const ReplayMove& m : o.replay.moves) placed += m.places;
    EXPECT_EQ(placed, static_cast<int>(std::count(c.grid.begin(), c.grid.end(), '.'))) << c.name;
  }
}

TEST(Engine, RepeatedValuesNameTheFirstPairAndRunNothing) {
  std::string grid = kEasy;
  grid[20] = '5';
  const ControlOutcome o = ControlScheme(Givens(grid));
  EXPECT_EQ(o.result, ControlResult::RepeatedValues);
  ASSERT_TRUE(o.repeated);
  EXPECT_EQ(*o.repeated, std::make_pair(0, 20));
  EXPECT_EQ(o.loop.suggestions, 0);
  EXPECT_EQ(ControlReport(o, 0), RepeatedValuesReport());
}

TEST(Engine, SeveralSolutionsAreToldAndAComplete) {
  const ControlOutcome two = ControlScheme(Givens(kTwoSolutions));
  ASSERT_EQ(two.result, ControlResult::Solved);
  EXPECT_FALSE(two.unique);
  EXPECT_TRUE(two.loop.severalSolutions);
  const std::vector<std::string> report = ControlReport(two, 0);
  EXPECT_NE(std::find(report.begin(), report.end(), SeveralSolutionsLines()[0]), report.end());
  const ControlOutcome full = ControlScheme(Givens(kSolved));
  ASSERT_EQ(full.result, ControlResult::Solved);
  EXPECT_TRUE(full.replay.moves.empty());
  EXPECT_EQ(ControlReport(full, 0), std::vector<std::string>{"SCHEME ALREADY SOLVED"});
}

// The switches that make the control faster change nothing it returns.
TEST(Engine, TrialPlanAndDetectorMemoryChangeNothing) {
  for (const std::string* grid : {&kEasy, &kOneTrial, &kThreeTrials, &kNoTrialWorks, &kContradicts, &kFailed}) {
    const ControlOutcome plain = [&] {
      SchemeControl o;
      o.control.useTrialPlan = false;
      o.control.useDetectorMemory = false;
      return ControlScheme(Givens(*grid), o);
    }();
    const ControlOutcome fast = ControlScheme(Givens(*grid));
    EXPECT_EQ(fast.result, plain.result) << *grid;
    EXPECT_EQ(fast.trials, plain.trials) << *grid;
    EXPECT_EQ(fast.suggestions, plain.suggestions) << *grid;
    EXPECT_EQ(fast.solution, plain.solution) << *grid;
    EXPECT_EQ(fast.replay.methodUse, plain.replay.methodUse) << *grid;
    std::vector<std::string> a, b;
    for (const ReplayMove& m : fast.replay.moves) a.push_back(MoveText(m));
    for (const ReplayMove& m : plain.replay.moves) b.push_back(MoveText(m));
    EXPECT_EQ(a, b) << *grid;
  }
}

// "Play" in the window shows what the engine returns for the same givens:
// the report, the counts, the rating and the move list.
TEST(Engine, ThePlayOfTheWindowIsTheEnginesOutcome) {
  for (const std::string* grid : {&kEasy, &kOneTrial, &kThreeTrials, &kNoTrialWorks, &kContradicts, &kTwoSolutions}) {
    const ControlOutcome o = ControlScheme(Givens(*grid));
    test::Harness h;
    Form1& f = h.form;
    test::KeyScheme(f, *grid);
    f.Click("Gioca");
    std::vector<std::string> report = f.w.ListCons.items;
    for (std::string& line : report) line = std::regex_replace(line, std::regex(R"(\(in \d+\.\d\d sec\.)"), "(in 0.00 sec.");
    EXPECT_EQ(report, ControlReport(o, 0)) << *grid;
    if (o.result != ControlResult::Solved) continue;
    EXPECT_EQ(f.control.ReportedSuggestions, o.suggestions) << *grid;
    EXPECT_EQ(f.control.TrialCount, o.trials) << *grid;
    EXPECT_EQ(DifficultyText(f.control.Difficulty), RatingText(o.rating)) << *grid;
    std::vector<std::string> moves;
    for (const ReplayMove& m : o.replay.moves) moves.push_back(MoveText(m));
    EXPECT_EQ(f.control.MoveList, moves) << *grid;
  }
}

// A trial starts again from a copy of the recorded board that is exactly
// what the board's text image gives back.
TEST(Engine, TheRecordedBoardIsTheTextImageReadBack) {
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    Board b;
    for (int i = 0; i < kCells; ++i) {
      const Origin origins[] = {Origin::None, Origin::Given, Origin::Keyed, Origin::Solver};
      const Origin o = origins[rng() % 4];
      if (rng() % 3 == 0) {
        b.SetValue(i, 1 + static_cast<int>(rng() % 9), o);
        b.Can[i] = rng() % 2 ? CandText::Filled() : CandText();
      } else {
        b.ClearValue(i, o);
        const int kind = static_cast<int>(rng() % 3);
        b.Can[i] = kind == 0 ? CandText() : CandText::FromMask(static_cast<std::uint16_t>(kind == 1 ? 0 : rng() & 0x3FE));
      }
    }
    test::Harness h;
    Form1& f = h.form;
    f.board.PlayPhase = true;
    f.control.TrialTotal = 1;
    f.TakeBoardText(b);
    f.ShowBoardText();
    const Board r = RecordedBoard(b);
    for (int i = 0; i < kCells; ++i) {
      ASSERT_EQ(f.board.Value(i), r.Value(i)) << round << " " << i;
      ASSERT_EQ(f.board.OriginOf(i), r.OriginOf(i)) << round << " " << i;
      ASSERT_EQ(f.board.Can[i], r.Can[i]) << round << " " << i;
    }
  }
}

}  // namespace
}  // namespace tessora
