// The step record AdviceStep written from a typed step (WriteRecord): the
// texts each method writes (cells as numbers or two-digit texts, candidates
// between blanks, patterns as comma-separated lists), and the fields it
// leaves as an earlier step left them. The detectors' own tests check the
// typed steps; detector_run_test checks that the window records the step its
// detector found.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "methods/record.h"
#include "methods/registry.h"

namespace tessora {
namespace {

// A field the method does not write keeps what the record held.
constexpr const char* X = "x";

AdviceStepRecord Sentinel() {
  AdviceStepRecord r;
  r.code = r.value = r.cell = r.zone = r.removed = r.detail = r.cells = r.zone2 = X;
  r.fishRanges = {7};
  return r;
}

std::uint16_t Mask(std::initializer_list<int> digits) {
  unsigned m = 0;
  for (int d : digits) m |= 1u << d;
  return static_cast<std::uint16_t>(m);
}

// An elimination with its pattern.
Step Pattern(Code code, int cell, std::initializer_list<int> keep, std::initializer_list<int> removed, int zone,
             std::initializer_list<int> digits, std::initializer_list<int> cells, int zone2 = -1) {
  Step s = Elimination(code, cell, Mask(keep), Mask(removed), zone);
  s.zone2 = static_cast<std::int8_t>(zone2);
  for (int d : digits) s.AddDigit(d);
  for (int c : cells) s.AddCell(c);
  return s;
}

Step Fish(Code code, int cell, int digit, bool columns, std::initializer_list<int> cells,
          std::initializer_list<int> ranges) {
  Step s = Pattern(code, cell, {8, 9}, {digit}, -1, {digit}, cells);
  for (int r : ranges) s.AddRange(r);
  s.columns = columns;
  return s;
}

Step ByGlance(Code code, int cell, int digit, int zone) {
  Step s = Placement(code, cell, digit, zone);
  s.byGlance = true;
  return s;
}

struct RecordCase {
  const char* name;
  Step step;
  // code, value, cell, zone, removed, detail, cells, zone2; fishRanges
  std::vector<std::string> fields;
  std::vector<int> fishRanges = {7};
};
void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

std::vector<RecordCase> Cases() {
  return {
      // At a glance: the cell as a number, the value between blanks; no
      // removed digits, no detail.
      {"GlanceInABox", ByGlance(Code::ZOB, 80, 5, 26), {"ZOB", " 5 ", "80", "26", "", "", X, X}},
      {"GlanceInAColumn", ByGlance(Code::ZOC, 71, 9, 17), {"ZOC", " 9 ", "71", "17", "", "", X, X}},
      {"GlanceFindsALoneCell", ByGlance(Code::USO, 10, 5, 18), {"USO", " 5 ", "10", "18", "", "", X, X}},
      // A zone with one empty cell leaves the detail alone.
      {"LoneCell", Placement(Code::USO, 4, 7, 0), {"USO", " 7 ", "4", "0", "", X, X, X}},
      // A cell with one candidate: the cell as a number's text with its sign
      // position blank, the digit bare, no zone.
      {"NakedSingle", Placement(Code::CFC, 10, 7), {"CFC", "7", " 10", "", "", "", X, X}},
      {"NakedSingleCellZero", Placement(Code::CFC, 0, 5), {"CFC", "5", " 0", "", "", "", X, X}},
      // A hidden single: the cell as two digits.
      {"HiddenSingle", Placement(Code::Xx1, 5, 4, 0), {"Xx1", " 4 ", "05", "0", X, X, X, X}},
      {"HiddenSingleLateCell", Placement(Code::Xx1, 40, 6, 22), {"Xx1", " 6 ", "40", "22", X, X, X, X}},
      // Hidden twins: the target as two digits, the other cell listed.
      {"TotallyHiddenTwins", Pattern(Code::Xx2a, 10, {3, 8}, {5}, 10, {3, 8}, {19}),
       {"Xx2a", " 38 ", "10", "10", "", "38", "19", X}},
      {"PartlyHiddenTwins", Pattern(Code::Xx2b, 19, {3, 8}, {9}, 10, {3, 8}, {10}),
       {"Xx2b", " 38 ", "19", "10", "", "38", "10", X}},
      // Hidden triples and quads: the target as a number, every cell listed.
      {"HiddenTriple", Pattern(Code::HTR, 5, {1, 4, 7}, {2}, 0, {1, 4, 7}, {2, 5, 8}),
       {"HTR", " 147 ", "5", "0", "", "147", "02,05,08", X}},
      {"HiddenQuad", Pattern(Code::HQU, 75, {2, 3, 5, 8}, {9}, 8, {2, 3, 5, 8}, {73, 75, 77, 79}),
       {"HQU", " 2358 ", "75", "8", "", "2358", "73,75,77,79", X}},
      // Naked sets: the removed digits in the pattern's order, the second
      // zone cleared.
      {"NakedTwins", Pattern(Code::CPN, 2, {1}, {4, 8}, 0, {4, 8}, {0, 1}),
       {"CPN", " 1 ", "2", "0", "48", "48", "00,01", ""}},
      {"SharedTripleDigitOrder", Pattern(Code::SCI3, 2, {9}, {2, 3}, 18, {1, 3, 2}, {0, 10, 20}),
       {"SCI3", " 9 ", "2", "18", "32", "132", "00,10,20", ""}},
      {"SharedQuadDigitOrder", Pattern(Code::SCI4, 6, {9}, {1, 4}, 0, {3, 4, 1, 2}, {0, 1, 2, 3}),
       {"SCI4", " 9 ", "6", "0", "41", "3412", "00,01,02,03", ""}},
      {"NakedTriple", Pattern(Code::TRN, 44, {4}, {7, 9}, 17, {7, 8, 9}, {8, 26, 80}),
       {"TRN", " 4 ", "44", "17", "79", "789", "08,26,80", ""}},
      {"NakedQuad", Pattern(Code::QUA, 8, {9}, {5}, 0, {5, 6, 7, 8}, {4, 5, 6, 7}),
       {"QUA", " 9 ", "8", "0", "5", "5678", "04,05,06,07", ""}},
      // Locks: the box as the second zone, always three places of cells, the
      // last one empty when two cells hold the digit.
      {"BoxLockTwoCells", Pattern(Code::PRQ, 5, {3, 8}, {4}, 0, {4}, {0, 2}, 18),
       {"PRQ", " 38 ", "5", "0", "4", "", "00,02,", "18"}},
      {"BoxLockThreeCells", Pattern(Code::PRQ, 45, {5, 9}, {6}, 9, {6}, {0, 9, 18}, 18),
       {"PRQ", " 59 ", "45", "9", "6", "", "00,09,18", "18"}},
      {"LineLock", Pattern(Code::PRC, 31, {1}, {9}, 4, {9}, {39, 40, 41}, 22),
       {"PRC", " 1 ", "31", "4", "9", "", "39,40,41", "22"}},
      // Fish: no zone, the detail tells rows (0) from columns (9), the ranges
      // of the rectangles.
      {"XWingInRows", Fish(Code::XWN, 73, 5, false, {1, 5, 37, 41}, {0, 4, 1, 5}),
       {"XWN", " 89 ", "73", "", "5", "0", "01,05,37,41", ""}, {0, 4, 1, 5}},
      {"XWingInColumns", Fish(Code::XWN, 13, 7, true, {11, 56, 17, 62}, {11, 17, 1, 6}),
       {"XWN", " 89 ", "13", "", "7", "9", "11,56,17,62", ""}, {11, 17, 1, 6}},
      {"SwordfishInColumns", Fish(Code::SWF, 8, 4, true, {31, 4, 1, 28, 58, 61, 34}, {10, 13, 0, 3, 13, 16, 3, 6}),
       {"SWF", " 89 ", "8", "", "4", "9", "31,04,01,28,58,61,34", ""}, {10, 13, 0, 3, 13, 16, 3, 6}},
      // A trial's placement: the digit bare, no zone.
      {"Trial", Placement(Code::ZZZ, 33, 6), {"ZZZ", "6", "33", "", X, X, X, X}},
  };
}

class StepRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(StepRecord, WritesTheFieldsOfItsMethod) {
  const RecordCase& c = GetParam();
  AdviceStepRecord r = Sentinel();
  WriteRecord(r, c.step);
  EXPECT_EQ(r.code, c.fields[0]);
  EXPECT_EQ(r.value, c.fields[1]);
  EXPECT_EQ(r.cell, c.fields[2]);
  EXPECT_EQ(r.zone, c.fields[3]);
  EXPECT_EQ(r.removed, c.fields[4]);
  EXPECT_EQ(r.detail, c.fields[5]);
  EXPECT_EQ(r.cells, c.fields[6]);
  EXPECT_EQ(r.zone2, c.fields[7]);
  EXPECT_EQ(r.fishRanges, c.fishRanges);
  // The code is the registry's.
  EXPECT_EQ(r.code, CodeText(c.step.code));
}

INSTANTIATE_TEST_SUITE_P(Cases, StepRecord, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<RecordCase>& i) { return std::string(i.param.name); });

// The number a field holds, blanks around it allowed.
TEST(StepRecord, ReadsTheCellAndZoneBack) {
  AdviceStepRecord r;
  WriteRecord(r, Placement(Code::CFC, 10, 7));
  EXPECT_EQ(r.CellIndex(), 10);
  EXPECT_EQ(r.ZoneIndex(), -1);
  WriteRecord(r, Placement(Code::Xx1, 5, 4, 0));
  EXPECT_EQ(r.CellIndex(), 5);  // "05"
  EXPECT_EQ(r.ZoneIndex(), 0);
  EXPECT_EQ(AdviceStepRecord::NumberIn(" 12 "), 12);
  EXPECT_EQ(AdviceStepRecord::NumberIn("1 2"), -1);
  EXPECT_EQ(AdviceStepRecord::NumberIn("   "), -1);
}

}  // namespace
}  // namespace tessora
