// Practice in the window, headless: Tools > "Practice..." loads a position of
// the method chosen, with its candidates; the blackboard judges the user's
// answer (a value keyed in, a candidate correction, "Do it"); "Where ?" shows
// the method's own step; "Next Position" (F3) gives another.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace tessora {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct PracticeWindow : ::testing::Test {
  test::Harness h;
  Form1& f = h.form;

  // Tools > "Practice..." answered with the method's number.
  void Practise(int method) {
    h.platform.choiceAnswers.push_back(std::to_string(method));
    ASSERT_TRUE(f.Click("mPratica"));
    ASSERT_TRUE(f.PracticeOn());
    ASSERT_EQ(f.practice.method, method);
  }
  const PracticePosition& P() const { return f.practice.position; }
  void Key(int cell, int digit) {
    f.caN_Click(cell);
    f.KeyDown('0' + digit, 0);
  }
  // The correction panel on the cell, the digits unticked, ESC.
  void Correct(int cell, std::uint16_t removed) {
    f.Form_MouseMove(0, 0, 3000, 3000);
    f.caN_MouseMove(cell, 0, 0);
    f.caN_MouseDown(cell, 2, 0);
    ASSERT_TRUE(f.w.CorCanF.visible);
    const std::string digits = f.board.Can[cell].Digits();
    for (std::size_t k = 0; k < digits.size(); ++k)
      if ((removed >> (digits[k] - '0')) & 1u) {
        ASSERT_TRUE(f.Click("cM(" + std::to_string(k) + ")"));
      }
    f.KeyDown(key::Esc, 0);
  }
  // An empty cell outside the step whose value the control knows.
  int OtherCell() const {
    for (int c = 0; c < kCells; ++c) {
      if (f.Filled(c) || f.board.Solution[c] == 0) continue;
      bool inStep = false;
      for (const PracticeMove& m : P().moves) inStep |= m.cell == c;
      if (!inStep) return c;
    }
    return -1;
  }
  const MethodProgress& Counts(int method) const { return f.progress.counts.methods[method - 1]; }
};

TEST_F(PracticeWindow, TheChooserOffersTheSixteenMethodsAndLoadsAPositionInPlay) {
  Practise(13);
  ASSERT_EQ(h.platform.choices.size(), 1u);
  const ChoiceRequest& q = h.platform.choices[0];
  EXPECT_EQ(q.title, "Practice");
  ASSERT_EQ(q.items.size(), 16u);
  EXPECT_EQ(q.items[0], "01 - At a glance");
  EXPECT_EQ(q.items[12], "13 - X-Wing Rectangle");
  EXPECT_EQ(q.items[15], "16 - Hidden Quads");
  // The position's values and candidates, in play, all candidates shown.
  EXPECT_TRUE(f.board.PlayPhase);
  EXPECT_TRUE(f.w.Sugge1.selected);
  for (int c = 0; c < kCells; ++c) {
    ASSERT_EQ(f.Value(c), P().values[c]) << c;
    if (!P().values[c]) {
      ASSERT_EQ(f.board.Can[c].Mask(), P().candidates[c]) << c;
      EXPECT_EQ(Trim(f.w.caN[c].caption), Trim(f.CandidateCaption(c))) << c;
    }
    EXPECT_EQ(f.board.OriginOf(c) == Origin::Given, P().givens[c] != 0) << c;
  }
  const auto& bb = f.w.ListCons.items;
  ASSERT_GE(bb.size(), 2u);
  EXPECT_EQ(bb[0], "- PRACTICE, method 13:");
  EXPECT_EQ(bb[1], "  X-Wing Rectangle.");
  EXPECT_TRUE(f.w.mProssima.enabled);
}

TEST_F(PracticeWindow, TheMethodsOfTheValuesAloneComeWithTheCandidatesHidden) {
  Practise(1);
  EXPECT_TRUE(f.w.Sugge0.selected);
  EXPECT_FALSE(f.w.Sugge1.selected);
  for (int c = 0; c < kCells; ++c)
    if (!f.Filled(c)) {
      EXPECT_EQ(Trim(f.w.caN[c].caption), "") << c;
    }
}

