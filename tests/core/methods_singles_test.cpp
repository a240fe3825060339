// The placement detectors without a pattern: at a glance, the cross view of
// one value, the zone with one empty cell and the cell with one candidate.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "methods/methods.h"
#include "methods/zone_masks.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::AllCan;
using test::Harness;
using test::PlaceGivens;
using test::PlainCandidates;
using test::SetCan;

// A complete, valid solution grid.
const std::string kSolved =
    "534678912"
    "672195348"
    "198342567"
    "859761423"
    "426853791"
    "713924856"
    "961537284"
    "287419635"
    "345286179";

std::string WithHoles(std::initializer_list<int> holes) {
  std::string g = kSolved;
  for (int c : holes) g[c] = '.';
  return g;
}

// Puts a digit in the given cells of an empty grid.
std::string Digits(std::string g, char digit, std::initializer_list<int> cells) {
  for (int c : cells) g[c] = digit;
  return g;
}
const std::string kEmpty(81, '.');

// A field a detector does not describe keeps what the record held before.
constexpr const char* kUntouched = "~";

void PresetStep(Form1& f) {
  AdviceStepRecord& a = f.methods.AdviceStep;
  a.code = a.value = a.cell = a.zone = a.removed = a.detail = a.cells = a.zone2 = kUntouched;
}

struct Step {
  std::string code, cell, value, zone, removed, detail, cells;
};

void ExpectStep(const Form1& f, const Step& e) {
  const AdviceStepRecord& a = f.methods.AdviceStep;
  EXPECT_EQ(a.code, e.code);
  EXPECT_EQ(a.cell, e.cell);
  EXPECT_EQ(a.value, e.value);
  EXPECT_EQ(a.zone, e.zone);
  EXPECT_EQ(a.removed, e.removed);
  EXPECT_EQ(a.detail, e.detail);
  EXPECT_EQ(a.cells, e.cells);
  EXPECT_EQ(a.zone2, kUntouched);
}

void StartWalk(Form1& f) {
  f.methods.Checking = true;
  f.methods.RecordOnly = true;
  f.methods.Progress = false;
  PresetStep(f);
}

std::string Backs(const Form1& f) {
  std::string s;
  for (const CellLabel& c : f.w.caN) s += c.back == colour::Grey ? 'g' : c.back == colour::White ? '.' : '?';
  return s;
}

// ---- At a glance ----------------------------------------------------------

// Value 5 placed in boxes 18..25: box 26 keeps one free cell (80), and so do
// column 17 and row 8.
const std::string kFiveInEightBoxes = Digits(kEmpty, '5', {0, 12, 24, 28, 40, 52, 56, 68});
// Value 5 placed in boxes 19..25: boxes 18 and 26 both keep one free cell (20, 80).
const std::string kFiveInSevenBoxes = Digits(kEmpty, '5', {3, 15, 27, 40, 52, 55, 68});
// Box 18 holds every digit but 5: its one empty cell, 10, is also the one cell free for 5.
const std::string kBoxMissingFive = [] {
  std::string g = kEmpty;
  const int cells[] = {0, 1, 2, 9, 11, 18, 19, 20};
  const char* digits = "12346789";
  for (int i = 0; i < 8; ++i) g[cells[i]] = digits[i];
  return g;
}();
// Column 8 holds 1..7 in rows 0..6 and a 9 sits in row 8: for 9 the column
// keeps one free cell, 71, though it has two empty cells.
const std::string kColumnFreeForNine = [] {
  std::string g = kEmpty;
  for (int r = 0; r < 7; ++r) g[9 * r + 8] = static_cast<char>('1' + r);
  g[72] = '9';
  return g;
}();
// All nine 1s are placed, then the eight 5s of kFiveInEightBoxes.
const std::string kNineOnesAndFives =
    Digits(kFiveInEightBoxes, '1', {1, 13, 25, 29, 41, 53, 54, 66, 78});

