// Naked sets on the board model: Naked Twins ("CPN"), 3 Candidates Share 3
// Cells ("SCI3"), Naked Triples ("TRN"), 4 Candidates Share 4 Cells ("SCI4")
// and Naked Quads ("QUA"): which pattern each finds, and the next step once
// the control has removed one candidate.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "board_support.h"
#include "methods_naked_set_cases.h"

namespace tessora {
namespace {

using test::naked::NakedCase;
using test::naked::NoNakedCase;

class NakedSetStepTest : public ::testing::TestWithParam<NakedCase> {};

TEST_P(NakedSetStepTest, FindsThePattern) {
  const NakedCase& c = GetParam();
  const Scope scope;
  const Step s = c.detector(test::Picture(c.picture), c.k, scope);
  EXPECT_EQ(test::PartsOf(s), c.step);
  EXPECT_EQ(scope.found, c.step.zone);  // the zone is the unit
}

INSTANTIATE_TEST_SUITE_P(Cases, NakedSetStepTest, ::testing::ValuesIn(test::naked::NakedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class NoNakedSetTest : public ::testing::TestWithParam<NoNakedCase> {};

TEST_P(NoNakedSetTest, FindsNothing) {
  const NoNakedCase& c = GetParam();
  const Scope scope;
  const Step s = c.detector(test::Picture(c.picture), c.k, scope);
  EXPECT_EQ(test::PartsOf(s), test::StepParts{});
  EXPECT_EQ(scope.found, -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoNakedSetTest, ::testing::ValuesIn(test::naked::NoNakedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The control removes one pattern digit per step: the target of the pair 48
// loses 4, then 8, then the search moves on.
TEST(NakedTwins, EachStepRemovesOneDigit) {
  Board b = test::Picture("48 48 1348 . 48 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  Step s = FindNakedSet(b, 2);
  EXPECT_EQ(test::PartsOf(s), test::Eliminated(Code::CPN, 2, "13", "48", 0, "48", {0, 1}));
  test::ApplyOneCandidate(b, s);
  EXPECT_EQ(b.Can[2].Digits(), "138");
  s = FindNakedSet(b, 2);
  EXPECT_EQ(test::PartsOf(s), test::Eliminated(Code::CPN, 2, "13", "8", 0, "48", {0, 1}));
  test::ApplyOneCandidate(b, s);
  EXPECT_EQ(b.Can[2].Digits(), "13");
  // Ae (48) is cleaned next although it equals the pair: it is not one of
  // the pattern's cells.
  s = FindNakedSet(b, 2);
  EXPECT_EQ(s.cell, 4);
  test::ApplyOneCandidate(b, s);
  EXPECT_EQ(b.Can[4].Digits(), "8");
}

// A filled cell is skipped even when its candidate text still holds digits
// of the pattern; an empty text is skipped too.
TEST(NakedTwins, SkipsFilledCells) {
  Board b = test::Picture("48 48 =7 . 148 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  test::SetCan(b, 2, "48");
  b.Can[3] = CandText{};  // the empty text
  EXPECT_EQ(FindNakedSet(b, 2).cell, 4);
}

// Sizes that the detectors do not handle find nothing.
TEST(NakedSet, OtherSizesFindNothing) {
  const Board b = test::Picture(QUAD_2468);
  EXPECT_FALSE(FindNakedSet(b, 4).Found());
  EXPECT_FALSE(FindNakedSetLarge(b, 2).Found());
  EXPECT_FALSE(FindNakedSetLarge(b, 6).Found());
}

}  // namespace
}  // namespace tessora
