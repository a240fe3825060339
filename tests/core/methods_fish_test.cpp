// X-Wing and Swordfish detectors: which step each finds on small positions,
// what it records, what it changes when applied, and the cells it tints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "methods/fish_lines.h"
#include "test_support.h"

namespace tessora {
namespace {

using Picture = std::array<const char*, 9>;

// One digit's layout: 'x' an empty cell holding the digit, '.' an empty cell
// without it, '1'..'9' a given value (the same in every picture of a position).
struct DigitPicture {
  int digit;
  Picture rows;
};

// Every empty cell also holds 8 and 9 (at five or more places in every line,
// so they never form a pattern) and the digits its pictures mark.
void Lay(Form1& f, const std::vector<DigitPicture>& pictures) {
  std::string grid(kCells, '.');
  for (const auto& pic : pictures)
    for (int c = 0; c < kCells; ++c) {
      char ch = pic.rows[c / 9][c % 9];
      if (ch >= '1' && ch <= '9') grid[c] = ch;
    }
  test::PlaceGivens(f, grid);
  for (int c = 0; c < kCells; ++c) {
    if (f.Filled(c)) continue;
    std::uint16_t mask = (1u << 8) | (1u << 9);
    for (const auto& pic : pictures)
      if (pic.rows[c / 9][c % 9] == 'x') mask |= static_cast<std::uint16_t>(1u << pic.digit);
    f.board.Can[c] = CandText::FromMask(mask);
  }
}

struct Expected {
  std::string value, removed, cell, detail, cells;
  std::vector<int> fishRanges;
};

struct Case {
  const char* name;
  Finder detector;
  const char* code;
  std::vector<DigitPicture> pictures;
  bool found;
  Expected step;  // when found
};

int Digit(const std::string& removed) { return removed[0] - '0'; }

// ---- the positions ---------------------------------------------------------------

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Rows 0 and 4 hold 5 only in columns 1 and 5. The cover zone of column 1
      // is scanned before that of column 5, so row 8 goes before row 6.
      {"XWingInRows", FindXWing, "XWN",
       {{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
             ".....x...", ".........", ".x......."}}},
       true, {" 89 ", "5", "73", "0", "01,05,37,41", {0, 4, 1, 5}}},
      // Rows 2 and 8 hold 3 in columns 1 and 5 as row 0 does, but also in 7:
      // only rows 0, 4 and 6 are kept, and rows 4 and 6 make the X-Wing.
      {"ThreePlacesNeverInXWing", FindXWing, "XWN",
       {{3, {".x...x...", ".........", ".x...x.x.", ".........", "...x..x..", "...x.....",
             "...x..x..", ".........", ".x...x.x."}}},
       true, {" 89 ", "3", "48", "0", "39,42,57,60", {4, 6, 3, 6}}},
      // The same without rows 4 to 6: nothing, in rows or in columns.
      {"ThreePlacesAloneNoXWing", FindXWing, "XWN",
       {{3, {".x...x...", ".........", ".x...x.x.", ".........", ".........", ".........",
             ".........", ".........", ".x...x.x."}}},
       false, {}},
      // Columns 2 and 8 hold 7 only in rows 1 and 6; row 1 also at column 4.
      {"XWingInColumns", FindXWing, "XWN",
       {{7, {".........", "..x.x...x", ".........", ".........", ".........", ".........",
             "..x.....x", ".........", "........."}}},
       true, {" 89 ", "7", "13", "9", "11,56,17,62", {11, 17, 1, 6}}},
      // A column X-Wing of 1 and a row X-Wing of 6: the rows go first.
      {"RowsBeforeColumns", FindXWing, "XWN",
       {{1, {".........", "..x.x...x", ".........", ".........", ".........", ".........",
             "..x.....x", ".........", "........."}},
        {6, {".........", ".........", ".........", "x...x....", ".........", "x........",
             ".........", "x...x....", "........."}}},
       true, {" 89 ", "6", "45", "0", "27,31,63,67", {3, 7, 0, 4}}},
      // 2 forms an X-Wing in its last pair of rows, 3 in its first: all of 2 first.
      {"DigitExaminedCompletelyFirst", FindXWing, "XWN",
       {{2, {".........", ".........", ".........", ".........", ".........", ".........",
             "..x..x...", "..x..x...", "..x......"}},
        {3, {"x......x.", "x......x.", ".........", ".........", "x........", ".........",
             ".........", ".........", "........."}}},
       true, {" 89 ", "2", "74", "0", "56,59,65,68", {6, 7, 2, 5}}},
      // Rows 0 and 1 make an X-Wing with nothing to remove; rows 3 and 4 make one
      // whose only target is in the second cover zone.
      {"XWingWithoutTargetSkipped", FindXWing, "XWN",
       {{4, {"xx.......", "xx.......", ".........", ".....xx..", ".....xx..", ".........",
             ".........", ".........", "......x.."}}},
       true, {" 89 ", "4", "78", "0", "32,33,41,42", {3, 4, 5, 6}}},

