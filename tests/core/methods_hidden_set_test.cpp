// Hidden singles, twins, triples and quads. Fixtures start from a board of
// empty cells that all hold every candidate, so that only the few zones a
// fixture shapes hold a pattern.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "methods/methods.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::AllCan;
using test::Harness;
using test::PlaceGivens;
using test::SetCan;

using Cans = std::vector<std::pair<int, std::string>>;

// A pattern: the zones it shapes get `rest` in every cell not listed.
struct Shape {
  int zone;
  std::string rest;
  Cans cells;
};

void Lay(Form1& f, const std::vector<Shape>& shapes) {
  PlaceGivens(f, std::string(kCells, '.'));
  for (auto& t : f.board.Can) t = CandText::Fresh();
  for (const Shape& s : shapes) {
    for (int c : ZoneCells[s.zone]) SetCan(f, c, s.rest);
    for (const auto& [cell, digits] : s.cells) SetCan(f, cell, digits);
  }
}

constexpr const char* kUntouched = "~";

struct Step {
  std::string code, cell, value, zone, removed, detail, cells;
};

void RecordWith(Form1& f, int k) {
  AdviceStepRecord& a = f.methods.AdviceStep;
  a.code = a.value = a.cell = a.zone = a.removed = a.detail = a.cells = a.zone2 = kUntouched;
  f.methods.Checking = true;
  f.methods.RecordOnly = true;
  f.methods.Progress = false;
  RunDetector(f, FindHiddenSet, k);
}

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

std::string Tinted(const Form1& f) {
  std::string s;
  for (int c = 0; c < kCells; ++c)
    if (f.w.caN[c].back == colour::LightGreen) s += std::to_string(c) + " ";
  return s;
}

// ---- fixtures -------------------------------------------------------------

// Box 22: 6 is a candidate of cell 40 (2, 6, 9) only.
const std::vector<Shape> kHiddenSixInBox = {{22, "12345789", {{40, "269"}}}};
// Box 22: cell 40 holds 6 alone; no other cell of the box holds 6.
const std::vector<Shape> kNakedSixInBox = {{22, "12345789", {{40, "6"}}}};
// Row 0: 7 only in cell 2 (7, 9), 4 only in cell 5 (4, 8); box 22 as above.
const std::vector<Shape> kTwoSinglesInRow = {{0, "123568", {{2, "79"}, {5, "48"}}},
                                             {22, "12345789", {{40, "269"}}}};
// Column 10 (cells 1, 10, 19, ...): 3 and 8 only in cells 10 and 19.
const std::vector<Shape> kTotallyHidden = {{10, "1245679", {{10, "358"}, {19, "389"}}}};
const std::vector<Shape> kPartlyHidden = {{10, "1245679", {{10, "38"}, {19, "389"}}}};
const std::vector<Shape> kBareTwins = {{10, "1245679", {{10, "38"}, {19, "38"}}}};
// Column 10: 2 and 7 only in cells 10 and 19, and 5 only in cells 1 and 28.
// Listed by digit the 5 would sit between the twins; sorted by cells it does not.
const std::vector<Shape> kTwinsBesideAPair = {
    {10, "134689", {{1, "59"}, {10, "279"}, {19, "247"}, {28, "56"}}}};
// Column 10 as kTotallyHidden, column 16: 1 and 6 only in cells 34 and 70.
const std::vector<Shape> kTwoTwins = {{10, "1245679", {{10, "358"}, {19, "389"}}},
                                      {16, "2345789", {{34, "169"}, {70, "126"}}}};
// The same and, in column 12 between them, 5 only in cell 39.
const std::vector<Shape> kTwoTwinsAndASingle = {{10, "1245679", {{10, "358"}, {19, "389"}}},
                                                {12, "1234689", {{39, "57"}}},
                                                {16, "2345789", {{34, "169"}, {70, "126"}}}};
// Row 0: 1, 4 and 7 only in cells 2, 5 and 8; cell 2 holds nothing else.
const std::vector<Shape> kTriple = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "1479"}}}};
// Row 0 as kTriple, and box 26: 2, 3, 9 only in cells 60, 70, 80.
const std::vector<Shape> kTwoTriples = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "1479"}}},
                                        {26, "145678", {{60, "2359"}, {70, "239"}, {80, "2369"}}}};
// Row 0 as kTriple but 7 is a candidate of cells 2 and 5 only.
const std::vector<Shape> kTripleWithAPair = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "149"}}}};
// Row 0: 1, 2, 3 only in cells 0..2, each holding just them; 4, 5, 6 only in
// cells 3..5, cell 3 holding 9 as well; 7, 8 only in cells 6..8.
const std::vector<Shape> kBareTripleFirst = {
    {0, "789", {{0, "123"}, {1, "123"}, {2, "123"}, {3, "4569"}, {4, "456"}, {5, "456"}}}};
