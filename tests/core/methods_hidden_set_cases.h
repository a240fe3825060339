// The positions of the hidden-set detector's tests (hidden singles, twins,
// triples and quads) and what it must find in them, as a step and as the
// control's reductions. Positions start from a board of empty cells that all
// hold every candidate, so that only the few zones a position shapes hold a
// pattern. The engine's tests check the steps and reductions; the window's
// one-detector run checks its record, counts and paint on the same positions.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "board_support.h"

namespace tessora::test::hidden {

using Cans = std::vector<std::pair<int, std::string>>;

// A pattern: the zones it shapes get `rest` in every cell not listed.
struct Shape {
  int zone;
  std::string rest;
  Cans cells;
};

inline Board Lay(const std::vector<Shape>& shapes) {
  Board b;
  for (auto& t : b.Can) t = CandText::Fresh();
  for (const Shape& s : shapes) {
    for (int c : ZoneCells[s.zone]) SetCan(b, c, s.rest);
    for (const auto& [cell, digits] : s.cells) SetCan(b, cell, digits);
  }
  return b;
}

// Box 22: 6 is a candidate of cell 40 (2, 6, 9) only.
inline const std::vector<Shape> kHiddenSixInBox = {{22, "12345789", {{40, "269"}}}};
// Box 22: cell 40 holds 6 alone; no other cell of the box holds 6.
inline const std::vector<Shape> kNakedSixInBox = {{22, "12345789", {{40, "6"}}}};
// Row 0: 7 only in cell 2 (7, 9), 4 only in cell 5 (4, 8); box 22 as above.
inline const std::vector<Shape> kTwoSinglesInRow = {{0, "123568", {{2, "79"}, {5, "48"}}},
                                             {22, "12345789", {{40, "269"}}}};
// Column 10 (cells 1, 10, 19, ...): 3 and 8 only in cells 10 and 19.
inline const std::vector<Shape> kTotallyHidden = {{10, "1245679", {{10, "358"}, {19, "389"}}}};
inline const std::vector<Shape> kPartlyHidden = {{10, "1245679", {{10, "38"}, {19, "389"}}}};
inline const std::vector<Shape> kBareTwins = {{10, "1245679", {{10, "38"}, {19, "38"}}}};
// Column 10: 2 and 7 only in cells 10 and 19, and 5 only in cells 1 and 28.
// Listed by digit the 5 would sit between the twins; sorted by cells it does not.
inline const std::vector<Shape> kTwinsBesideAPair = {
    {10, "134689", {{1, "59"}, {10, "279"}, {19, "247"}, {28, "56"}}}};
// Column 10 as kTotallyHidden, column 16: 1 and 6 only in cells 34 and 70.
inline const std::vector<Shape> kTwoTwins = {{10, "1245679", {{10, "358"}, {19, "389"}}},
                                      {16, "2345789", {{34, "169"}, {70, "126"}}}};
// The same and, in column 12 between them, 5 only in cell 39.
inline const std::vector<Shape> kTwoTwinsAndASingle = {{10, "1245679", {{10, "358"}, {19, "389"}}},
                                                {12, "1234689", {{39, "57"}}},
                                                {16, "2345789", {{34, "169"}, {70, "126"}}}};
// Row 0: 1, 4 and 7 only in cells 2, 5 and 8; cell 2 holds nothing else.
inline const std::vector<Shape> kTriple = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "1479"}}}};
// Row 0 as kTriple, and box 26: 2, 3, 9 only in cells 60, 70, 80.
inline const std::vector<Shape> kTwoTriples = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "1479"}}},
                                        {26, "145678", {{60, "2359"}, {70, "239"}, {80, "2369"}}}};
// Row 0 as kTriple but 7 is a candidate of cells 2 and 5 only.
inline const std::vector<Shape> kTripleWithAPair = {{0, "235689", {{2, "147"}, {5, "1247"}, {8, "149"}}}};
// Row 0: 1, 2, 3 only in cells 0..2, each holding just them; 4, 5, 6 only in
// cells 3..5, cell 3 holding 9 as well; 7, 8 only in cells 6..8.
inline const std::vector<Shape> kBareTripleFirst = {
    {0, "789", {{0, "123"}, {1, "123"}, {2, "123"}, {3, "4569"}, {4, "456"}, {5, "456"}}}};
// Row 8: 2, 3, 5, 8 only in cells 73, 75, 77, 79.
inline const std::vector<Shape> kQuad = {
    {8, "14679", {{73, "2358"}, {75, "23589"}, {77, "12358"}, {79, "2358"}}}};

// A hidden set found: the target keeps the set's digits.
inline StepParts HiddenSet(Code code, int cell, const std::string& keep, const std::string& removed, int zone,
                           std::vector<int> cells) {
  return Eliminated(code, cell, keep, removed, zone, keep, std::move(cells));
}

struct FindCase {
  const char* name;
  const std::vector<Shape>* shapes;
  int k;
  StepParts step;  // code None: nothing found
};