      // M = row 4 (4 at columns 0 and 6), P = row 1 (0 and 3) above, T = row 7 (3
      // and 6) below; row 8 holds 4 at four places and is no line of the fish.
      {"SwordfishInRows", FindSwordfish, "SWF",
       {{4, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "xxx..x..."}}},
       true, {" 89 ", "4", "72", "0", "39,36,09,12,42,69,66", {1, 4, 0, 3, 4, 7, 3, 6}}},
      // The same pattern transposed.
      {"SwordfishInColumns", FindSwordfish, "SWF",
       {{4, {".x..x...x", "........x", "........x", ".x.....x.", ".........", "........x",
             "....x..x.", ".........", "........."}}},
       true, {" 89 ", "4", "8", "9", "31,04,01,28,58,61,34", {10, 13, 0, 3, 13, 16, 3, 6}}},
      // The line lacking the gap position (row 7) is the last of the three.
      {"ButterflyWithOutermostMiddleNotFound", FindSwordfish, "SWF",
       {{4, {".........", "x..x.....", ".........", ".........", "...x..x..", ".........",
             ".........", "x.....x..", "xxx..x..."}}},
       false, {}},
      // Row 5 holds 4 at four places: it is not the nearest partner of row 4; the
      // partner is row 7 below, the third line row 1 above (the upper line).
      {"FourPlacesNeverASwordfishLine", FindSwordfish, "SWF",
       {{4, {".........", "...x..x..", ".........", ".........", "x.....x..", "xxxx.....",
             ".........", "x..x.....", ".xx......"}}},
       true, {" 89 ", "4", "45", "0", "39,36,63,66,42,15,12", {1, 4, 3, 6, 4, 7, 0, 3}}},
      // Rows 0, 1 and 4 fall one after the other (alone at 8, then at 1, then at 2).
      {"PruningRepeats", FindSwordfish, "SWF",
       {{6, {".x......x", ".xx......", ".........", "x..x.....", "x.xx.....", "x.....x..",
             "...x..x..", ".........", "........."}}},
       true, {" 89 ", "6", "36", "0", "48,45,27,30,51,60,57", {3, 5, 0, 3, 5, 6, 3, 6}}},
      // Partner row 1 holds 4 at L, G and R: the check passes and it keeps 4.
      {"PartnerHoldingAllThreeKeepsIt", FindSwordfish, "SWF",
       {{4, {"......x..", "x..x..x..", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "........."}}},
       true, {" 89 ", "4", "6", "0", "39,36,09,12,42,69,66", {1, 4, 0, 3, 4, 7, 3, 6}}},
      // Partners above (row 1) and below (row 6): the one above is taken, and
      // row 6 is no line of the fish, so its cell in column 0 is the target.
      {"PartnerSearchedBeforeMiddleFirst", FindSwordfish, "SWF",
       {{4, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             "x..x.....", "...x..x..", "........."}}},
       true, {" 89 ", "4", "54", "0", "39,36,09,12,42,69,66", {1, 4, 0, 3, 4, 7, 3, 6}}},
      // The nearest third line (row 5) also holds 4 at column 8: the check fails
      // and that left position is abandoned; row 7 is never tried.
      {"FailedCheckAbandonsTheLeftPosition", FindSwordfish, "SWF",
       {{4, {".........", "x..x.....", "x.......x", ".........", "x.....x..", "...x..x.x",
             ".........", "...x..x..", "........."}}},
       false, {}},
      // The gap cell of row 4 shows a value: no gap.
      {"FilledCellIsNoGap", FindSwordfish, "SWF",
       {{4, {".........", "x..x.....", ".........", ".........", "x..5..x..", ".........",
             ".........", "...x..x..", "xxx..x..."}}},
       false, {}},
      // 2 makes a fish with nothing to remove; the search goes on to 4.
      {"FishWithoutTargetSearchGoesOn", FindSwordfish, "SWF",
       {{2, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "........."}},
        {4, {".x.......", ".........", ".x..x....", ".........", ".........", ".x.....x.",
             ".........", ".........", "....x..x."}}},
       true, {" 89 ", "4", "1", "0", "49,46,19,22,52,79,76", {2, 5, 1, 4, 5, 8, 4, 7}}},
      // An X-Wing is no Swordfish.
      {"XWingIsNoSwordfish", FindSwordfish, "SWF",
       {{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
             ".........", ".........", "........."}}},
       false, {}},
  };
  return cases;
}

