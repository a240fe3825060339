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
#include <string>
#include <vector>

#include "methods/methods.h"
#include "methods_fish_cases.h"
#include "methods_hidden_set_cases.h"
#include "methods_locks_cases.h"
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
void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const NoLockCase& c, std::ostream* os) { *os << c.name; }

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
void PrintTo(const NakedCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const NoNakedCase& c, std::ostream* os) { *os << c.name; }

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
void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const ReduceCase& c, std::ostream* os) { *os << c.name; }

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
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

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
    if (k.found) EXPECT_EQ(f.w.caN[k.step.cell].back == colour::LightBlue, checking);
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

}  // namespace
}  // namespace tessora
