// Candidate bookkeeping on the board model: the recount from scratch
// (RecountCandidates). How the window shows the recount and "Redo
// Candidates" is in candidate_view_test.
#include <gtest/gtest.h>

#include <string>

#include "board_support.h"

namespace tessora {
namespace {

TEST(Recount, EmptyBoardGivesEveryDigitEverywhere) {
  const Board b = test::Recounted(std::string(81, '.'));
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(b.Can[i].Text(), " 123456789 ") << i;
}

TEST(Recount, StopsAtTheLastCandidateSoNoCellIsEverEmptied) {
  // Row A holds 1..8 in columns b..i; column a holds 9 further down. The row
  // leaves 9 alone and the column is then not applied.
  std::string grid(81, '.');
  for (int c = 1; c <= 8; ++c) grid[c] = static_cast<char>('0' + c);
  grid[9 * 5] = '9';
  const Board b = test::Recounted(grid);
  EXPECT_EQ(b.Can[0].Text(), " 9 ");
  EXPECT_EQ(b.Can[1].Text(), "  ");
  // A cell reduced to one candidate by its row alone keeps it even against its box.
  std::string g2(81, '.');
  for (int c = 0; c <= 7; ++c) g2[c + 9] = static_cast<char>('1' + c);  // row B: 1..8 in columns a..h
  g2[6] = '9';                                                            // a 9 in the box of cell Bi
  EXPECT_EQ(test::Recounted(g2).Can[17].Text(), " 9 ");
}

TEST(Recount, PrunesZonesInRowColumnBoxOrder) {
  std::string grid(81, '.');
  grid[1] = '1';   // row of cell 0
  grid[9] = '2';   // column and box of cell 0
  grid[20] = '3';  // box of cell 0
  EXPECT_EQ(test::Recounted(grid).Can[0].Text(), " 456789 ");
}

// Stale candidates of a cell are replaced, whatever they held.
TEST(Recount, ReplacesStaleCandidates) {
  Board b = test::Givens("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  b.Can[2] = CandText::FromMask(1u << 1);
  b.Can[0] = CandText::FromMask(1u << 3);  // a filled cell with a stray candidate
  RecountCandidates(b);
  EXPECT_EQ(b.Can[2].Text(), " 124 ");
  EXPECT_EQ(b.Can[0].Text(), "  ");
}

}  // namespace
}  // namespace tessora