const Case& Named(const std::string& name) {
  for (const Case& k : Cases())
    if (name == k.name) return k;
  throw std::invalid_argument(name);
}

// Failures and test lists name the case instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class FishCase : public ::testing::TestWithParam<Case> {};

TEST_P(FishCase, RecordsTheStepAndLeavesTheBoard) {
  const Case& k = GetParam();
  test::Harness h;
  Form1& f = h.form;
  Lay(f, k.pictures);
  const std::string before = test::AllCan(f);
  f.methods.Checking = true;
  f.methods.RecordOnly = true;
  f.methods.Progress = false;
  f.methods.AdviceStep.Clear();

  RunDetector(f, k.detector, 0);

  EXPECT_EQ(test::AllCan(f), before);
  EXPECT_EQ(f.methods.SuggestionCount, 0);
  EXPECT_EQ(f.methods.Progress, k.found);
  const AdviceStepRecord& s = f.methods.AdviceStep;
  if (!k.found) {
    EXPECT_EQ(s.code, "");
    return;
  }
  EXPECT_EQ(s.code, k.code);
  EXPECT_EQ(s.value, k.step.value);
  EXPECT_EQ(s.removed, k.step.removed);
  EXPECT_EQ(s.cell, k.step.cell);
  EXPECT_EQ(s.zone, "");
  EXPECT_EQ(s.zone2, "");
  EXPECT_EQ(s.detail, k.step.detail);
  EXPECT_EQ(s.cells, k.step.cells);
  EXPECT_EQ(s.fishRanges, k.step.fishRanges);
  EXPECT_EQ(f.w.caN[std::stoi(k.step.cell)].back == colour::LightBlue, false);
}

TEST_P(FishCase, AppliesTheStepToOneCell) {
  const Case& k = GetParam();
  for (bool checking : {true, false}) {
    SCOPED_TRACE(checking ? "Checking" : "not Checking");
    test::Harness h;
    Form1& f = h.form;
    Lay(f, k.pictures);
    std::array<CandText, kCells> expected = f.board.Can;
    if (k.found) expected[std::stoi(k.step.cell)].Remove(Digit(k.step.removed));
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
      EXPECT_EQ(f.w.caN[std::stoi(k.step.cell)].back == colour::LightBlue, checking);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, FishCase, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// ---- repeated calls --------------------------------------------------------------

// Calls the detector in the control's way until it finds nothing; returns the
// cells it removed the digit from, in order.
std::vector<int> ApplyUntilNothing(Form1& f, Finder detector, int digit) {
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
    int changed = 0;
    for (int c = 0; c < kCells; ++c)
      if (!(f.board.Can[c] == before[c])) {
        ++changed;
        EXPECT_TRUE(before[c].Has(digit) && !f.board.Can[c].Has(digit));
        removed.push_back(c);
      }
    EXPECT_EQ(changed, 1);
    f.PaintAllWhite();
  }
  return removed;
}

TEST(XWing, EachCallRemovesTheDigitFromTheNextTarget) {
  test::Harness h;
  Form1& f = h.form;
  Lay(f, {{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
               ".....x...", ".........", ".x......."}}});
  EXPECT_EQ(ApplyUntilNothing(f, FindXWing, 5), (std::vector<int>{73, 59}));
  EXPECT_EQ(f.methods.SuggestionCount, 2);
}

