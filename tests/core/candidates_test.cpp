// Candidate bookkeeping: the recount from scratch and "Redo Candidates".
#include <gtest/gtest.h>

#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

TEST(Recount, EmptyBoardGivesEveryDigitEverywhere) {
  Harness h;
  test::PlaceGivens(h.form, std::string(81, '.'));
  h.form.RecountCandidates();
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(h.form.board.Can[i].Text(), " 123456789 ") << i;
  EXPECT_TRUE(h.form.w.Sugge1.selected);
  EXPECT_TRUE(h.form.w.mSugge1.checked);
  EXPECT_EQ(h.form.w.caN[0].caption, "12345 6789");
}

TEST(Recount, StopsAtTheLastCandidateSoNoCellIsEverEmptied) {
  // Row A holds 1..8 in columns b..i; column a holds 9 further down. The row
  // leaves 9 alone and the column is then not applied.
  Harness h;
  std::string grid(81, '.');
  for (int c = 1; c <= 8; ++c) grid[c] = static_cast<char>('0' + c);
  grid[9 * 5] = '9';
  test::PlaceGivens(h.form, grid);
  h.form.RecountCandidates();
  EXPECT_EQ(h.form.board.Can[0].Text(), " 9 ");
  EXPECT_EQ(h.form.board.Can[1].Text(), "  ");
  // A cell reduced to one candidate by its row alone keeps it even against its box.
  std::string g2(81, '.');
  for (int c = 0; c <= 7; ++c) g2[c + 9] = static_cast<char>('1' + c);  // row B: 1..8 in columns a..h
  g2[6] = '9';                                                            // a 9 in the box of cell Bi
  test::PlaceGivens(h.form, g2);
  h.form.RecountCandidates();
  EXPECT_EQ(h.form.board.Can[17].Text(), " 9 ");
}

TEST(Recount, PrunesZonesInRowColumnBoxOrder) {
  Harness h;
  std::string grid(81, '.');
  grid[1] = '1';   // row of cell 0
  grid[9] = '2';   // column and box of cell 0
  grid[20] = '3';  // box of cell 0
  test::PlaceGivens(h.form, grid);
  h.form.RecountCandidates();
  EXPECT_EQ(h.form.board.Can[0].Text(), " 456789 ");
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
