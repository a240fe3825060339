// The trial rules on plain trial data, without the window: the texts and the
// conjugated pairs built from the candidates, one inference of each mode, the
// zone rules with their conflicts, and the comparison of the two phases.
#include <gtest/gtest.h>

#include "advice/trial_all.h"
#include "advice/trial_pairs.h"

namespace tessora {
namespace {

// A trial cell from its three lines.
TrialCell Cell(const std::string& cands, const std::string& line2, const std::string& line3) {
  TrialCell c;
  c.cands = cands;
  c.marks = {line2, line3};
  return c;
}

// Candidate masks from a list of (cell, digits).
CandidateMasks Masks(std::initializer_list<std::pair<int, const char*>> cells) {
  CandidateMasks m{};
  for (const auto& [cell, digits] : cells)
    for (const char* p = digits; *p; ++p) m[cell] |= static_cast<std::uint16_t>(1u << (*p - '0'));
  return m;
}

TEST(TrialTexts, TextIsThreeLinesJoinedByCrLf) {
  TrialCell c = TrialCell::Fresh("137");
  EXPECT_EQ(c.Text(), "137\r\n___\r\n___");
  c.marks[0] = "v_f";
  EXPECT_EQ(c.Text(), "137\r\nv_f\r\n___");
  EXPECT_EQ(c.Position(7), 2);
  EXPECT_EQ(c.Position(5), -1);
  EXPECT_EQ(TrialCell::Fresh("").Text(), "");
}

TEST(TrialTexts, SureMoveEntryAndItem) {
  const SureMove m{10, mark::True, 5};
  EXPECT_EQ(m.Entry(), "10-v-5");
  EXPECT_EQ(m.Item(), "Bb '5'=v");
  EXPECT_EQ(m.Item().size(), 8u);
  EXPECT_EQ((SureMove{3, mark::False, 9}).Entry(), "03-f-9");
  EXPECT_TRUE(m.WellFormed());
  EXPECT_FALSE((SureMove{81, mark::True, 5}).WellFormed());
  EXPECT_FALSE((SureMove{3, 'x', 5}).WellFormed());
  EXPECT_FALSE((SureMove{3, mark::False, 0}).WellFormed());
}

TEST(TrialTexts, PairTextsKeepOnlyCandidatesOfConjugatedPairs) {
  // Row A: 1 in Aa and Ae only (a pair); 2 in Aa, Ab, Ac (no pair in the row);
  // column a: 2 in Aa and Ia (a pair); 3 alone in Ab of its row, column and
  // box (no pair: one cell).
  const CandidateMasks can = Masks({{0, "12"}, {1, "23"}, {2, "2"}, {4, "1"}, {72, "2"}});
  TrialBoard t;
  BuildPairTexts(t, can);
  EXPECT_EQ(t.cells[0].cands, "12");  // 1: row pair; 2: column pair
  EXPECT_EQ(t.cells[1].cands, "");    // 2 three times in its row and box, once in its column
  EXPECT_EQ(t.cells[4].cands, "1");
  EXPECT_EQ(t.cells[72].cands, "2");
  EXPECT_EQ(t.cells[0].Text(), "12\r\n__\r\n__");
  EXPECT_FALSE(t.cells[3].HasText());
}

TEST(TrialTexts, RelationsAreSortedByZoneThenDigitWithCellsAscending) {
  // 1 in Aa and Ae (row 0, pair); 2 in Aa and Ia (column 9, pair); 5 in Bb
  // and Aa (box 18 and nothing else); 4 in Ae, Af, and Be (box 19: three
  // cells, no pair; row 0: Ae, Af pair; column 13: Ae, Be pair).
  const CandidateMasks can = Masks({{0, "125"}, {4, "14"}, {5, "4"}, {13, "4"}, {10, "5"}, {72, "2"}});
  const std::vector<PairRelation> r = BuildPairRelations(can);
  std::vector<std::string> texts;
  for (const auto& p : r) texts.push_back(p.Text());
  EXPECT_EQ(texts, (std::vector<std::string>{"00-00-04-1", "00-04-05-4", "09-00-72-2", "13-04-13-4", "18-00-10-5"}));
}

TEST(TrialTexts, AllTextsGiveEveryCellWithCandidatesAllOfThem) {
  const CandidateMasks can = Masks({{0, "125"}, {80, "9"}});
  TrialBoard t;
  t.cells[40] = TrialCell::Fresh("7");  // left from an earlier view: replaced
  BuildAllTexts(t, can);
  EXPECT_EQ(t.cells[0].Text(), "125\r\n___\r\n___");
  EXPECT_EQ(t.cells[80].Text(), "9\r\n_\r\n_");
  EXPECT_FALSE(t.cells[40].HasText());
}

// ---- conjugated pairs -------------------------------------------------------

TEST(TrialPairs, RuleOneBeforeRuleTwoBeforeRuleThree) {
  // Aa "12" with 1 true: rule 1 makes its 2 false first; then the cell's 1 is
  // taken false from Ab (rule 2, row); then its 2 (false) makes Ia's 2 true
  // by the pair in column a (rule 3).
  TrialBoard t;
  t.cells[0] = Cell("12", "v_", "__");
  t.cells[1] = Cell("1", "_", "_");
  t.cells[72] = Cell("2", "_", "_");
  t.changed[0] = true;
  const std::vector<PairRelation> rel = {{9, 0, 72, 2}};
  TrialPaint paint;

  PairStep s = TrialPairsInference(t, rel, paint);
  EXPECT_EQ(s.rule, PairRule::Cell);
  EXPECT_EQ(s.scanned, 0);
  EXPECT_EQ(s.changed, 0);
  EXPECT_EQ(t.cells[0].marks[0], "vf");
  EXPECT_EQ(paint.back[0], TrialTint::LightGreen);
  EXPECT_TRUE(paint.border[0]);

  s = TrialPairsInference(t, rel, paint);
  EXPECT_EQ(s.rule, PairRule::Zone);
  EXPECT_EQ(s.changed, 1);
  EXPECT_EQ(t.cells[1].marks[0], "f");
  EXPECT_EQ(paint.back[0], TrialTint::LightGrey);  // the scanned cell
  EXPECT_EQ(paint.back[1], TrialTint::LightGreen);
  EXPECT_EQ(paint.back[2], TrialTint::Grey);       // their box
  EXPECT_EQ(paint.back[9], TrialTint::Grey);
  EXPECT_EQ(paint.back[3], TrialTint::White);      // the row outside the box

  s = TrialPairsInference(t, rel, paint);
  EXPECT_EQ(s.rule, PairRule::Relation);
  EXPECT_EQ(s.changed, 72);
  EXPECT_EQ(s.relation, 0);
  EXPECT_EQ(t.cells[72].marks[0], "v");
  EXPECT_EQ(paint.back[36], TrialTint::Grey);  // the column they share
  EXPECT_TRUE(paint.border[0]);
  EXPECT_FALSE(paint.border[1]);  // the scan ended before it

  s = TrialPairsInference(t, rel, paint);
  EXPECT_EQ(s.rule, PairRule::None);
}

TEST(TrialPairs, ASingleCandidateCellNeverFiresRuleOne) {
  TrialBoard t;
  t.cells[0] = Cell("4", "v", "_");
  t.changed[0] = true;
  TrialPaint paint;
  EXPECT_EQ(TrialPairsInference(t, {}, paint).rule, PairRule::None);
  EXPECT_FALSE(paint.border[0]);
}

TEST(TrialPairs, ZoneRuleSkipsDecidedAndTextlessCells) {
  TrialBoard t;
  t.cells[0] = Cell("3", "v", "_");
  t.cells[2] = Cell("3", "f", "_");
  t.cells[5] = Cell("35", "__", "__");
  TrialPaint paint;
  EXPECT_EQ(TrialZoneFalse(t, 0, 3, RowZone(0), paint), 5);
  EXPECT_EQ(t.cells[5].marks[0], "f_");
  EXPECT_TRUE(t.changed[5]);
  EXPECT_EQ(TrialZoneFalse(t, 0, 3, RowZone(0), paint), -1);
}

TEST(TrialPairs, TwoTrueCandidatesInTheChangedCellAreAContradiction) {
  // Aa's 1 is true; the pair in column a makes Ia's 2 true, and Ia already
  // holds a true 5.
  TrialBoard t;
  t.cells[0] = Cell("2", "f", "_");
  t.cells[72] = Cell("25", "_v", "__");
  t.changed[0] = true;
  TrialPaint paint;
  const PairStep s = TrialPairsInference(t, {{9, 0, 72, 2}}, paint);
  EXPECT_EQ(s.rule, PairRule::Relation);
  EXPECT_EQ(s.end, TrialEnd::Contradiction);
  EXPECT_EQ(paint.back[72], TrialTint::Pink);
}

TEST(TrialPairs, AgreementOnlyInTheFalsePhase) {
  // The changed cell Ia gets its 2 false by the pair with Aa; the other line
  // already has the 2 false: alike in both phases.
  for (TrialPhase phase : {TrialPhase::True, TrialPhase::False}) {
    TrialBoard t;
    t.phase = phase;
    t.cells[0] = Cell("2", "v", "v");
    t.cells[72] = phase == TrialPhase::False ? Cell("27", "f_", "__") : Cell("27", "__", "f_");
    t.changed[0] = true;
    TrialPaint paint;
    const PairStep s = TrialPairsInference(t, {{9, 0, 72, 2}}, paint);
    ASSERT_EQ(s.changed, 72);
    if (phase == TrialPhase::True) {
      EXPECT_EQ(s.end, TrialEnd::None);
      EXPECT_EQ(paint.back[72], TrialTint::LightGreen);
    } else {
      EXPECT_EQ(s.end, TrialEnd::Agreement);
      EXPECT_EQ(s.digit, 2);
      EXPECT_EQ(s.agreed, mark::False);
      EXPECT_EQ(paint.back[72], TrialTint::Pink);
    }
  }
}

// ---- all candidates ----------------------------------------------------------

struct ZoneCase {
  const char* name;
  std::vector<std::pair<int, TrialCell>> cells;
  int cell, digit;
  char mark;
  ZoneRulesResult expected;
  std::vector<std::pair<int, std::string>> lines;  // true-phase lines after the call
};

TEST(TrialAll, ZoneRules) {
  const ZoneCase cases[] = {
      {"a true digit is false in the zone's other cells, and the singles follow",
       {{0, Cell("12", "v_", "__")}, {3, Cell("123", "___", "___")}, {8, Cell("13", "__", "__")}},
       0, 1, mark::True, {6, TrialConflict::None, -1, 0},
       // Ad and Ai lose the 1; Aa's 2 is false beside its true 1, Ai's 3 is
       // its last undecided candidate; then the tally: the row's 2 is left
       // in Ad alone, and the row's 3 is true in Ai, so false in Ad.
       {{0, "vf"}, {3, "fvf"}, {8, "fv"}}},
      {"a digit with one undecided place left is true there, whatever else the cell holds",
       {{0, Cell("457", "f__", "___")}, {4, Cell("457", "___", "___")}, {6, Cell("457", "f__", "___")}},
       0, 4, mark::False, {1, TrialConflict::None, -1, 0}, {{0, "f__"}, {4, "v__"}, {6, "f__"}}},
      {"two true candidates in a cell", {{0, Cell("12", "vv", "__")}}, 0, 1, mark::True,
       {0, TrialConflict::CellTwoTrue, 0, 0}, {{0, "vv"}}},
      {"every candidate of a cell false", {{1, Cell("3", "v", "_")}, {2, Cell("37", "_f", "__")}}, 1, 3, mark::True,
       {1, TrialConflict::CellAllFalse, 2, 0}, {{1, "v"}, {2, "ff"}}},
      {"a digit true twice in the zone", {{0, Cell("12", "v_", "__")}, {4, Cell("13", "v_", "__")}}, 0, 1,
       mark::False, {2, TrialConflict::ZoneTwoTrue, -1, 1}, {{0, "vf"}, {4, "vf"}}},
      {"a digit false in every place of the zone", {{0, Cell("56", "f_", "__")}, {7, Cell("56", "f_", "__")}}, 0, 5,
       mark::False, {2, TrialConflict::ZoneAllFalse, -1, 5}, {{0, "fv"}, {7, "fv"}}},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.name);
    TrialBoard t;
    for (const auto& [cell, text] : c.cells) t.cells[cell] = text;
    TrialPaint paint;
    const ZoneRulesResult r = TrialZoneRules(t, c.cell, c.digit, c.mark, RowZone(c.cell), paint);
    EXPECT_EQ(r.changes, c.expected.changes);
    EXPECT_EQ(r.conflict, c.expected.conflict);
    EXPECT_EQ(r.cell, c.expected.cell);
    EXPECT_EQ(r.digit, c.expected.digit);
    for (const auto& [cell, line] : c.lines) EXPECT_EQ(t.cells[cell].marks[0], line) << "cell " << cell;
    if (r.conflict == TrialConflict::ZoneTwoTrue || r.conflict == TrialConflict::ZoneAllFalse) {
      for (int cell : ZoneCells[RowZone(c.cell)]) EXPECT_EQ(paint.back[cell], TrialTint::Pink);
    } else if (r.conflict != TrialConflict::None) {
      EXPECT_EQ(paint.back[r.cell], TrialTint::Pink);
    }
  }
}

TEST(TrialAll, StepExaminesTheQueueOfChangedCellsAndPaintsTheZone) {
  TrialBoard t;
  t.cells[0] = Cell("12", "v_", "__");
  t.cells[1] = Cell("12", "__", "__");
  t.changed[0] = true;
  TrialPaint paint;
  const AllStep s = TrialAllInference(t, paint);
  // The row: Aa's 2 false beside its true 1, Ab's 1 false, then Ab's 2 true.
  EXPECT_EQ(s.zone, RowZone(0));
  EXPECT_EQ(s.scanned, 0);
  EXPECT_EQ(s.changes, 3);
  EXPECT_EQ(t.cells[0].marks[0], "vf");
  EXPECT_EQ(t.cells[1].marks[0], "fv");
  EXPECT_EQ(paint.back[0], TrialTint::LightGreen);
  EXPECT_EQ(paint.back[1], TrialTint::LightGreen);
  EXPECT_EQ(paint.back[2], TrialTint::Grey);   // the still-white cells of the row
  EXPECT_EQ(paint.back[9], TrialTint::White);  // outside the zone
  EXPECT_TRUE(t.changed[0]);                   // queued again: its marks changed
  EXPECT_TRUE(t.changed[1]);

  // Next, Aa again: its row is settled, and in its column the 2 has no place
  // left but Aa's, now false.
  const AllStep next = TrialAllInference(t, paint);
  EXPECT_EQ(next.scanned, 0);
  EXPECT_EQ(next.zone, ColZone(0));
  EXPECT_EQ(next.conflict, TrialConflict::ZoneAllFalse);
  EXPECT_EQ(next.digit, 2);
  EXPECT_EQ(paint.back[72], TrialTint::Pink);
  EXPECT_FALSE(t.changed[0]);
  EXPECT_TRUE(t.changed[1]);  // not reached
}

TEST(TrialAll, NoFlaggedCellMeansNothingLeftToInfer) {
  TrialBoard t;
  t.cells[0] = Cell("12", "v_", "__");
  TrialPaint paint;
  const AllStep s = TrialAllInference(t, paint);
  EXPECT_EQ(s.changes, 0);
  EXPECT_EQ(s.conflict, TrialConflict::None);
  EXPECT_TRUE(t.AnyUndecided());
}

TEST(TrialAll, AConflictNoStepCameBackToIsFoundBySweepingTheZones) {
  // Every mark decided, nothing queued: Aa and Ba both have the 6 true (and
  // Ad and Bd the 8), right in their rows, wrong in columns a and d.
  TrialBoard t;
  t.cells[0] = Cell("68", "vf", "__");
  t.cells[3] = Cell("68", "fv", "__");
  t.cells[9] = Cell("68", "vf", "__");
  t.cells[12] = Cell("68", "fv", "__");
  EXPECT_FALSE(t.AnyUndecided());
  TrialPaint paint;
  EXPECT_EQ(TrialAllInference(t, paint).changes, 0);
  const AllStep s = FindTrialConflict(t, paint);
  EXPECT_EQ(s.conflict, TrialConflict::ZoneTwoTrue);
  EXPECT_EQ(s.zone, ColZone(0));
  EXPECT_EQ(s.digit, 6);
  EXPECT_EQ(paint.back[72], TrialTint::Pink);
  EXPECT_EQ(paint.back[3], TrialTint::White);
  // Ba and Bd the other way round: every row, column and box right.
  t.cells[9] = Cell("68", "fv", "__");
  t.cells[12] = Cell("68", "vf", "__");
  TrialPaint clean;
  EXPECT_EQ(FindTrialConflict(t, clean).conflict, TrialConflict::None);
  for (TrialTint tint : clean.back) EXPECT_EQ(tint, TrialTint::White);
}

TEST(TrialAll, PhasesCompareOnlyWhatBothDecided) {
  TrialBoard t;
  t.cells[0] = Cell("12", "fv", "fv");    // 2 true in both: a placement
  t.cells[1] = Cell("345", "f__", "f_v");  // 3 false in both
  t.cells[2] = Cell("67", "__", "__");    // no true candidate in either line: nothing
  t.cells[3] = Cell("89", "v_", "_v");    // true in one phase, true elsewhere in the other: nothing
  TrialPaint paint;
  const std::vector<SureMove> moves = ComparePhases(t, paint);
  EXPECT_EQ(moves, (std::vector<SureMove>{{0, mark::True, 2}, {1, mark::False, 3}}));
  EXPECT_EQ(paint.back[0], TrialTint::Pink);
  EXPECT_EQ(paint.back[1], TrialTint::Pink);
  EXPECT_EQ(paint.back[2], TrialTint::White);
  EXPECT_EQ(paint.back[3], TrialTint::White);
}

TEST(TrialAll, ReverseStartsTheFalsePhaseWithTheStartingCandidateFalse) {
  TrialBoard t;
  t.cells[10] = TrialCell::Fresh("258");
  t.Start(10, 1);
  EXPECT_EQ(t.cells[10].Text(), "258\r\n_v_\r\n___");
  t.changed[10] = false;
  t.Reverse(10, 1);
  EXPECT_EQ(t.phase, TrialPhase::False);
  EXPECT_EQ(t.cells[10].Text(), "258\r\n_v_\r\n_f_");
  EXPECT_TRUE(t.changed[10]);
}

}  // namespace
}  // namespace tessora
