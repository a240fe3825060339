// The window's one-detector run (RunDetector, ui/detector_run.h): with
// RecordOnly the step the engine finds is written into the step record
// AdviceStep and nothing else changes; otherwise the step is applied as the
// control applies it (one candidate a call), counted in SuggestionCount while
// Checking, and the tints of the search are painted on the cells. The
// positions are those of the detectors' own tests (methods_*_cases.h), which
// check the steps themselves on the board model.
#include <gtest/gtest.h>

#include <ostream>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "methods/methods.h"
#include "methods_fish_cases.h"
#include "methods_hidden_set_cases.h"
#include "methods_locks_cases.h"
#include "methods_singles_cases.h"
#include "methods_naked_set_cases.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::CanWith;
using test::Captions;
using test::ExpectSameStep;
using test::Harness;
using test::Sentinel;

// The record after the window wrote `s` into one that held the sentinel.
AdviceStepRecord RecordOf(const Step& s) {
  AdviceStepRecord r = Sentinel();
  WriteRecord(r, s);
  return r;
}

// Records with a detector on a position and expects the engine's step in the
// record, the board and its captions as they were, nothing counted.
void ExpectRecorded(const Board& board, Finder detector, int k) {
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, board);
  f.methods.Checking = f.methods.RecordOnly = true;
  f.methods.AdviceStep = Sentinel();
  f.methods.SuggestionCount = 5;
  const std::string can = test::AllCan(f), captions = Captions(f);

  RunDetector(f, detector, k);

  const Step s = detector(board, k, {});
  EXPECT_EQ(f.methods.Progress, s.Found());
  ExpectSameStep(f.methods.AdviceStep, s.Found() ? RecordOf(s) : Sentinel());
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_EQ(Captions(f), captions);
  EXPECT_EQ(f.methods.SuggestionCount, 5);
}

