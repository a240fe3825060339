// The two guided trials played in the window, headless, on a diabolic scheme:
// entering each mode, the chooser, "Continue" step by step to every kind of
// ending with its texts, tints, beeps and sure moves (checked against the
// scheme's solution), ESC restarting the mode, and "Do it" playing the sure
// moves.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace tessora {
namespace {

using Lines = std::vector<std::string>;

constexpr Colour kTrialPink = 0xC0C0FF;

struct Scheme {
  std::string grid, solution;
};

Scheme ReadScheme(const std::string& name) {
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/trials/" + name);
  Scheme s;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    (s.grid.empty() ? s.grid : s.solution) = line;
  }
  return s;
}

// The scheme played ("Play"), the advanced functions on.
struct TrialGame : ::testing::Test {
  test::Harness h;
  Form1& f = h.form;
  Scheme scheme = ReadScheme("diabolic.txt");

  TrialGame() {
    test::KeyScheme(f, scheme.grid);
    f.Click("Gioca");
    f.Click("mFunzAva");
  }
  // A left click on the cell, then the chooser's option of the digit.
  void Start(int cell, int digit) {
    f.caN_MouseMove(cell, 0, 0);
    f.caN_MouseDown(cell, 1, 0);
    ASSERT_TRUE(f.w.CorVF.visible) << "no chooser on cell " << cell;
    for (std::size_t k = 0; k < f.w.cv1.size(); ++k)
      if (f.w.cv1[k].caption == std::to_string(digit)) {
        ASSERT_TRUE(f.Click("cv1(" + std::to_string(k) + ")"));
        return;
      }
    FAIL() << "digit " << digit << " not offered in cell " << cell;
  }
  // A trial from the start of a mode to its end, the beeps counted from zero.
  void RunTrial(const char* mode, int cell, int digit) {
    ASSERT_TRUE(f.Click("Sugge0"));
    ASSERT_TRUE(f.Click(mode));
    h.platform.beeps = 0;
    Start(cell, digit);
    RunToEnd();
  }
  // "Continue" until the trial ends; the number of presses.
  int RunToEnd() {
    int n = 0;
    while (f.w.VaiTenta.enabled && n < 1000) {
      EXPECT_TRUE(f.Click("VaiTenta"));
      ++n;
    }
    return n;
  }
  // Every sure move agrees with the solution: a true digit is the cell's
  // value, a false one is not.
  void ExpectSureMovesTrue() {
    ASSERT_FALSE(f.trials.SureMoves.empty());
    for (const SureMove& m : f.trials.SureMoves) {
      const int value = scheme.solution[m.cell] - '0';
      EXPECT_EQ(m.mark == mark::True, value == m.digit) << m.Entry();
    }
  }
  std::vector<int> CellsOf(Colour back) const {
    std::vector<int> cells;
    for (int c = 0; c < kCells; ++c)
      if (f.w.caN[c].back == back) cells.push_back(c);
    return cells;
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> e;
    for (const SureMove& m : f.trials.SureMoves) e.push_back(m.Entry());
    return e;
  }
};

// ---- entering the modes ---------------------------------------------------------

TEST_F(TrialGame, ConjugatedPairsShowTheirTextsAndRelations) {
  ASSERT_TRUE(f.board.PlayPhase);
  ASSERT_TRUE(f.Click("Sugge6"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON CONJ.PAIRS - start -", "  click on the starting Cell (or choose",
                                       "  another Candidates' View) ..."}));
  EXPECT_TRUE(f.w.mSugge6.checked);
  EXPECT_FALSE(f.w.mSugge0.checked);
  EXPECT_FALSE(f.w.Cons1.enabled);
  for (int c = 0; c < kCells; ++c) {
    const CellLabel& l = f.w.caN[c];
    if (f.Filled(c)) {
      EXPECT_EQ(l.caption, std::string(1, scheme.grid[c])) << c;  // values stay
      continue;
    }
    EXPECT_EQ(l.size, 9) << c;
    const std::string& cands = f.trials.Trial.cells[c].cands;
    // Only candidates of conjugated pairs, each one of the cell's candidates.
    for (char d : cands) EXPECT_TRUE(f.board.Can[c].Has(d - '0')) << c;
    EXPECT_EQ(l.caption, cands.empty() ? "" : cands + "\r\n" + std::string(cands.size(), '_') + "\r\n" +
                                                  std::string(cands.size(), '_'));
  }
  // Each relation names two cells that have the digit as a trial candidate,
  // in a zone where no other empty cell has it.
  ASSERT_FALSE(f.trials.PairRelations.empty());
  for (const PairRelation& r : f.trials.PairRelations) {
    int holders = 0;
    for (int c : ZoneCells[r.zone]) holders += !f.Filled(c) && f.board.Can[c].Has(r.digit);
    EXPECT_EQ(holders, 2) << r.Text();
    EXPECT_GE(f.trials.Trial.cells[r.first].Position(r.digit), 0) << r.Text();
    EXPECT_GE(f.trials.Trial.cells[r.second].Position(r.digit), 0) << r.Text();
  }
}

TEST_F(TrialGame, AllCandidatesBlankTheValuesAndShowEveryCandidate) {
  ASSERT_TRUE(f.Click("Sugge8"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON ALL - start -", "  click on the starting Cell (or choose",
                                       "  another Candidates' View) ..."}));
  EXPECT_TRUE(f.w.mSugge8.checked);
  for (int c = 0; c < kCells; ++c) {
    if (f.Filled(c)) {
      EXPECT_EQ(f.ShownCaption(c), "") << c;
      continue;
    }
    const std::string d = f.board.Can[c].Digits();
    EXPECT_EQ(f.w.caN[c].caption, d + "\r\n" + std::string(d.size(), '_') + "\r\n" + std::string(d.size(), '_'));
  }
  // Leaving the view brings the values back.
  ASSERT_TRUE(f.Click("Sugge0"));
  for (int c = 0; c < kCells; ++c)
    if (f.Filled(c)) {
      EXPECT_EQ(f.ShownCaption(c), std::string(1, scheme.grid[c])) << c;
    }
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
  EXPECT_TRUE(f.w.Cons1.enabled);
}