inline const std::vector<FindCase>& FindCases() {
  static const std::vector<FindCase> cases = {
      {"HiddenSingle", &kHiddenSixInBox, 1, Placed(Code::Xx1, 40, 6, 22)},
      {"HiddenSingleIgnoredByTwins", &kHiddenSixInBox, 2, {}},
      {"HiddenSingleIgnoredByTriples", &kHiddenSixInBox, 3, {}},
      {"HiddenSingleIgnoredByQuads", &kHiddenSixInBox, 4, {}},
      {"NakedSingleIsNotHidden", &kNakedSixInBox, 1, {}},
      // Zones in order, digits in order within the zone.
      {"LowerZoneLowerDigitFirst", &kTwoSinglesInRow, 1, Placed(Code::Xx1, 5, 4, 0)},
      {"TotallyHiddenTwins", &kTotallyHidden, 2, HiddenSet(Code::Xx2a, 10, "38", "5", 10, {19})},
      {"PartlyHiddenTwins", &kPartlyHidden, 2, HiddenSet(Code::Xx2b, 19, "38", "9", 10, {10})},
      {"BareTwins", &kBareTwins, 2, {}},
      {"TwinsBesideAnotherPair", &kTwinsBesideAPair, 2, HiddenSet(Code::Xx2a, 10, "27", "9", 10, {19})},
      {"TwinsNotFoundByTriples", &kTotallyHidden, 3, {}},
      {"FirstOfTwoTwins", &kTwoTwins, 2, HiddenSet(Code::Xx2a, 10, "38", "5", 10, {19})},
      {"HiddenTriple", &kTriple, 3, HiddenSet(Code::HTR, 5, "147", "2", 0, {2, 5, 8})},
      {"TripleWithACountOfTwo", &kTripleWithAPair, 3, {}},
      {"TripleNotFoundByQuads", &kTriple, 4, {}},
      {"LaterSetsNotTriedAfterABareOne", &kBareTripleFirst, 3, {}},
      {"HiddenQuad", &kQuad, 4, HiddenSet(Code::HQU, 75, "2358", "9", 8, {73, 75, 77, 79})},
      {"QuadNotFoundByTriples", &kQuad, 3, {}},
  };
  return cases;
}

// The hidden sets reduced as the control reduces them.
struct ReduceCase {
  const char* name;
  const std::vector<Shape>* shapes;
  int k;
  bool checking;       // the control's checking run: a triple or quad ends the call
  Cans after;          // candidate texts expected afterwards
  std::vector<int> reduced;  // the cells reduced, in order
  int placed;          // the hidden single that ended the call, or -1
  int placedDigit;
  int suggestions;     // what the window's run adds to its count of suggestions
};

inline const std::vector<ReduceCase>& ReduceCases() {
  static const std::vector<ReduceCase> cases = {
      // A hidden single is handed back whatever the set size asked for.
      {"SingleK1", &kHiddenSixInBox, 1, true, {}, {}, 40, 6, 1},
      {"SingleK2", &kHiddenSixInBox, 2, true, {}, {}, 40, 6, 1},
      {"SingleK3", &kHiddenSixInBox, 3, true, {}, {}, 40, 6, 1},
      {"SingleK4", &kHiddenSixInBox, 4, false, {}, {}, 40, 6, 0},
      {"TotallyHiddenTwins", &kTotallyHidden, 2, true, {{10, "38"}, {19, "38"}}, {10, 19}, -1, 0, 2},
      {"PartlyHiddenTwins", &kPartlyHidden, 2, true, {{10, "38"}, {19, "38"}}, {19}, -1, 0, 1},
      {"PartlyHiddenTwinsNotChecking", &kPartlyHidden, 2, false, {{19, "38"}}, {19}, -1, 0, 0},
      // Every hidden twin of every zone in one call...
      {"EveryTwinInOneCall", &kTwoTwins, 2, true, {{10, "38"}, {19, "38"}, {34, "16"}, {70, "16"}},
       {10, 19, 34, 70}, -1, 0, 4},
      // ... until a hidden single in a later zone ends the call.
      {"SingleEndsTheTwins", &kTwoTwinsAndASingle, 2, true,
       {{10, "38"}, {19, "38"}, {34, "169"}, {70, "126"}}, {10, 19}, 39, 5, 3},
      // One reduction per zone; while checking the first one ends the call.
      {"TripleChecking", &kTwoTriples, 3, true, {{5, "147"}, {8, "1479"}, {60, "2359"}, {80, "2369"}}, {5}, -1,
       0, 1},
      {"TriplesNotChecking", &kTwoTriples, 3, false, {{5, "147"}, {8, "1479"}, {60, "239"}, {80, "2369"}},
       {5, 60}, -1, 0, 0},
      {"Quad", &kQuad, 4, true, {{75, "2358"}, {77, "12358"}}, {75}, -1, 0, 1},
  };
  return cases;
}

// Failures and test lists name the case instead of dumping its bytes.
inline void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const ReduceCase& c, std::ostream* os) { *os << c.name; }

}  // namespace tessora::test::hidden