TEST(Swordfish, EachCallRemovesTheDigitOutsideTheThreeLines) {
  test::Harness h;
  Form1& f = h.form;
  // Rows 1, 4 and 7 lock 4 in columns 0, 3 and 6; row 1 holds it at all three.
  Lay(f, {{4, {"x.....x..", "x..x..x..", ".........", "...x.....", "x.....x..", ".........",
               ".........", "...x..x..", "........."}}});
  // Row 0 is a kept line but none of the three, row 3 no kept line: both lose 4.
  EXPECT_EQ(ApplyUntilNothing(f, FindSwordfish, 4), (std::vector<int>{0, 30, 6}));
  for (int c : {9, 12, 15, 36, 42, 66, 69}) EXPECT_TRUE(f.board.Can[c].Has(4)) << "cell " << c;
  EXPECT_EQ(f.methods.SuggestionCount, 3);
}

// ---- tints -----------------------------------------------------------------------

std::string Tints(const Form1& f) {
  std::string s;
  for (int c = 0; c < kCells; ++c) {
    Colour b = f.w.caN[c].back;
    if (b == colour::White) continue;
    s += std::to_string(c) + (b == colour::Pink ? "p" : b == colour::Grey ? "g" : b == colour::LightBlue ? "b" : "?") + " ";
  }
  return s;
}

TEST(XWing, TintsNothingWhenRecording) {
  test::Harness h;
  Form1& f = h.form;
  Lay(f, Named("XWingInRows").pictures);
  f.methods.Checking = f.methods.RecordOnly = true;
  RunDetector(f, FindXWing);
  ASSERT_TRUE(f.methods.Progress);
  EXPECT_EQ(Tints(f), "");
}

TEST(Swordfish, LeavesTheGapPinkAndTheFishGrey) {
  struct Run {
    bool checking, record;
    const char* tints;
  };
  // Gap 39 pink; M at L and R (36, 42), P (9, 12) and T (66, 69) grey; the
  // target (72) light blue only when applied while checking.
  for (const Run& run : {Run{true, true, "9g 12g 36g 39p 42g 66g 69g "},
                         Run{true, false, "9g 12g 36g 39p 42g 66g 69g 72b "},
                         Run{false, false, "9g 12g 36g 39p 42g 66g 69g "}}) {
    test::Harness h;
    Form1& f = h.form;
    Lay(f, Named("SwordfishInRows").pictures);
    f.methods.Checking = run.checking;
    f.methods.RecordOnly = run.record;
    RunDetector(f, FindSwordfish);
    ASSERT_TRUE(f.methods.Progress);
    EXPECT_EQ(Tints(f), run.tints) << run.checking << run.record;
  }
}

TEST(Swordfish, SearchTintsAreUndoneWhenTheNextOfTheirKindIsTaken) {
  test::Harness h;
  Form1& f = h.form;
  // The failed-check position: every fish found fails the check, in rows and
  // in columns. Each gap, left and right cell of the middle line is tinted and
  // goes back to white when the next of its kind is taken; the cells of the
  // partner and third lines stay grey.
  Lay(f, {{4, {".........", "x..x.....", "x.......x", ".........", "x.....x..", "...x..x.x",
               ".........", "...x..x..", "........."}}});
  f.methods.Checking = true;
  f.methods.RecordOnly = false;  // the tints do not depend on the flags
  RunDetector(f, FindSwordfish);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(Tints(f), "9g 12g 18g 24p 26g 36g 42g 48g 51g 53g ");
}