TEST_F(TrialGame, AnUnplayedSingleBlocksTheTrialOnAllCandidates) {
  const int single = 1;  // Ab
  test::SetCan(f, single, "8");
  ASSERT_TRUE(f.Click("Sugge8"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON ALL - error:", "  option not available. You must",
                                       "  fill the Cells with a 'single", "  Candidate' before) ..."}));
  EXPECT_TRUE(f.w.Sugge1.selected);
  EXPECT_FALSE(f.w.Sugge8.selected);
  EXPECT_TRUE(f.w.mSugge1.checked);
  EXPECT_TRUE(f.w.Cons1.enabled);
  EXPECT_EQ(f.w.caN[single].caption, "8");
}

// ---- the chooser -----------------------------------------------------------------

TEST_F(TrialGame, TheChooserOffersTheTrialCandidatesBesideTheCell) {
  ASSERT_TRUE(f.Click("Sugge8"));
  const int cell = 1;  // Ab
  f.caN_MouseMove(cell, 0, 0);
  f.caN_MouseDown(cell, 1, 0);
  const std::string digits = f.board.Can[cell].Digits();
  ASSERT_EQ(f.w.cv1.size(), digits.size());
  EXPECT_EQ(f.trials.TrialOptionCount, static_cast<int>(digits.size()));
  EXPECT_TRUE(f.w.CorVF.visible);
  EXPECT_EQ(f.w.CorVF.parent, "");  // on the window, over the board
  EXPECT_EQ(f.w.CorVF.top, f.w.caN[cell].top + 120);
  EXPECT_EQ(f.w.CorVF.left, f.w.caN[cell].left + 440);
  EXPECT_EQ(f.w.CorVF.height, 400 * static_cast<int>(digits.size()));
  for (std::size_t k = 0; k < digits.size(); ++k) {
    EXPECT_EQ(f.w.cv1[k].caption, std::string(1, digits[k]));
    EXPECT_EQ(f.w.cv1[k].top, 120 + 400 * static_cast<int>(k));
    EXPECT_TRUE(f.w.cv1[k].visible);
  }
  EXPECT_FALSE(f.board.InputEnabled);
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON ALL - step n.1:", "  click on the starting Candidate",
                                       "  (or ESC to abort) ..."}));

  ASSERT_TRUE(f.Click("cv1(1)"));
  EXPECT_FALSE(f.w.CorVF.visible);
  EXPECT_EQ(f.w.cv1.size(), 1u);
  EXPECT_EQ(f.trials.TrialCand, std::string(1, digits[1]));
  EXPECT_EQ(f.trials.TrialStep, 2);
  EXPECT_TRUE(f.w.VaiTenta.enabled);
  EXPECT_EQ(f.w.VaiTenta.back, colour::LightGreen);
  const std::string line2 = std::string(1, '_') + 'v' + std::string(digits.size() - 2, '_');
  EXPECT_EQ(f.w.caN[cell].caption, digits + "\r\n" + line2 + "\r\n" + std::string(digits.size(), '_'));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON ALL - step n.2:", "  click on Continue to proceed",
                                       "  or ESC to abort ..."}));
}

TEST_F(TrialGame, TheChooserStaysInsideTheWindowUnderTheLastRow) {
  ASSERT_TRUE(f.Click("Sugge8"));
  const int cell = 73;  // Ib
  f.caN_MouseMove(cell, 0, 0);
  f.caN_MouseDown(cell, 1, 0);
  ASSERT_TRUE(f.w.CorVF.visible);
  EXPECT_LE(f.w.CorVF.top + f.w.CorVF.height, f.w.height);
  EXPECT_LE(f.w.CorVF.left + f.w.CorVF.width, f.w.width);
}

TEST_F(TrialGame, ClicksThatWouldOpenAnEmptyChooserAreIgnored) {
  struct Case {
    const char* name;
    const char* mode;
    int cell;
  };
  // Aa holds a given; in the pairs view many empty cells have no pair.
  int noPair = -1;
  ASSERT_TRUE(f.Click("Sugge6"));
  for (int c = 0; c < kCells && noPair < 0; ++c)
    if (!f.Filled(c) && !f.trials.Trial.cells[c].HasText()) noPair = c;
  ASSERT_GE(noPair, 0);
  const Case cases[] = {{"a given, pairs", "Sugge6", 0}, {"a given, all", "Sugge8", 0},
                        {"no trial candidate", "Sugge6", noPair}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(f.Click("Sugge0"));
    ASSERT_TRUE(f.Click(c.mode));
    f.caN_MouseMove(c.cell, 0, 0);
    f.caN_MouseDown(c.cell, 1, 0);
    EXPECT_FALSE(f.w.CorVF.visible);
    EXPECT_TRUE(f.board.InputEnabled);
    EXPECT_EQ(f.w.ListCons.items[0], std::string(c.mode) == "Sugge6" ? "TRIAL ON CONJ.PAIRS - start -"
                                                                       : "TRIAL ON ALL - start -");
  }
  // The right button, a shift key: nothing.
  f.caN_MouseDown(1, 2, 0);
  f.caN_MouseDown(1, 1, shift::Shift);
  EXPECT_FALSE(f.w.CorVF.visible);
  // Once a trial has begun, a click elsewhere starts nothing over its marks.
  Start(1, f.board.Can[1].FirstDigit());
  f.Click("VaiTenta");
  f.caN_MouseDown(2, 1, 0);
  EXPECT_FALSE(f.w.CorVF.visible);
  EXPECT_EQ(f.trials.TrialStartCell, 1);
  // Nor while an empty cell has no candidate left (a contradiction stands).
  f.KeyDown(key::Esc, 0);
  test::SetCan(f, 7, "");
  f.caN_MouseDown(2, 1, 0);
  EXPECT_FALSE(f.w.CorVF.visible);
  EXPECT_TRUE(f.board.InputEnabled);
}