// Row 8: 2, 3, 5, 8 only in cells 73, 75, 77, 79.
const std::vector<Shape> kQuad = {
    {8, "14679", {{73, "2358"}, {75, "23589"}, {77, "12358"}, {79, "2358"}}}};

// ---- recording --------------------------------------------------------------

struct RecordCase {
  const char* name;
  const std::vector<Shape>* shapes;
  int k;
  bool found;
  Step expected;
};
void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }


class HiddenRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(HiddenRecord, RecordsTheFirstSetAndChangesNothing) {
  Harness h;
  Form1& f = h.form;
  const RecordCase& c = GetParam();
  Lay(f, *c.shapes);
  const std::string before = AllCan(f);
  RecordWith(f, c.k);
  EXPECT_EQ(f.methods.Progress, c.found);
  if (c.found)
    ExpectStep(f, c.expected);
  else
    EXPECT_EQ(f.methods.AdviceStep.code, kUntouched);
  EXPECT_EQ(AllCan(f), before);
  EXPECT_EQ(f.CountFilled(), 0);
  EXPECT_EQ(f.board.FilledCount, 0);
  EXPECT_EQ(f.methods.SuggestionCount, 0);
  EXPECT_EQ(Tinted(f), "");
}

const char* U = kUntouched;

INSTANTIATE_TEST_SUITE_P(
    Cases, HiddenRecord,
    testing::Values(
        RecordCase{"HiddenSingle", &kHiddenSixInBox, 1, true, {"Xx1", "40", " 6 ", "22", U, U, U}},
        RecordCase{"HiddenSingleIgnoredByTwins", &kHiddenSixInBox, 2, false, {}},
        RecordCase{"HiddenSingleIgnoredByTriples", &kHiddenSixInBox, 3, false, {}},
        RecordCase{"HiddenSingleIgnoredByQuads", &kHiddenSixInBox, 4, false, {}},
        RecordCase{"NakedSingleIsNotHidden", &kNakedSixInBox, 1, false, {}},
        // Zones in order, digits in order within the zone.
        RecordCase{"LowerZoneLowerDigitFirst", &kTwoSinglesInRow, 1, true, {"Xx1", "05", " 4 ", "0", U, U, U}},
        RecordCase{"TotallyHiddenTwins", &kTotallyHidden, 2, true, {"Xx2a", "10", " 38 ", "10", "", "38", "19"}},
        RecordCase{"PartlyHiddenTwins", &kPartlyHidden, 2, true, {"Xx2b", "19", " 38 ", "10", "", "38", "10"}},
        RecordCase{"BareTwins", &kBareTwins, 2, false, {}},
        RecordCase{"TwinsBesideAnotherPair", &kTwinsBesideAPair, 2, true,
                   {"Xx2a", "10", " 27 ", "10", "", "27", "19"}},
        RecordCase{"TwinsNotFoundByTriples", &kTotallyHidden, 3, false, {}},
        RecordCase{"FirstOfTwoTwins", &kTwoTwins, 2, true, {"Xx2a", "10", " 38 ", "10", "", "38", "19"}},
        RecordCase{"HiddenTriple", &kTriple, 3, true, {"HTR", "5", " 147 ", "0", "", "147", "02,05,08"}},
        RecordCase{"TripleWithACountOfTwo", &kTripleWithAPair, 3, false, {}},
        RecordCase{"TripleNotFoundByQuads", &kTriple, 4, false, {}},
        RecordCase{"LaterSetsNotTriedAfterABareOne", &kBareTripleFirst, 3, false, {}},
        RecordCase{"HiddenQuad", &kQuad, 4, true, {"HQU", "75", " 2358 ", "8", "", "2358", "73,75,77,79"}},
        RecordCase{"QuadNotFoundByTriples", &kQuad, 3, false, {}}),
    [](const testing::TestParamInfo<RecordCase>& i) { return std::string(i.param.name); });

// ---- applying ---------------------------------------------------------------

struct ApplyCase {
  const char* name;
  const std::vector<Shape>* shapes;
  int k;
  bool checking;
  Cans after;          // candidate texts expected afterwards
  std::string tinted;  // cells tinted light green
  int placed;          // cell that received a value, or -1
  int placedDigit;
  int suggestions;     // added to SuggestionCount
};
void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.name; }


class HiddenApply : public testing::TestWithParam<ApplyCase> {};

