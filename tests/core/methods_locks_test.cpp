// Box Locks Candidate (FindBoxLock, "PRQ") and Row/Col. Locks Candidate
// (FindLineLock, "PRC"): which step each finds, what it records, and the one
// candidate it removes when applied.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "methods/methods.h"
#include "test_support.h"

namespace tessora {
namespace {

#define ROW_ ". . . . . . . . . "

// A step the detector must find in its picture.
struct LockCase {
  const char* name;
  Finder detector;
  const char* picture;
  // The recorded step.
  const char* code;
  const char* cell;
  const char* value;
  const char* zone;
  const char* zone2;
  const char* removed;
  const char* cells;
  // The target cell's candidates after the applied step.
  const char* after;
};

const LockCase kLockCases[] = {
    // Box 0 holds 4 only in Aa and Ac (row A): the first cell of row A outside
    // the box that holds 4 (Af before Ah) loses it.
    {"BoxRowFirstCellOfRow", &FindBoxLock,
     "14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "PRQ", "5", " 38 ", "0", "18", "4", "00,02,", "38"},
    // Three cells of column a in box 0 hold 6: Fa loses it.
    {"BoxColumnThreeCells", &FindBoxLock,
     "67 . . . . . . . . "
     "16 . . . . . . . . "
     "26 . . . . . . . . " ROW_ ROW_
     "569 . . . . . . . . " ROW_ ROW_
     "6 . . . . . . . . ",
     "PRQ", "45", " 59 ", "9", "18", "6", "00,09,18", "59"},
    // Box 0 (9 locked in row B) comes before box 1 (1 locked in row A).
    {"BoxesInOrder", &FindBoxLock,
     ". . . 12 13 . . . 15 "
     "89 79 . . . 39 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "PRQ", "14", " 3 ", "1", "18", "9", "09,10,", "3"},
    // In one box the digits go in ascending order: 2 (column a, target Da)
    // before 5 (row A, target Ah).
    {"BoxDigitsAscending", &FindBoxLock,
     "25 5 . . . . . 59 . "
     "2 . . . . . . . . " ROW_
     "28 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_,
     "PRQ", "27", " 8 ", "9", "18", "2", "00,09,", "8"},
    // Row A holds 7 only in Aa and Ab (box 0): the first cell of the box
    // outside the row, in box order, loses it (Bb before Ca).
    {"LineRowFirstCellOfBox", &FindLineLock,
     "7 78 . . . . . . . "
     ". 57 . . . . . . . "
     "37 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "PRC", "10", " 5 ", "0", "18", "7", "00,01,", "5"},
    // Column a locks 3 into box 0, but every row is examined before the
    // columns: row I locks 2 into box 6 and Hb loses it.
    {"LineRowsBeforeColumns", &FindLineLock,
     "3 . . . . 3 . . . "
     "3 . 34 . . . 3 . . " ROW_ ROW_ ROW_ ROW_ ROW_
     ". 28 . . . . . . . "
     "2 2 . . . . . . . ",
     "PRC", "64", " 8 ", "8", "24", "2", "72,73,", "8"},
    // The same without row I: column a locks 3 into box 0 and Bc loses it.
    {"LineColumn", &FindLineLock,
     "3 . . . . 3 . . . "
     "3 . 34 . . . 3 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "PRC", "11", " 4 ", "9", "18", "3", "00,09,", "4"},
    // Three cells of row E hold 9, all in box 4: Db loses it.
    {"LineThreeCells", &FindLineLock,
     ROW_ ROW_ ROW_
     ". . . . 19 . . . . "
     ". . . 9 9 9 . . . "
     ". . . . . 9 . . . " ROW_ ROW_ ROW_,
     "PRC", "31", " 1 ", "4", "22", "9", "39,40,41", "1"},
};

class LockStepTest : public ::testing::TestWithParam<LockCase> {};

// Failures name the case instead of dumping its bytes.
void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }

using test::CanWith;
using test::Captions;
using test::ExpectSameStep;
using test::Sentinel;

TEST_P(LockStepTest, RecordsTheStepAndLeavesTheBoard) {
  const LockCase& c = GetParam();
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, c.picture);
  f.methods.Checking = f.methods.RecordOnly = true;
  f.methods.AdviceStep = Sentinel();
  f.methods.SuggestionCount = 5;
  const std::string can = test::AllCan(f), captions = Captions(f);

  RunDetector(f, c.detector, 0);

  EXPECT_TRUE(f.methods.Progress);
  AdviceStepRecord want = Sentinel();  // fishRanges is not written
  want.code = c.code;
  want.cell = c.cell;
  want.value = c.value;
  want.zone = c.zone;
  want.zone2 = c.zone2;
  want.removed = c.removed;
  want.detail = "";
  want.cells = c.cells;
  ExpectSameStep(f.methods.AdviceStep, want);
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_EQ(Captions(f), captions);
  EXPECT_EQ(f.methods.SuggestionCount, 5);
}

TEST_P(LockStepTest, AppliedRemovesTheDigitFromTheTargetOnly) {
  const LockCase& c = GetParam();
  for (bool checking : {true, false}) {
    SCOPED_TRACE(checking ? "Checking" : "not Checking");
    test::Harness h;
    Form1& f = h.form;
    test::LoadPicture(f, c.picture);
    f.methods.Checking = checking;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string expected = CanWith(f, std::stoi(c.cell), c.after);

    RunDetector(f, c.detector, 0);

    EXPECT_TRUE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), expected);
    EXPECT_EQ(f.methods.SuggestionCount, checking ? 6 : 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LockStepTest, ::testing::ValuesIn(kLockCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Positions in which the detector finds nothing.
struct NoLockCase {
  const char* name;
  Finder detector;
  const char* picture;
};

void PrintTo(const NoLockCase& c, std::ostream* os) { *os << c.name; }

const NoLockCase kNoLockCases[] = {
    // 4 in one cell of box 0 (a hidden single, not a lock), also in row A.
    {"BoxDigitInOneCell", &FindBoxLock, "4 . . . . 4 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // 4 in four cells of box 0, three of them in row A: not examined.
    {"BoxDigitInFourCells", &FindBoxLock,
     "4 4 4 . . 4 . . . "
     ". 4 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // 4 in two cells of box 0 that share neither row nor column.
    {"BoxCellsInNoLine", &FindBoxLock,
     "4 . . . . 4 . . . "
     ". 4 . . . . . . . " ROW_
     "4 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_},
    // Row A locks 7 into box 0, but in the box 7 also lies in row B: no box lock.
    {"BoxIgnoresLineLock", &FindBoxLock,
     "7 78 . . . . . . . "
     ". 57 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // A box lock with nothing left to remove in its row.
    {"BoxLockNothingToRemove", &FindBoxLock,
     "4 4 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // 5 in one cell of row A and of column a.
    {"LineDigitInOneCell", &FindLineLock,
     "5 . . . . . . . . "
     ". 5 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // Row A holds 5 in two boxes.
    {"LineDigitInTwoBoxes", &FindLineLock,
     "5 . . . 5 . . . . "
     ". 5 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // Box 0 locks 4 into row A; row A holds 4 in three boxes: no line lock.
    {"LineIgnoresBoxLock", &FindLineLock,
     "14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
};

class NoLockTest : public ::testing::TestWithParam<NoLockCase> {};

TEST_P(NoLockTest, NothingFoundChangesNothing) {
  const NoLockCase& c = GetParam();
  for (bool record : {true, false}) {
    SCOPED_TRACE(record ? "record" : "apply");
    test::Harness h;
    Form1& f = h.form;
    test::LoadPicture(f, c.picture);
    f.methods.Checking = true;
    f.methods.RecordOnly = record;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string can = test::AllCan(f);

    RunDetector(f, c.detector, 0);

    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(f.methods.SuggestionCount, 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoLockTest, ::testing::ValuesIn(kNoLockCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each applied call removes one digit from one cell; the next call, starting
// again from the first box, finds the next cell of the same lock.
TEST(BoxLock, EachCallRemovesFromOneCell) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, "14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  RunDetector(f, FindBoxLock);
  EXPECT_EQ(f.board.Can[5].Digits(), "38");
  EXPECT_EQ(f.board.Can[7].Digits(), "49");
  RunDetector(f, FindBoxLock);
  EXPECT_EQ(f.board.Can[7].Digits(), "9");
  f.methods.Progress = false;
  RunDetector(f, FindBoxLock);
  EXPECT_FALSE(f.methods.Progress);
}

// A filled cell of the line keeps its (stale) candidates: the box lock skips
// it, while the line lock works on candidate texts alone.
TEST(BoxLock, SkipsFilledCellsOfTheLine) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, "4 4 . . =7 . 46 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  test::SetCan(f, 4, "4");
  RunDetector(f, FindBoxLock);
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.board.Can[4].Digits(), "4");
  EXPECT_EQ(f.board.Can[6].Digits(), "6");
}

// A line lock never touches a cell of its own line, even inside the box.
TEST(LineLock, LeavesTheLineAlone) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f,
                    "7 78 . . . . . . . "
                    "7 57 7 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  // Row A: 7 in Aa, Ab (box 0); row B: 7 in Ba, Bb, Bc (box 0).
  f.methods.RecordOnly = true;
  RunDetector(f, FindLineLock);
  EXPECT_EQ(f.methods.AdviceStep.zone, "0");
  EXPECT_EQ(f.methods.AdviceStep.cell, "9");
  f.methods.RecordOnly = false;
  for (int i = 0; i < 3; ++i) RunDetector(f, FindLineLock);
  // Row A cleared Ba, Bb, Bc of 7; the row's own cells kept it.
  EXPECT_EQ(f.board.Can[0].Digits(), "7");
  EXPECT_EQ(f.board.Can[1].Digits(), "78");
  EXPECT_EQ(f.board.Can[9].Digits(), "");
  EXPECT_EQ(f.board.Can[10].Digits(), "5");
  EXPECT_EQ(f.board.Can[11].Digits(), "");
}

}  // namespace
}  // namespace tessora