// ---- conjugated pairs to their endings ------------------------------------------

struct PairsEnding {
  const char* name;
  int cell, digit;
  Lines end;            // the blackboard at the end
  std::string sureMove; // "" for none
  char phase;
  int beeps;            // at the end: six; three more when the trial reversed
};

TEST_F(TrialGame, ConjugatedPairsToEveryEnding) {
  const PairsEnding cases[] = {
      {"a contradiction proves the start false", 38, 2,
       {"TRIAL ON CONJ.PAIRS - end -", "  Trying 2 ='v' in the blue Cell", "  leads more 'v' in the pink Cell,",
        "  so the starting Cand. 2 is \"false\"", "  (click 'Do it' to play the Move", "  or ESC to abort)."},
       "38-f-2", 'v', 6},
      {"after the reverse, a contradiction proves it true", 56, 2,
       {"TRIAL ON CONJ.PAIRS - end -", "  Trying 2 ='f' in the blue Cell", "  leads more 'v' in the pink Cell,",
        "  so the starting Cand. 2 is \"true\"", "  (click 'Do it' to play the Move", "  or ESC to abort)."},
       "56-v-2", 'f', 9},
      {"no result", 42, 9,
       {"TRIAL ON CONJ.PAIRS - end -", "  Trying 9 ='v' in the blue Cell", "  doesn't lead to any useful Move",
        "  (ESC for exit)."},
       "", 'f', 9},
  };
  for (const PairsEnding& c : cases) {
    SCOPED_TRACE(c.name);
    RunTrial("Sugge6", c.cell, c.digit);
    EXPECT_EQ(f.w.ListCons.items, c.end);
    EXPECT_EQ(PhaseMark(f.trials.Trial.phase), c.phase);
    EXPECT_EQ(h.platform.beeps, c.beeps);
    EXPECT_FALSE(f.w.VaiTenta.enabled);
    EXPECT_EQ(f.w.VaiTenta.back, colour::ButtonFace);
    EXPECT_EQ(f.w.caN[c.cell].back, colour::LightBlue);
    if (c.sureMove.empty()) {
      EXPECT_FALSE(f.w.AppTenta.enabled);
      continue;
    }
    EXPECT_EQ(Entries(), Lines{c.sureMove});
    ExpectSureMovesTrue();
    EXPECT_TRUE(f.w.AppTenta.enabled);
    EXPECT_TRUE(f.w.mApplica.enabled);
    EXPECT_EQ(CellsOf(kTrialPink).size(), 1u);  // the cell with two true candidates
    // The false phase shows the texts a point smaller.
    for (int cell = 0; cell < kCells; ++cell)
      if (!f.Filled(cell)) {
        EXPECT_EQ(f.w.caN[cell].size, c.phase == 'v' ? 9 : 8) << cell;
      }
  }
}

TEST_F(TrialGame, ConjugatedPairsAgreementProvesAnotherCell) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(13, 2);
  RunToEnd();
  ASSERT_EQ(f.w.ListCons.items.size(), 7u);
  EXPECT_EQ(f.w.ListCons.items[0], "TRIAL ON CONJ.PAIRS - end -");
  EXPECT_EQ(f.w.ListCons.items[1], "  The Candidate 2 in the blue Cell");
  EXPECT_EQ(f.w.ListCons.items[2], "  tried both as 'v' and as 'f'");
  const std::vector<int> pink = CellsOf(kTrialPink);
  ASSERT_EQ(pink.size(), 1u);
  ASSERT_EQ(f.trials.SureMoves.size(), 1u);
  const SureMove m = f.trials.SureMoves[0];
  EXPECT_EQ(m.cell, pink[0]);  // the move is the pink cell's, not the starting cell's
  EXPECT_NE(m.cell, 13);
  EXPECT_EQ(f.w.ListCons.items[3], "  discovers that the Cand. " + std::to_string(m.digit) + " in the");
  EXPECT_EQ(f.w.ListCons.items[4], "  pink Cell is surely " + f.trials.TrialResult);
  EXPECT_EQ(f.trials.TrialResult, m.mark == mark::True ? "true" : "false");
  ExpectSureMovesTrue();
  // Both phases' marks stand in the cell: the same mark for the digit.
  const TrialCell& cell = f.trials.Trial.cells[m.cell];
  const int k = cell.Position(m.digit);
  EXPECT_EQ(cell.marks[0][k], m.mark);
  EXPECT_EQ(cell.marks[1][k], m.mark);
}

TEST_F(TrialGame, ConjugatedPairsStepByStep) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(38, 1);  // Ec, candidates 126
  ASSERT_EQ(f.w.caN[38].caption, "126\r\nv__\r\n___");
  // Step 3: the cell rule in the starting cell itself.
  f.Click("VaiTenta");
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON CONJ.PAIRS - step n.3", "  with Cand. 1 ='v' in the blue Cell :",
                                       "  clic Continue to proceed or ESC", "  to abort."}));
  EXPECT_EQ(f.w.caN[38].caption, "126\r\nvff\r\n___");
  EXPECT_EQ(f.w.caN[38].back, colour::LightBlue);
  EXPECT_TRUE(f.w.caN[38].border);
  EXPECT_EQ(f.trials.LastRelation, -1);
  // Step 4: the zone rule, the 1 false in the row's next cell that has it.
  f.Click("VaiTenta");
  EXPECT_EQ(f.w.ListCons.items.back(), "  (effect= green, current rule= grey).");
  EXPECT_EQ(f.w.caN[44].caption, "19\r\nf_\r\n__");
  EXPECT_EQ(f.w.caN[44].back, colour::LightGreen);
  for (int c : {36, 37, 39, 40, 41, 42, 43}) EXPECT_EQ(f.w.caN[c].back, colour::Grey) << c;
  EXPECT_EQ(f.w.caN[38].back, colour::LightBlue);
  EXPECT_EQ(f.trials.LastRelation, -1);
  // Then the pairs: a step by a relation records its index.
  bool byRelation = false;
  while (f.w.VaiTenta.enabled && !byRelation) {
    f.Click("VaiTenta");
    byRelation = f.trials.LastRelation >= 0;
  }
  ASSERT_TRUE(byRelation);
  EXPECT_LT(f.trials.LastRelation, static_cast<int>(f.trials.PairRelations.size()));
}