TEST_P(HiddenApply, AppliesWhatItFinds) {
  Harness h;
  Form1& f = h.form;
  const ApplyCase& c = GetParam();
  Lay(f, *c.shapes);
  f.control.ValueOrigin = Origin::Solver;
  f.methods.Checking = c.checking;
  f.methods.RecordOnly = false;
  f.methods.Progress = false;
  f.methods.SuggestionCount = 20;
  RunDetector(f, FindHiddenSet, c.k);
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, "");
  EXPECT_EQ(f.methods.SuggestionCount, 20 + c.suggestions);
  for (const auto& [cell, digits] : c.after) EXPECT_EQ(f.board.Can[cell].Digits(), digits) << cell;
  EXPECT_EQ(Tinted(f), c.tinted);
  EXPECT_EQ(f.CountFilled(), c.placed >= 0 ? 1 : 0);
  EXPECT_EQ(f.board.FilledCount, c.placed >= 0 ? 1 : 0);
  if (c.placed >= 0) {
    const int p = c.placed;
    EXPECT_EQ(f.Value(p), c.placedDigit);
    EXPECT_EQ(f.w.caN[p].ink, colour::White);
    EXPECT_EQ(f.w.caN[p].font, font::Sans);
    EXPECT_EQ(f.board.Can[p].Text(), "  ");
    // The value went to its peers.
    for (int z : {RowZone(p), ColZone(p), BoxZone(p)})
      for (int q : ZoneCells[z]) EXPECT_FALSE(f.board.Can[q].Has(c.placedDigit)) << q;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HiddenApply,
    testing::Values(
        // A hidden single is placed whatever the set size asked for.
        ApplyCase{"SingleK1", &kHiddenSixInBox, 1, true, {}, "", 40, 6, 1},
        ApplyCase{"SingleK2", &kHiddenSixInBox, 2, true, {}, "", 40, 6, 1},
        ApplyCase{"SingleK3", &kHiddenSixInBox, 3, true, {}, "", 40, 6, 1},
        ApplyCase{"SingleK4", &kHiddenSixInBox, 4, false, {}, "", 40, 6, 0},
        ApplyCase{"TotallyHiddenTwins", &kTotallyHidden, 2, true, {{10, "38"}, {19, "38"}}, "10 19 ", -1, 0, 2},
        ApplyCase{"PartlyHiddenTwins", &kPartlyHidden, 2, true, {{10, "38"}, {19, "38"}}, "19 ", -1, 0, 1},
        ApplyCase{"PartlyHiddenTwinsNotChecking", &kPartlyHidden, 2, false, {{19, "38"}}, "19 ", -1, 0, 0},
        // Every hidden twin of every zone in one call...
        ApplyCase{"EveryTwinInOneCall", &kTwoTwins, 2, true,
                  {{10, "38"}, {19, "38"}, {34, "16"}, {70, "16"}}, "10 19 34 70 ", -1, 0, 4},
        // ... until a hidden single in a later zone ends the call.
        ApplyCase{"SingleEndsTheTwins", &kTwoTwinsAndASingle, 2, true,
                  {{10, "38"}, {19, "38"}, {34, "169"}, {70, "126"}}, "10 19 ", 39, 5, 3},
        // One reduction per zone; while checking the first one ends the call.
        ApplyCase{"TripleChecking", &kTwoTriples, 3, true,
                  {{5, "147"}, {8, "1479"}, {60, "2359"}, {80, "2369"}}, "5 ", -1, 0, 1},
        ApplyCase{"TriplesNotChecking", &kTwoTriples, 3, false,
                  {{5, "147"}, {8, "1479"}, {60, "239"}, {80, "2369"}}, "5 60 ", -1, 0, 0},
        ApplyCase{"Quad", &kQuad, 4, true, {{75, "2358"}, {77, "12358"}}, "75 ", -1, 0, 1}),
    [](const testing::TestParamInfo<ApplyCase>& i) { return std::string(i.param.name); });

TEST(HiddenSet, NothingToApplyChangesNothing) {
  Harness h;
  Form1& f = h.form;
  for (const auto* shapes : {&kBareTwins, &kTripleWithAPair, &kBareTripleFirst, &kNakedSixInBox}) {
    Lay(f, *shapes);
    const std::string before = AllCan(f);
    f.methods.Checking = true;
    f.methods.RecordOnly = false;
    f.methods.Progress = false;
    for (int k = 1; k <= 4; ++k) RunDetector(f, FindHiddenSet, k);
    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(AllCan(f), before);
    EXPECT_EQ(Tinted(f), "");
  }
}

// The window processes pending events once per zone while the pair list
// (twins) or the set list (triples, quads) is worked through; never for singles.
TEST(HiddenSet, LetsTheWindowBreatheWhileWorkingThroughTheLists) {
  for (int k = 1; k <= 4; ++k) {
    Harness h;
    Form1& f = h.form;
    Lay(f, kBareTwins);
    const int before = h.platform.doEventsCalls;
    RecordWith(f, k);
    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(h.platform.doEventsCalls - before, k == 1 ? 0 : kZones) << k;
  }
}

}  // namespace
}  // namespace tessora
