// The placement detectors without a pattern on the board model: at a
// glance, the cross view of one value, the zone with one empty cell and the
// cell with one candidate.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "board_support.h"
#include "methods/glance.h"
#include "methods/zone_masks.h"
#include "methods_singles_cases.h"

namespace tessora {
namespace {

using namespace test::singles;
using test::Givens;
using test::PlainCandidates;
using test::SetCan;

// The cells of a scan's free-cell rows (bit = column).
std::vector<int> FreeCells(const std::array<std::uint16_t, 9>& rows) {
  std::vector<int> cells;
  for (int c = 0; c < kCells; ++c)
    if ((rows[c / 9] >> (c % 9)) & 1u) cells.push_back(c);
  return cells;
}

// ---- At a glance ----------------------------------------------------------


class GlanceFind : public testing::TestWithParam<GlanceCase> {};

TEST_P(GlanceFind, FindsTheFirstZoneWithOneFreeCell) {
  Board board = Givens(GetParam().grid);
  PlainCandidates(board);
  // The walk's scan over the values 1..9, stopping at the first finding, and
  // the detector.
  EXPECT_EQ(test::PartsOf(Glance(board, 1, 9, true, true).step), GetParam().step);
  EXPECT_EQ(test::PartsOf(FindAtGlance(board)), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Cases, GlanceFind, testing::ValuesIn(GlanceCases()),
                         [](const testing::TestParamInfo<GlanceCase>& i) { return std::string(i.param.name); });

TEST(Glance, NothingToFind) {
  const Board board = Givens(kEmpty);
  const GlanceScan scan = Glance(board, 1, 9, true, true);
  EXPECT_FALSE(scan.step.Found());
  EXPECT_FALSE(FindAtGlance(board).Found());
}

TEST(Glance, WithoutStoppingTheLastValueFoundStays) {
  // Value 5 leaves cell 80 alone in box 26, value 9 leaves cell 78 alone in it.
  const Board board = Givens(Digits(kFiveInEightBoxes, '9', {1, 13, 25, 29, 41, 53, 54, 66}));
  EXPECT_EQ(test::PartsOf(Glance(board, 1, 9, true, true).step), AtGlance(Code::ZOB, 80, 5, 26));
  EXPECT_EQ(test::PartsOf(Glance(board, 1, 9, true, false).step), AtGlance(Code::ZOB, 78, 9, 26));
}

TEST(Glance, OneValueLeavesItsHatching) {
  Board board = Givens(Digits(kFiveInSevenBoxes, '3', {44}));
  PlainCandidates(board);
  // Without recording nothing is looked for, only hatched.
  const GlanceScan scan = Glance(board, 5, 5, false, true);
  EXPECT_FALSE(scan.step.Found());
  EXPECT_EQ(scan.lastValue, 5);
  // Only the free cells for 5 are left: 20 alone in box 18, 80 alone in box
  // 26. The rows, columns and boxes of the 5s are hatched, and so is the 3 in
  // cell 44, which lies outside them.
  EXPECT_EQ(FreeCells(scan.free), (std::vector<int>{20, 80}));
  // The examined zones end with zone 0, whose cells are all hatched.
  EXPECT_EQ(scan.lastZone, 0);
  EXPECT_EQ(scan.lastCell, -1);
  EXPECT_EQ(scan.lastZoneFree, 0u);
}

// ---- Cross view of one value ----------------------------------------------

TEST(CrossBoxes, HatchesTheCellsWhoseCandidatesLackTheValue) {
  Board board = Givens(kFiveInSevenBoxes);
  PlainCandidates(board);
  SetCan(board, 30, "12");  // a correction removed 5 from cell 30
  const std::string before = test::AllCan(board);
  const GlanceScan scan = CrossBoxes(board, 5);
  std::vector<int> holding;
  for (int c = 0; c < kCells; ++c)
    if (board.Can[c].Has(5)) holding.push_back(c);
  EXPECT_EQ(FreeCells(scan.free), holding);
  EXPECT_FALSE(scan.step.Found());
  // The boxes were examined up to box 26, whose one free cell is 80.
  EXPECT_EQ(scan.lastZone, 26);
  EXPECT_EQ(scan.lastCell, -1);
  EXPECT_EQ(scan.lastZoneFree, 1u << 8);  // position 8 of box 26: cell 80
}

// ---- Single Cell: a zone with one empty cell -------------------------------


class LoneFind : public testing::TestWithParam<LoneCase> {};

TEST_P(LoneFind, FindsTheFirstZoneWithOneEmptyCell) {
  Board board = Givens(GetParam().grid);
  PlainCandidates(board);
  EXPECT_EQ(test::PartsOf(FillLoneCells(board)), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoneFind, testing::ValuesIn(LoneCases()),
                         [](const testing::TestParamInfo<LoneCase>& i) { return std::string(i.param.name); });

// Empty cells 36, 41, 50, 51, 59, 60. Only column 9 has one empty cell (36);
// once it is filled row 4 has one (41), then box 22 (50), row 5 (51), column
// 14 (59), row 6 (60): the detector looks from zone 0 every time. Cell 50
// holds only 8, the digit of cell 51: a scan that went on after a fill would
// fill 51 (box 23) before 50 and empty cell 50.
TEST(LoneCells, EachStepLooksAgainFromZoneZero) {
  Board board = Givens(WithHoles({36, 41, 50, 51, 59, 60}));
  PlainCandidates(board);
  SetCan(board, 50, "8");
  std::vector<int> order;
  for (Step s; (s = FillLoneCells(board)).Found() && order.size() < 10;) {
    order.push_back(s.cell);
    EXPECT_EQ(s.digit, kSolved[s.cell] - '0') << s.cell;
    test::ApplyOneCandidate(board, s);
  }
  EXPECT_EQ(order, (std::vector<int>{36, 41, 50, 51, 59, 60}));
  EXPECT_EQ(test::AllValues(board), kSolved);
}

// ---- Single Number: a cell with one candidate -------------------------------


class NakedSingleFind : public testing::TestWithParam<NakedCase> {};

TEST_P(NakedSingleFind, FindsTheFirstCellWithOneCandidate) {
  const NakedCase& c = GetParam();
  const Board board = NakedBoard(c);
  EXPECT_EQ(test::PartsOf(NakedSingle(board)),
            c.cell >= 0 ? test::Placed(Code::CFC, c.cell, c.digit) : test::StepParts{});
  // The scan of the masks a caller read finds the same cell.
  std::array<std::uint16_t, kCells> masks{};
  for (int i = 0; i < kCells; ++i) masks[i] = board.Can[i].Mask();
  EXPECT_EQ(FirstSingleCandidateCell(masks), c.cell);
}

INSTANTIATE_TEST_SUITE_P(Cases, NakedSingleFind, testing::ValuesIn(NakedCases()),
                         [](const testing::TestParamInfo<NakedCase>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace tessora

namespace tessora {
namespace {

// The zones holding exactly one selected cell, counted cell by cell.
std::uint32_t ZonesWithOneCounted(const std::array<std::uint16_t, 9>& rows) {
  std::uint32_t zones = 0;
  for (int z = 0; z < kZones; ++z) {
    int n = 0;
    for (int c : ZoneCells[z]) n += (rows[c / 9] >> (c % 9)) & 1u;
    zones |= static_cast<std::uint32_t>(n == 1) << z;
  }
  return zones;
}

// The word-parallel count of the singles agrees with counting cell by cell,
// on hand-picked boards (none, all, one cell, one per box, a crowded band
// column) and on many random ones of every density.
TEST(ZonesWithOne, AgreesWithCountingCellByCell) {
  std::vector<std::array<std::uint16_t, 9>> boards = {
      {}, {0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF}, {0, 0, 0, 0, 0x010, 0, 0, 0, 0},
      {0x049, 0, 0, 0x092, 0, 0, 0x124, 0, 0}, {0x001, 0x001, 0x001, 0, 0, 0, 0, 0, 0x100},
      {0x100, 0, 0, 0, 0, 0, 0, 0, 0x001}};
  std::mt19937 random(12345);
  for (int i = 0; i < 20000; ++i) {
    std::array<std::uint16_t, 9> rows{};
    const unsigned density = random() % 9;  // of eight: how many cells are selected
    for (int c = 0; c < kCells; ++c)
      if (random() % 8 < density) rows[c / 9] |= static_cast<std::uint16_t>(1u << (c % 9));
    boards.push_back(rows);
  }
  for (const auto& rows : boards) {
    ASSERT_EQ(zonemask::ZonesWithOne(rows), ZonesWithOneCounted(rows))
        << rows[0] << " " << rows[1] << " " << rows[2] << " " << rows[3] << " " << rows[4] << " " << rows[5]
        << " " << rows[6] << " " << rows[7] << " " << rows[8];
  }
}

}  // namespace
}  // namespace tessora