TEST(Swordfish, FewerThanThreeKeptLinesSkipTheDigit) {
  test::Harness h;
  Form1& f = h.form;
  // Two lines of 4, and a third with four places: nothing, and nothing tinted.
  Lay(f, {{4, {".........", "x..x.....", ".........", ".........", "x..x.....", ".........",
               ".........", "x..x.xx..", "........."}}});
  f.methods.Checking = f.methods.RecordOnly = true;
  RunDetector(f, FindSwordfish);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(Tints(f), "");
}

// ---- the detectors against a plain rendering of their rules ------------------
//
// The detectors work on bit masks. The model below follows the rules on the
// texts themselves (mark strings, walks that stop early, table rows that move
// up) and must agree with them on every position, tints included.

std::string Two(int cell) {
  char b[4];
  std::snprintf(b, sizeof b, "%02d", cell);
  return b;
}

struct ModelFinish {
  Form1& f;
  void operator()(int target, int d, const char* code, int pass, const std::vector<int>& cells,
                  const std::vector<int>& ranges) {
    if (f.methods.RecordOnly) {
      AdviceStepRecord& s = f.methods.AdviceStep;
      std::string text = f.board.Can[target].Text();
      std::size_t at = text.find(static_cast<char>('0' + d));
      if (at != std::string::npos) text.erase(at, 1);
      s.code = code;
      s.value = text;
      s.removed = std::string(1, static_cast<char>('0' + d));
      s.cell = std::to_string(target);
      s.zone = "";
      s.zone2 = "";
      s.detail = pass == 0 ? "0" : "9";
      s.cells = "";
      for (std::size_t i = 0; i < cells.size(); ++i) s.cells += (i ? "," : "") + Two(cells[i]);
      s.fishRanges = ranges;
    } else {
      if (f.methods.Checking) f.w.caN[target].back = colour::LightBlue;
      f.board.Can[target].Remove(d);
      if (f.methods.Checking) f.methods.SuggestionCount += 1;
    }
    f.methods.Progress = true;
  }
};

bool Holds(const Form1& f, int cell, int d) {
  return f.board.Can[cell].Text().find(static_cast<char>('0' + d)) != std::string::npos;
}
int Cover(int pass, int p) { return pass == 0 ? 9 + p : p; }

void ModelXWing(Form1& f, int) {
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
              ModelFinish{f}(c, d, "XWN", pass, corners, {A.z, B.z, A.p1, A.p2});
              return;
            }
        }
    }
}

void ModelSwordfish(Form1& f, int) {
  int prevG = -1, prevL = -1, prevR = -1;
  auto take = [&](int& prev, int cell, Colour c) {
    if (prev >= 0) f.w.caN[prev].back = colour::White;
    f.w.caN[cell].back = c;
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
          take(prevG, cellOf(m, G), colour::Pink);
          for (int L = G - 1; L >= 0; --L) {
            if (mark(m, L) != 'X') continue;
            take(prevL, cellOf(m, L), colour::LightBlue);
            int P = -1;
            for (int r = m - 1; r >= 0 && P < 0; --r)
              if (mark(r, L) == 'X' && mark(r, G) == 'X') P = r;
            for (int r = m + 1; r < n && P < 0; ++r)
              if (mark(r, L) == 'X' && mark(r, G) == 'X') P = r;
            if (P < 0) continue;
            for (int c : {cellOf(m, L), cellOf(P, L), cellOf(P, G)}) f.w.caN[c].back = colour::Grey;
            bool abandon = false;
            for (int R = G + 1; R <= 8 && !abandon; ++R) {
              if (mark(m, R) != 'X') continue;
              take(prevR, cellOf(m, R), colour::LightBlue);
              std::vector<int> others;
              if (P < m)
                for (int r = m + 1; r < n; ++r) others.push_back(r);
              else
                for (int r = m - 1; r >= 0; --r) others.push_back(r);
              for (int T : others) {
                if (mark(T, G) != 'X' || mark(T, R) != 'X') continue;
                for (int c : {cellOf(m, R), cellOf(T, R), cellOf(T, G)}) f.w.caN[c].back = colour::Grey;
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
                    ModelFinish{f}(c, d, "SWF", pass,
                                   {cellOf(m, G), cellOf(m, L), cellOf(P, L), cellOf(P, G), cellOf(m, R),
                                    cellOf(T, R), cellOf(T, G)},
                                   ranges);
                    return;
                  }
              }
            }
          }
        }
    }
}