struct GlanceCase {
  const char* name;
  std::string grid;
  Step expected;
};
void PrintTo(const GlanceCase& c, std::ostream* os) { *os << c.name; }


class GlanceRecord : public testing::TestWithParam<GlanceCase> {};

TEST_P(GlanceRecord, RecordsTheFirstZoneWithOneFreeCell) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, GetParam().grid);
  PlainCandidates(f);
  const std::string before = AllCan(f);
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_TRUE(f.methods.Progress);
  ExpectStep(f, GetParam().expected);
  // Recording never writes a value nor touches the candidates; with a range of
  // values every cell ends white.
  EXPECT_EQ(AllCan(f), before);
  EXPECT_EQ(f.CountFilled(), f.board.FilledCount);
  EXPECT_EQ(Backs(f), std::string(81, '.'));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlanceRecord,
    testing::Values(
        GlanceCase{"BoxBeforeColumnAndRow", kFiveInEightBoxes, {"ZOB", "80", " 5 ", "26", "", "", kUntouched}},
        GlanceCase{"HigherBoxWins", kFiveInSevenBoxes, {"ZOB", "80", " 5 ", "26", "", "", kUntouched}},
        GlanceCase{"OnlyEmptyCellIsSingleCell", kBoxMissingFive, {"USO", "10", " 5 ", "18", "", "", kUntouched}},
        GlanceCase{"ColumnGivesZOC", kColumnFreeForNine, {"ZOC", "71", " 9 ", "17", "", "", kUntouched}},
        GlanceCase{"CompleteValueIsPassedOver", kNineOnesAndFives, {"ZOB", "80", " 5 ", "26", "", "", kUntouched}}),
    [](const testing::TestParamInfo<GlanceCase>& i) { return std::string(i.param.name); });

TEST(Glance, NothingToFindLeavesTheRecordAlone) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, kEmpty);
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, kUntouched);
}

TEST(Glance, WithoutCheckingTheLastValueFoundStays) {
  // Value 5 leaves cell 80 alone in box 26, value 9 leaves cell 78 alone in it.
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, Digits(kFiveInEightBoxes, '9', {1, 13, 25, 29, 41, 53, 54, 66}));
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  ExpectStep(f, {"ZOB", "80", " 5 ", "26", "", "", kUntouched});

  StartWalk(f);
  f.methods.Checking = false;
  RunDetector(f, FindAtGlance);
  EXPECT_TRUE(f.methods.Progress);
  ExpectStep(f, {"ZOB", "78", " 9 ", "26", "", "", kUntouched});
}

TEST(Glance, OneValueLeavesItsHatchingAndGreysTheFilledCells) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, Digits(kFiveInSevenBoxes, '3', {44}));
  PlainCandidates(f);
  f.methods.RecordOnly = false;
  f.methods.Checking = true;
  f.methods.GlanceFrom = 5;
  f.methods.GlanceTo = 5;
  const std::string before = AllCan(f);
  RunDetector(f, FindAtGlance);
  // Without RecordOnly nothing is recorded, only painted.
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, "");
  EXPECT_EQ(AllCan(f), before);
  // Only the free cells for 5 stay white: 20 alone in box 18, 80 alone in
  // box 26. The rows, columns and boxes of the 5s are grey, and so is the 3
  // in cell 44, which lies outside them.
  std::string expected(81, 'g');
  expected[20] = expected[80] = '.';
  EXPECT_EQ(Backs(f), expected);
  // The examined zones end with zone 0, whose cells are all hatched.
  for (const std::string& s : f.methods.GlanceCells) EXPECT_EQ(s, "");

  f.methods.GlanceTo = 6;
  RunDetector(f, FindAtGlance);
  EXPECT_EQ(Backs(f), std::string(81, '.'));
}

TEST(Glance, NoRangeDoesNothing) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, kFiveInEightBoxes);
  StartWalk(f);
  f.w.caN[4].back = colour::Pink;
  f.methods.GlanceFrom = 0;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(f.w.caN[4].back, colour::Pink);
}

