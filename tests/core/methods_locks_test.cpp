// Box Locks Candidate (FindBoxLock, "PRQ") and Row/Col. Locks Candidate
// (FindLineLock, "PRC") on the board model: which step each finds, and the
// next one once the control has removed the candidate.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "board_support.h"
#include "methods_locks_cases.h"

namespace tessora {
namespace {

using test::locks::LockCase;
using test::locks::NoLockCase;

class LockStepTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockStepTest, FindsTheStep) {
  const LockCase& c = GetParam();
  const Board board = test::Picture(c.picture);
  const Scope scope;
  const Step s = c.detector(board, 0, scope);
  EXPECT_EQ(test::PartsOf(s), c.step);
  // The unit it was found in: the box (0..8) of a box lock, the line (0..17,
  // rows first) of a line lock.
  EXPECT_EQ(scope.found, c.step.code == Code::PRQ ? c.step.zone2 - 18 : c.step.zone);
}

INSTANTIATE_TEST_SUITE_P(Cases, LockStepTest, ::testing::ValuesIn(test::locks::LockCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class NoLockTest : public ::testing::TestWithParam<NoLockCase> {};

TEST_P(NoLockTest, FindsNothing) {
  const NoLockCase& c = GetParam();
  const Scope scope;
  const Step s = c.detector(test::Picture(c.picture), 0, scope);
  EXPECT_FALSE(s.Found());
  EXPECT_EQ(test::PartsOf(s), test::StepParts{});
  EXPECT_EQ(scope.found, -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoLockTest, ::testing::ValuesIn(test::locks::NoLockCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Each step removes one digit from one cell; the next call, starting again
// from the first box, finds the next cell of the same lock.
TEST(BoxLock, EachStepRemovesFromOneCell) {
  Board b = test::Picture("14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  Step s = FindBoxLock(b);
  ASSERT_EQ(s.cell, 5);
  test::ApplyOneCandidate(b, s);
  EXPECT_EQ(b.Can[5].Digits(), "38");
  EXPECT_EQ(b.Can[7].Digits(), "49");
  s = FindBoxLock(b);
  EXPECT_EQ(test::PartsOf(s), test::locks::Lock(Code::PRQ, 7, "9", 0, 18, "4", {0, 2}));
  test::ApplyOneCandidate(b, s);
  EXPECT_EQ(b.Can[7].Digits(), "9");
  EXPECT_FALSE(FindBoxLock(b).Found());
}

// A filled cell of the line keeps its (stale) candidates: the box lock skips
// it, while the line lock works on candidate texts alone.
TEST(BoxLock, SkipsFilledCellsOfTheLine) {
  Board b = test::Picture("4 4 . . =7 . 46 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  test::SetCan(b, 4, "4");
  const Step s = FindBoxLock(b);
  EXPECT_EQ(test::PartsOf(s), test::locks::Lock(Code::PRQ, 6, "6", 0, 18, "4", {0, 1}));
}

// A line lock never touches a cell of its own line, even inside the box.
TEST(LineLock, LeavesTheLineAlone) {
  // Row A: 7 in Aa, Ab (box 0); row B: 7 in Ba, Bb, Bc (box 0).
  Board b = test::Picture(
      "7 78 . . . . . . . "
      "7 57 7 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  const Step first = FindLineLock(b);
  EXPECT_EQ(first.zone, 0);
  EXPECT_EQ(first.cell, 9);
  for (int i = 0; i < 3; ++i) {
    const Step s = FindLineLock(b);
    ASSERT_TRUE(s.Found()) << i;
    test::ApplyOneCandidate(b, s);
  }
  // Row A cleared Ba, Bb, Bc of 7; the row's own cells kept it.
  EXPECT_EQ(b.Can[0].Digits(), "7");
  EXPECT_EQ(b.Can[1].Digits(), "78");
  EXPECT_EQ(b.Can[9].Digits(), "");
  EXPECT_EQ(b.Can[10].Digits(), "5");
  EXPECT_EQ(b.Can[11].Digits(), "");
}

}  // namespace
}  // namespace tessora