// Applies a detector's step on a position, Checking and not: the target loses
// one digit (its candidates become `after`), nothing is recorded, and the
// step counts only while Checking (`counted`).
void ExpectApplied(const Board& board, Finder detector, int k, int target, const std::string& after,
                   bool counted = true) {
  for (bool checking : {true, false}) {
    SCOPED_TRACE(checking ? "Checking" : "not Checking");
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, board);
    f.methods.Checking = checking;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string expected = CanWith(f, target, after);

    RunDetector(f, detector, k);

    EXPECT_TRUE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), expected);
    EXPECT_EQ(f.methods.SuggestionCount, checking && counted ? 6 : 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

// Neither recording nor applying changes anything where nothing is found.
void ExpectNothing(const Board& board, Finder detector, int k) {
  for (bool record : {true, false}) {
    SCOPED_TRACE(record ? "record" : "apply");
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, board);
    f.methods.Checking = true;
    f.methods.RecordOnly = record;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string can = test::AllCan(f);

    RunDetector(f, detector, k);

    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(f.methods.SuggestionCount, 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

// ---- locks -------------------------------------------------------------------

using test::locks::LockCase;
using test::locks::NoLockCase;

class LockRun : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockRun, RecordsTheStepAndLeavesTheBoard) {
  ExpectRecorded(test::Picture(GetParam().picture), GetParam().detector, 0);
}

TEST_P(LockRun, AppliedRemovesTheDigitFromTheTargetOnly) {
  const LockCase& c = GetParam();
  ExpectApplied(test::Picture(c.picture), c.detector, 0, c.step.cell, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, LockRun, ::testing::ValuesIn(test::locks::LockCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class NoLockRun : public ::testing::TestWithParam<NoLockCase> {};

TEST_P(NoLockRun, NothingFoundChangesNothing) {
  ExpectNothing(test::Picture(GetParam().picture), GetParam().detector, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoLockRun, ::testing::ValuesIn(test::locks::NoLockCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- naked sets --------------------------------------------------------------

using test::naked::NakedCase;
using test::naked::NoNakedCase;

class NakedSetRun : public ::testing::TestWithParam<NakedCase> {};

TEST_P(NakedSetRun, RecordsTheStepAndLeavesTheBoard) {
  ExpectRecorded(test::Picture(GetParam().picture), GetParam().detector, GetParam().k);
}

TEST_P(NakedSetRun, AppliedRemovesOneDigitFromTheTarget) {
  const NakedCase& c = GetParam();
  // The control never runs the naked quads, so their steps are not counted.
  ExpectApplied(test::Picture(c.picture), c.detector, c.k, c.step.cell, c.after, c.step.code != Code::QUA);
}

INSTANTIATE_TEST_SUITE_P(Cases, NakedSetRun, ::testing::ValuesIn(test::naked::NakedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class NoNakedSetRun : public ::testing::TestWithParam<NoNakedCase> {};

TEST_P(NoNakedSetRun, NothingFoundChangesNothing) {
  ExpectNothing(test::Picture(GetParam().picture), GetParam().detector, GetParam().k);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoNakedSetRun, ::testing::ValuesIn(test::naked::NoNakedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- hidden sets -------------------------------------------------------------

using test::hidden::FindCase;
using test::hidden::ReduceCase;

// The cells painted light green, the colour of a reduced cell.
std::string Tinted(const Form1& f) {
  std::string s;
  for (int c = 0; c < kCells; ++c)
    if (f.w.caN[c].back == colour::LightGreen) s += std::to_string(c) + " ";
  return s;
}

class HiddenRun : public testing::TestWithParam<FindCase> {};

TEST_P(HiddenRun, RecordsTheFirstSetAndChangesNothing) {
  const FindCase& c = GetParam();
  const Board board = test::hidden::Lay(*c.shapes);
  ExpectRecorded(board, FindHiddenSet, c.k);
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, board);
  f.methods.Checking = f.methods.RecordOnly = true;
  RunDetector(f, FindHiddenSet, c.k);
  EXPECT_EQ(f.CountFilled(), 0);
  EXPECT_EQ(f.board.FilledCount, 0);
  EXPECT_EQ(Tinted(f), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HiddenRun, testing::ValuesIn(test::hidden::FindCases()),
                         [](const testing::TestParamInfo<FindCase>& i) { return std::string(i.param.name); });

class HiddenApply : public testing::TestWithParam<ReduceCase> {};

TEST_P(HiddenApply, AppliesWhatItFinds) {
  Harness h;
  Form1& f = h.form;
  const ReduceCase& c = GetParam();
  test::ShowBoard(f, test::hidden::Lay(*c.shapes));
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
  std::string tinted;
  for (int cell : c.reduced) tinted += std::to_string(cell) + " ";
  EXPECT_EQ(Tinted(f), tinted);
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

INSTANTIATE_TEST_SUITE_P(Cases, HiddenApply, testing::ValuesIn(test::hidden::ReduceCases()),
                         [](const testing::TestParamInfo<ReduceCase>& i) { return std::string(i.param.name); });

// The window processes pending events once per zone while the pair list
// (twins) or the set list (triples, quads) is worked through; never for singles.
TEST(HiddenRun, LetsTheWindowBreatheWhileWorkingThroughTheLists) {
  for (int k = 1; k <= 4; ++k) {
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, test::hidden::Lay(test::hidden::kBareTwins));
    f.methods.Checking = f.methods.RecordOnly = true;
    const int before = h.platform.doEventsCalls;
    RunDetector(f, FindHiddenSet, k);
    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(h.platform.doEventsCalls - before, k == 1 ? 0 : kZones) << k;
  }
}


// ---- X-Wing and Swordfish ----------------------------------------------------

using test::fish::Case;

class FishRun : public ::testing::TestWithParam<Case> {};

TEST_P(FishRun, RecordsTheStepAndLeavesTheBoard) {
  const Case& k = GetParam();
  const Board board = test::fish::Lay(k.pictures);
  ExpectRecorded(board, k.detector, 0);
  // Recording leaves the target unmarked.
  if (k.found) {
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, board);
    f.methods.Checking = f.methods.RecordOnly = true;
    RunDetector(f, k.detector, 0);
    EXPECT_NE(f.w.caN[k.step.cell].back, colour::LightBlue);
  }
}

// Applied, the target loses the fish's digit and, while Checking, turns light
// blue and counts.
TEST_P(FishRun, AppliesTheStepToOneCell) {
  const Case& k = GetParam();
  for (bool checking : {true, false}) {
    SCOPED_TRACE(checking ? "Checking" : "not Checking");
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, test::fish::Lay(k.pictures));
    std::array<CandText, kCells> expected = f.board.Can;
    if (k.found) expected[k.step.cell].Remove(k.step.removed[0] - '0');
    f.methods.Checking = checking;
    f.methods.RecordOnly = false;
    f.methods.Progress = false;
    f.methods.SuggestionCount = 7;

    RunDetector(f, k.detector, 0);

    EXPECT_EQ(f.methods.Progress, k.found);
    EXPECT_EQ(f.methods.AdviceStep.code, "");
    EXPECT_EQ(f.methods.SuggestionCount, 7 + (k.found && checking ? 1 : 0));
    for (int c = 0; c < kCells; ++c) EXPECT_EQ(f.board.Can[c], expected[c]) << "cell " << c;
    if (k.found) {
      EXPECT_EQ(f.w.caN[k.step.cell].back == colour::LightBlue, checking);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, FishRun, ::testing::ValuesIn(test::fish::Cases()),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// The cells not white, as "cell" and a letter each (p pink, g grey, b light blue).
std::string Backs(const Form1& f) {
  std::string s;
  for (int c = 0; c < kCells; ++c) {
    Colour b = f.w.caN[c].back;
    if (b == colour::White) continue;
    s += std::to_string(c) + (b == colour::Pink ? "p" : b == colour::Grey ? "g" : b == colour::LightBlue ? "b" : "?") + " ";
  }
  return s;
}

// Each step a detector applies in the control's way, painted as the window
// paints it; the cells go white between calls.
std::vector<int> ApplyUntilNothing(Form1& f, Finder detector) {
  std::vector<int> removed;
  f.methods.Checking = true;
  f.methods.RecordOnly = false;
  for (int guard = 0; guard < 81; ++guard) {
    const std::array<CandText, kCells> before = f.board.Can;
    const int count = f.methods.SuggestionCount;
    f.methods.Progress = false;
    RunDetector(f, detector, 0);
    if (!f.methods.Progress) {
      EXPECT_EQ(f.methods.SuggestionCount, count);
      break;
    }
    EXPECT_EQ(f.methods.SuggestionCount, count + 1);
    for (int c = 0; c < kCells; ++c)
      if (!(f.board.Can[c] == before[c])) removed.push_back(c);
    f.PaintAllWhite();
  }
  return removed;
}

TEST(XWingRun, EachCallRemovesTheDigitFromTheNextTargetAndCounts) {
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, test::fish::Lay(test::fish::Named("XWingInRows").pictures));
  EXPECT_EQ(ApplyUntilNothing(f, FindXWing), (std::vector<int>{73, 59}));
  EXPECT_EQ(f.methods.SuggestionCount, 2);
}

TEST(SwordfishRun, EachCallRemovesTheDigitOutsideTheThreeLinesAndCounts) {
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, test::fish::Lay({{4, {"x.....x..", "x..x..x..", ".........", "...x.....", "x.....x..", ".........",
                                           ".........", "...x..x..", "........."}}}));
  EXPECT_EQ(ApplyUntilNothing(f, FindSwordfish), (std::vector<int>{0, 30, 6}));
  EXPECT_EQ(f.methods.SuggestionCount, 3);
}

TEST(XWingRun, PaintsNothingWhenRecording) {
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, test::fish::Lay(test::fish::Named("XWingInRows").pictures));
  f.methods.Checking = f.methods.RecordOnly = true;
  RunDetector(f, FindXWing);
  ASSERT_TRUE(f.methods.Progress);
  EXPECT_EQ(Backs(f), "");
}

TEST(SwordfishRun, PaintsTheGapPinkTheFishGreyAndTheAppliedTargetBlue) {
  struct Case {
    bool checking, record;
    const char* backs;
  };
  // Gap 39 pink; M at L and R (36, 42), P (9, 12) and T (66, 69) grey; the
  // target (72) light blue only when applied while checking.
  for (const Case& run : {Case{true, true, "9g 12g 36g 39p 42g 66g 69g "},
                          Case{true, false, "9g 12g 36g 39p 42g 66g 69g 72b "},
                          Case{false, false, "9g 12g 36g 39p 42g 66g 69g "}}) {
    Harness h;
    Form1& f = h.form;
    test::ShowBoard(f, test::fish::Lay(test::fish::Named("SwordfishInRows").pictures));
    f.methods.Checking = run.checking;
    f.methods.RecordOnly = run.record;
    RunDetector(f, FindSwordfish);
    ASSERT_TRUE(f.methods.Progress);
    EXPECT_EQ(Backs(f), run.backs) << run.checking << run.record;
  }
}

// A search that finds nothing still paints its tints, whatever the flags.
TEST(SwordfishRun, PaintsTheTintsOfAFailedSearch) {
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, test::fish::Lay({{4, {".........", "x..x.....", "x.......x", ".........", "x.....x..",
                                           "...x..x.x", ".........", "...x..x..", "........."}}}));
  f.methods.Checking = true;
  f.methods.RecordOnly = false;
  RunDetector(f, FindSwordfish);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(Backs(f), "9g 12g 18g 24p 26g 36g 42g 48g 51g 53g ");
}

// ---- at a glance and the cross view -------------------------------------------

using test::singles::Digits;
using test::singles::GlanceCase;
using test::singles::kEmpty;
using test::singles::kFiveInEightBoxes;
using test::singles::kFiveInSevenBoxes;
using test::singles::kSolved;
using test::singles::LoneCase;
using test::singles::WithHoles;

// Every cell's background: 'g' grey, '.' white, '?' any other.
std::string Greys(const Form1& f) {
  std::string s;
  for (const CellLabel& c : f.w.caN) s += c.back == colour::Grey ? 'g' : c.back == colour::White ? '.' : '?';
  return s;
}

// Shows a grid with plain candidates.
void ShowGrid(Form1& f, const std::string& grid) {
  Board b = test::Givens(grid);
  test::PlainCandidates(b);
  test::ShowBoard(f, b);
}

void StartWalk(Form1& f) {
  f.methods.Checking = true;
  f.methods.RecordOnly = true;
  f.methods.Progress = false;
  f.methods.AdviceStep = Sentinel();
}

class GlanceRun : public testing::TestWithParam<GlanceCase> {};

TEST_P(GlanceRun, RecordsTheFirstZoneWithOneFreeCell) {
  Harness h;
  Form1& f = h.form;
  ShowGrid(f, GetParam().grid);
  const std::string before = test::AllCan(f);
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_TRUE(f.methods.Progress);
  ExpectSameStep(f.methods.AdviceStep, RecordOf(FindAtGlance(f.board)));
  EXPECT_EQ(f.methods.AdviceStep.code, CodeText(GetParam().step.code));
  // Recording never writes a value nor touches the candidates; with a range of
  // values every cell ends white.
  EXPECT_EQ(test::AllCan(f), before);
  EXPECT_EQ(f.CountFilled(), f.board.FilledCount);
  EXPECT_EQ(Greys(f), std::string(81, '.'));
}

INSTANTIATE_TEST_SUITE_P(Cases, GlanceRun, testing::ValuesIn(test::singles::GlanceCases()),
                         [](const testing::TestParamInfo<GlanceCase>& i) { return std::string(i.param.name); });

TEST(GlanceRun, NothingToFindLeavesTheRecordAlone) {
  Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kEmpty);
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_FALSE(f.methods.Progress);
  ExpectSameStep(f.methods.AdviceStep, Sentinel());
}

TEST(GlanceRun, WithoutCheckingTheLastValueFoundStays) {
  // Value 5 leaves cell 80 alone in box 26, value 9 leaves cell 78 alone in it.
  Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, Digits(kFiveInEightBoxes, '9', {1, 13, 25, 29, 41, 53, 54, 66}));
  StartWalk(f);
  f.methods.GlanceFrom = 1;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_EQ(f.methods.AdviceStep.cell, "80");
  EXPECT_EQ(f.methods.AdviceStep.value, " 5 ");

  StartWalk(f);
  f.methods.Checking = false;
  RunDetector(f, FindAtGlance);
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, "ZOB");
  EXPECT_EQ(f.methods.AdviceStep.cell, "78");
  EXPECT_EQ(f.methods.AdviceStep.value, " 9 ");
  EXPECT_EQ(f.methods.AdviceStep.zone, "26");
}

TEST(GlanceRun, OneValueLeavesItsHatchingAndGreysTheFilledCells) {
  Harness h;
  Form1& f = h.form;
  ShowGrid(f, Digits(kFiveInSevenBoxes, '3', {44}));
  f.methods.RecordOnly = false;
  f.methods.Checking = true;
  f.methods.GlanceFrom = 5;
  f.methods.GlanceTo = 5;
  const std::string before = test::AllCan(f);
  RunDetector(f, FindAtGlance);
  // Without RecordOnly nothing is recorded, only painted.
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, "");
  EXPECT_EQ(test::AllCan(f), before);
  // Only the free cells for 5 stay white: 20 alone in box 18, 80 alone in
  // box 26. The rows, columns and boxes of the 5s are grey, and so is the 3
  // in cell 44, which lies outside them.
  std::string expected(81, 'g');
  expected[20] = expected[80] = '.';
  EXPECT_EQ(Greys(f), expected);
  // The examined zones end with zone 0, whose cells are all hatched.
  for (const std::string& s : f.methods.GlanceCells) EXPECT_EQ(s, "");

  f.methods.GlanceTo = 6;
  RunDetector(f, FindAtGlance);
  EXPECT_EQ(Greys(f), std::string(81, '.'));
}

TEST(GlanceRun, NoRangeDoesNothing) {
  Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kFiveInEightBoxes);
  StartWalk(f);
  f.w.caN[4].back = colour::Pink;
  f.methods.GlanceFrom = 0;
  f.methods.GlanceTo = 9;
  RunDetector(f, FindAtGlance);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(f.w.caN[4].back, colour::Pink);
}

TEST(CrossBoxesRun, GreysTheCellsWhoseCandidatesLackTheValue) {
  Harness h;
  Form1& f = h.form;
  ShowGrid(f, kFiveInSevenBoxes);
  test::SetCan(f, 30, "12");  // a correction removed 5 from cell 30
  const std::string before = test::AllCan(f);
  f.methods.RecordOnly = false;
  f.methods.GlanceFrom = 5;
  f.methods.GlanceTo = 5;
  RunCrossBoxes(f);
  const std::string backs = Greys(f);
  for (int c = 0; c < kCells; ++c) EXPECT_EQ(backs[c], f.board.Can[c].Has(5) ? '.' : 'g') << c;
  EXPECT_EQ(backs[30], 'g');
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(test::AllCan(f), before);
  // The boxes were examined up to box 26, whose one free cell is 80.
  EXPECT_EQ(f.methods.GlanceCells[0], "80");
  EXPECT_EQ(f.methods.GlanceCells[1], "");

  // With a range of values the view is wiped at the end.
  f.methods.GlanceTo = 9;
  RunCrossBoxes(f);
  EXPECT_EQ(Greys(f), std::string(81, '.'));
}

// ---- Single Cell and Single Number ---------------------------------------------

class LoneRun : public testing::TestWithParam<LoneCase> {};

TEST_P(LoneRun, RecordsTheFirstZoneWithOneEmptyCell) {
  Board board = test::Givens(GetParam().grid);
  test::PlainCandidates(board);
  ExpectRecorded(board, FillLoneCells, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoneRun, testing::ValuesIn(test::singles::LoneCases()),
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
  ShowGrid(f, WithHoles({0, 1, 9}));
  RunDetector(f, FillLoneCells);
  ExpectPlaced({0, 1, 9});
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.board.FilledCount, 81);
  EXPECT_EQ(f.methods.SuggestionCount, 13);
  EXPECT_EQ(f.methods.AdviceStep.code, "");
}

TEST_F(LoneApply, CountsSuggestionsOnlyWhileChecking) {
  ShowGrid(f, WithHoles({0, 1, 9}));
  f.methods.Checking = false;
  RunDetector(f, FillLoneCells);
  ExpectPlaced({0, 1, 9});
  EXPECT_EQ(f.methods.SuggestionCount, 10);
}

TEST_F(LoneApply, PropagatesTheValueAndStopsWhenNoZoneIsLeft) {
  // Cell 36 is alone in column 9; after it the empty cells 37, 38, 46, 47
  // form a square, two in every zone.
  ShowGrid(f, WithHoles({36, 37, 38, 46, 47}));
  test::SetCan(f, 37, "24");
  RunDetector(f, FillLoneCells);
  ExpectPlaced({36});
  EXPECT_EQ(f.board.Can[37].Text(), " 2 ");
  for (int c : {37, 38, 46, 47}) EXPECT_FALSE(f.Filled(c)) << c;
  EXPECT_EQ(f.board.FilledCount, 77);
  EXPECT_EQ(f.methods.SuggestionCount, 11);
}

// Empty cells 36, 41, 50, 51, 59, 60, filled one after the other in one call
// (methods_singles_test checks the order); none of them breaks the trial.
TEST_F(LoneApply, StartsAgainFromZoneZeroAfterEachFill) {
  ShowGrid(f, WithHoles({36, 41, 50, 51, 59, 60}));
  test::SetCan(f, 50, "8");
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
  ShowGrid(f, WithHoles({36, 37}));
  test::SetCan(f, 37, "4");
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

class NakedSingleRun : public testing::TestWithParam<test::singles::NakedCase> {};

TEST_P(NakedSingleRun, RecordsTheFirstCellWithOneCandidate) {
  ExpectRecorded(test::singles::NakedBoard(GetParam()), NakedSingle, 0);
}

TEST_P(NakedSingleRun, PlacesTheFirstCellWithOneCandidate) {
  const test::singles::NakedCase& c = GetParam();
  Harness h;
  Form1& f = h.form;
  test::ShowBoard(f, test::singles::NakedBoard(c));
  f.control.ValueOrigin = Origin::Solver;
  f.methods.Checking = true;
  f.methods.RecordOnly = false;
  f.methods.SuggestionCount = 3;
  const int filled = f.board.FilledCount;
  const std::string before = test::AllCan(f);
  RunDetector(f, NakedSingle);
  if (c.cell < 0) {
    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), before);
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

INSTANTIATE_TEST_SUITE_P(Cases, NakedSingleRun, testing::ValuesIn(test::singles::NakedCases()),
                         [](const testing::TestParamInfo<test::singles::NakedCase>& i) {
                           return std::string(i.param.name);
                         });

TEST(NakedSingleRun, PlacedValueIsPropagated) {
  Harness h;
  Form1& f = h.form;
  ShowGrid(f, WithHoles({0, 1, 9}));
  test::SetCan(f, 0, "5");
  test::SetCan(f, 1, "35");
  test::SetCan(f, 9, "56");
  f.methods.Checking = true;
  RunDetector(f, NakedSingle);
  EXPECT_EQ(f.Value(0), 5);
  EXPECT_EQ(f.board.Can[1].Text(), " 3 ");
  EXPECT_EQ(f.board.Can[9].Text(), " 6 ");
}

}  // namespace
}  // namespace tessora