TEST_F(TrialGame, ConjugatedPairsReverseAtEightPoints) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(56, 2);
  while (f.w.VaiTenta.enabled && f.trials.Trial.phase == TrialPhase::True) f.Click("VaiTenta");
  EXPECT_EQ(f.w.ListCons.items,
            (Lines{"TRIAL ON CONJ.PAIRS - reverse -", "  Trying 2 ='v' in the blue Cell", "  doesn't lead to any useful Move,",
                   "  so, now try with 2 ='f' :", "  click Continue to proceed or", "  ESC to abort."}));
  EXPECT_EQ(h.platform.beeps, 3);
  const TrialCell& start = f.trials.Trial.cells[56];
  EXPECT_EQ(start.marks[1][start.Position(2)], mark::False);
  EXPECT_EQ(f.w.caN[56].back, colour::LightBlue);
  EXPECT_TRUE(f.trials.Trial.changed[56]);
  for (int c = 0; c < kCells; ++c) {
    if (c != 56) {
      EXPECT_EQ(f.w.caN[c].back, colour::White) << c;
    }
    EXPECT_EQ(f.w.caN[c].size, f.Filled(c) ? 18 : 8) << c;
  }
  // The true phase's marks stay in line 2.
  EXPECT_NE(start.marks[0].find(mark::True), std::string::npos);
}

// ---- all candidates to their endings ---------------------------------------------

struct AllEnding {
  const char* name;
  int cell, digit;
  Lines end;
  std::string sureMove;
  char phase;
  int beeps;
  std::vector<int> pink;  // the cells painted pink at the end
};

TEST_F(TrialGame, AllCandidatesToEveryContradictionAndTheResolvingMove) {
  const std::vector<int> boxB = {3, 4, 5, 12, 13, 14, 21, 22, 23};
  const std::vector<int> rowEButEc = {36, 37, 39, 40, 41, 42, 43, 44};
  const AllEnding cases[] = {
      {"code 1, a cell with two true candidates", 56, 9,
       {"TRIAL ON ALL - end -", "  Trying 9 ='v' in the blue Cell", "  leads more 'v' in the pink Cell,",
        "  so the starting Cand. 9 is \"false\"", "  (click 'Do it' to play the Move)", "  or ESC to abort)"},
       "56-f-9", 'v', 6, {40}},
      {"code 2, a cell with every candidate false", 48, 4,
       {"TRIAL ON ALL - end -", "  Trying 4 ='v' in the blue Cell", "  leads only 'f' in the pink Cell,",
        "  so the starting Cand. 4 is \"false\"", "  (click 'Do it' to play the Move)", "  or ESC to abort)"},
       "48-f-4", 'v', 6, {57}},
      {"code 3, a digit true twice in a zone", 25, 4,
       {"TRIAL ON ALL - end -", "  Trying 4 ='v' in the blue Cell", "  leads more 'v' for the Cand. 2",
        "  in the enhanced Zone,", "  so the starting Cand. 4 is \"false\"", "  (click 'Do it' to play the Move)",
        "  or ESC to abort)"},
       "25-f-4", 'v', 6, boxB},
      {"code 4, a digit false in every place of a zone", 38, 1,
       {"TRIAL ON ALL - end -", "  Trying 1 ='v' in the blue Cell", "  leads only 'f' for the Cand. 6",
        "  in the enhanced Zone,", "  so the starting Cand. 1 is \"false\"", "  (click 'Do it' to play the Move)",
        "  or ESC to abort)"},
       "38-f-1", 'v', 6, rowEButEc},
      {"after the reverse, a contradiction proves the start true", 56, 2,
       {"TRIAL ON ALL - end -", "  Trying 2 ='f' in the blue Cell", "  leads more 'v' in the pink Cell,",
        "  so the starting Cand. 2 is \"true\"", "  (click 'Do it' to play the Move)", "  or ESC to abort)"},
       "56-v-2", 'f', 9, {40}},
      {"a resolving move", 1, 8,
       {"TRIAL ON ALL - end -", "  The Move 8 ='v' in the blue Cell", "  is a Resolving Move.",
        "  (click 'Do it' to play the Move", "  or ESC to abort)"},
       "01-v-8", 'v', 6, {}},
  };
  for (const AllEnding& c : cases) {
    SCOPED_TRACE(c.name);
    RunTrial("Sugge8", c.cell, c.digit);
    EXPECT_EQ(f.w.ListCons.items, c.end);
    EXPECT_EQ(PhaseMark(f.trials.Trial.phase), c.phase);
    EXPECT_EQ(h.platform.beeps, c.beeps);
    EXPECT_EQ(Entries(), Lines{c.sureMove});
    ExpectSureMovesTrue();
    EXPECT_TRUE(f.w.AppTenta.enabled);
    EXPECT_TRUE(f.w.mApplica.enabled);
    EXPECT_FALSE(f.w.VaiTenta.enabled);
    EXPECT_EQ(f.w.caN[c.cell].back, colour::LightBlue);
    EXPECT_EQ(CellsOf(kTrialPink), c.pink);
  }
  // The resolving move decided every candidate of the board.
  for (int c = 0; c < kCells; ++c)
    EXPECT_EQ(f.trials.Trial.cells[c].marks[0].find(mark::Undecided), std::string::npos) << c;
}

