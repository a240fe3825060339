// The positions of the naked-set detectors' tests: Naked Twins ("CPN"),
// 3 Candidates Share 3 Cells ("SCI3"), Naked Triples ("TRN"), 4 Candidates
// Share 4 Cells ("SCI4") and Naked Quads ("QUA"), with the step each must
// find, and positions where they find nothing. The engine's tests check the
// steps; the window's one-detector run checks its record and what it applies
// on the same positions.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "board_support.h"

namespace tessora::test::naked {

#define ROW_ ". . . . . . . . . "

struct NakedCase {
  const char* name;
  Finder detector;
  int k;
  const char* picture;
  StepParts step;
  // The target cell's candidates after the applied step (one digit a call:
  // the first digit of the pattern the target holds).
  const char* after;
};

// Three cells of row A holding 1, 5, 9: a naked triple and a shared triple.
#define TRIPLE_159 "159 159 159 . . 1567 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_
// Four cells of row A holding 2, 4, 6, 8: a naked quad and a shared quad.
#define QUAD_2468 "2468 2468 2468 2468 . 2589 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_
// Row A: a triple 123 with nothing to remove, then a triple 456 with Ag to clean.
#define TWO_TRIPLES "12 23 13 45 56 46 478 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_

inline const std::vector<NakedCase>& NakedCases() {
  static const std::vector<NakedCase> cases = {
    // Aa, Ab hold 48; Ac (148) loses 4 when applied, 4 and 8 by the step.
    {"TwinsInRow", &FindNakedSet, 2,
     "48 48 148 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::CPN, 2, "1", "48", 0, "48", {0, 1}), "18"},
    // A target holding only the second digit of the pair loses that one.
    {"TwinsSecondDigit", &FindNakedSet, 2,
     "48 . . 89 . . 48 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::CPN, 3, "9", "8", 0, "48", {0, 6}), "9"},
    // Row A's first pair (12) allows nothing: its second pair (56, Ag 567) is
    // not tried, and row D's pair is found.
    {"TwinsFirstPairOnly", &FindNakedSet, 2,
     "12 12 . 56 56 . 567 . . " ROW_ ROW_
     "39 39 . 349 . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::CPN, 30, "4", "39", 3, "39", {27, 28}), "49"},
    {"TwinsInColumn", &FindNakedSet, 2,
     ". . . . 36 . . . . " ROW_ ROW_ ROW_
     ". . . . 36 . . . . " ROW_
     ". . . . 356 . . . . " ROW_ ROW_,
     Eliminated(Code::CPN, 58, "5", "36", 13, "36", {4, 40}), "56"},
    {"TwinsInBox", &FindNakedSet, 2,
     "27 . . . . . . . . "
     ". 27 . . . . . . . "
     ". . 257 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::CPN, 20, "5", "27", 18, "27", {0, 10}), "57"},
    // 12, 23, 13 in box 0: the digits are 123 (the first cell's, then 3).
    {"SharedTripleInBox", &FindNakedSet, 3,
     "12 349 . . . . . . . "
     ". 23 . . . . . . . "
     ". . 13 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI3, 1, "49", "3", 18, "123", {0, 10, 20}), "49"},
    // 13, 12, 23 give 132: the first cell's digits, then the second's new 2.
    // Applied, Ac (239) loses 3, the first digit of 132 it holds.
    {"SharedTripleDigitOrder", &FindNakedSet, 3,
     "13 . 239 . . . . . . "
     ". 12 . . . . . . . "
     ". . 23 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI3, 2, "9", "23", 18, "132", {0, 10, 20}), "29"},
    // The first triple of row A allows nothing; the search goes on in the row.
    {"SharedTripleNextCombination", &FindNakedSet, 3, TWO_TRIPLES,
     Eliminated(Code::SCI3, 6, "78", "4", 0, "456", {3, 4, 5}), "78"},
    // Aa, Ab form the naked pair 45 and are left out, so row A's 45, 45, 56
    // is no triple; row E's is.
    {"SharedTripleSkipsTwins", &FindNakedSet, 3,
     "45 45 56 67 . . . . 4678 " ROW_ ROW_ ROW_
     "12 23 13 . 129 . . . . " ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI3, 40, "9", "12", 4, "123", {36, 37, 38}), "29"},
    {"SharedTriple159", &FindNakedSet, 3, TRIPLE_159,
     Eliminated(Code::SCI3, 5, "67", "15", 0, "159", {0, 1, 2}), "567"},
    {"NakedTriple159", &FindNakedSetLarge, 3, TRIPLE_159,
     Eliminated(Code::TRN, 5, "67", "15", 0, "159", {0, 1, 2}), "567"},
    // Row A's first triple (159) allows nothing: its second (267) is not
    // tried, and row F's triple is found.
    {"NakedTripleFirstOnly", &FindNakedSetLarge, 3,
     "159 159 159 267 267 267 2678 . . " ROW_ ROW_ ROW_ ROW_
     "348 . 348 . 348 . . . 389 " ROW_ ROW_ ROW_,
     Eliminated(Code::TRN, 53, "9", "38", 5, "348", {45, 47, 49}), "89"},
    {"NakedTripleInColumn", &FindNakedSetLarge, 3,
     ". . . . . . . . 789 " ROW_
     ". . . . . . . . 789 " ROW_
     ". . . . . . . . 479 " ROW_ ROW_ ROW_
     ". . . . . . . . 789 ",
     Eliminated(Code::TRN, 44, "4", "79", 17, "789", {8, 26, 80}), "49"},
    {"SharedQuad", &FindNakedSetLarge, 4,
     "12 23 34 14 . . 1459 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI4, 6, "59", "14", 0, "1234", {0, 1, 2, 3}), "459"},
    // 34, 12, 23, 14 give 3412; Ag (149) loses 4 first.
    {"SharedQuadDigitOrder", &FindNakedSetLarge, 4,
     "34 12 23 14 . . 149 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI4, 6, "9", "14", 0, "3412", {0, 1, 2, 3}), "19"},
    // The quad 1234 allows nothing; the next combination, 5678, cleans Ai.
    {"SharedQuadNextCombination", &FindNakedSetLarge, 4,
     "12 23 34 14 56 67 78 58 59 " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI4, 8, "9", "5", 0, "5678", {4, 5, 6, 7}), "9"},
    // The pair 45 (Aa, Ab) is left out: 45, 45, 56, 67 is no quad of row A.
    {"SharedQuadSkipsTwins", &FindNakedSetLarge, 4,
     "45 45 56 67 4567 . . . . " ROW_ ROW_ ROW_
     "12 23 34 14 19 . . . . " ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::SCI4, 40, "9", "1", 4, "1234", {36, 37, 38, 39}), "9"},
    {"SharedQuad2468", &FindNakedSetLarge, 4, QUAD_2468,
     Eliminated(Code::SCI4, 5, "59", "28", 0, "2468", {0, 1, 2, 3}), "589"},
    {"NakedQuad2468", &FindNakedSetLarge, 5, QUAD_2468,
     Eliminated(Code::QUA, 5, "59", "28", 0, "2468", {0, 1, 2, 3}), "589"},
    // A naked quad that allows nothing does not end the zone's search.
    {"NakedQuadNextCombination", &FindNakedSetLarge, 5,
     "1234 1234 1234 1234 5678 5678 5678 5678 59 " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     Eliminated(Code::QUA, 8, "9", "5", 0, "5678", {4, 5, 6, 7}), "9"},
  };
  return cases;
}

struct NoNakedCase {
  const char* name;
  Finder detector;
  int k;
  const char* picture;
};

inline const std::vector<NoNakedCase>& NoNakedCases() {
  static const std::vector<NoNakedCase> cases = {
    {"TwinsNothingToRemove", &FindNakedSet, 2,
     "12 12 . 34 . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // Row A's first pair allows nothing and its second pair is never tried.
    {"TwinsSecondPairNotTried", &FindNakedSet, 2,
     "12 12 . 56 56 . 567 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    {"TwinsNeedEqualTexts", &FindNakedSet, 2,
     "12 13 123 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // Only the twins 45 and two more cells of two or three candidates: the
    // table of row A is too short once the twins are left out.
    {"SharedTripleTwinsLeftOut", &FindNakedSet, 3,
     "45 45 56 67 . . . . 4678 " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // Four candidates in a cell keep it out of a shared triple.
    {"SharedTripleCellsOfTwoOrThree", &FindNakedSet, 3,
     "12 23 1234 . 34 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    // The naked triple rule stops at row A's first triple; the shared triple
    // goes on and finds 456 (see SharedTripleNextCombination).
    {"NakedTripleFirstOnlyInZone", &FindNakedSetLarge, 3,
     "123 123 123 456 456 456 47 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    {"NakedTripleNeedsThreeCandidates", &FindNakedSetLarge, 3,
     "12 12 12 . 126 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    {"SharedQuadTwinsLeftOut", &FindNakedSetLarge, 4,
     "45 45 56 67 4567 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    {"SharedQuadUnionOfFive", &FindNakedSetLarge, 4,
     "12 23 34 45 15 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
    {"NakedQuadNeedsFourEqualTexts", &FindNakedSetLarge, 5,
     "12 23 34 14 . 1259 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
  };
  return cases;
}

// Failures and test lists name the case instead of dumping its bytes.
inline void PrintTo(const NakedCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const NoNakedCase& c, std::ostream* os) { *os << c.name; }

}  // namespace tessora::test::naked