// ---- Cross view of one value ----------------------------------------------

TEST(CrossBoxes, GreysTheCellsWhoseCandidatesLackTheValue) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, kFiveInSevenBoxes);
  PlainCandidates(f);
  SetCan(f, 30, "12");  // a correction removed 5 from cell 30
  const std::string before = AllCan(f);
  f.methods.RecordOnly = false;
  f.methods.GlanceFrom = 5;
  f.methods.GlanceTo = 5;
  RunCrossBoxes(f);
  const std::string backs = Backs(f);
  for (int c = 0; c < kCells; ++c)
    EXPECT_EQ(backs[c], f.board.Can[c].Has(5) ? '.' : 'g') << c;
  EXPECT_EQ(backs[30], 'g');
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(AllCan(f), before);
  // The boxes were examined up to box 26, whose one free cell is 80.
  EXPECT_EQ(f.methods.GlanceCells[0], "80");
  EXPECT_EQ(f.methods.GlanceCells[1], "");

  // With a range of values the view is wiped at the end.
  f.methods.GlanceTo = 9;
  RunCrossBoxes(f);
  EXPECT_EQ(Backs(f), std::string(81, '.'));
}

// ---- Single Cell: a zone with one empty cell -------------------------------

struct LoneCase {
  const char* name;
  std::string grid;
  bool found;
  Step expected;
};
void PrintTo(const LoneCase& c, std::ostream* os) { *os << c.name; }


class LoneRecord : public testing::TestWithParam<LoneCase> {};

TEST_P(LoneRecord, RecordsTheFirstZoneWithOneEmptyCell) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, GetParam().grid);
  PlainCandidates(f);
  const std::string before = AllCan(f);
  const int filled = f.board.FilledCount;
  StartWalk(f);
  RunDetector(f, FillLoneCells);
  EXPECT_EQ(f.methods.Progress, GetParam().found);
  if (GetParam().found) {
    ExpectStep(f, GetParam().expected);
  } else {
    EXPECT_EQ(f.methods.AdviceStep.code, kUntouched);
  }
  EXPECT_EQ(AllCan(f), before);
  EXPECT_EQ(f.CountFilled(), filled);
  EXPECT_EQ(f.methods.SuggestionCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoneRecord,
    testing::Values(
        // Cell 4 is alone in row 0, column 13 and box 19: the row comes first.
        LoneCase{"RowFirst", WithHoles({4}), true, {"USO", "4", " 7 ", "0", "", kUntouched, kUntouched}},
        // Rows 0 and 1 have two empty cells; column 9 has one, cell 0: the
        // other eight values add up to 40.
        LoneCase{"ColumnSumForty", WithHoles({0, 1, 10, 11}), true,
                 {"USO", "0", " 5 ", "9", "", kUntouched, kUntouched}},
        // Every row and column has two empty cells; box 18 has one, cell 2.
        LoneCase{"Box", WithHoles({2, 3, 29, 30}), true, {"USO", "2", " 4 ", "18", "", kUntouched, kUntouched}},
        // Row 0 holds 1, 1, 3, 4, 5, 6, 7, 8: no digit can complete it.
        LoneCase{"RepeatedValuesArePassedOver", "11345678." + std::string(72, '.'), false, {}}),
    [](const testing::TestParamInfo<LoneCase>& i) { return std::string(i.param.name); });

class LoneApply : public testing::Test {
 protected:
  Harness h;
  Form1& f = h.form;
  void SetUp() override {
    f.control.ValueOrigin = Origin::Solver;
    f.methods.Checking = true;
    f.methods.RecordOnly = false;
    f.methods.Progress = false;
    f.methods.SuggestionCount = 10;
  }
  void ExpectPlaced(std::initializer_list<int> cells) {
    for (int c : cells) {
      EXPECT_TRUE(f.Filled(c)) << c;
      EXPECT_EQ(f.w.caN[c].caption, std::string(1, kSolved[c])) << c;
      EXPECT_EQ(f.w.caN[c].ink, colour::White) << c;
      EXPECT_EQ(f.w.caN[c].font, font::Sans) << c;
      EXPECT_EQ(f.board.Can[c].Text(), "  ") << c;
    }
  }
};