// A random position: some cells show values, the others hold random candidate
// sets, sparse enough for lines with two or three places to be common.
void RandomPosition(Form1& f, std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const double filled = u(rng) * 0.4;
  const double density = 0.1 + u(rng) * 0.35;
  std::string grid(kCells, '.');
  for (char& ch : grid)
    if (u(rng) < filled) ch = static_cast<char>('1' + rng() % 9);
  test::PlaceGivens(f, grid);
  for (int c = 0; c < kCells; ++c) {
    std::uint16_t mask = 0;
    for (int d = 1; d <= 9; ++d)
      if (u(rng) < density) mask |= static_cast<std::uint16_t>(1u << d);
    // A few filled cells keep stray candidates: the rules read Can and the board apart.
    f.board.Can[c] = f.Filled(c) && u(rng) < 0.9 ? CandText::Filled() : CandText::FromMask(mask);
  }
}

struct Snapshot {
  std::string can;
  std::vector<Colour> backs;
  AdviceStepRecord step;
  bool progress;
  int suggestions;
  bool operator==(const Snapshot&) const = default;
};
Snapshot Take(const Form1& f) {
  Snapshot s{test::AllCan(f), {}, f.methods.AdviceStep, f.methods.Progress, f.methods.SuggestionCount};
  for (const auto& l : f.w.caN) s.backs.push_back(l.back);
  return s;
}

bool operator==(const AdviceStepRecord& a, const AdviceStepRecord& b) {
  return a.code == b.code && a.value == b.value && a.cell == b.cell && a.zone == b.zone &&
         a.removed == b.removed && a.detail == b.detail && a.cells == b.cells && a.zone2 == b.zone2 &&
         a.fishRanges == b.fishRanges;
}

void AgreeOnRandomPositions(Finder fast, void (*model)(Form1&, int)) {
  std::mt19937 rng(20240611);
  int found = 0;
  for (int i = 0; i < 1500; ++i) {
    test::Harness a, b;
    std::mt19937 copy = rng;
    RandomPosition(a.form, rng);
    RandomPosition(b.form, copy);
    const bool record = i % 3 == 0, checking = i % 3 != 2;
    for (Form1* f : {&a.form, &b.form}) {
      f->methods.RecordOnly = record;
      f->methods.Checking = checking;
      f->methods.Progress = false;
    }
    // Up to three calls in a row on the same board.
    for (int call = 0; call < 3; ++call) {
      RunDetector(a.form, fast);
      model(b.form, 0);
      ASSERT_TRUE(Take(a.form) == Take(b.form)) << "position " << i << " call " << call;
      if (!a.form.methods.Progress) break;
      ++found;
      a.form.methods.Progress = b.form.methods.Progress = false;
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
    test::Harness h;
    RandomPosition(h.form, rng);
    const fish::LineMasks fast(h.form.board);
    const fish::LineMasks portable(h.form.board, fish::LineMasks::kPortable);
    for (int pass = 0; pass < 2; ++pass)
      for (int line = 0; line < 9; ++line) {
        ASSERT_EQ(fast.empty[pass][line], portable.empty[pass][line]);
        for (int d = 1; d <= 9; ++d) ASSERT_EQ(fast.hold[pass][d][line], portable.hold[pass][d][line]);
      }
    // Every line's positions against the cells themselves.
    for (int d = 1; d <= 9; ++d)
      for (int c = 0; c < kCells; ++c) {
        ASSERT_EQ((fast.hold[0][d][c / 9] >> (c % 9)) & 1, h.form.board.Can[c].Has(d) ? 1 : 0);
        ASSERT_EQ((fast.hold[1][d][c % 9] >> (c / 9)) & 1, h.form.board.Can[c].Has(d) ? 1 : 0);
        ASSERT_EQ((fast.empty[0][c / 9] >> (c % 9)) & 1, h.form.Filled(c) ? 0 : 1);
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
