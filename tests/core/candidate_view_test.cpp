// How the window shows the candidate recount: the recount selects the "All"
// view, and "Redo Candidates" recounts, shows the candidates in the empty
// cells and enables the advice. The recount itself is in candidates_test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

TEST(RecountView, ShowsEveryCandidateOfAnEmptyBoard) {
  Harness h;
  test::PlaceGivens(h.form, std::string(81, '.'));
  h.form.RecountCandidates();
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(h.form.board.Can[i].Text(), " 123456789 ") << i;
  EXPECT_TRUE(h.form.w.Sugge1.selected);
  EXPECT_TRUE(h.form.w.mSugge1.checked);
  EXPECT_EQ(h.form.w.caN[0].caption, "12345 6789");
}

TEST(RedoCandidates, RecountsShowsAndEnablesAdvice) {
  Harness h;
  Form1& f = h.form;
  f.Click("DatIniz");
  test::PlaceGivens(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  f.board.Can[2] = CandText::FromMask(1u << 1);  // a stale text
  f.mRicMan_Click();
  EXPECT_EQ(f.board.Can[2].Text(), " 124 ");
  EXPECT_EQ(f.w.caN[2].caption, "124");
  EXPECT_EQ(f.w.caN[2].font, "Courier New");
  EXPECT_EQ(f.w.caN[2].ink, colour::Red);
  EXPECT_EQ(f.w.ListCons.items, std::vector<std::string>{"CANDIDATES HAVE BEEN RECOUNTED"});
  EXPECT_TRUE(f.w.Cons1.enabled && f.w.Cons2.enabled && f.w.Cons3.enabled);
  EXPECT_EQ(f.w.caN[0].caption, "5");
  // A cell with six or more candidates shows them on two lines.
  test::PlaceGivens(f, std::string(81, '.'));
  f.mRicMan_Click();
  EXPECT_EQ(f.w.caN[40].caption, "12345 6789");
}

}  // namespace
}  // namespace tessora