// Every candidate decided does not make a resolving move when a zone the
// steps never came back to holds a digit twice.
TEST(TrialHiddenContradiction, IsFoundBeforeAResolvingMoveIsOffered) {
  test::Harness h;
  Form1& f = h.form;
  const Scheme scheme = ReadScheme("hidden_contradiction.txt");
  test::KeyScheme(f, scheme.grid);
  f.Click("Gioca");
  f.Click("mFunzAva");
  ASSERT_TRUE(f.Click("Sugge8"));
  f.caN_MouseMove(57, 0, 0);
  f.caN_MouseDown(57, 1, 0);
  ASSERT_EQ(f.w.cv1[0].caption, "2");
  ASSERT_TRUE(f.Click("cv1(0)"));
  int presses = 0;
  while (f.w.VaiTenta.enabled && presses < 1000) {
    f.Click("VaiTenta");
    ++presses;
  }
  for (const TrialCell& c : f.trials.Trial.cells) EXPECT_EQ(c.marks[0].find(mark::Undecided), std::string::npos);
  EXPECT_EQ(f.w.ListCons.items,
            (Lines{"TRIAL ON ALL - end -", "  Trying 2 ='v' in the blue Cell", "  leads more 'v' for the Cand. 6",
                   "  in the enhanced Zone,", "  so the starting Cand. 2 is \"false\"",
                   "  (click 'Do it' to play the Move)", "  or ESC to abort)"}));
  ASSERT_EQ(f.trials.SureMoves.size(), 1u);
  EXPECT_EQ(f.trials.SureMoves[0].Entry(), "57-f-2");
  EXPECT_NE(scheme.solution[57], '2');
  for (int c : ZoneCells[18]) EXPECT_EQ(f.w.caN[c].back, kTrialPink) << c;  // box A-C a-c
}

TEST_F(TrialGame, AllCandidatesPhaseComparisonOffersEverySureMove) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(17, 4);
  const int presses = RunToEnd();
  EXPECT_GT(presses, 50);
  const std::vector<SureMove>& moves = f.trials.SureMoves;
  ASSERT_GT(moves.size(), 21u);  // more than the old list could hold
  ExpectSureMovesTrue();
  const Lines& b = f.w.ListCons.items;
  ASSERT_EQ(b.size(), 3 + 1 + moves.size() + 2);
  EXPECT_EQ(b[0], "TRIAL ON ALL - end -");
  EXPECT_EQ(b[1], "  The Cand. 4 in in the blue Cell");
  EXPECT_EQ(b[2], "  isn't a Sure Move (neither 'v' nor 'f').");
  EXPECT_EQ(b[3], "  Anyway it discovers " + std::to_string(moves.size()) + " Sure ones:");
  std::string text;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    EXPECT_EQ(b[4 + i], "  in " + moves[i].Item());
    text += moves[i].Item();
  }
  EXPECT_EQ(f.trials.SureMoveText, text);
  EXPECT_EQ(b[b.size() - 2], "  (clic 'Do it' to play the Moves");
  EXPECT_EQ(b.back(), "  or ESC to abort)");
  EXPECT_EQ(h.platform.beeps, 3 + 1 + 6);
  // The cells of the sure moves pink, the starting cell blue.
  for (const SureMove& m : moves)
    if (m.cell != 17) {
      EXPECT_EQ(f.w.caN[m.cell].back, kTrialPink) << m.Entry();
    }
  EXPECT_EQ(f.w.caN[17].back, colour::LightBlue);
  EXPECT_TRUE(f.w.AppTenta.enabled);
}

TEST_F(TrialGame, AllCandidatesPhaseComparisonFindingNothing) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(48, 5);
  RunToEnd();
  EXPECT_EQ(f.w.ListCons.items, (Lines{"TRIAL ON ALL - end -", "  The Cand. 5 in in the blue Cell",
                                       "  isn't a Sure Move (neither 'v' nor 'f').", "  (ESC to exit)"}));
  EXPECT_TRUE(f.trials.SureMoves.empty());
  EXPECT_FALSE(f.w.AppTenta.enabled);
  EXPECT_FALSE(f.w.VaiTenta.enabled);
  EXPECT_TRUE(CellsOf(kTrialPink).empty());
}

TEST_F(TrialGame, AllCandidatesStepPaintsTheRuleAndTheEffect) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(17, 7);  // Bi, candidates 478
  f.Click("VaiTenta");
  EXPECT_EQ(f.w.ListCons.items,
            (Lines{"TRIAL ON ALL - step n.3", "  with Cand. 7 ='v' in the blue Cell :", "  clic Continue to proceed or ESC",
                   "  to abort.", "  (effect= green, current rule= grey)."}));
  // The row of Bi: the 7 false in its other cells, Bi's other candidates false.
  EXPECT_EQ(f.w.caN[17].caption, "478\r\nfvf\r\n___");
  EXPECT_EQ(f.w.caN[17].back, colour::LightBlue);
  for (int c = 9; c < 17; ++c) {
    const Colour want = f.trials.Trial.changed[c] ? colour::LightGreen : colour::Grey;
    EXPECT_EQ(f.w.caN[c].back, want) << c;
  }
  EXPECT_EQ(f.w.caN[0].back, colour::White);
}

// ---- ESC restarts the mode ---------------------------------------------------------

TEST_F(TrialGame, EscRestartsEachMode) {
  for (const char* mode : {"Sugge6", "Sugge8"}) {
    SCOPED_TRACE(mode);
    ASSERT_TRUE(f.Click("Sugge0"));
    ASSERT_TRUE(f.Click(mode));
    const std::vector<PairRelation> relations = f.trials.PairRelations;
    Start(56, 2);
    f.Click("VaiTenta");
    f.Click("VaiTenta");
    f.KeyDown(key::Esc, 0);
    EXPECT_TRUE(f.w.Find(mode)->selected);
    EXPECT_FALSE(f.w.VaiTenta.enabled);
    EXPECT_FALSE(f.w.AppTenta.enabled);
    EXPECT_EQ(f.trials.TrialCand, "");
    EXPECT_EQ(f.trials.TrialStep, 0);
    EXPECT_EQ(f.trials.PairRelations, relations);
    EXPECT_EQ(f.w.ListCons.items[1], "  click on the starting Cell (or choose");
    for (int c = 0; c < kCells; ++c) {
      const TrialCell& t = f.trials.Trial.cells[c];
      EXPECT_EQ(t.marks[0], std::string(t.cands.size(), mark::Undecided)) << c;
      EXPECT_FALSE(f.trials.Trial.changed[c]) << c;
      EXPECT_EQ(f.w.caN[c].back, colour::White) << c;
    }
    // And a new trial can start.
    Start(56, 2);
    EXPECT_TRUE(f.w.VaiTenta.enabled);
  }
  // ESC while the chooser is open closes it and restarts the mode.
  f.KeyDown(key::Esc, 0);
  f.caN_MouseDown(1, 1, 0);
  ASSERT_TRUE(f.w.CorVF.visible);
  f.KeyDown(key::Esc, 0);
  EXPECT_FALSE(f.w.CorVF.visible);
  EXPECT_EQ(f.w.cv1.size(), 1u);
  EXPECT_TRUE(f.board.InputEnabled);
}