TEST_F(LoneApply, FillsACascadeInOneCall) {
  // Row 1 has one empty cell (9); once it is filled column 9 has one (0),
  // then row 0 (1).
  PlaceGivens(f, WithHoles({0, 1, 9}));
  PlainCandidates(f);
  RunDetector(f, FillLoneCells);
  ExpectPlaced({0, 1, 9});
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.board.FilledCount, 81);
  EXPECT_EQ(f.methods.SuggestionCount, 13);
  EXPECT_EQ(f.methods.AdviceStep.code, "");
}

TEST_F(LoneApply, CountsSuggestionsOnlyWhileChecking) {
  PlaceGivens(f, WithHoles({0, 1, 9}));
  PlainCandidates(f);
  f.methods.Checking = false;
  RunDetector(f, FillLoneCells);
  ExpectPlaced({0, 1, 9});
  EXPECT_EQ(f.methods.SuggestionCount, 10);
}

TEST_F(LoneApply, PropagatesTheValueAndStopsWhenNoZoneIsLeft) {
  // Cell 36 is alone in column 9; after it the empty cells 37, 38, 46, 47
  // form a square, two in every zone.
  PlaceGivens(f, WithHoles({36, 37, 38, 46, 47}));
  PlainCandidates(f);
  SetCan(f, 37, "24");
  RunDetector(f, FillLoneCells);
  ExpectPlaced({36});
  EXPECT_EQ(f.board.Can[37].Text(), " 2 ");
  for (int c : {37, 38, 46, 47}) EXPECT_FALSE(f.Filled(c)) << c;
  EXPECT_EQ(f.board.FilledCount, 77);
  EXPECT_EQ(f.methods.SuggestionCount, 11);
}

// Empty cells 36, 41, 50, 51, 59, 60. Only column 9 has one empty cell (36);
// filling it leaves row 4 with one (41), then box 22 (50), row 5 (51),
// column 14 (59), row 6 (60). Cell 50 holds only 8, the digit of cell 51: a
// scan that went on after a fill instead of starting again from zone 0 would
// fill 51 (box 23) before 50 and break the trial.
TEST_F(LoneApply, StartsAgainFromZoneZeroAfterEachFill) {
  PlaceGivens(f, WithHoles({36, 41, 50, 51, 59, 60}));
  PlainCandidates(f);
  SetCan(f, 50, "8");
  f.control.TrialMode = true;
  RunDetector(f, FillLoneCells);
  EXPECT_TRUE(f.board.Consistent);
  ExpectPlaced({36, 41, 50, 51, 59, 60});
  EXPECT_EQ(f.methods.SuggestionCount, 16);
}

struct TrialCase {
  const char* name;
  bool trialMode;
  bool secondFilled;
};
void PrintTo(const TrialCase& c, std::ostream* os) { *os << c.name; }


class LoneTrial : public LoneApply, public testing::WithParamInterface<TrialCase> {};

// Cell 36 is alone in column 9; cell 37, which shares row 4 with it, holds
// only 4, the digit of 36.
TEST_P(LoneTrial, AFillThatBreaksATrialEndsTheCall) {
  PlaceGivens(f, WithHoles({36, 37}));
  PlainCandidates(f);
  SetCan(f, 37, "4");
  f.control.TrialMode = GetParam().trialMode;
  RunDetector(f, FillLoneCells);
  ExpectPlaced({36});
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.Filled(37), GetParam().secondFilled);
  EXPECT_EQ(f.board.FilledCount, GetParam().secondFilled ? 81 : 80);
  EXPECT_EQ(f.board.Consistent, GetParam().secondFilled);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoneTrial,
                         testing::Values(TrialCase{"InTrial", true, false}, TrialCase{"OutsideTrial", false, true}),
                         [](const testing::TestParamInfo<TrialCase>& i) { return std::string(i.param.name); });