TEST_F(PracticeWindow, ACancelledChooserChangesNothing) {
  h.platform.choiceAnswers.push_back("");
  const std::string before = test::Captions(f);
  ASSERT_TRUE(f.Click("mPratica"));
  EXPECT_EQ(test::Captions(f), before);
  EXPECT_FALSE(f.PracticeOn());
  EXPECT_FALSE(f.w.mProssima.enabled);
  EXPECT_FALSE(f.Click("mProssima"));
}

TEST_F(PracticeWindow, TheStepKeyedInIsRightAndCountedAsFoundInPractice) {
  Practise(4);
  const PracticeMove m = P().moves[0];
  ASSERT_TRUE(m.IsPlacement());
  Key(m.cell, m.digit);
  EXPECT_TRUE(f.Filled(m.cell));
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: right, that is the step"));
  EXPECT_TRUE(Has(f.w.ListCons.items, "  of Hidden Single."));
  EXPECT_TRUE(f.practice.answered);
  EXPECT_EQ(Counts(4).practice[static_cast<int>(Taken::Unaided)], 1);
  EXPECT_EQ(Counts(4).Total(), 1);
  EXPECT_EQ(h.platform.stored, f.progress.counts);
}

TEST_F(PracticeWindow, AGoodMoveThatIsNotTheStepAndAWrongOneAreSaidSo) {
  Practise(5);
  const int c = OtherCell();
  ASSERT_GE(c, 0);
  const int solution = f.board.Solution[c];
  // A candidate that is not the solution: refused, and not the step.
  int wrong = 0;
  for (int d = 1; d <= 9 && !wrong; ++d)
    if (d != solution && f.board.Can[c].Has(d)) wrong = d;
  ASSERT_NE(wrong, 0);
  Key(c, wrong);
  EXPECT_FALSE(f.Filled(c));
  EXPECT_EQ(f.w.ListCons.items[0], "- WRONG MOVE");
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: not the step of"));
  EXPECT_FALSE(f.practice.answered);
  // The solution's digit: a good move, not the method's step.
  Key(c, solution);
  EXPECT_TRUE(f.Filled(c));
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: a good move, but not the"));
  EXPECT_TRUE(Has(f.w.ListCons.items, "  step of Naked Twins."));
  EXPECT_FALSE(f.practice.answered);
  EXPECT_EQ(Counts(5).Total(), 0);
}

TEST_F(PracticeWindow, TheStepAsACorrectionIsRight) {
  Practise(5);
  const PracticeMove m = P().moves.back();
  ASSERT_FALSE(m.IsPlacement());
  const std::uint16_t before = f.board.Can[m.cell].Mask();
  Correct(m.cell, m.removed);
  EXPECT_EQ(f.board.Can[m.cell].Mask(), before & ~m.removed);
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: right, that is the step"));
  EXPECT_TRUE(f.practice.answered);
  EXPECT_EQ(Counts(5).practice[static_cast<int>(Taken::Unaided)], 1);
}

TEST_F(PracticeWindow, CandidatesCleanedDownToTheValueAnswerAPlacingMethod) {
  Practise(4);
  const PracticeMove m = P().moves[0];
  const std::uint16_t others = static_cast<std::uint16_t>(f.board.Can[m.cell].Mask() & ~(1u << m.digit));
  ASSERT_NE(others, 0);
  Correct(m.cell, others);
  EXPECT_EQ(f.board.Can[m.cell].Mask(), 1u << m.digit);
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: right, that is the step"));
  EXPECT_EQ(Counts(4).practice[static_cast<int>(Taken::Unaided)], 1);
}

TEST_F(PracticeWindow, ACorrectionThatDropsTheSolutionIsNotTheStep) {
  Practise(7);
  const PracticeMove m = P().moves[0];
  Correct(m.cell, static_cast<std::uint16_t>(1u << P().solution[m.cell]));
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: not the step of")) << ::testing::PrintToString(f.w.ListCons.items)
                                                                       << f.board.Solution[m.cell];
  EXPECT_FALSE(f.practice.answered);
}