TEST_F(TrialGame, MenuMirrorsOfTheTrialModes) {
  ASSERT_TRUE(f.Click("mSugge6"));
  EXPECT_TRUE(f.w.Sugge6.selected);
  EXPECT_TRUE(f.w.mSugge6.checked);
  EXPECT_EQ(f.w.ListCons.items[0], "TRIAL ON CONJ.PAIRS - start -");
  ASSERT_TRUE(f.Click("mSugge8"));
  EXPECT_TRUE(f.w.Sugge8.selected);
  EXPECT_FALSE(f.w.Sugge6.selected);
  EXPECT_TRUE(f.w.mSugge8.checked);
  EXPECT_FALSE(f.w.mSugge6.checked);
  Start(56, 2);
  ASSERT_TRUE(f.w.VaiTenta.enabled);
  // The item of the selected mode deselects its option, runs the mode's
  // entry all the same, and leaves "Continue" and "Do it" disabled.
  ASSERT_TRUE(f.Click("mSugge8"));
  EXPECT_FALSE(f.w.Sugge8.selected);
  EXPECT_TRUE(f.w.mSugge8.checked);
  EXPECT_FALSE(f.w.VaiTenta.enabled);
  EXPECT_FALSE(f.w.AppTenta.enabled);
  EXPECT_EQ(f.w.ListCons.items[0], "TRIAL ON ALL - start -");
}

// The release of "Where ?" redraws the view it leaves: in the view of the
// conjugated pairs that is the mode's entry, its texts unmarked again.
TEST_F(TrialGame, ReleasingWhereInThePairsViewEntersTheModeAgain) {
  ASSERT_TRUE(f.Click("Sugge6"));
  const std::string unmarked = f.w.caN[38].caption;
  Start(38, 2);
  ASSERT_TRUE(f.Click("VaiTenta"));
  ASSERT_NE(f.w.caN[38].caption, unmarked);
  f.Cons3_MouseUp();
  EXPECT_EQ(f.w.ListCons.items[0], "TRIAL ON CONJ.PAIRS - start -");
  EXPECT_EQ(f.w.caN[38].caption, unmarked);
  EXPECT_TRUE(f.w.Sugge6.selected);
}

// ---- "Do it" plays the sure moves ---------------------------------------------------

TEST_F(TrialGame, DoItPlaysASureRemovalAfterItsConfirmation) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(38, 2);
  RunToEnd();
  ASSERT_EQ(Entries(), Lines{"38-f-2"});
  // Ec's candidates are 124568; only 1, 2 and 6 belong to conjugated pairs.
  ASSERT_EQ(f.board.Can[38].Digits(), "124568");
  h.platform.answers.push_back(MsgResult::Ok);
  ASSERT_TRUE(f.Click("AppTenta"));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  const MessageBoxRequest& ask = h.platform.messages[0];
  EXPECT_EQ(ask.title, "PLAY TRIAL MOVES");
  EXPECT_EQ(ask.buttons, MsgButtons::OkCancel);
  EXPECT_EQ(ask.text, "Do you really want write :\r\n 14568  in the Cell 'Ec' ?");
  EXPECT_EQ(f.board.Can[38].Digits(), "14568");
  EXPECT_FALSE(f.Filled(38));
  EXPECT_TRUE(f.w.Sugge1.selected);  // the "All" view
  EXPECT_EQ(f.w.caN[38].caption, " 14568 ");
  EXPECT_EQ(f.w.caN[38].ink, colour::DarkBlue);
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
  EXPECT_FALSE(f.w.AppTenta.enabled);
}

TEST_F(TrialGame, DoItCancelledPlaysNothing) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(56, 2);
  RunToEnd();
  ASSERT_EQ(Entries(), Lines{"56-v-2"});
  const std::string can = test::AllCan(f);
  h.platform.answers.push_back(MsgResult::Cancel);
  ASSERT_TRUE(f.Click("AppTenta"));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].text, "Do you really want write :\r\n 2  in the Cell 'Gc' ?");
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_FALSE(f.Filled(56));
  EXPECT_FALSE(f.w.AppTenta.enabled);
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
}

TEST_F(TrialGame, DoItPlaysManySureMovesOneByOne) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(17, 4);
  RunToEnd();
  const std::vector<SureMove> moves = f.trials.SureMoves;
  ASSERT_GT(moves.size(), 21u);
  const int filledBefore = f.board.FilledCount;
  for (std::size_t i = 0; i < moves.size(); ++i) h.platform.answers.push_back(MsgResult::Ok);
  ASSERT_TRUE(f.Click("AppTenta"));
  // Every move asked or, when an earlier one had already done it, counted.
  const std::vector<MessageBoxRequest>& asked = h.platform.messages;
  ASSERT_FALSE(asked.empty());
  const MessageBoxRequest& last = asked.back();
  const std::size_t questions = asked.size() - (last.title == "Applica Mosse Tentativi" ? 1 : 0);
  const std::size_t skipped = moves.size() - questions;
  EXPECT_GT(skipped, 0u);
  EXPECT_EQ(last.title, "Applica Mosse Tentativi");
  EXPECT_EQ(last.text, "Other " + std::to_string(skipped) + " Moves have been done\r\nautomatically.");
  EXPECT_TRUE(last.infoIcon);
  // Every value on the board is the solution's, and each true move is played.
  for (int c = 0; c < kCells; ++c)
    if (f.Filled(c)) {
      EXPECT_EQ(f.Value(c), scheme.solution[c] - '0') << c;
    }
  int placed = 0;
  for (const SureMove& m : moves)
    if (m.mark == mark::True) {
      EXPECT_TRUE(f.Filled(m.cell)) << m.Entry();
      ++placed;
    } else if (!f.Filled(m.cell)) {
      EXPECT_FALSE(f.board.Can[m.cell].Has(m.digit)) << m.Entry();
    }
  EXPECT_GE(f.board.FilledCount, filledBefore + placed);
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
}

