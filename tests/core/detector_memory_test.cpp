// The speed-ups of the solvability control must change nothing that can be
// seen: the detector memory of the solving loop and the replay, the walk that
// paints the cells white only when they are not, and the exact solution
// counter behind the trial plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "control/solver.h"
#include "methods/detector_memory.h"
#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;

std::string Joined(const SolutionDigits& solution) {
  std::string s;
  for (int c = 0; c < kCells; ++c) s += (solution.Text(c).empty() ? "_" : solution.Text(c)) + "|";
  return s;
}

std::string Joined(const std::array<std::string, kCells>& a) {
  std::string s;
  for (const auto& x : a) s += (x.empty() ? "_" : x) + "|";
  return s;
}

// Everything the control leaves behind, the counts of event processing and
// repaints included.
std::string Outcome(Harness& h) {
  Form1& f = h.form;
  std::string s = DumpState(f) + Joined(f.board.Solution) + Joined(f.board.TrialSolution) +
                  Joined(f.board.CaptionSnapshot) + std::to_string(f.control.TrialIndex) + "/" +
                  std::to_string(f.control.TrialCount) + "/" + std::to_string(h.platform.doEventsCalls) + "/" +
                  std::to_string(h.platform.repaints);
  for (const std::string& line : f.control.MoveList) s += line + "|";
  for (int v : f.methods.MethodUse) s += std::to_string(v) + ",";
  return s;
}

// Schemes from easy to ones that need several trials. The last one once
// showed that hidden twins reduced while the scan goes on open new findings
// in the zones of the reduced cells.
std::vector<std::string> Schemes() {
  std::vector<std::string> schemes = {
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
      "..9.....5..6.78.9.4.....3....1..74...7.....1...52..8....8.....6.2.39.1..1.....3..",
      "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
      "85.....7.....41...3..........1...4.6.7.5...........2..742.6.......8...3..........",
      "4...7......15.6...82691.....62...49......415...........5.2.....7.3.9.5........68.",
  };
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/control/trial_schemes.txt");
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') schemes.push_back(line.substr(0, 81));
  return schemes;
}

// Where two outcomes part, with a little context (the whole dump is long).
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t from = i < 60 ? 0 : i - 60;
  return "at " + std::to_string(i) + ": ..." + a.substr(from, 120) + "\nversus ..." + b.substr(from, 120);
}

void ExpectSameWithAndWithoutMemory(void (*arrange)(Form1&)) {
  int schemes = 0;
  for (const std::string& grid : Schemes()) {
    std::string outcomes[2];
    for (int memory = 0; memory < 2; ++memory) {
      Harness h;
      h.form.control.UseDetectorMemory = memory == 1;
      arrange(h.form);
      test::KeyScheme(h.form, grid);
      h.form.Click("Gioca");
      outcomes[memory] = Outcome(h);
    }
    EXPECT_TRUE(outcomes[0] == outcomes[1]) << grid << "\n" << FirstDifference(outcomes[0], outcomes[1]);
    ++schemes;
  }
  EXPECT_GE(schemes, 20);
}

TEST(DetectorMemory, ControlAndReplayAsWithoutIt) {
  ExpectSameWithAndWithoutMemory([](Form1&) {});
}

// The replay walks the methods in the user's order: reversed, the later
// detectors run first and on every step.
TEST(DetectorMemory, ReplayInAnotherPriorityOrderAsWithoutIt) {
  ExpectSameWithAndWithoutMemory([](Form1& f) {
    auto& list = f.advice.PriorityList;
    std::reverse(list.begin() + 1, list.begin() + 1 + f.advice.PriorityCount);
  });
}

// While a scheme is created the propagation switches all candidates on in
// the middle of the replay and rewrites the captions of the peers of every
// value placed after: the memory must hear of both.
TEST(DetectorMemory, CreationAsWithoutIt) {
  std::string outcomes[2];
  for (int memory = 0; memory < 2; ++memory) {
    Harness h;
    h.form.control.UseDetectorMemory = memory == 1;
    h.platform.answers.push_back(MsgResult::Ok);
    h.form.mCrea_click();
    outcomes[memory] = Outcome(h);
    EXPECT_GT(h.form.control.MoveCount, 20);  // a replay ran
  }
  EXPECT_TRUE(outcomes[0] == outcomes[1]) << FirstDifference(outcomes[0], outcomes[1]);
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

// After a walk every cell is white, whether At a glance painted them or the
// walk had to (with all candidates shown At a glance does not run).
TEST(Walk, LeavesEveryCellWhite) {
  for (bool allCandidates : {false, true}) {
    Harness h;
    Form1& f = h.form;
    test::KeyScheme(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    f.Click("Gioca");
    if (allCandidates) f.Click("Sugge1");
    EXPECT_EQ(f.w.Sugge1.selected, allCandidates);
    f.w.caN[3].back = colour::Pink;
    f.w.caN[40].back = colour::Grey;
    f.w.caN[80].back = colour::LightYellow;
    f.FindAdviceStep();
    EXPECT_TRUE(f.methods.Progress);
    for (int c = 0; c < kCells; ++c) EXPECT_EQ(f.w.caN[c].back, colour::White) << c << " " << allCandidates;
  }
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

namespace tessora {
namespace {

// The labels drawn while a handler runs (as the window's platform has them)
// or only when it returns: the same window either way.
TEST(Drawing, WhileBusyOrOnlyOnReturnTheSameWindow) {
  for (const char* grid : {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
                           "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2..."}) {
    std::string dumps[2];
    for (int busy = 0; busy < 2; ++busy) {
      test::Harness h;
      h.platform.drawsWhileBusy = busy == 1;
      test::KeyScheme(h.form, grid);
      h.form.Click("Gioca");
      h.form.Click("Sugge1");
      h.form.caN_Click(2);
      h.form.KeyDown('4', 0);
      h.form.KeyDown(key::Delete, 0);
      dumps[busy] = DumpState(h.form);
    }
    EXPECT_EQ(dumps[0], dumps[1]) << grid;
  }
}

}  // namespace
}  // namespace tessora
