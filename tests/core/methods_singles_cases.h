// The positions of the tests of the placement detectors without a pattern
// (at a glance, the zone with one empty cell, the cell with one candidate)
// and the step each must find. The engine's tests check the steps; the
// window's one-detector run checks its record, what it places and paints on
// the same positions.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "board_support.h"

namespace tessora::test::singles {

// A complete, valid solution grid.
inline const std::string kSolved =
    "534678912"
    "672195348"
    "198342567"
    "859761423"
    "426853791"
    "713924856"
    "961537284"
    "287419635"
    "345286179";

inline std::string WithHoles(std::initializer_list<int> holes) {
  std::string g = kSolved;
  for (int c : holes) g[c] = '.';
  return g;
}

// Puts a digit in the given cells of a grid.
inline std::string Digits(std::string g, char digit, std::initializer_list<int> cells) {
  for (int c : cells) g[c] = digit;
  return g;
}
inline const std::string kEmpty(81, '.');

// ---- At a glance ----------------------------------------------------------

// Value 5 placed in boxes 18..25: box 26 keeps one free cell (80), and so do
// column 17 and row 8.
inline const std::string kFiveInEightBoxes = Digits(kEmpty, '5', {0, 12, 24, 28, 40, 52, 56, 68});
// Value 5 placed in boxes 19..25: boxes 18 and 26 both keep one free cell (20, 80).
inline const std::string kFiveInSevenBoxes = Digits(kEmpty, '5', {3, 15, 27, 40, 52, 55, 68});
// Box 18 holds every digit but 5: its one empty cell, 10, is also the one cell free for 5.
inline const std::string kBoxMissingFive = [] {
  std::string g = kEmpty;
  const int cells[] = {0, 1, 2, 9, 11, 18, 19, 20};
  const char* digits = "12346789";
  for (int i = 0; i < 8; ++i) g[cells[i]] = digits[i];
  return g;
}();
// Column 8 holds 1..7 in rows 0..6 and a 9 sits in row 8: for 9 the column
// keeps one free cell, 71, though it has two empty cells.
inline const std::string kColumnFreeForNine = [] {
  std::string g = kEmpty;
  for (int r = 0; r < 7; ++r) g[9 * r + 8] = static_cast<char>('1' + r);
  g[72] = '9';
  return g;
}();
// All nine 1s are placed, then the eight 5s of kFiveInEightBoxes.
inline const std::string kNineOnesAndFives = Digits(kFiveInEightBoxes, '1', {1, 13, 25, 29, 41, 53, 54, 66, 78});

// A step at a glance: a placement the scan found in a zone.
inline StepParts AtGlance(Code code, int cell, int digit, int zone) {
  StepParts p = Placed(code, cell, digit, zone);
  p.byGlance = true;
  return p;
}

struct GlanceCase {
  const char* name;
  std::string grid;
  StepParts step;
};

inline const std::vector<GlanceCase>& GlanceCases() {
  static const std::vector<GlanceCase> cases = {
      {"BoxBeforeColumnAndRow", kFiveInEightBoxes, AtGlance(Code::ZOB, 80, 5, 26)},
      {"HigherBoxWins", kFiveInSevenBoxes, AtGlance(Code::ZOB, 80, 5, 26)},
      {"OnlyEmptyCellIsSingleCell", kBoxMissingFive, AtGlance(Code::USO, 10, 5, 18)},
      {"ColumnGivesZOC", kColumnFreeForNine, AtGlance(Code::ZOC, 71, 9, 17)},
      {"CompleteValueIsPassedOver", kNineOnesAndFives, AtGlance(Code::ZOB, 80, 5, 26)},
  };
  return cases;
}

// ---- Single Cell: a zone with one empty cell -------------------------------

struct LoneCase {
  const char* name;
  std::string grid;
  StepParts step;  // code None: nothing found
};

inline const std::vector<LoneCase>& LoneCases() {
  static const std::vector<LoneCase> cases = {
      // Cell 4 is alone in row 0, column 13 and box 19: the row comes first.
      {"RowFirst", WithHoles({4}), Placed(Code::USO, 4, 7, 0)},
      // Rows 0 and 1 have two empty cells; column 9 has one, cell 0: the
      // other eight values add up to 40.
      {"ColumnSumForty", WithHoles({0, 1, 10, 11}), Placed(Code::USO, 0, 5, 9)},
      // Every row and column has two empty cells; box 18 has one, cell 2.
      {"Box", WithHoles({2, 3, 29, 30}), Placed(Code::USO, 2, 4, 18)},
      // Row 0 holds 1, 1, 3, 4, 5, 6, 7, 8: no digit can complete it.
      {"RepeatedValuesArePassedOver", "11345678." + std::string(72, '.'), {}},
  };
  return cases;
}

// ---- Single Number: a cell with one candidate -------------------------------

struct NakedCase {
  const char* name;
  std::string grid;
  std::vector<std::pair<int, std::string>> cans;  // "" leaves the empty text
  int cell;  // -1: none
  int digit;
};

inline const std::vector<NakedCase>& NakedCases() {
  static const std::vector<NakedCase> cases = {
      // Filled cells (two blanks) are passed over; the lowest cell wins.
      {"LowestCell", WithHoles({3, 10, 20}), {{3, "67"}, {10, "7"}, {20, "8"}}, 10, 7},
      {"CellZero", WithHoles({0, 80}), {{0, "5"}, {80, "9"}}, 0, 5},
      // The empty text holds no digit either.
      {"EmptyTextIsNotASingle", WithHoles({3, 10}), {{3, ""}, {10, "12"}}, -1, 0},
  };
  return cases;
}

// The position of a naked-single case: plain candidates, then its own.
inline Board NakedBoard(const NakedCase& c) {
  Board b = Givens(c.grid);
  PlainCandidates(b);
  for (const auto& [cell, digits] : c.cans) {
    if (digits.empty())
      b.Can[cell] = CandText();
    else
      SetCan(b, cell, digits);
  }
  return b;
}

// Failures and test lists name the case instead of dumping its bytes.
inline void PrintTo(const GlanceCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const LoneCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const NakedCase& c, std::ostream* os) { *os << c.name; }

}  // namespace tessora::test::singles