TEST_F(TrialGame, DoItStopsAtTheFirstCancel) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(17, 4);
  RunToEnd();
  h.platform.answers = {MsgResult::Ok, MsgResult::Cancel};
  ASSERT_TRUE(f.Click("AppTenta"));
  ASSERT_EQ(h.platform.messages.size(), 2u);  // the second question stopped it
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
}

TEST_F(TrialGame, DoItRefusesToTakeACellsLastCandidateAndSkipsMalformedMoves) {
  ASSERT_TRUE(f.Click("Sugge8"));
  test::SetCan(f, 1, "8");  // Ab
  f.trials.SureMoves = {{99, mark::True, 5}, {1, mark::False, 8}, {2, mark::False, 4}};
  f.w.AppTenta.enabled = true;
  ASSERT_TRUE(f.Click("AppTenta"));
  EXPECT_TRUE(h.platform.messages.empty());
  EXPECT_EQ(f.w.ListCons.items, (Lines{"- WRONG MOVE", "  you must leave one Candidate at least.",
                                       "  Move in Ab NOT accepted!!"}));
  EXPECT_EQ(f.board.Can[1].Digits(), "8");
  EXPECT_FALSE(f.Filled(1));
  EXPECT_FALSE(f.w.AppTenta.enabled);
}

TEST_F(TrialGame, DoItShowsEachMoveBehindItsQuestionAndPlaysItAsAStep) {
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(38, 2);
  RunToEnd();
  ASSERT_EQ(Entries(), Lines{"38-f-2"});
  Lines shown;
  Colour back = colour::White;
  h.platform.onMessage = [&](const MessageBoxRequest&) {
    shown = f.w.ListCons.items;
    back = f.w.caN[38].back;
  };
  h.platform.answers.push_back(MsgResult::Ok);
  ASSERT_TRUE(f.Click("AppTenta"));
  // A single move is "1 of 1"; its cell is light yellow while it is asked.
  EXPECT_EQ(shown, (Lines{"DO SURE MOVES", "  1 of 1"}));
  EXPECT_EQ(back, colour::LightYellow);
  // Played as the step record of "Do it": the cell, the candidates it keeps.
  EXPECT_EQ(f.methods.AdviceStep.cell, "38");
  EXPECT_EQ(f.methods.AdviceStep.value, " 14568 ");
  EXPECT_EQ(f.w.caN[38].back, colour::White);
  // Offered once: neither button nor F2 plays it again.
  EXPECT_TRUE(f.trials.SureMoves.empty());
  EXPECT_FALSE(f.w.AppTenta.enabled);
  EXPECT_FALSE(f.w.mApplica.enabled);
  EXPECT_FALSE(f.Click("AppTenta"));
}

TEST_F(TrialGame, F2InATrialViewPlaysTheProvedMovesAndNothingElse) {
  // A step shown at the "Where ?" level leaves "Do it" pending ...
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_TRUE(f.Release("Cons3"));
  ASSERT_TRUE(f.w.mApplica.enabled);
  const std::string can = test::AllCan(f);
  const int filled = f.board.FilledCount;
  // ... but in a trial view F2 plays the trial's moves, and none is proved.
  ASSERT_TRUE(f.Click("Sugge6"));
  f.KeyDown(key::F2, 0);
  EXPECT_TRUE(h.platform.messages.empty());
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_EQ(f.board.FilledCount, filled);
  EXPECT_FALSE(f.w.mApplica.enabled);
  EXPECT_TRUE(f.w.Sugge6.selected);
  // Once a trial has proved a move, F2 asks for it and plays it.
  Start(56, 2);
  RunToEnd();
  ASSERT_EQ(Entries(), Lines{"56-v-2"});
  ASSERT_TRUE(f.w.mApplica.enabled);
  h.platform.answers.push_back(MsgResult::Ok);
  f.KeyDown(key::F2, 0);
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].title, "PLAY TRIAL MOVES");
  ASSERT_TRUE(f.Filled(56));
  EXPECT_EQ(f.Value(56), 2);
  EXPECT_EQ(f.w.caN[56].ink, colour::DarkBlue);
  EXPECT_EQ(f.board.FilledCount, filled + 1);
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
}

