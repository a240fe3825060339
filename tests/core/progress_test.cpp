// The user's progress, headless: the counts a game played with advice
// leaves, kept through the platform and read back by the next run, a broken
// or missing store said so; the method suggested for practice.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "control/practice.h"
#include "test_support.h"

namespace tessora {
namespace {

const char kScheme[] = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

int Kind(Taken t) { return static_cast<int>(t); }

struct Progress : ::testing::Test {
  test::Harness h;
  Form1& f = h.form;

  void Play() {
    test::KeyScheme(f, kScheme);
    ASSERT_TRUE(f.Click("Gioca"));
    ASSERT_TRUE(f.board.PlayPhase);
  }
  // The advice button held and let go; the step it showed.
  Step Ask(const std::string& button) {
    EXPECT_TRUE(f.Press(button));
    const Step s = f.advice.Shown;
    EXPECT_TRUE(f.Release(button));
    return s;
  }
  void Key(int cell, int digit) {
    f.caN_Click(cell);
    f.KeyDown('0' + digit, 0);
  }
  int MethodOfStep(const Step& s) const { return MethodOf(s.code)->number; }
  int Total(bool practice) const {
    int n = 0;
    for (const MethodProgress& m : f.progress.counts.methods)
      for (int k = 0; k < kTakenKinds; ++k) n += practice ? m.practice[k] : m.game[k];
    return n;
  }
};

TEST_F(Progress, AGamePlayedWithAdviceCountsEachStepByHowItWasTaken) {
  Play();
  ProgressCounts expected;
  auto add = [&](int method, Taken t) { expected.methods[method - 1].game[Kind(t)] += 1; };

  // "Method ?", then the step keyed in.
  Step s = Ask("Cons1");
  ASSERT_TRUE(s.IsPlacement());
  Key(s.cell, s.digit);
  add(MethodOfStep(s), Taken::AfterMethod);
  // "Value ?", then "Where ?" for the same step: the most detailed level counts.
  s = Ask("Cons2");
  EXPECT_EQ(Ask("Cons3").cell, s.cell);
  Key(s.cell, s.digit);
  add(MethodOfStep(s), Taken::AfterWhere);
  // "Where ?" and "Do it".
  s = Ask("Cons3");
  ASSERT_TRUE(f.Click("Applica"));
  add(MethodOfStep(s), Taken::DoIt);
  // A step found unaided: the walk's next one, keyed without asking.
  s = StandardStep(f.board, f.w.Sugge1.selected);
  ASSERT_TRUE(s.IsPlacement());
  const int method = MethodOfMove(f.board, {s.cell, s.digit, 0}, f.w.Sugge1.selected);
  ASSERT_GT(method, 0);
  Key(s.cell, s.digit);
  add(method, Taken::Unaided);
  EXPECT_EQ(f.progress.counts, expected);
  EXPECT_EQ(Total(false), 4);
  EXPECT_EQ(Total(true), 0);
  // Each count was kept at once.
  EXPECT_EQ(h.platform.stored, expected);
  EXPECT_EQ(h.platform.saves, 4);
  EXPECT_TRUE(h.platform.messages.empty());
}

TEST_F(Progress, AStepElsewhereAfterAdviceCountsOnlyTheMethodAsTold) {
  Play();
  const Step shown = Ask("Cons3");
  const int method = MethodOfStep(shown);
  // Another cell's value, a step of the same method: found with the method told.
  int other = -1;
  for (int c = 0; c < kCells && other < 0; ++c) {
    if (f.Filled(c) || c == shown.cell) continue;
    const int d = f.board.Solution[c];
    if (MethodOfMove(f.board, {c, d, 0}, f.w.Sugge1.selected) == method) other = c;
  }
  ASSERT_GE(other, 0);
  Key(other, f.board.Solution[other]);
  const MethodProgress& m = f.progress.counts.methods[method - 1];
  EXPECT_EQ(m.game[Kind(Taken::AfterMethod)], 1);
  EXPECT_EQ(m.Total(), 1);
  // The advice is spent with that move: its own step keyed now is unaided.
  Key(shown.cell, shown.digit);
  EXPECT_EQ(m.game[Kind(Taken::Unaided)], 1);
  EXPECT_EQ(m.Helped(), 1);
}

TEST_F(Progress, WrongMovesAndMovesOfNoMethodAreNotCounted) {
  Play();
  // Ab (cell 1) holds 3; a wrong digit is refused.
  Key(2, 1);
  EXPECT_EQ(f.w.ListCons.items[0], "- WRONG MOVE");
  EXPECT_EQ(Total(false), 0);
  EXPECT_EQ(h.platform.saves, 0);
}

TEST_F(Progress, TheCountsSurviveARestart) {
  Play();
  const Step s = Ask("Cons3");
  ASSERT_TRUE(f.Click("Applica"));
  const ProgressCounts kept = f.progress.counts;
  ASSERT_EQ(kept.methods[MethodOfStep(s) - 1].game[Kind(Taken::DoIt)], 1);
  // The next run, on the same store.
  Form1 next(h.platform);
  next.Form_Load();
  ASSERT_TRUE(next.Click("mProgressi"));
  ASSERT_EQ(h.platform.progressShown.size(), 1u);
  EXPECT_EQ(h.platform.progressShown[0].counts, kept);
  EXPECT_EQ(h.platform.progressShown[0].suggested, MethodOfStep(s));
  EXPECT_EQ(h.platform.progressShown[0].names[12], "X-Wing Rectangle");
}

TEST_F(Progress, TheProgressWindowSendsTheUserToPractiseTheMethodItSuggests) {
  h.platform.stored.methods[12].game[Kind(Taken::AfterWhere)] = 2;
  h.platform.progressAnswer = 13;
  ASSERT_TRUE(f.Click("mProgressi"));
  ASSERT_EQ(h.platform.progressShown.size(), 1u);
  EXPECT_EQ(h.platform.progressShown[0].suggested, 13);
  EXPECT_TRUE(f.PracticeOn());
  EXPECT_EQ(f.practice.method, 13);
}

TEST_F(Progress, ABrokenStoreIsSetAsideWithAMessageAndANewRecordBegins) {
  h.platform.stored.methods[3].game[0] = 7;
  h.platform.storeSetAside = "/home/u/.local/share/tessora/progress.db.broken-20261210-101500";
  ASSERT_TRUE(f.Click("mProgressi"));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].title, "My Progress");
  EXPECT_NE(h.platform.messages[0].text.find("progress.db.broken-20261210-101500"), std::string::npos);
  EXPECT_NE(h.platform.messages[0].text.find("could not be read"), std::string::npos);
  ASSERT_EQ(h.platform.progressShown.size(), 1u);
  EXPECT_TRUE(h.platform.progressShown[0].counts.Empty());
  // Asked again, nothing more is said.
  ASSERT_TRUE(f.Click("mProgressi"));
  EXPECT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.loads, 1);
}

