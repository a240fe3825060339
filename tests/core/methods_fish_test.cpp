// X-Wing and Swordfish detectors on the board model: which step each finds
// on small positions, the next step once the control has removed the digit,
// the tints of the search, and agreement with a plain rendering of their
// rules on random positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "board_support.h"
#include "methods/fish_lines.h"
#include "methods_fish_cases.h"

namespace tessora {
namespace {

using test::fish::Case;
using test::fish::Lay;
using test::fish::Named;

// The tints a detector gives while it finds (or fails to find) its step, as
// "cell" and a letter each (p pink, g grey, b light blue), white ones left out.
std::string TintList(const Tints& tints) {
  std::string s;
  for (int c = 0; c < kCells; ++c) {
    const Tint t = tints.cell[c];
    if (t == Tint::None || t == Tint::White) continue;
    s += std::to_string(c) + (t == Tint::Pink ? "p" : t == Tint::Grey ? "g" : t == Tint::LightBlue ? "b" : "?") + " ";
  }
  return s;
}

struct Found {
  Step step;
  Tints tints;
};
Found Search(Finder detector, const Board& board) {
  Found r;
  Scope scope;
  scope.tints = &r.tints;
  r.step = detector(board, 0, scope);
  return r;
}

class FishCase : public ::testing::TestWithParam<Case> {};

TEST_P(FishCase, FindsTheStep) {
  const Case& k = GetParam();
  const Found r = Search(k.detector, Lay(k.pictures));
  EXPECT_EQ(test::PartsOf(r.step), k.Expected());
  // The search never tints its target.
  if (k.found) {
    EXPECT_NE(r.tints.cell[k.step.cell], Tint::LightBlue);
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, FishCase, ::testing::ValuesIn(test::fish::Cases()),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// ---- repeated steps --------------------------------------------------------------

// Finds and applies steps as the control does until the detector finds
// nothing; returns the cells the digit was removed from, in order.
std::vector<int> ApplyUntilNothing(Board& b, Finder detector, int digit) {
  std::vector<int> removed;
  for (int guard = 0; guard < 81; ++guard) {
    const Step s = detector(b, 0, {});
    if (!s.Found()) break;
    const std::array<CandText, kCells> before = b.Can;
    test::ApplyOneCandidate(b, s);
    int changed = 0;
    for (int c = 0; c < kCells; ++c)
      if (!(b.Can[c] == before[c])) {
        ++changed;
        EXPECT_TRUE(before[c].Has(digit) && !b.Can[c].Has(digit));
        removed.push_back(c);
      }
    EXPECT_EQ(changed, 1);
  }
  return removed;
}

TEST(XWing, EachStepRemovesTheDigitFromTheNextTarget) {
  Board b = Lay({{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
                      ".....x...", ".........", ".x......."}}});
  EXPECT_EQ(ApplyUntilNothing(b, FindXWing, 5), (std::vector<int>{73, 59}));
}

TEST(Swordfish, EachStepRemovesTheDigitOutsideTheThreeLines) {
  // Rows 1, 4 and 7 lock 4 in columns 0, 3 and 6; row 1 holds it at all three.
  Board b = Lay({{4, {"x.....x..", "x..x..x..", ".........", "...x.....", "x.....x..", ".........",
                      ".........", "...x..x..", "........."}}});
  // Row 0 is a kept line but none of the three, row 3 no kept line: both lose 4.
  EXPECT_EQ(ApplyUntilNothing(b, FindSwordfish, 4), (std::vector<int>{0, 30, 6}));
  for (int c : {9, 12, 15, 36, 42, 66, 69}) EXPECT_TRUE(b.Can[c].Has(4)) << "cell " << c;
}

// ---- tints -----------------------------------------------------------------------

TEST(XWing, TintsNothing) {
  const Found r = Search(FindXWing, Lay(Named("XWingInRows").pictures));
  ASSERT_TRUE(r.step.Found());
  EXPECT_EQ(TintList(r.tints), "");
}

TEST(Swordfish, LeavesTheGapPinkAndTheFishGrey) {
  // Gap 39 pink; M at L and R (36, 42), P (9, 12) and T (66, 69) grey.
  const Found r = Search(FindSwordfish, Lay(Named("SwordfishInRows").pictures));
  ASSERT_TRUE(r.step.Found());
  EXPECT_EQ(TintList(r.tints), "9g 12g 36g 39p 42g 66g 69g ");
}

TEST(Swordfish, SearchTintsAreUndoneWhenTheNextOfTheirKindIsTaken) {
  // The failed-check position: every fish found fails the check, in rows and
  // in columns. Each gap, left and right cell of the middle line is tinted and
  // goes back to white when the next of its kind is taken; the cells of the
  // partner and third lines stay grey.
  const Found r = Search(FindSwordfish, Lay({{4, {".........", "x..x.....", "x.......x", ".........", "x.....x..",
                                                "...x..x.x", ".........", "...x..x..", "........."}}}));
  EXPECT_FALSE(r.step.Found());
  EXPECT_EQ(TintList(r.tints), "9g 12g 18g 24p 26g 36g 42g 48g 51g 53g ");
}

TEST(Swordfish, FewerThanThreeKeptLinesSkipTheDigit) {
  // Two lines of 4, and a third with four places: nothing, and nothing tinted.
  const Found r = Search(FindSwordfish, Lay({{4, {".........", "x..x.....", ".........", ".........", "x..x.....",
                                                ".........", ".........", "x..x.xx..", "........."}}}));
  EXPECT_FALSE(r.step.Found());
  EXPECT_EQ(TintList(r.tints), "");
}

// ---- the detectors against a plain rendering of their rules ------------------
//
// The detectors work on bit masks. The model below follows the rules on the
// texts themselves (mark strings, walks that stop early, table rows that move
// up) and must agree with them on every position, tints included.

// What the model found: the step as its parts (code None: nothing) and the
// tints of its search.
struct ModelRun {
  test::StepParts step;
  std::array<Tint, kCells> tints{};
};

void Finish(ModelRun& run, const Board& f, int target, int d, Code code, int pass, const std::vector<int>& cells,
            const std::vector<int>& ranges) {
  std::string text = f.Can[target].Text();
  std::size_t at = text.find(static_cast<char>('0' + d));
  if (at != std::string::npos) text.erase(at, 1);
  test::StepParts& s = run.step;
  s.code = code;
  s.cell = target;
  s.keep = NoBlanks(text);
  s.removed = s.pattern = std::string(1, static_cast<char>('0' + d));
  s.columns = pass != 0;
  s.cells = cells;
  s.ranges = ranges;
}

bool Holds(const Board& f, int cell, int d) {
  return f.Can[cell].Text().find(static_cast<char>('0' + d)) != std::string::npos;
}
int Cover(int pass, int p) { return pass == 0 ? 9 + p : p; }

ModelRun ModelXWing(const Board& f) {
  ModelRun run;
  for (int pass = 0; pass < 2; ++pass)
    for (int d = 1; d <= 9; ++d) {
      struct Row { int z, p1, p2; };
      std::vector<Row> table;
      for (int z = 9 * pass; z < 9 * pass + 9; ++z) {
        std::vector<int> at;
        for (int p = 0; p < 9 && at.size() < 3; ++p)
          if (Holds(f, ZoneCells[z][p], d)) at.push_back(p);
        if (at.size() == 2) table.push_back({z, at[0], at[1]});
      }
      if (table.size() < 2) continue;
      for (std::size_t a = 0; a + 1 < table.size(); ++a)
        for (std::size_t b = a + 1; b < table.size(); ++b) {
          const Row& A = table[a];
          const Row& B = table[b];
          if (A.p1 != B.p1 || A.p2 != B.p2) continue;
          std::vector<int> corners = {ZoneCells[A.z][A.p1], ZoneCells[A.z][A.p2], ZoneCells[B.z][A.p1],
                                      ZoneCells[B.z][A.p2]};
          for (int p : {A.p1, A.p2})
            for (int i = 0; i < 9; ++i) {
              int c = ZoneCells[Cover(pass, p)][i];
              if (f.Filled(c) || !Holds(f, c, d)) continue;
              if (c == corners[0] || c == corners[1] || c == corners[2] || c == corners[3]) continue;
              Finish(run, f, c, d, Code::XWN, pass, corners, {A.z, B.z, A.p1, A.p2});
              return run;
            }
        }
    }
  return run;
}

ModelRun ModelSwordfish(const Board& f) {
  ModelRun run;
  int prevG = -1, prevL = -1, prevR = -1;
  auto take = [&](int& prev, int cell, Tint c) {
    if (prev >= 0) run.tints[prev] = Tint::White;
    run.tints[cell] = c;
    prev = cell;
  };
  for (int pass = 0; pass < 2; ++pass)
    for (int d = 1; d <= 9; ++d) {
      struct Row { int z; std::string mask; };
      std::vector<Row> t;
      for (int z = 9 * pass; z < 9 * pass + 9; ++z) {
        std::string mask = " 000000000 ";
        int xs = 0;
        for (int p = 0; p < 9; ++p) {
          int c = ZoneCells[z][p];
          if (f.Filled(c)) {
            mask[p + 1] = '+';
          } else if (Holds(f, c, d)) {
            if (++xs == 4) break;
            mask[p + 1] = 'X';
          }
        }
        if (xs == 2 || xs == 3) t.push_back({z, mask});
      }
      if (t.size() < 3) continue;
      auto mark = [&](std::size_t row, int p) { return t[row].mask[p + 1]; };
      for (int p = 0; p < 9; ++p) {
        int count = 0;
        std::size_t last = 0;
        for (std::size_t r = 0; r < t.size(); ++r)
          if (mark(r, p) == 'X') ++count, last = r;
        if (count == 1) {
          t.erase(t.begin() + static_cast<long>(last));
          p = -1;
        }
      }
      std::vector<int> active;
      for (int p = 0; p < 9; ++p) {
        bool any = false;
        for (std::size_t r = 0; r < t.size(); ++r) any = any || mark(r, p) == 'X';
        if (any) {
          active.push_back(p);
        } else {
          for (auto& row : t)
            if (row.mask[p + 1] == '0') row.mask[p + 1] = '-';
        }
      }
      const int n = static_cast<int>(t.size());
      auto cellOf = [&](int row, int p) { return ZoneCells[t[row].z][p]; };
      for (int m = 1; m <= n - 2; ++m)
        for (int gi = 1; gi + 1 < static_cast<int>(active.size()); ++gi) {
          int G = active[gi];
          if (mark(m, G) != '0') continue;
          take(prevG, cellOf(m, G), Tint::Pink);
          for (int L = G - 1; L >= 0; --L) {
            if (mark(m, L) != 'X') continue;
            take(prevL, cellOf(m, L), Tint::LightBlue);
            int P = -1;
            for (int r = m - 1; r >= 0 && P < 0; --r)
              if (mark(r, L) == 'X' && mark(r, G) == 'X') P = r;
            for (int r = m + 1; r < n && P < 0; ++r)
              if (mark(r, L) == 'X' && mark(r, G) == 'X') P = r;
            if (P < 0) continue;
            for (int c : {cellOf(m, L), cellOf(P, L), cellOf(P, G)}) run.tints[c] = Tint::Grey;
            bool abandon = false;
            for (int R = G + 1; R <= 8 && !abandon; ++R) {
              if (mark(m, R) != 'X') continue;
              take(prevR, cellOf(m, R), Tint::LightBlue);
              std::vector<int> others;
              if (P < m)
                for (int r = m + 1; r < n; ++r) others.push_back(r);
              else
                for (int r = m - 1; r >= 0; --r) others.push_back(r);
              for (int T : others) {
                if (mark(T, G) != 'X' || mark(T, R) != 'X') continue;
                for (int c : {cellOf(m, R), cellOf(T, R), cellOf(T, G)}) run.tints[c] = Tint::Grey;
                int upper = std::min(P, T), lower = std::max(P, T);
                bool ok = true;
                for (int row : {upper, m, lower})
                  for (int p = 0; p < 9; ++p)
                    if (!f.Filled(cellOf(row, p)) && Holds(f, cellOf(row, p), d) && p != L && p != G &&
                        p != R)
                      ok = false;
                if (!ok) {
                  abandon = true;
                  break;
                }
                for (int cover : {L, G, R})
                  for (int i = 0; i < 9; ++i) {
                    int c = ZoneCells[Cover(pass, cover)][i];
                    if (f.Filled(c) || !Holds(f, c, d)) continue;
                    if (c == cellOf(P, cover) || c == cellOf(m, cover) || c == cellOf(T, cover)) continue;
                    auto pair = [&](int row) {
                      return row == P ? std::vector<int>{L, G} : std::vector<int>{G, R};
                    };
                    std::vector<int> ranges = {t[upper].z, t[m].z, pair(upper)[0], pair(upper)[1],
                                               t[m].z, t[lower].z, pair(lower)[0], pair(lower)[1]};
                    Finish(run, f, c, d, Code::SWF, pass,
                                   {cellOf(m, G), cellOf(m, L), cellOf(P, L), cellOf(P, G), cellOf(m, R),
                                    cellOf(T, R), cellOf(T, G)},
                                   ranges);
                    return run;
                  }
              }
            }
          }
        }
    }
  return run;
}

// A random position: some cells show values, the others hold random candidate
// sets, sparse enough for lines with two or three places to be common.
Board RandomPosition(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const double filled = u(rng) * 0.4;
  const double density = 0.1 + u(rng) * 0.35;
  std::string grid(kCells, '.');
  for (char& ch : grid)
    if (u(rng) < filled) ch = static_cast<char>('1' + rng() % 9);
  Board f = test::Givens(grid);
  for (int c = 0; c < kCells; ++c) {
    std::uint16_t mask = 0;
    for (int d = 1; d <= 9; ++d)
      if (u(rng) < density) mask |= static_cast<std::uint16_t>(1u << d);
    // A few filled cells keep stray candidates: the rules read Can and the board apart.
    f.Can[c] = f.Filled(c) && u(rng) < 0.9 ? CandText::Filled() : CandText::FromMask(mask);
  }
  return f;
}

// A tint as the cells show it: white where nothing was given.
Tint Shown(Tint t) { return t == Tint::None ? Tint::White : t; }

void AgreeOnRandomPositions(Finder fast, ModelRun (*model)(const Board&)) {
  std::mt19937 rng(20240611);
  int found = 0;
  for (int i = 0; i < 1500; ++i) {
    Board board = RandomPosition(rng);
    // Up to three steps in a row on the same board, each applied as the
    // control applies it.
    for (int call = 0; call < 3; ++call) {
      const Found r = Search(fast, board);
      const ModelRun m = model(board);
      ASSERT_EQ(test::PartsOf(r.step), m.step) << "position " << i << " call " << call;
      for (int c = 0; c < kCells; ++c)
        ASSERT_EQ(Shown(r.tints.cell[c]), Shown(m.tints[c])) << "position " << i << " call " << call << " cell " << c;
      if (!r.step.Found()) break;
      ++found;
      test::ApplyOneCandidate(board, r.step);
    }
  }
  EXPECT_GT(found, 200);  // the positions do exercise the findings
}

TEST(XWing, AgreesWithTheRulesOnRandomPositions) { AgreeOnRandomPositions(FindXWing, ModelXWing); }
TEST(Swordfish, AgreesWithTheRulesOnRandomPositions) { AgreeOnRandomPositions(FindSwordfish, ModelSwordfish); }

// The line masks and line selections have a vector form and a portable form;
// both must give the same answers.
TEST(FishLines, VectorAndPortableFormsAgree) {
  std::mt19937 rng(7);
  for (int i = 0; i < 300; ++i) {
    const Board board = RandomPosition(rng);
    const fish::LineMasks fast(board);
    const fish::LineMasks portable(board, fish::LineMasks::kPortable);
    for (int pass = 0; pass < 2; ++pass)
      for (int line = 0; line < 9; ++line) {
        ASSERT_EQ(fast.empty[pass][line], portable.empty[pass][line]);
        for (int d = 1; d <= 9; ++d) ASSERT_EQ(fast.hold[pass][d][line], portable.hold[pass][d][line]);
      }
    // Every line's positions against the cells themselves.
    for (int d = 1; d <= 9; ++d)
      for (int c = 0; c < kCells; ++c) {
        ASSERT_EQ((fast.hold[0][d][c / 9] >> (c % 9)) & 1, board.Can[c].Has(d) ? 1 : 0);
        ASSERT_EQ((fast.hold[1][d][c % 9] >> (c / 9)) & 1, board.Can[c].Has(d) ? 1 : 0);
        ASSERT_EQ((fast.empty[0][c / 9] >> (c % 9)) & 1, board.Filled(c) ? 0 : 1);
      }
  }
  for (int i = 0; i < 20000; ++i) {
    std::uint16_t m[9], e[9];
    for (int k = 0; k < 9; ++k) {
      // Sparse masks, so that counts of two and three are common.
      m[k] = static_cast<std::uint16_t>(rng() & rng() & 0x1FF);
      e[k] = static_cast<std::uint16_t>(rng() | rng());
    }
    ASSERT_EQ(fish::LinesWithTwo(m), fish::LinesWithTwoPortable(m));
    ASSERT_EQ(fish::LinesWithTwoOrThree(m, e), fish::LinesWithTwoOrThreePortable(m, e));
  }
}

}  // namespace
}  // namespace tessora
