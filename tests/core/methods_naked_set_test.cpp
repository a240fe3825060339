// Naked sets: Naked Twins ("CPN"), 3 Candidates Share 3 Cells ("SCI3"),
// Naked Triples ("TRN"), 4 Candidates Share 4 Cells ("SCI4") and Naked Quads
// ("QUA"): which pattern each finds, what it records, and the one candidate
// it removes when applied.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "methods/methods.h"
#include "test_support.h"

namespace tessora {
namespace {

#define ROW_ ". . . . . . . . . "

struct NakedCase {
  const char* name;
  Finder detector;
  int k;
  const char* picture;
  // The recorded step.
  const char* code;
  const char* cell;
  const char* value;
  const char* zone;
  const char* removed;
  const char* detail;
  const char* cells;
  // The target cell's candidates after the applied step.
  const char* after;
};

// Three cells of row A holding 1, 5, 9: a naked triple and a shared triple.
#define TRIPLE_159 "159 159 159 . . 1567 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_
// Four cells of row A holding 2, 4, 6, 8: a naked quad and a shared quad.
#define QUAD_2468 "2468 2468 2468 2468 . 2589 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_
// Row A: a triple 123 with nothing to remove, then a triple 456 with Ag to clean.
#define TWO_TRIPLES "12 23 13 45 56 46 478 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_

const NakedCase kNakedCases[] = {
    // Aa, Ab hold 48; Ac (148) loses 4 when applied, 4 and 8 when recorded.
    {"TwinsInRow", &FindNakedSet, 2,
     "48 48 148 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "CPN", "2", " 1 ", "0", "48", "48", "00,01", "18"},
    // A target holding only the second digit of the pair loses that one.
    {"TwinsSecondDigit", &FindNakedSet, 2,
     "48 . . 89 . . 48 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "CPN", "3", " 9 ", "0", "8", "48", "00,06", "9"},
    // Row A's first pair (12) allows nothing: its second pair (56, Ag 567) is
    // not tried, and row D's pair is found.
    {"TwinsFirstPairOnly", &FindNakedSet, 2,
     "12 12 . 56 56 . 567 . . " ROW_ ROW_
     "39 39 . 349 . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_,
     "CPN", "30", " 4 ", "3", "39", "39", "27,28", "49"},
    {"TwinsInColumn", &FindNakedSet, 2,
     ". . . . 36 . . . . " ROW_ ROW_ ROW_
     ". . . . 36 . . . . " ROW_
     ". . . . 356 . . . . " ROW_ ROW_,
     "CPN", "58", " 5 ", "13", "36", "36", "04,40", "56"},
    {"TwinsInBox", &FindNakedSet, 2,
     "27 . . . . . . . . "
     ". 27 . . . . . . . "
     ". . 257 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "CPN", "20", " 5 ", "18", "27", "27", "00,10", "57"},
    // 12, 23, 13 in box 0: the digits are 123 (the first cell's, then 3).
    {"SharedTripleInBox", &FindNakedSet, 3,
     "12 349 . . . . . . . "
     ". 23 . . . . . . . "
     ". . 13 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "SCI3", "1", " 49 ", "18", "3", "123", "00,10,20", "49"},
    // 13, 12, 23 give 132: the first cell's digits, then the second's new 2.
    // Applied, Ac (239) loses 3, the first digit of 132 it holds.
    {"SharedTripleDigitOrder", &FindNakedSet, 3,
     "13 . 239 . . . . . . "
     ". 12 . . . . . . . "
     ". . 23 . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "SCI3", "2", " 9 ", "18", "32", "132", "00,10,20", "29"},
    // The first triple of row A allows nothing; the search goes on in the row.
    {"SharedTripleNextCombination", &FindNakedSet, 3, TWO_TRIPLES,
     "SCI3", "6", " 78 ", "0", "4", "456", "03,04,05", "78"},
    // Aa, Ab form the naked pair 45 and are left out, so row A's 45, 45, 56
    // is no triple; row E's is.
    {"SharedTripleSkipsTwins", &FindNakedSet, 3,
     "45 45 56 67 . . . . 4678 " ROW_ ROW_ ROW_
     "12 23 13 . 129 . . . . " ROW_ ROW_ ROW_ ROW_,
     "SCI3", "40", " 9 ", "4", "12", "123", "36,37,38", "29"},
    {"SharedTriple159", &FindNakedSet, 3, TRIPLE_159,
     "SCI3", "5", " 67 ", "0", "15", "159", "00,01,02", "567"},
    {"NakedTriple159", &FindNakedSetLarge, 3, TRIPLE_159,
     "TRN", "5", " 67 ", "0", "15", "159", "00,01,02", "567"},
    // Row A's first triple (159) allows nothing: its second (267) is not
    // tried, and row F's triple is found.
    {"NakedTripleFirstOnly", &FindNakedSetLarge, 3,
     "159 159 159 267 267 267 2678 . . " ROW_ ROW_ ROW_ ROW_
     "348 . 348 . 348 . . . 389 " ROW_ ROW_ ROW_,
     "TRN", "53", " 9 ", "5", "38", "348", "45,47,49", "89"},
    {"NakedTripleInColumn", &FindNakedSetLarge, 3,
     ". . . . . . . . 789 " ROW_
     ". . . . . . . . 789 " ROW_
     ". . . . . . . . 479 " ROW_ ROW_ ROW_
     ". . . . . . . . 789 ",
     "TRN", "44", " 4 ", "17", "79", "789", "08,26,80", "49"},
    {"SharedQuad", &FindNakedSetLarge, 4,
     "12 23 34 14 . . 1459 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "SCI4", "6", " 59 ", "0", "14", "1234", "00,01,02,03", "459"},
    // 34, 12, 23, 14 give 3412; Ag (149) loses 4 first.
    {"SharedQuadDigitOrder", &FindNakedSetLarge, 4,
     "34 12 23 14 . . 149 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "SCI4", "6", " 9 ", "0", "41", "3412", "00,01,02,03", "19"},
    // The quad 1234 allows nothing; the next combination, 5678, cleans Ai.
    {"SharedQuadNextCombination", &FindNakedSetLarge, 4,
     "12 23 34 14 56 67 78 58 59 " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "SCI4", "8", " 9 ", "0", "5", "5678", "04,05,06,07", "9"},
    // The pair 45 (Aa, Ab) is left out: 45, 45, 56, 67 is no quad of row A.
    {"SharedQuadSkipsTwins", &FindNakedSetLarge, 4,
     "45 45 56 67 4567 . . . . " ROW_ ROW_ ROW_
     "12 23 34 14 19 . . . . " ROW_ ROW_ ROW_ ROW_,
     "SCI4", "40", " 9 ", "4", "1", "1234", "36,37,38,39", "9"},
    {"SharedQuad2468", &FindNakedSetLarge, 4, QUAD_2468,
     "SCI4", "5", " 59 ", "0", "28", "2468", "00,01,02,03", "589"},
    {"NakedQuad2468", &FindNakedSetLarge, 5, QUAD_2468,
     "QUA", "5", " 59 ", "0", "28", "2468", "00,01,02,03", "589"},
    // A naked quad that allows nothing does not end the zone's search.
    {"NakedQuadNextCombination", &FindNakedSetLarge, 5,
     "1234 1234 1234 1234 5678 5678 5678 5678 59 " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
     "QUA", "8", " 9 ", "0", "5", "5678", "04,05,06,07", "9"},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const NakedCase& c, std::ostream* os) { *os << c.name; }

using test::CanWith;
using test::Captions;
using test::ExpectSameStep;
using test::Sentinel;

class NakedSetStepTest : public ::testing::TestWithParam<NakedCase> {};

TEST_P(NakedSetStepTest, RecordsTheStepAndLeavesTheBoard) {
  const NakedCase& c = GetParam();
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, c.picture);
  f.methods.Checking = f.methods.RecordOnly = true;
  f.methods.AdviceStep = Sentinel();
  f.methods.SuggestionCount = 5;
  const std::string can = test::AllCan(f), captions = Captions(f);

  RunDetector(f, c.detector, c.k);

  EXPECT_TRUE(f.methods.Progress);
  AdviceStepRecord want = Sentinel();  // fishRanges is not written
  want.code = c.code;
  want.cell = c.cell;
  want.value = c.value;
  want.zone = c.zone;
  want.zone2 = "";
  want.removed = c.removed;
  want.detail = c.detail;
  want.cells = c.cells;
  ExpectSameStep(f.methods.AdviceStep, want);
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_EQ(Captions(f), captions);
  EXPECT_EQ(f.methods.SuggestionCount, 5);
}

TEST_P(NakedSetStepTest, AppliedRemovesOneDigitFromTheTarget) {
  const NakedCase& c = GetParam();
  // The control never runs the naked quads, so their steps are not counted.
  const bool counted = std::string(c.code) != "QUA";
  for (bool checking : {true, false}) {
    SCOPED_TRACE(checking ? "Checking" : "not Checking");
    test::Harness h;
    Form1& f = h.form;
    test::LoadPicture(f, c.picture);
    f.methods.Checking = checking;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string expected = CanWith(f, std::stoi(c.cell), c.after);

    RunDetector(f, c.detector, c.k);

    EXPECT_TRUE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), expected);
    EXPECT_EQ(f.methods.SuggestionCount, checking && counted ? 6 : 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NakedSetStepTest, ::testing::ValuesIn(kNakedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoNakedCase {
  const char* name;
  Finder detector;
  int k;
  const char* picture;
};

void PrintTo(const NoNakedCase& c, std::ostream* os) { *os << c.name; }

const NoNakedCase kNoNakedCases[] = {
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

class NoNakedSetTest : public ::testing::TestWithParam<NoNakedCase> {};

TEST_P(NoNakedSetTest, NothingFoundChangesNothing) {
  const NoNakedCase& c = GetParam();
  for (bool record : {true, false}) {
    SCOPED_TRACE(record ? "record" : "apply");
    test::Harness h;
    Form1& f = h.form;
    test::LoadPicture(f, c.picture);
    f.methods.Checking = true;
    f.methods.RecordOnly = record;
    f.methods.AdviceStep = Sentinel();
    f.methods.SuggestionCount = 5;
    const std::string can = test::AllCan(f);

    RunDetector(f, c.detector, c.k);

    EXPECT_FALSE(f.methods.Progress);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(f.methods.SuggestionCount, 5);
    ExpectSameStep(f.methods.AdviceStep, Sentinel());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoNakedSetTest, ::testing::ValuesIn(kNoNakedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The control removes one pattern digit per call: the target of the pair 48
// loses 4, then 8, then the search moves on.
TEST(NakedTwins, EachCallRemovesOneDigit) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, "48 48 1348 . 48 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  RunDetector(f, FindNakedSet, 2);
  EXPECT_EQ(f.board.Can[2].Digits(), "138");
  RunDetector(f, FindNakedSet, 2);
  EXPECT_EQ(f.board.Can[2].Digits(), "13");
  // Ae (48) is cleaned next although it equals the pair: it is not one of
  // the pattern's cells.
  RunDetector(f, FindNakedSet, 2);
  EXPECT_EQ(f.board.Can[4].Digits(), "8");
}

// A filled cell is skipped even when its candidate text still holds digits
// of the pattern; an empty text is skipped too.
TEST(NakedTwins, SkipsFilledCells) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, "48 48 =7 . 148 . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_);
  test::SetCan(f, 2, "48");
  f.board.Can[3] = CandText{};  // the empty text
  f.methods.RecordOnly = true;
  RunDetector(f, FindNakedSet, 2);
  EXPECT_EQ(f.methods.AdviceStep.cell, "4");
}

// Sizes that the detectors do not handle find nothing.
TEST(NakedSet, OtherSizesFindNothing) {
  test::Harness h;
  Form1& f = h.form;
  test::LoadPicture(f, QUAD_2468);
  const std::string can = test::AllCan(f);
  RunDetector(f, FindNakedSet, 4);
  RunDetector(f, FindNakedSetLarge, 2);
  RunDetector(f, FindNakedSetLarge, 6);
  EXPECT_FALSE(f.methods.Progress);
  EXPECT_EQ(test::AllCan(f), can);
}

}  // namespace
}  // namespace tessora
