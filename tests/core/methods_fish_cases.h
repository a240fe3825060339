// The positions of the X-Wing and Swordfish detectors' tests and the step
// each must find. The engine's tests check the steps and the tints of the
// search; the window's one-detector run checks what it applies and paints on
// the same positions.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

#include "board_support.h"

namespace tessora::test::fish {

using Picture = std::array<const char*, 9>;

// One digit's layout: 'x' an empty cell holding the digit, '.' an empty cell
// without it, '1'..'9' a given value (the same in every picture of a position).
struct DigitPicture {
  int digit;
  Picture rows;
};

// Every empty cell also holds 8 and 9 (at five or more places in every line,
// so they never form a pattern) and the digits its pictures mark.
inline Board Lay(const std::vector<DigitPicture>& pictures) {
  std::string grid(kCells, '.');
  for (const auto& pic : pictures)
    for (int c = 0; c < kCells; ++c) {
      char ch = pic.rows[c / 9][c % 9];
      if (ch >= '1' && ch <= '9') grid[c] = ch;
    }
  Board b = Givens(grid);
  for (int c = 0; c < kCells; ++c) {
    if (b.Filled(c)) continue;
    std::uint16_t mask = (1u << 8) | (1u << 9);
    for (const auto& pic : pictures)
      if (pic.rows[c / 9][c % 9] == 'x') mask |= static_cast<std::uint16_t>(1u << pic.digit);
    b.Can[c] = CandText::FromMask(mask);
  }
  return b;
}

// A fish found: the target keeps 8 and 9 and loses the fish's digit; the
// fish's cells in the order the step lists them, the zones and positions of
// its rectangles, and whether its lines are columns.
inline StepParts Fish(int cell, const std::string& digit, bool columns, std::vector<int> cells,
                      std::vector<int> ranges) {
  StepParts p = Eliminated(Code::None, cell, "89", digit, -1, digit, std::move(cells));
  p.ranges = std::move(ranges);
  p.columns = columns;
  return p;
}

struct Case {
  const char* name;
  Finder detector;
  Code code;
  std::vector<DigitPicture> pictures;
  bool found;
  StepParts step;  // when found; its code is the case's
  StepParts Expected() const {
    if (!found) return {};
    StepParts p = step;
    p.code = code;
    return p;
  }
};

// ---- the positions ---------------------------------------------------------------

inline const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Rows 0 and 4 hold 5 only in columns 1 and 5. The cover zone of column 1
      // is scanned before that of column 5, so row 8 goes before row 6.
      {"XWingInRows", FindXWing, Code::XWN,
       {{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
             ".....x...", ".........", ".x......."}}},
       true, Fish(73, "5", false, {1, 5, 37, 41}, {0, 4, 1, 5})},
      // Rows 2 and 8 hold 3 in columns 1 and 5 as row 0 does, but also in 7:
      // only rows 0, 4 and 6 are kept, and rows 4 and 6 make the X-Wing.
      {"ThreePlacesNeverInXWing", FindXWing, Code::XWN,
       {{3, {".x...x...", ".........", ".x...x.x.", ".........", "...x..x..", "...x.....",
             "...x..x..", ".........", ".x...x.x."}}},
       true, Fish(48, "3", false, {39, 42, 57, 60}, {4, 6, 3, 6})},
      // The same without rows 4 to 6: nothing, in rows or in columns.
      {"ThreePlacesAloneNoXWing", FindXWing, Code::XWN,
       {{3, {".x...x...", ".........", ".x...x.x.", ".........", ".........", ".........",
             ".........", ".........", ".x...x.x."}}},
       false, {}},
      // Columns 2 and 8 hold 7 only in rows 1 and 6; row 1 also at column 4.
      {"XWingInColumns", FindXWing, Code::XWN,
       {{7, {".........", "..x.x...x", ".........", ".........", ".........", ".........",
             "..x.....x", ".........", "........."}}},
       true, Fish(13, "7", true, {11, 56, 17, 62}, {11, 17, 1, 6})},
      // A column X-Wing of 1 and a row X-Wing of 6: the rows go first.
      {"RowsBeforeColumns", FindXWing, Code::XWN,
       {{1, {".........", "..x.x...x", ".........", ".........", ".........", ".........",
             "..x.....x", ".........", "........."}},
        {6, {".........", ".........", ".........", "x...x....", ".........", "x........",
             ".........", "x...x....", "........."}}},
       true, Fish(45, "6", false, {27, 31, 63, 67}, {3, 7, 0, 4})},
      // 2 forms an X-Wing in its last pair of rows, 3 in its first: all of 2 first.
      {"DigitExaminedCompletelyFirst", FindXWing, Code::XWN,
       {{2, {".........", ".........", ".........", ".........", ".........", ".........",
             "..x..x...", "..x..x...", "..x......"}},
        {3, {"x......x.", "x......x.", ".........", ".........", "x........", ".........",
             ".........", ".........", "........."}}},
       true, Fish(74, "2", false, {56, 59, 65, 68}, {6, 7, 2, 5})},
      // Rows 0 and 1 make an X-Wing with nothing to remove; rows 3 and 4 make one
      // whose only target is in the second cover zone.
      {"XWingWithoutTargetSkipped", FindXWing, Code::XWN,
       {{4, {"xx.......", "xx.......", ".........", ".....xx..", ".....xx..", ".........",
             ".........", ".........", "......x.."}}},
       true, Fish(78, "4", false, {32, 33, 41, 42}, {3, 4, 5, 6})},

      // M = row 4 (4 at columns 0 and 6), P = row 1 (0 and 3) above, T = row 7 (3
      // and 6) below; row 8 holds 4 at four places and is no line of the fish.
      {"SwordfishInRows", FindSwordfish, Code::SWF,
       {{4, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "xxx..x..."}}},
       true, Fish(72, "4", false, {39, 36, 9, 12, 42, 69, 66}, {1, 4, 0, 3, 4, 7, 3, 6})},
      // The same pattern transposed.
      {"SwordfishInColumns", FindSwordfish, Code::SWF,
       {{4, {".x..x...x", "........x", "........x", ".x.....x.", ".........", "........x",
             "....x..x.", ".........", "........."}}},
       true, Fish(8, "4", true, {31, 4, 1, 28, 58, 61, 34}, {10, 13, 0, 3, 13, 16, 3, 6})},
      // The line lacking the gap position (row 7) is the last of the three.
      {"ButterflyWithOutermostMiddleNotFound", FindSwordfish, Code::SWF,
       {{4, {".........", "x..x.....", ".........", ".........", "...x..x..", ".........",
             ".........", "x.....x..", "xxx..x..."}}},
       false, {}},
      // Row 5 holds 4 at four places: it is not the nearest partner of row 4; the
      // partner is row 7 below, the third line row 1 above (the upper line).
      {"FourPlacesNeverASwordfishLine", FindSwordfish, Code::SWF,
       {{4, {".........", "...x..x..", ".........", ".........", "x.....x..", "xxxx.....",
             ".........", "x..x.....", ".xx......"}}},
       true, Fish(45, "4", false, {39, 36, 63, 66, 42, 15, 12}, {1, 4, 3, 6, 4, 7, 0, 3})},
      // Rows 0, 1 and 4 fall one after the other (alone at 8, then at 1, then at 2).
      {"PruningRepeats", FindSwordfish, Code::SWF,
       {{6, {".x......x", ".xx......", ".........", "x..x.....", "x.xx.....", "x.....x..",
             "...x..x..", ".........", "........."}}},
       true, Fish(36, "6", false, {48, 45, 27, 30, 51, 60, 57}, {3, 5, 0, 3, 5, 6, 3, 6})},
      // Partner row 1 holds 4 at L, G and R: the check passes and it keeps 4.
      {"PartnerHoldingAllThreeKeepsIt", FindSwordfish, Code::SWF,
       {{4, {"......x..", "x..x..x..", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "........."}}},
       true, Fish(6, "4", false, {39, 36, 9, 12, 42, 69, 66}, {1, 4, 0, 3, 4, 7, 3, 6})},
      // Partners above (row 1) and below (row 6): the one above is taken, and
      // row 6 is no line of the fish, so its cell in column 0 is the target.
      {"PartnerSearchedBeforeMiddleFirst", FindSwordfish, Code::SWF,
       {{4, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             "x..x.....", "...x..x..", "........."}}},
       true, Fish(54, "4", false, {39, 36, 9, 12, 42, 69, 66}, {1, 4, 0, 3, 4, 7, 3, 6})},
      // The nearest third line (row 5) also holds 4 at column 8: the check fails
      // and that left position is abandoned; row 7 is never tried.
      {"FailedCheckAbandonsTheLeftPosition", FindSwordfish, Code::SWF,
       {{4, {".........", "x..x.....", "x.......x", ".........", "x.....x..", "...x..x.x",
             ".........", "...x..x..", "........."}}},
       false, {}},
      // The gap cell of row 4 shows a value: no gap.
      {"FilledCellIsNoGap", FindSwordfish, Code::SWF,
       {{4, {".........", "x..x.....", ".........", ".........", "x..5..x..", ".........",
             ".........", "...x..x..", "xxx..x..."}}},
       false, {}},
      // 2 makes a fish with nothing to remove; the search goes on to 4.
      {"FishWithoutTargetSearchGoesOn", FindSwordfish, Code::SWF,
       {{2, {".........", "x..x.....", ".........", ".........", "x.....x..", ".........",
             ".........", "...x..x..", "........."}},
        {4, {".x.......", ".........", ".x..x....", ".........", ".........", ".x.....x.",
             ".........", ".........", "....x..x."}}},
       true, Fish(1, "4", false, {49, 46, 19, 22, 52, 79, 76}, {2, 5, 1, 4, 5, 8, 4, 7})},
      // An X-Wing is no Swordfish.
      {"XWingIsNoSwordfish", FindSwordfish, Code::SWF,
       {{5, {".x...x...", ".........", ".........", ".........", ".x...x...", ".........",
             ".........", ".........", "........."}}},
       false, {}},
  };
  return cases;
}

inline const Case& Named(const std::string& name) {
  for (const Case& k : Cases())
    if (name == k.name) return k;
  throw std::invalid_argument(name);
}

// Failures and test lists name the case instead of dumping its bytes.
inline void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

}  // namespace tessora::test::fish
