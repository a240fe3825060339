// The speed-ups of the solvability control must change nothing that can be
// seen: the detector memory of the solving loop and the replay, the glance
// that remembers its hatchings, and the exact solution counter behind the
// trial plan. All on the board model; what the window shows with and without
// them is checked in speedups_window_test.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board_support.h"
#include "control_schemes.h"
#include "control/report.h"
#include "control/solver.h"
#include "control/solving.h"
#include "methods/detector_memory.h"
#include "methods/record.h"

namespace tessora {
namespace {

// Everything the control of a scheme returns, as one text.
std::string Outcome(const ControlOutcome& o) {
  std::string s = std::to_string(static_cast<int>(o.result)) + "/" + std::to_string(o.trials) + "/" +
                  std::to_string(o.suggestions) + "/" + std::to_string(static_cast<int>(o.rating)) + "/" +
                  std::to_string(o.unique) + "|";
  for (int d : o.solution) s += static_cast<char>('0' + d);
  s += "|" + test::AllValues(o.loop.board) + "|" + test::AllCan(o.loop.board) + "|";
  for (const ReplayMove& m : o.replay.moves) s += MoveText(m) + "|";
  for (const Step& st : o.replay.recorded) {
    const test::StepParts p = test::PartsOf(st);
    s += std::to_string(static_cast<int>(p.code)) + "," + std::to_string(p.cell) + "," + p.keep + ";";
  }
  for (int v : o.replay.methodUse) s += std::to_string(v) + ",";
  return s;
}

void ExpectSameWithAndWithoutMemory(const PriorityOrder& order) {
  int schemes = 0;
  for (const std::string& grid : test::Schemes()) {
    std::string outcomes[2];
    for (int memory = 0; memory < 2; ++memory) {
      SchemeControl options;
      options.control.useDetectorMemory = memory == 1;
      options.order = order;
      outcomes[memory] = Outcome(ControlScheme(test::Givens(grid), options));
    }
    EXPECT_TRUE(outcomes[0] == outcomes[1]) << grid << "\n" << test::FirstDifference(outcomes[0], outcomes[1]);
    ++schemes;
  }
  EXPECT_GE(schemes, 20);
}

TEST(DetectorMemory, ControlAndReplayOnTheEngineAsWithoutIt) { ExpectSameWithAndWithoutMemory({}); }

// The replay walks the methods in the user's order: reversed, the later
// detectors run first and on every step.
TEST(DetectorMemory, ReplayInAnotherPriorityOrderOnTheEngineAsWithoutIt) {
  PriorityOrder order = StandardPriorityOrder();
  std::reverse(order.begin(), order.end());
  ExpectSameWithAndWithoutMemory(order);
}

// A step as the record writes it, with whether one was found.
std::string Described(const Step& s) {
  AdviceStepRecord r;
  WriteRecord(r, s);
  return std::to_string(s.Found()) + "|" + r.code + "|" + r.value + "|" + r.cell + "|" + r.zone;
}

// The glance that remembers its hatchings between walks gives the plain
// scan's outcome whatever happened to the board in between: values placed
// one at a time, a value taken back or changed (the hatchings start afresh),
// several cells changed at once.
TEST(DetectorMemory, GlanceAsThePlainScanThroughBoardChanges) {
  Board board;
  const std::string grid = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  for (int c = 0; c < kCells; ++c)
    if (grid[c] != '.') board.SetValue(c, grid[c] - '0', Origin::Given);
  const MethodRow& glance = *MethodOf(Code::ZOB);
  DetectorMemory memory;
  auto expectSame = [&](const char* when) {
    EXPECT_EQ(Described(memory.Find(board, glance)), Described(FindAtGlance(board))) << when;
  };
  expectSame("start");
  // Values placed one at a time, as the replay places them.
  for (int step = 0; step < 12; ++step) {
    const Step s = FindAtGlance(board);
    ASSERT_TRUE(s.Found());
    board.SetValue(s.cell, s.digit, Origin::Solver);
    expectSame("placed");
  }
  // A value taken back, then one changed.
  int placed = 0;
  while (board.OriginOf(placed) != Origin::Solver) ++placed;
  board.ClearValue(placed);
  expectSame("emptied");
  int given = 0;
  while (!board.Filled(given)) ++given;
  board.SetValue(given, board.Value(given) % 9 + 1, Origin::Given);
  expectSame("changed");
  // Several cells changed at once.
  board.SetValue(given, board.Value(given) % 9 + 1, Origin::Given);
  board.ClearValue(given == 0 ? 1 : 0);
  board.ClearValue(80);
  expectSame("several changed");
}

std::array<int, 81> Grid(const std::string& text) {
  std::array<int, 81> g{};
  for (int i = 0; i < kCells; ++i) g[i] = text[i] >= '1' && text[i] <= '9' ? text[i] - '0' : 0;
  return g;
}

TEST(Solver, CountsSolutionsUpToTheLimit) {
  struct Case {
    const char* grid;
    int limit;
    int solutions;
  } cases[] = {
      {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", 2, 1},
      {"8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..", 2, 1},
      {".................................................................................", 2, 2},
      {".................................................................................", 5, 5},
      // Two 5s in the first row.
      {"55...............................................................................", 2, 0},
      // Every given fits, yet no solution: cell 8 has no digit left.
      {"12345678.........9...............................................................", 2, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CountSolutions(Grid(c.grid), c.limit), c.solutions) << c.grid;
}

TEST(Solver, GivesTheSolutionOfAUniqueScheme) {
  std::array<int, 81> solution{};
  ASSERT_EQ(CountSolutions(Grid("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"),
                           2, &solution),
            1);
  std::string text;
  for (int d : solution) text += static_cast<char>('0' + d);
  EXPECT_EQ(text, "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
}

}  // namespace
}  // namespace tessora