// A removal that leaves one candidate writes it; a later move that wrote the
// same value, or removed a digit the propagation took already, is counted as
// done automatically without a question.
TEST_F(TrialGame, DoItCountsTheMovesAnEarlierOneHasDone) {
  ASSERT_TRUE(f.Click("Sugge8"));
  int cell = -1, peer = -1, sure = 0, other = 0;
  for (int c = 0; c < kCells && peer < 0; ++c) {
    if (f.Filled(c) || f.board.Can[c].Count() != 2) continue;
    sure = scheme.solution[c] - '0';
    other = f.board.Can[c].Digits()[0] - '0' == sure ? f.board.Can[c].Digits()[1] - '0' : f.board.Can[c].Digits()[0] - '0';
    for (int p = 9 * (c / 9); p < 9 * (c / 9) + 9; ++p)
      if (p != c && !f.Filled(p) && f.board.Can[p].Has(sure) && f.board.Can[p].Count() > 2) {
        cell = c;
        peer = p;
        break;
      }
  }
  ASSERT_GE(peer, 0) << "no cell of two candidates with a row peer";
  const int filled = f.board.FilledCount;
  f.trials.SureMoves = {{cell, mark::False, other}, {cell, mark::True, sure}, {peer, mark::False, sure}};
  f.w.AppTenta.enabled = true;
  h.platform.answers = {MsgResult::Ok, MsgResult::Ok, MsgResult::Ok};
  ASSERT_TRUE(f.Click("AppTenta"));
  const std::vector<MessageBoxRequest>& asked = h.platform.messages;
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].text,
            "Do you really want write :\r\n " + std::to_string(sure) + "  in the Cell '" + CellName(cell) + "' ?");
  EXPECT_EQ(asked[1].title, "Applica Mosse Tentativi");
  EXPECT_EQ(asked[1].buttons, MsgButtons::Ok);
  EXPECT_EQ(asked[1].text, "Other 2 Moves have been done\r\nautomatically.");
  EXPECT_TRUE(asked[1].infoIcon);
  ASSERT_TRUE(f.Filled(cell));
  EXPECT_EQ(f.Value(cell), sure);
  EXPECT_EQ(f.board.FilledCount, filled + 1);
  EXPECT_FALSE(f.board.Can[peer].Has(sure));
  EXPECT_EQ(f.w.ListCons.items, Lines{"READY FOR SUGGESTIONS"});
}

// A move the board does not allow is refused with its reason and nothing
// after it is offered; the board stays as it was.
TEST_F(TrialGame, DoItRefusesMovesTheBoardDoesNotAllow) {
  ASSERT_TRUE(f.Click("Sugge8"));
  // Ab is empty; a digit of its row's givens is no candidate of it.
  ASSERT_FALSE(f.Filled(1));
  ASSERT_FALSE(f.board.Can[1].Has(2));
  struct Case {
    SureMove move;
    Lines lines;
  };
  const Case cases[] = {
      {{0, mark::True, 5}, {"- OVERWRITING NOT ALLOWED", "  Value in Aa NOT accepted."}},
      {{0, mark::False, 2}, {"- OVERWRITING NOT ALLOWED", "  Value in Aa NOT accepted."}},
      {{1, mark::True, 2}, {"- WRONG MOVE", "  Value in Ab NOT accepted!!"}},
  };
  const std::string can = test::AllCan(f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.move.Entry());
    h.platform.messages.clear();
    f.trials.SureMoves = {c.move, {1, mark::True, scheme.solution[1] - '0'}};
    f.w.AppTenta.enabled = true;
    ASSERT_TRUE(f.Click("AppTenta"));
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(f.w.ListCons.items, c.lines);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(f.Value(0), 2);
    EXPECT_FALSE(f.Filled(1));
    EXPECT_FALSE(f.w.AppTenta.enabled);
  }
}

// A move that empties a cell of the (wrongly cleaned) board reports the
// contradiction, and the report stays: no further move is asked.
TEST_F(TrialGame, DoItStopsAtAContradiction) {
  ASSERT_TRUE(f.Click("Sugge8"));
  const int cell = 1, digit = scheme.solution[1] - '0';
  int peer = -1;
  for (int p = 2; p < 9 && peer < 0; ++p)
    if (!f.Filled(p) && f.board.Can[p].Has(digit)) peer = p;
  ASSERT_GE(peer, 0);
  test::SetCan(f, peer, std::to_string(digit));
  f.trials.SureMoves = {{cell, mark::True, digit}, {40, mark::True, scheme.solution[40] - '0'}};
  f.w.AppTenta.enabled = true;
  h.platform.answers = {MsgResult::Ok, MsgResult::Ok};
  ASSERT_TRUE(f.Click("AppTenta"));
  EXPECT_EQ(h.platform.messages.size(), 1u);
  ASSERT_FALSE(f.w.ListCons.items.empty());
  EXPECT_EQ(f.w.ListCons.items[0], "- SOME WRONG MOVE ...");
  EXPECT_FALSE(f.board.InputEnabled);
  EXPECT_FALSE(f.w.AppTenta.enabled);
}

// A trial that proved a move and is left for another candidate view takes
// its "Do it" along: F2 there plays nothing, neither the trial's moves nor
// the record of a move played before.
TEST_F(TrialGame, LeavingATrialViewDropsItsDoIt) {
  // A sure removal played: its record is the last step played.
  ASSERT_TRUE(f.Click("Sugge6"));
  Start(38, 2);
  RunToEnd();
  h.platform.answers.push_back(MsgResult::Ok);
  ASSERT_TRUE(f.Click("AppTenta"));
  ASSERT_EQ(f.board.Can[38].Digits(), "14568");
  for (const char* view : {"Sugge0", "Sugge1", "Sugge2"}) {
    SCOPED_TRACE(view);
    RunTrial("Sugge8", 56, 9);
    ASSERT_TRUE(f.w.mApplica.enabled);
    f.board.Can[38].Remove(4);  // what a later move would leave there
    const std::string can = test::AllCan(f);
    const std::size_t messages = h.platform.messages.size();
    ASSERT_TRUE(f.Click(view));
    EXPECT_FALSE(f.w.AppTenta.enabled);
    EXPECT_FALSE(f.w.mApplica.enabled);
    f.KeyDown(key::F2, 0);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(h.platform.messages.size(), messages);
    f.board.Can[38] = CandText::FromMask(0x172);  // 14568 again, for the next view
  }
}

// ---- a save during a trial ------------------------------------------------------------

TEST_F(TrialGame, ASaveDuringTheTrialOnAllCandidatesKeepsTheValues) {
  ASSERT_TRUE(f.Click("Sugge8"));
  Start(17, 4);
  f.Click("VaiTenta");
  f.TakeBoardText();
  for (int r = 0; r < 9; ++r) {
    std::string row = scheme.grid.substr(9 * r, 9);
    for (char& ch : row)
      if (ch == '.') ch = ' ';
    EXPECT_EQ(f.files.SchemeLines[r], row) << r;
  }
}

}  // namespace
}  // namespace tessora