TEST_F(PracticeWindow, WhereShowsTheMethodsOwnStepAndDoItPlaysIt) {
  // Naked Triples: the walk finds the step as 3 Candidates Share 3 Cells;
  // the practice shows it as the method it asks for.
  Practise(11);
  ASSERT_TRUE(f.Press("Cons3"));
  EXPECT_EQ(f.methods.AdviceStep.code, "TRN");
  EXPECT_EQ(f.advice.Shown.cell, P().step.cell);
  EXPECT_EQ(f.w.ListCons.items[0], "11 A Zone retains Naked Triples: clean");
  ASSERT_TRUE(f.Release("Cons3"));
  ASSERT_TRUE(f.Click("Applica"));
  EXPECT_TRUE(Has(f.w.ListCons.items, "- PRACTICE: \"Do it\" played the step"));
  EXPECT_TRUE(Has(f.w.ListCons.items, "  of Naked Triples."));
  EXPECT_EQ(Counts(11).practice[static_cast<int>(Taken::DoIt)], 1);
  EXPECT_EQ(Counts(11).Total(), 1);
}

TEST_F(PracticeWindow, AnAnswerAfterWhereIsCountedAsHelped) {
  Practise(6);
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_TRUE(f.Release("Cons3"));
  const PracticeMove m = P().moves[0];
  Correct(m.cell, m.removed);
  EXPECT_TRUE(f.practice.answered);
  EXPECT_EQ(Counts(6).practice[static_cast<int>(Taken::AfterWhere)], 1);
  EXPECT_EQ(Counts(6).Helped(), 1);
}

TEST_F(PracticeWindow, NextPositionGivesAnotherOfTheSameMethodWithoutAsking) {
  Practise(9);
  const std::string first = GridText(P().values);
  f.KeyDown(key::F3, 0);
  EXPECT_TRUE(f.PracticeOn());
  EXPECT_EQ(f.practice.method, 9);
  EXPECT_NE(GridText(P().values), first);
  EXPECT_TRUE(h.platform.messages.empty());
  EXPECT_FALSE(f.practice.answered);
}

TEST_F(PracticeWindow, AGameOfTheUsersGoesOnlyWhenTheUserSaysSo) {
  test::KeyScheme(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  ASSERT_TRUE(f.Click("Gioca"));
  Key(2, 4);  // the solution's 4 in Ac
  ASSERT_TRUE(f.HasUserWork());
  const std::string before = test::Captions(f);
  h.platform.answers.push_back(MsgResult::No);
  h.platform.choiceAnswers.push_back("Hidden Single");
  ASSERT_TRUE(f.Click("mPratica"));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].title, "Practice");
  EXPECT_EQ(test::Captions(f), before);
  EXPECT_FALSE(f.PracticeOn());
  h.platform.answers.push_back(MsgResult::Yes);
  h.platform.choiceAnswers.push_back("Hidden Single");
  ASSERT_TRUE(f.Click("mPratica"));
  EXPECT_TRUE(f.PracticeOn());
  EXPECT_EQ(f.practice.method, 4);
}

TEST_F(PracticeWindow, APositionOfEveryMethodLoadsWithTheWalkGivingItsStep) {
  for (int method = 1; method <= kPracticeMethods; ++method) {
    SCOPED_TRACE(method);
    Practise(method);
    // The advice finds the position's step.
    ASSERT_TRUE(f.Press("Cons2"));
    EXPECT_EQ(f.advice.Shown.cell, P().step.cell);
    EXPECT_EQ(MethodOf(f.advice.Shown.code)->number, method);
    ASSERT_TRUE(f.Release("Cons2"));
  }
}

TEST_F(PracticeWindow, LeavingThePositionEndsThePractice) {
  Practise(8);
  ASSERT_TRUE(f.Click("Azzera"));
  EXPECT_FALSE(f.PracticeOn());
  // Another scheme played: its moves count in games.
  test::KeyScheme(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  ASSERT_TRUE(f.Click("Gioca"));
  EXPECT_FALSE(f.PracticeOn());
}

}  // namespace
}  // namespace tessora
