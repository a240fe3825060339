// Cell names, the zone table and the candidate texts.
#include <gtest/gtest.h>

#include "board/board.h"

namespace tessora {
namespace {

TEST(CellNames, RowLetterThenColumnLetter) {
  const std::pair<int, const char*> cases[] = {{0, "Aa"}, {8, "Ai"}, {9, "Ba"}, {19, "Cb"}, {40, "Ee"}, {80, "Ii"}};
  for (auto [cell, name] : cases) EXPECT_EQ(CellName(cell), name) << cell;
}

TEST(ZoneTable, ZonesOfCells) {
  struct Case {
    int cell, row, col, box;
  };
  const Case cases[] = {{0, 0, 9, 18}, {26, 2, 17, 20}, {33, 3, 15, 23}, {31, 3, 13, 22}, {40, 4, 13, 22}, {60, 6, 15, 26},
                        {80, 8, 17, 26}};
  for (const Case& c : cases) {
    EXPECT_EQ(RowZone(c.cell), c.row) << c.cell;
    EXPECT_EQ(ColZone(c.cell), c.col) << c.cell;
    EXPECT_EQ(BoxZone(c.cell), c.box) << c.cell;
  }
}

TEST(ZoneTable, MembersInTheirFixedOrder) {
  const std::pair<int, std::array<int, 9>> cases[] = {
      {0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {10, {1, 10, 19, 28, 37, 46, 55, 64, 73}},
      {18, {0, 1, 2, 9, 10, 11, 18, 19, 20}},
      {22, {30, 31, 32, 39, 40, 41, 48, 49, 50}},
      {25, {57, 58, 59, 66, 67, 68, 75, 76, 77}},
      {26, {60, 61, 62, 69, 70, 71, 78, 79, 80}},
  };
  for (const auto& [zone, cells] : cases) EXPECT_EQ(ZoneCells[zone], cells) << zone;
}

TEST(ZoneTable, EveryCellLiesInItsThreeZonesOnly) {
  for (int cell = 0; cell < kCells; ++cell) {
    int count = 0;
    for (int z = 0; z < kZones; ++z)
      for (int c : ZoneCells[z]) count += c == cell;
    EXPECT_EQ(count, 3) << cell;
  }
}

TEST(CandText, TextsAsTheBoardShowsThem) {
  CandText fresh = CandText::Fresh();
  EXPECT_EQ(fresh.Text(), " 123456789 ");
  fresh.Remove(3);
  fresh.Remove(7);
  EXPECT_EQ(fresh.Text(), " 1245689 ");
  EXPECT_EQ(CandText::Filled().Text(), "  ");
  EXPECT_EQ(CandText().Text(), "");
}

TEST(CandText, RemovingTheLastCandidateLeavesTwoBlanks) {
  CandText t = CandText::FromMask(1u << 7);
  EXPECT_EQ(t.Text(), " 7 ");
  EXPECT_TRUE(t.Remove(7));
  EXPECT_EQ(t.Text(), "  ");
  EXPECT_FALSE(t.HasDigits());
  EXPECT_FALSE(t.Remove(7));  // a digit that is not there leaves the text alone
  EXPECT_FALSE(t.Remove(0));
  EXPECT_FALSE(t.Remove(12));
}

TEST(CandText, ParseAcceptsOnlyAscendingDigits) {
  CandText t;
  EXPECT_TRUE(CandText::Parse(" 126 ", t));
  EXPECT_EQ(t.Text(), " 126 ");
  EXPECT_TRUE(CandText::Parse("9", t));
  EXPECT_EQ(t.Text(), " 9 ");
  EXPECT_TRUE(CandText::Parse("", t));
  EXPECT_TRUE(t.IsEmptyText());
  for (const char* bad : {"21", "11", "1a", "0", "1 2", "12,"}) EXPECT_FALSE(CandText::Parse(bad, t)) << bad;
}

}  // namespace
}  // namespace tessora
