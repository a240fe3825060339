// Hidden singles, twins, triples and quads on the board model: the step
// FindHiddenSet finds, and the reductions ReduceHiddenSets makes as the
// control applies them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "board_support.h"
#include "methods_hidden_set_cases.h"

namespace tessora {
namespace {

using test::hidden::FindCase;
using test::hidden::ReduceCase;


// The cells tinted light green, the colour of a reduced cell.
std::vector<int> Reduced(const Tints& tints) {
  std::vector<int> cells;
  for (int c = 0; c < kCells; ++c)
    if (tints.cell[c] == Tint::LightGreen) cells.push_back(c);
  return cells;
}

std::vector<int> CellsOf(CellSet set) {
  std::vector<int> cells;
  for (int c = 0; c < kCells; ++c)
    if ((set >> c) & 1u) cells.push_back(c);
  return cells;
}

class HiddenFind : public testing::TestWithParam<FindCase> {};

TEST_P(HiddenFind, FindsTheFirstSetAndTintsNothing) {
  const FindCase& c = GetParam();
  const Board board = test::hidden::Lay(*c.shapes);
  Tints tints;
  Scope scope;
  scope.tints = &tints;
  const Step s = FindHiddenSet(board, c.k, scope);
  EXPECT_EQ(test::PartsOf(s), c.step);
  EXPECT_EQ(scope.found, c.step.zone);
  EXPECT_EQ(Reduced(tints), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, HiddenFind, testing::ValuesIn(test::hidden::FindCases()),
                         [](const testing::TestParamInfo<FindCase>& i) { return std::string(i.param.name); });

class HiddenReduce : public testing::TestWithParam<ReduceCase> {};

TEST_P(HiddenReduce, ReducesAsTheControlDoes) {
  const ReduceCase& c = GetParam();
  Board board = test::hidden::Lay(*c.shapes);
  const std::string values = test::AllValues(board);
  Tints tints;
  Scope scope;
  scope.tints = &tints;
  const HiddenReduction r = ReduceHiddenSets(board, c.k, scope, c.checking);
  EXPECT_EQ(r.reductions, static_cast<int>(c.reduced.size()));
  EXPECT_EQ(CellsOf(r.reduced), c.reduced);
  EXPECT_EQ(Reduced(tints), c.reduced);
  for (const auto& [cell, digits] : c.after) EXPECT_EQ(board.Can[cell].Digits(), digits) << cell;
  // The single is handed back, not placed.
  EXPECT_EQ(test::AllValues(board), values);
  EXPECT_EQ(r.single.Found(), c.placed >= 0);
  if (c.placed >= 0) {
    EXPECT_EQ(r.single.code, Code::Xx1);
    EXPECT_EQ(r.single.cell, c.placed);
    EXPECT_EQ(r.single.digit, c.placedDigit);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HiddenReduce, testing::ValuesIn(test::hidden::ReduceCases()),
                         [](const testing::TestParamInfo<ReduceCase>& i) { return std::string(i.param.name); });

TEST(HiddenSet, NothingToReduceChangesNothing) {
  using namespace test::hidden;
  for (const auto* shapes : {&kBareTwins, &kTripleWithAPair, &kBareTripleFirst, &kNakedSixInBox}) {
    for (int k = 1; k <= 4; ++k) {
      Board board = Lay(*shapes);
      const std::string before = test::AllCan(board);
      Tints tints;
      Scope scope;
      scope.tints = &tints;
      const HiddenReduction r = ReduceHiddenSets(board, k, scope, true);
      EXPECT_EQ(r.reductions, 0) << k;
      EXPECT_FALSE(r.single.Found()) << k;
      EXPECT_EQ(test::AllCan(board), before) << k;
      EXPECT_EQ(Reduced(tints), std::vector<int>{}) << k;
    }
  }
}

// The caller's pause runs once per zone while the pair list (twins) or the
// set list (triples, quads) is worked through; never for singles.
TEST(HiddenSet, PausesOncePerZoneWhileWorkingThroughTheLists) {
  for (int k = 1; k <= 4; ++k) {
    int pauses = 0;
    Scope scope;
    scope.pause = {[](void* n) { ++*static_cast<int*>(n); }, &pauses};
    EXPECT_FALSE(FindHiddenSet(test::hidden::Lay(test::hidden::kBareTwins), k, scope).Found());
    EXPECT_EQ(pauses, k == 1 ? 0 : kZones) << k;
  }
}

}  // namespace
}  // namespace tessora
