// The speed-ups of the solvability control change nothing the window shows:
// "Play" and "Create" with and without the detector memory (the window's
// whole state, its counts of event processing and repaints included), the
// walk that paints the cells white only when they are not, and the labels
// drawn while a handler runs or only when it returns. The engine's own
// checks of the memory are in detector_memory_test.
#include <gtest/gtest.h>

#include <algorithm>

#include "control_schemes.h"
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

void ExpectSameWithAndWithoutMemory(void (*arrange)(Form1&)) {
  int schemes = 0;
  for (const std::string& grid : test::Schemes()) {
    std::string outcomes[2];
    for (int memory = 0; memory < 2; ++memory) {
      Harness h;
      h.form.control.UseDetectorMemory = memory == 1;
      arrange(h.form);
      test::KeyScheme(h.form, grid);
      h.form.Click("Gioca");
      outcomes[memory] = Outcome(h);
    }
    EXPECT_TRUE(outcomes[0] == outcomes[1]) << grid << "\n" << test::FirstDifference(outcomes[0], outcomes[1]);
    ++schemes;
  }
  EXPECT_GE(schemes, 20);
}

TEST(WindowDetectorMemory, ControlAndReplayAsWithoutIt) {
  ExpectSameWithAndWithoutMemory([](Form1&) {});
}

// The replay walks the methods in the user's order: reversed, the later
// detectors run first and on every step.
TEST(WindowDetectorMemory, ReplayInAnotherPriorityOrderAsWithoutIt) {
  ExpectSameWithAndWithoutMemory([](Form1& f) {
    auto& list = f.advice.PriorityList;
    std::reverse(list.begin() + 1, list.begin() + 1 + f.advice.PriorityCount);
  });
}

// While a scheme is created the propagation switches all candidates on in
// the middle of the replay and rewrites the captions of the peers of every
// value placed after: the memory must hear of both.
TEST(WindowDetectorMemory, CreationAsWithoutIt) {
  std::string outcomes[2];
  for (int memory = 0; memory < 2; ++memory) {
    Harness h;
    h.form.control.UseDetectorMemory = memory == 1;
    h.platform.answers.push_back(MsgResult::Ok);
    h.form.mCrea_click();
    outcomes[memory] = Outcome(h);
    EXPECT_GT(h.form.control.MoveCount, 20);  // a replay ran
  }
  EXPECT_TRUE(outcomes[0] == outcomes[1]) << test::FirstDifference(outcomes[0], outcomes[1]);
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