TEST_F(Progress, AStoreThatCannotBeUsedIsSaidOnceAndTheCountsGoOn) {
  h.platform.storeError = "Permission denied";
  Play();
  for (int i = 0; i < 3; ++i) {
    const Step s = Ask("Cons3");
    ASSERT_TRUE(f.Click("Applica"));
    (void)s;
  }
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_NE(h.platform.messages[0].text.find("Permission denied"), std::string::npos);
  EXPECT_EQ(Total(false), 3);
  EXPECT_EQ(h.platform.saves, 0);
}

TEST(ProgressSuggestion, TheMethodWithTheLargestShareOfHelpedSteps) {
  struct Case {
    const char* what;
    std::vector<std::tuple<int, int, int>> counts;  // method, unaided, helped (after Where)
    int suggested;
  };
  const Case cases[] = {
      {"nothing counted", {}, 0},
      {"all unaided", {{4, 9, 0}, {5, 3, 0}}, 0},
      {"the larger share", {{4, 1, 3}, {13, 1, 1}}, 4},
      {"equal shares: more helped steps", {{5, 1, 1}, {7, 2, 2}}, 7},
      {"equal shares and counts: the lower number", {{9, 1, 1}, {6, 1, 1}}, 6},
      {"one helped step of many", {{3, 20, 1}, {8, 0, 1}}, 8},
  };
  for (const Case& c : cases) {
    ProgressCounts counts;
    for (auto [m, unaided, helped] : c.counts) {
      counts.methods[m - 1].game[Kind(Taken::Unaided)] = unaided;
      counts.methods[m - 1].practice[Kind(Taken::AfterWhere)] = helped;
    }
    EXPECT_EQ(SuggestedMethod(counts), c.suggested) << c.what;
    const ProgressReport r = MakeProgressReport(counts);
    ASSERT_FALSE(r.suggestion.empty()) << c.what;
    if (c.suggested) {
      EXPECT_EQ(r.suggestion[0].rfind("Practise next: " + std::to_string(c.suggested) + " ", 0), 0u) << c.what;
    }
  }
}

}  // namespace
}  // namespace tessora
