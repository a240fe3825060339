// The board text image: 9, 18 or 27 rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

struct InPlay : Harness {
  InPlay() {
    Form1& f = form;
    test::PlaceGivens(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    test::PlainCandidates(f);
    f.board.PlayPhase = true;
    // A value keyed in play and one placed by the control.
    f.ShowValue(2, 4, Origin::Keyed);
    f.board.Can[2] = CandText::Filled();
    f.ShowValue(3, 6, Origin::Solver);
    f.board.Can[3] = CandText::Filled();
    f.DrawCells();
  }
};

TEST(BoardText, OutsidePlayNineRowsWhateverTheBoardShows) {
  InPlay b;
  Form1& f = b.form;
  f.board.PlayPhase = false;
  f.TakeBoardText();
  EXPECT_EQ(f.files.SchemeLineCount, 9);
  EXPECT_EQ(f.files.SchemeLines[0], "53467    ");
  EXPECT_EQ(f.files.SchemeLines[8], "    8  79");
  EXPECT_FALSE(f.files.SchemeOnly);  // a dark-blue value
  EXPECT_TRUE(b.platform.messages.empty());
}

TEST(BoardText, InPlayASnapshotHas27RowsAndAsksNothing) {
  InPlay b;
  Form1& f = b.form;
  f.TakeBoardText();
  EXPECT_EQ(f.files.SchemeLineCount, 27);
  EXPECT_TRUE(b.platform.messages.empty());
  EXPECT_EQ(f.files.SchemeLines[9], "  bc     ");
  EXPECT_EQ(f.files.SchemeLines[10], "         ");
  // Row A: 5 3 4 6 are values, then the candidates of the empty cells.
  const std::string row = f.files.SchemeLines[18];
  EXPECT_EQ(row.substr(0, 10), " , , , , ,");
  EXPECT_EQ(std::count(row.begin(), row.end(), ','), 9);
  EXPECT_EQ(row.substr(10, f.board.Can[5].Count() + 1), f.board.Can[5].Digits() + ",");
}

TEST(BoardText, CandidateRowsHoldEveryCellsFieldInOrder) {
  Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, std::string(81, '.'));
  f.board.PlayPhase = true;
  f.ShowValue(1, 5, Origin::Given);
  test::PlainCandidates(f);
  test::SetCan(f, 0, "126");
  f.board.FilledCount = 1;
  f.methods.MethodUse[4] = 7;
  f.TakeBoardText();
  EXPECT_EQ(f.files.SchemeLines[18].substr(0, 6), "126, ,");
  EXPECT_EQ(f.files.SchemeLines[26], "123456789,12346789,123456789,123456789,123456789,123456789,123456789,123456789,123456789,");
  EXPECT_EQ(f.control.SavedFilled, 1);
  EXPECT_EQ(f.control.SavedMethodUse[4], 7);
}

TEST(BoardText, SavingAsksAboutCandidatesOnlyWhenSomethingWasPlayed) {
  struct Case {
    bool keyed;
    int trialTotal;
    std::optional<MsgResult> answer;
    int rows;
    bool asked;
  };
  const Case cases[] = {
      {false, 0, std::nullopt, 9, false},   // nothing played: nine rows, no question
      {true, 0, MsgResult::Yes, 27, true},  // a keyed value: Yes gives 27 rows
      {true, 0, MsgResult::No, 18, true},   // No gives 18
      {false, 99, MsgResult::No, 18, true}, // after a flash the scheme is not "only the scheme"
  };
  for (const Case& c : cases) {
    InPlay b;
    Form1& f = b.form;
    if (!c.keyed) f.board.SetOrigin(2, Origin::Given);
    f.control.TrialTotal = c.trialTotal;
    f.files.SavingScheme = true;
    if (c.answer) b.platform.answers.push_back(*c.answer);
    f.TakeBoardText();
    EXPECT_EQ(f.files.SchemeLineCount, c.rows);
    ASSERT_EQ(b.platform.messages.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(b.platform.messages[0].text, "Saving Candidates too ?");
      EXPECT_EQ(b.platform.messages[0].title, "Save");
      EXPECT_EQ(b.platform.messages[0].buttons, MsgButtons::YesNo);
    }
  }
}

TEST(BoardText, RoundTripThroughShowBoardText) {
  InPlay b;
  Form1& f = b.form;
  const CandText can5 = f.board.Can[5];
  std::vector<std::string> captions, inks;
  for (int i = 0; i < kCells; ++i)
    if (f.Filled(i)) captions.push_back(f.w.caN[i].caption);
  f.TakeBoardText();
  test::PlaceGivens(f, std::string(81, '.'));
  f.ShowBoardText();
  f.DrawCells();
  std::vector<std::string> after;
  for (int i = 0; i < kCells; ++i)
    if (f.Filled(i)) after.push_back(f.w.caN[i].caption);
  EXPECT_EQ(after, captions);
  EXPECT_EQ(f.w.caN[2].ink, colour::DarkBlue);
  EXPECT_EQ(f.w.caN[3].ink, colour::White);
  EXPECT_EQ(f.w.caN[0].ink, colour::ButtonText);
  // Filled cells come back with the empty candidate text, empty cells with theirs.
  for (int i = 0; i < kCells; ++i) {
    if (f.Filled(i)) {
      EXPECT_EQ(f.board.Can[i].Text(), "") << i;
    }
  }
  EXPECT_EQ(f.board.Can[4].Text(), "");
  EXPECT_EQ(f.board.Can[5], can5);
}

}  // namespace
}  // namespace tessora