// ---- Single Number: a cell with one candidate -------------------------------

struct NakedCase {
  const char* name;
  std::string grid;
  std::vector<std::pair<int, std::string>> cans;  // "" leaves the empty text
  int cell;  // -1: none
  int digit;
};
void PrintTo(const NakedCase& c, std::ostream* os) { *os << c.name; }


std::vector<NakedCase> NakedCases() {
  return {
      // Filled cells (two blanks) are passed over; the lowest cell wins.
      {"LowestCell", WithHoles({3, 10, 20}), {{3, "67"}, {10, "7"}, {20, "8"}}, 10, 7},
      {"CellZero", WithHoles({0, 80}), {{0, "5"}, {80, "9"}}, 0, 5},
      // The empty text holds no digit either.
      {"EmptyTextIsNotASingle", WithHoles({3, 10}), {{3, ""}, {10, "12"}}, -1, 0},
  };
}

class NakedSingleScan : public testing::TestWithParam<NakedCase> {
 protected:
  Harness h;
  Form1& f = h.form;
  void SetUp() override {
    PlaceGivens(f, GetParam().grid);
    PlainCandidates(f);
    for (const auto& [cell, digits] : GetParam().cans) {
      if (digits.empty())
        f.board.Can[cell] = CandText();
      else
        SetCan(f, cell, digits);
    }
  }
};

TEST_P(NakedSingleScan, RecordsTheFirstCellWithOneCandidate) {
  const std::string before = AllCan(f);
  StartWalk(f);
  RunDetector(f, NakedSingle);
  const NakedCase& c = GetParam();
  EXPECT_EQ(f.methods.Progress, c.cell >= 0);
  if (c.cell >= 0)
    ExpectStep(f, {"CFC", " " + std::to_string(c.cell), std::to_string(c.digit), "", "", "", kUntouched});
  else
    EXPECT_EQ(f.methods.AdviceStep.code, kUntouched);
  EXPECT_EQ(AllCan(f), before);
}

TEST_P(NakedSingleScan, PlacesTheFirstCellWithOneCandidate) {
  const NakedCase& c = GetParam();
  f.control.ValueOrigin = Origin::Solver;
  f.methods.Checking = true;
  f.methods.RecordOnly = false;
  f.methods.SuggestionCount = 3;
  const int filled = f.board.FilledCount;
  const std::string before = AllCan(f);
  RunDetector(f, NakedSingle);
  if (c.cell < 0) {
    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(AllCan(f), before);
    EXPECT_EQ(f.methods.SuggestionCount, 3);
    return;
  }
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_TRUE(f.Filled(c.cell));
  EXPECT_EQ(f.Value(c.cell), c.digit);
  EXPECT_EQ(f.w.caN[c.cell].ink, colour::White);
  EXPECT_EQ(f.board.Can[c.cell].Text(), "  ");
  EXPECT_EQ(f.board.FilledCount, filled + 1);
  EXPECT_EQ(f.methods.SuggestionCount, 4);
  // One cell per scan; the other single is still waiting.
  EXPECT_EQ(f.CountFilled(), filled + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, NakedSingleScan, testing::ValuesIn(NakedCases()),
                         [](const testing::TestParamInfo<NakedCase>& i) { return std::string(i.param.name); });

TEST(NakedSingleScan, PlacedValueIsPropagated) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, WithHoles({0, 1, 9}));
  PlainCandidates(f);
  SetCan(f, 0, "5");
  SetCan(f, 1, "35");
  SetCan(f, 9, "56");
  f.methods.Checking = true;
  RunDetector(f, NakedSingle);
  EXPECT_EQ(f.Value(0), 5);
  EXPECT_EQ(f.board.Can[1].Text(), " 3 ");
  EXPECT_EQ(f.board.Can[9].Text(), " 6 ");
}

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
