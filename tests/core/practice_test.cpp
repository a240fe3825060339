// Practice positions: for every method, positions where it gives the next
// step in the standard order, agreeing with the scheme's one solution; the
// moves a method finds; the bank of schemes for the rare methods.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "control/practice.h"
#include "control/solver.h"
#include "methods/detectors.h"

namespace tessora {
namespace {

std::array<int, kCells> Ints(const std::array<std::uint8_t, kCells>& g) {
  std::array<int, kCells> out{};
  for (int c = 0; c < kCells; ++c) out[c] = g[c];
  return out;
}

// The methods whose steps an earlier method of the standard order finds too.
bool SeenFirstByAnother(int method) { return method == 11 || method == 12 || method == 15 || method == 16; }

bool SameEffect(const Step& a, const Step& b) {
  return a.cell == b.cell && a.digit == b.digit && (a.IsPlacement() || a.keep == b.keep);
}

void CheckPosition(const PracticePosition& p, int method) {
  SCOPED_TRACE("method " + std::to_string(method) + " values " + GridText(p.values));
  ASSERT_EQ(p.method, method);
  // The scheme has one solution, and the position agrees with it.
  std::array<int, kCells> solution{};
  ASSERT_EQ(CountSolutions(Ints(p.givens), 2, &solution), 1);
  for (int c = 0; c < kCells; ++c) {
    ASSERT_EQ(solution[c], p.solution[c]) << "cell " << c;
    if (p.givens[c]) {
      ASSERT_EQ(p.values[c], p.givens[c]) << "cell " << c;
    }
    if (p.values[c]) {
      ASSERT_EQ(p.values[c], p.solution[c]) << "cell " << c;
      ASSERT_EQ(p.candidates[c], 0) << "cell " << c;
      continue;
    }
    // Every candidate set holds the solution's digit and no value of a peer.
    ASSERT_TRUE((p.candidates[c] >> p.solution[c]) & 1u) << "cell " << c;
    for (int q : kPeers[c]) {
      if (p.values[q]) {
        ASSERT_FALSE((p.candidates[c] >> p.values[q]) & 1u) << "cell " << c << " peer " << q;
      }
    }
  }
  const Board board = p.ToBoard();
  const bool shown = p.candidatesShown;
  EXPECT_EQ(shown, method > 2);

  // No method before it in the standard order applies: each detector in
  // turn finds nothing (the method sharing its group, and "At a glance"
  // while the candidates are shown, apart), or, for the methods whose steps
  // an earlier one finds too, only that very step.
  const MethodRow& own = Methods()[method - 1];
  for (const MethodRow& m : Methods()) {
    if (m.number >= method) break;
    if (m.needsHatching && shown) continue;
    if (std::string(m.group) == own.group) continue;
    const Step s = m.find(board, m.k, {});
    if (method == 2 && m.number == 1) {
      // Single Cell is what the crossing finds when the free cell is a zone's last.
      ASSERT_EQ(s.code, Code::USO);
      EXPECT_TRUE(SameEffect(s, p.step));
      continue;
    }
    if (s.Found() && SeenFirstByAnother(method)) {
      // That earlier method gives the same step as the method itself.
      Step ownStep;
      EXPECT_TRUE(IsNextStepOf(board, StandardStep(board, shown), method, ownStep));
      EXPECT_TRUE(SameEffect(StandardStep(board, shown), p.step));
      break;
    }
    EXPECT_FALSE(s.Found()) << m.name << " applies first";
  }
  // The walk gives the step, and the method's own detector finds it.
  const Step walk = StandardStep(board, shown);
  EXPECT_TRUE(SameEffect(walk, p.step));
  if (method != 2) {
    Scope scope;
    if (SeenFirstByAnother(method)) scope.units = 1u << walk.zone;
    const Step found = own.find(board, own.k, scope);
    EXPECT_TRUE(SameEffect(found, p.step)) << own.name << " does not find the step";
    EXPECT_EQ(MethodOf(p.step.code), &own);
  }
  // The step agrees with the solution, and so does every move of it.
  ASSERT_FALSE(p.moves.empty());
  EXPECT_EQ(p.moves[0].cell, p.step.cell);
  for (const PracticeMove& m : p.moves) {
    if (m.IsPlacement()) {
      EXPECT_EQ(m.digit, p.solution[m.cell]);
    } else {
      EXPECT_NE(m.removed, 0);
      EXPECT_FALSE((m.removed >> p.solution[m.cell]) & 1u) << "removes the solution's digit from " << m.cell;
      EXPECT_EQ(m.removed & ~p.candidates[m.cell], 0) << "removes a digit the cell does not hold";
    }
    EXPECT_TRUE(MoveIsStepOf(board, m, method, shown)) << "move in " << m.cell;
  }
}

class PracticeMethod : public ::testing::TestWithParam<int> {};

TEST_P(PracticeMethod, PositionsWhereTheMethodGivesTheNextStep) {
  const int method = GetParam();
  PracticeRandom random(2024);
  for (int i = 0; i < 4; ++i) {
    const std::optional<PracticePosition> p = MakePracticePosition(method, random);
    ASSERT_TRUE(p.has_value()) << "no position of method " << method;
    CheckPosition(*p, method);
  }
}

TEST_P(PracticeMethod, TheSameSeedGivesTheSamePositions) {
  const int method = GetParam();
  PracticeRandom a(77), b(77);
  for (int i = 0; i < 2; ++i) {
    const auto p = MakePracticePosition(method, a), q = MakePracticePosition(method, b);
    ASSERT_TRUE(p && q);
    EXPECT_EQ(GridText(p->givens), GridText(q->givens));
    EXPECT_EQ(GridText(p->values), GridText(q->values));
    EXPECT_EQ(p->candidates, q->candidates);
    EXPECT_TRUE(SameEffect(p->step, q->step));
  }
}

// A move the method finds is classed under the first method of the standard
// order that finds it: the position's own method, since none before it applies.
TEST_P(PracticeMethod, MovesOfThePositionAreClassedUnderItsMethod) {
  const int method = GetParam();
  PracticeRandom random(5);
  const auto p = MakePracticePosition(method, random);
  ASSERT_TRUE(p);
  const Board board = p->ToBoard();
  const PracticeMove& move = p->moves[0];
  const int classed = MethodOfMove(board, move, p->candidatesShown);
  if (SeenFirstByAnother(method)) {
    EXPECT_GT(classed, 0);
    EXPECT_LE(classed, method);
  } else {
    EXPECT_EQ(classed, method);
  }
  // Removing the solution's digit is no method's step; nor is writing a
  // digit other than the solution's.
  for (int c = 0; c < kCells; ++c) {
    if (p->values[c]) continue;
    EXPECT_EQ(MethodOfMove(board, {c, 0, static_cast<std::uint16_t>(1u << p->solution[c])}, p->candidatesShown), 0);
    for (int d = 1; d <= 9; ++d) {
      if (d != p->solution[c] && ((p->candidates[c] >> d) & 1u)) {
        EXPECT_EQ(MethodOfMove(board, {c, d, 0}, p->candidatesShown), 0) << "cell " << c << " digit " << d;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllMethods, PracticeMethod, ::testing::Range(1, kPracticeMethods + 1),
                         [](const auto& info) { return "Method" + std::to_string(info.param); });

TEST(Practice, NoPositionOfAMethodOutsideTheList) {
  PracticeRandom random(1);
  EXPECT_FALSE(MakePracticePosition(0, random));
  EXPECT_FALSE(MakePracticePosition(17, random));
}

// A fixed board: a naked single, a hidden single and a naked pair, each
// classed under its method; a move no method makes under none.
TEST(Practice, MovesClassedByTheirMethod) {
  Board b;
  // Row 0: 1..6 placed, cells 6, 7, 8 empty.
  for (int c = 0; c < 6; ++c) b.Place(c, c + 1, Origin::Given);
  RecountCandidates(b);
  // Cells 6..8 hold 7, 8, 9; make 6 a naked single by writing its candidates.
  b.Can[6] = CandText::FromMask(1u << 7);
  EXPECT_EQ(MethodOfMove(b, {6, 7, 0}, true), 3);
  EXPECT_EQ(MethodOfMove(b, {6, 8, 0}, true), 0);
  // With the candidates hidden the crossing does not see it (its row lacks
  // three values); a hidden single among the candidates: 7 only in cell 6 of row 0.
  b.Can[6] = CandText::FromMask((1u << 7) | (1u << 8));
  b.Can[7] = CandText::FromMask((1u << 8) | (1u << 9));
  b.Can[8] = CandText::FromMask((1u << 8) | (1u << 9));
  EXPECT_EQ(MethodOfMove(b, {6, 7, 0}, true), 4);
  // Removing the other candidate leaves the hidden single's value: a step of
  // the hidden single, the first method in the order that makes it.
  EXPECT_EQ(MethodOfMove(b, {6, 0, static_cast<std::uint16_t>(1u << 8)}, true), 4);
  EXPECT_EQ(MethodOfMove(b, {6, 0, static_cast<std::uint16_t>(1u << 7)}, true), 0);
  // With 9 too in cell 6, the naked pair 89 in cells 7 and 8 removes 8 (or 8
  // and 9) from it: removing 8 alone leaves two candidates, a step of Naked
  // Twins; removing both leaves 7, the hidden single's.
  b.Can[6] = CandText::FromMask((1u << 7) | (1u << 8) | (1u << 9));
  EXPECT_EQ(MethodOfMove(b, {6, 0, static_cast<std::uint16_t>(1u << 8)}, true), 5);
  EXPECT_EQ(MethodOfMove(b, {6, 0, static_cast<std::uint16_t>((1u << 8) | (1u << 9))}, true), 4);
  EXPECT_EQ(MethodOfMove(b, {6, 0, static_cast<std::uint16_t>((1u << 7) | (1u << 8))}, true), 0);
}

TEST(Practice, TransformedSchemesKeepOneSolution) {
  PracticeRandom random(9);
  const PracticeScheme s = MakeRandomScheme(random);
  ASSERT_EQ(CountSolutions(Ints(s.givens), 2), 1);
  for (int i = 0; i < 20; ++i) {
    const auto t = Transformed(s.givens, random);
    int givens = 0;
    for (int c = 0; c < kCells; ++c) givens += t[c] != 0;
    int before = 0;
    for (int c = 0; c < kCells; ++c) before += s.givens[c] != 0;
    EXPECT_EQ(givens, before);
    EXPECT_EQ(CountSolutions(Ints(t), 2), 1);
  }
}

// Every scheme line of the bank file is built in, has one solution, and
// gives a position of its method within a few walks.
TEST(Practice, TheBankHoldsEveryLineOfItsFileAndEachGivesItsMethod) {
  std::ifstream in(std::string(TESSORA_SOURCE_DIR) + "/src/core/control/practice_bank.txt");
  ASSERT_TRUE(in);
  int lines = 0;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') ++lines;
  const auto& bank = PracticeBank();
  ASSERT_EQ(static_cast<int>(bank.size()), lines);
  for (int m : {12, 14, 15, 16}) EXPECT_TRUE(UsesBank(m)) << m;
  PracticeRandom random(3);
  for (const BankScheme& s : bank) {
    SCOPED_TRACE(s.puzzle);
    PracticeScheme scheme;
    for (int c = 0; c < kCells; ++c)
      scheme.givens[c] = static_cast<std::uint8_t>(s.puzzle[c] == '.' ? 0 : s.puzzle[c] - '0');
    std::array<int, kCells> solution{};
    ASSERT_EQ(CountSolutions(Ints(scheme.givens), 2, &solution), 1);
    for (int c = 0; c < kCells; ++c) scheme.solution[c] = static_cast<std::uint8_t>(solution[c]);
    bool met = false;
    for (int walk = 0; walk < 24 && !met; ++walk) {
      PracticeScheme turned = scheme;
      if (walk > 0) {
        turned.givens = Transformed(scheme.givens, random);
        CountSolutions(Ints(turned.givens), 2, &solution);
        for (int c = 0; c < kCells; ++c) turned.solution[c] = static_cast<std::uint8_t>(solution[c]);
      }
      WalkScheme(turned, true, random, [&](const Board& b, const Step& step, int) {
        Step own;
        met = IsNextStepOf(b, step, s.method, own);
        return met;
      });
    }
    EXPECT_TRUE(met) << "method " << s.method;
  }
}

}  // namespace
}  // namespace tessora
