// The advice in the window: "Method ?", "Value ?" and "Where ?" held and
// released on real positions, the fallback and "Show Resolving Move", "Do
// it", and the candidate views that show one digit while a button is held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;
using test::Rows;
using Lines = std::vector<std::string>;

// A scheme solved by the methods alone; "At a glance" starts on 1 in box 9.
const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Schemes that need a trial (tests/fixtures/control/trial_schemes.txt).
const std::string kTrial0 =
    "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";
const std::string kTrial3 =
    "..78.26......4..9.....3..4..8.......6..15.2..31.2...7...17.....2.8...9.....4...16";

void Play(Form1& f, const std::string& grid) {
  test::KeyScheme(f, grid);
  ASSERT_TRUE(f.Click("Gioca"));
  ASSERT_TRUE(f.board.PlayPhase);
}

// A row of the method list moved to the top with the priority dialog.
void MoveToTop(Form1& f, const std::string& row) {
  ASSERT_TRUE(f.Click("mOpzio"));
  ASSERT_TRUE(f.Pick("Prio", row));
  while (f.form3.portaSu.enabled) f.Click("portaSu");
  f.Click("faiEsci");
}

// The window's cells, one character each (test::Painting).
std::string Painting(const Form1& f) { return test::Painting(f.w.caN); }

std::string OnlyAt(int cell, char ch) {
  std::string s(kCells, '.');
  s[cell] = ch;
  return s;
}

// The empty cells that show a caption.
int EmptyCaptions(const Form1& f) {
  int n = 0;
  for (int c = 0; c < kCells; ++c)
    if (!f.Filled(c) && !f.w.caN[c].caption.empty()) ++n;
  return n;
}

// "Where ?" held, released, and "Do it".
void WhereAndDoIt(Form1& f) {
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_TRUE(f.Release("Cons3"));
  ASSERT_TRUE(f.Click("Applica"));
}

const Lines kBoxCrossing = {"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Box",
                            "  with just one not-excluded Cell."};

TEST(AdviceLevels, BoxCrossingAtEachLevel) {
  struct Case {
    const char* button;
    Lines lines;
    bool doIt;
  };
  Lines withAction = kBoxCrossing;
  withAction.push_back("   ... write  1  in ...");
  const Case cases[] = {{"Cons1", kBoxCrossing, false}, {"Cons2", withAction, false}, {"Cons3", withAction, true}};
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    Play(f, kClassic);
    ASSERT_TRUE(f.Press(c.button)) << c.button;
    EXPECT_EQ(f.w.ListCons.items, c.lines) << c.button;
    EXPECT_EQ(f.methods.AdviceStep.code, "ZOB");
    EXPECT_EQ(f.methods.AdviceStep.cell, "78");
    EXPECT_EQ(f.w.Applica.enabled, c.doIt) << c.button;
    EXPECT_EQ(f.w.mApplica.enabled, c.doIt) << c.button;
    EXPECT_TRUE(f.advice.AdviceGiven);
    if (c.doIt) {
      // Box 9 and the row and column that exclude its other free cells (by
      // the 1 of Hf and of Ei); the crossing shows no candidates.
      EXPECT_EQ(Painting(f), Rows("........g  ........g  ........g  ........g  ........M  ........g  ......GGG"
                                  "  ggggMgGGG  ......BGG"));
      EXPECT_EQ(EmptyCaptions(f), 0);
    } else {
      EXPECT_EQ(Painting(f), std::string(kCells, '.'));
    }
    ASSERT_TRUE(f.Release(c.button));
    EXPECT_EQ(f.w.ListCons.items, c.lines) << c.button;
    if (c.doIt) {
      // The step's cell is the new cursor cell.
      EXPECT_EQ(Painting(f), OnlyAt(78, 'y'));
      EXPECT_EQ(f.board.CurCell, 78);
      EXPECT_EQ(f.board.PrevCell, 78);
    } else {
      EXPECT_EQ(Painting(f), std::string(kCells, '.'));
    }
  }
}

TEST(AdviceLevels, ColumnCrossingAfterSixMoves) {
  Harness h;
  Form1& f = h.form;
  Play(f, kClassic);
  for (int i = 0; i < 6; ++i) WhereAndDoIt(f);
  ASSERT_TRUE(f.Press("Cons3"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Column",
                                       "  with just one not-excluded Cell.", "   ... write  4  in ..."}));
  EXPECT_EQ(CellName(f.methods.AdviceStep.CellIndex()), "Ce");
  // Column e; box 8 and row E hold the 4 that excludes Ge and Ee.
  EXPECT_EQ(Painting(f), Rows("....G....  ....G....  ....B....  ....G....  MgggGgggg  ....G....  ...gGg..."
                              "  ...MGg...  ...gGg..."));
  EXPECT_EQ(EmptyCaptions(f), 0);
}

TEST(AdviceLevels, NakedSingleInTheAllView) {
  const Lines explanation = {"3 Confirm a Cell showing an alone", "  Candidate."};
  struct Case {
    const char* button;
    Lines lines;
    bool doIt;
  };
  Lines withAction = explanation;
  withAction.push_back("   ... write 5 in ...");
  const Case cases[] = {{"Cons1", explanation, false}, {"Cons3", withAction, true}};
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    Play(f, kClassic);
    ASSERT_TRUE(f.Click("Sugge1"));  // "At a glance" is not looked for among all candidates
    ASSERT_TRUE(f.Press(c.button));
    EXPECT_EQ(f.w.ListCons.items, c.lines) << c.button;
    EXPECT_EQ(f.methods.AdviceStep.code, "CFC");
    EXPECT_EQ(f.methods.AdviceStep.cell, " 40");
    EXPECT_EQ(f.methods.AdviceStep.zone, "");
    EXPECT_EQ(f.w.Applica.enabled, c.doIt);
    // Without a zone only the cell is painted.
    EXPECT_EQ(Painting(f), c.doIt ? OnlyAt(40, 'B') : std::string(kCells, '.'));
    ASSERT_TRUE(f.Release(c.button));
    if (c.doIt) {
      EXPECT_EQ(Painting(f), OnlyAt(40, 'y'));
      EXPECT_EQ(f.w.caN[40].caption, "5");
      EXPECT_GT(EmptyCaptions(f), 40);  // the candidates stay shown
    }
  }
}

TEST(AdviceLevels, WhereShowsTheCandidatesWhileHeld) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial3);
  MoveToTop(f, "08    - Row/Col. Locks Candidate");
  ASSERT_EQ(EmptyCaptions(f), 0);
  ASSERT_TRUE(f.Press("Cons3"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"8 A Row locks a Candidate to a Box", "  only: clean up the Box outside",
                                       "  that Row.", "   ... remove 6 from ..."}));
  // Row F grey, and box 5; the cells of the row inside the box that hold 6
  // light grey; the target Dd light blue.
  const AdviceStepRecord& r = f.methods.AdviceStep;
  EXPECT_EQ(r.code, "PRC");
  EXPECT_EQ(r.zone, "5");
  EXPECT_EQ(r.zone2, "22");
  // Only two cells of the row hold 6 inside the box: the third place is empty.
  EXPECT_EQ(r.cells, "49,50,");
  EXPECT_EQ(Painting(f).substr(27, 27), Rows("...Bgg...  ...ggg...  ggggllggg"));
  EXPECT_EQ(Painting(f).substr(0, 27) + Painting(f).substr(54), std::string(54, '.'));
  EXPECT_GT(EmptyCaptions(f), 40);
  ASSERT_TRUE(f.Release("Cons3"));
  EXPECT_EQ(EmptyCaptions(f), 0);
  EXPECT_EQ(Painting(f), OnlyAt(30, 'y'));
}

TEST(AdviceLevels, HiddenTwinsComeFirstWhenMovedUp) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial0);
  ASSERT_TRUE(f.Press("Cons2"));
  EXPECT_EQ(f.methods.AdviceStep.code, "ZOB");
  f.Release("Cons2");
  MoveToTop(f, "06    - Hidden Twins");
  ASSERT_TRUE(f.Press("Cons2"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"6 A Zone retains totally Hidden Twins:", "  clean up as necessary.",
                                       "  The Hidden Twins are 34 ...", "   ... write  34  in ..."}));
  EXPECT_FALSE(f.w.Applica.enabled);
  f.Release("Cons2");
  // Row A, the other cell of the twins light grey, the target light blue.
  ASSERT_TRUE(f.Press("Cons3"));
  EXPECT_EQ(f.methods.AdviceStep.cells, "05");
  EXPECT_EQ(Painting(f), "ggggBlggg" + std::string(72, '.'));
}

// Every field of the record belongs to the step just found: the pattern of
// a lock shown before does not survive into a hidden single.
TEST(AdviceLevels, TheRecordHoldsOnlyTheStepFound) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial3);
  MoveToTop(f, "07    - Box Locks Candidate");
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_EQ(f.methods.AdviceStep.code, "PRQ");
  ASSERT_FALSE(f.methods.AdviceStep.cells.empty());
  f.Release("Cons3");
  f.Click("mOpzio");
  f.Click("faiStd");
  f.Click("faiEsci");
  f.Click("Sugge1");
  ASSERT_TRUE(f.Press("Cons3"));
  const AdviceStepRecord& r = f.methods.AdviceStep;
  EXPECT_EQ(r.code, "Xx1");
  EXPECT_EQ(r.zone2, "");
  EXPECT_EQ(r.cells, "");
  EXPECT_EQ(r.removed, "");
  EXPECT_EQ(r.detail, "");
  EXPECT_TRUE(r.fishRanges.empty());
  // Its zone and its cell, nothing of the lock.
  std::string zone(kCells, '.');
  for (int c : ZoneCells[r.ZoneIndex()]) zone[c] = 'g';
  zone[r.CellIndex()] = 'B';
  EXPECT_EQ(Painting(f), zone);
}

TEST(AdviceLevels, NothingWhileInputIsBlockedOrBeforePlay) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kClassic);
  f.w.Cons3.enabled = f.w.Cons3.visible = f.w.FraCons.visible = true;
  const Lines before = f.w.ListCons.items;
  f.Press("Cons3");
  EXPECT_EQ(f.w.ListCons.items, before);
  EXPECT_FALSE(f.advice.AdviceGiven);
  f.Click("Gioca");
  f.board.InputEnabled = false;
  const Lines played = f.w.ListCons.items;
  f.Press("Cons3");
  EXPECT_EQ(f.w.ListCons.items, played);
  EXPECT_FALSE(f.w.Applica.enabled);
}

// The road to the first trial of a scheme that needs one: "Where ?" and "Do
// it" until no method applies.
int RoadToTheTrial(Form1& f) {
  for (int moves = 0; moves < 81; ++moves) {
    f.Press("Cons3");
    if (!f.methods.Progress) return moves;
    f.Release("Cons3");
    f.Click("Applica");
  }
  return -1;
}

const Lines kNoMethod = {
    "17 Go with free Trials on the Scheme", "  or guided from \"Trial Mode\" choices.",
    "  Otherwise, from the \"Tools\" menu,", "  look for a \"Resolving Move\" to play;",
    "  then ask me again, if you want.",
};

TEST(Fallback, EveryLevelSendsToTheTrialsAndTheResolvingMove) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial0);
  ASSERT_FALSE(f.w.mMosRiso.enabled);
  ASSERT_FALSE(f.w.mFunzAva.checked);
  ASSERT_EQ(RoadToTheTrial(f), 33);
  for (const char* button : {"Cons3", "Cons1", "Cons2"}) {
    f.Release("Cons3");
    ASSERT_TRUE(f.Press(button));
    EXPECT_EQ(f.w.ListCons.items, kNoMethod) << button;
    EXPECT_EQ(f.methods.AdviceStep.code, "") << button;
    EXPECT_FALSE(f.w.Applica.enabled);
    EXPECT_TRUE(f.w.mMosRiso.enabled);
    // The trial modes are unlocked once and stay so.
    EXPECT_TRUE(f.w.mFunzAva.checked) << button;
    EXPECT_TRUE(f.w.Sugge6.enabled);
    f.Release(button);
  }
  // Releasing "Where ?" moves no cursor: no step has a cell.
  const int cursor = f.board.CurCell;
  f.Press("Cons3");
  f.Release("Cons3");
  EXPECT_EQ(f.board.CurCell, cursor);

  ASSERT_TRUE(f.Click("mMosRiso"));
  const TrialRow& row = f.control.TrialTable[f.control.TrialIndex - 1];
  const std::string digit = std::to_string(row.digit);
  ASSERT_EQ(f.w.ListCons.items.size(), 2u);
  EXPECT_EQ(f.w.ListCons.items[0], "- RESOLVING MOVE:");
  EXPECT_EQ(f.w.ListCons.items[1],
            "  key " + digit + " in " + CellName(row.cell) + " (Cell num." + std::to_string(row.cell) + ").");
  EXPECT_EQ(digit, Trim(f.board.TrialSolution.Text(row.cell)));
  EXPECT_EQ(f.methods.AdviceStep.code, "ZZZ");
  EXPECT_EQ(f.methods.AdviceStep.value, digit);
  EXPECT_TRUE(f.w.Sugge1.selected);
  EXPECT_FALSE(f.w.Applica.enabled);
  EXPECT_FALSE(f.w.mApplica.enabled);
  // Keyed in, the move is a trial move; the methods go on from there.
  f.caN_Click(row.cell);
  f.KeyDown('0' + row.digit, 0);
  EXPECT_EQ(f.w.ListCons.items[0], "- TRIAL MOVE");
  ASSERT_TRUE(f.Press("Cons3"));
  EXPECT_TRUE(f.methods.Progress);
}

// A platform whose pauses let the waiting line's timer tick, as the window's
// event loop does while the hidden sets are searched.
struct TickingPlatform : ScriptedPlatform {
  Form1* form = nullptr;
  std::vector<Lines> seen;  // the blackboard at each tick
  void DoEvents() override {
    ScriptedPlatform::DoEvents();
    if (form && timers["TempCons"].enabled && form->Tick("TempCons")) seen.push_back(form->w.ListCons.items);
  }
};

TEST(Fallback, AGrowingRowOfDotsWhileTheMethodsAreSearched) {
  TickingPlatform platform;
  platform.clock = [] { return 36000.0; };
  Form1 f(platform);
  f.Form_Load();
  Play(f, kTrial0);
  ASSERT_EQ(RoadToTheTrial(f), 33);
  f.Release("Cons3");
  platform.form = &f;
  ASSERT_TRUE(f.Press("Cons1"));
  ASSERT_GE(platform.seen.size(), 2u);
  EXPECT_EQ(platform.seen[0], Lines{"...."});
  EXPECT_EQ(platform.seen[1], Lines{"....."});
  // The timer stops before the advice is written.
  EXPECT_FALSE(platform.timers["TempCons"].enabled);
  EXPECT_EQ(f.w.ListCons.items, kNoMethod);
}

TEST(ResolvingMove, OnlyFromAValidRowWhoseCellIsEmpty) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial0);
  RoadToTheTrial(f);
  f.Release("Cons3");
  const TrialRow row = f.control.TrialTable[f.control.TrialIndex - 1];

  auto unchanged = [&](const char* what) {
    const Lines before = f.w.ListCons.items;
    const std::string code = f.methods.AdviceStep.code;
    f.Click("mMosRiso");
    EXPECT_EQ(f.w.ListCons.items, before) << what;
    EXPECT_EQ(f.methods.AdviceStep.code, code) << what;
  };
  // An excluded row names no cell.
  TrialRow& current = f.control.TrialTable[f.control.TrialIndex - 1];
  current.mark = current.cell;
  current.cell = kExcludedTrial;
  unchanged("excluded row");
  current = row;
  // The cell already holds the move.
  f.caN_Click(row.cell);
  f.KeyDown('0' + row.digit, 0);
  unchanged("filled cell");
  // "Verifiy Solvability" on a board that needs no trial any more leaves no
  // trial row at all; the menu item stays enabled.
  ASSERT_TRUE(f.Click("mNuoVal"));
  ASSERT_EQ(f.control.TrialTotal, 0);
  ASSERT_TRUE(f.w.mMosRiso.enabled);
  unchanged("no trial table");
}

TEST(DoIt, PlacementWrittenInTheUsersInk) {
  Harness h;
  Form1& f = h.form;
  Play(f, kClassic);
  const int filled = f.board.FilledCount;
  f.Click("mFunzAva");
  f.Click("Sugge2");
  f.Pick("Sugge3a", " 4");
  ASSERT_TRUE(f.w.Sugge3b.enabled);
  f.Press("Cons3");
  f.Release("Cons3");
  ASSERT_TRUE(f.Click("Applica"));
  EXPECT_EQ(f.Value(78), 1);
  EXPECT_EQ(f.w.caN[78].caption, "1");
  EXPECT_EQ(f.w.caN[78].size, 18);
  EXPECT_EQ(f.w.caN[78].font, font::Sans);
  EXPECT_EQ(f.w.caN[78].ink, colour::DarkBlue);
  EXPECT_EQ(f.board.FilledCount, filled + 1);
  EXPECT_EQ(f.w.Fatti.caption, std::to_string(filled + 1));
  EXPECT_EQ(f.board.CaptionSnapshot[78], "1");
  // The 1 has left the candidates of its row, column and box.
  for (std::uint8_t p : kPeers[78]) EXPECT_FALSE(f.board.Can[p].Has(1)) << int(p);
  // "Do it" is used up, and the digit buttons wait for a new digit.
  for (const char* b : {"Applica", "mApplica", "Sugge3b", "Sugge3c", "Sugge3d"})
    EXPECT_FALSE(f.w.Find(b)->enabled) << b;
  EXPECT_EQ(Painting(f), std::string(kCells, '.'));
}

TEST(DoIt, LockedCandidateRemovesItsDigit) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial3);
  MoveToTop(f, "08    - Row/Col. Locks Candidate");
  f.Click("Sugge1");
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_EQ(f.methods.AdviceStep.code, "PRC");
  const CandText before = f.board.Can[30];
  const int filled = f.board.FilledCount;
  f.Release("Cons3");
  ASSERT_TRUE(f.Click("mApplica"));  // F2's menu item does the same
  EXPECT_TRUE(before.Has(6));
  EXPECT_FALSE(f.board.Can[30].Has(6));
  EXPECT_EQ(f.board.Can[30].Count(), before.Count() - 1);
  EXPECT_FALSE(f.Filled(30));
  EXPECT_EQ(f.board.FilledCount, filled);
  // Under "All" the cell shows its new candidates between blanks, in the
  // user's ink.
  EXPECT_EQ(f.w.caN[30].caption, f.board.Can[30].Text());
  EXPECT_EQ(f.w.caN[30].ink, colour::DarkBlue);
  EXPECT_FALSE(f.w.Applica.enabled);
}

TEST(DoIt, EliminationThatLeavesOneCandidatePlacesIt) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial0);
  MoveToTop(f, "05    - Naked Twins");
  ASSERT_TRUE(f.Press("Cons3"));
  ASSERT_EQ(f.methods.AdviceStep.code, "CPN");
  ASSERT_EQ(f.methods.AdviceStep.value, " 9 ");
  const int cell = f.methods.AdviceStep.CellIndex();
  const int filled = f.board.FilledCount;
  f.Release("Cons3");
  f.KeyDown(key::F2, 0);  // the shortcut of "Apply Suggestion or Trial"
  EXPECT_EQ(f.Value(cell), 9);
  EXPECT_EQ(f.w.caN[cell].size, 18);
  EXPECT_EQ(f.board.FilledCount, filled + 1);
  for (std::uint8_t p : kPeers[cell]) EXPECT_FALSE(f.board.Can[p].Has(9)) << int(p);
}

TEST(DoIt, RefusedOnAFilledCell) {
  Harness h;
  Form1& f = h.form;
  Play(f, kClassic);
  f.Press("Cons3");
  f.Release("Cons3");
  // The user keys the value himself; the step is stale.
  f.caN_Click(78);
  f.KeyDown('1', 0);
  ASSERT_EQ(f.Value(78), 1);
  ASSERT_FALSE(f.w.Applica.enabled);
  const int filled = f.board.FilledCount;
  const std::string can = test::AllCan(f);
  f.w.Applica.enabled = true;  // as if it had stayed enabled
  ASSERT_TRUE(f.Click("Applica"));
  EXPECT_EQ(f.w.ListCons.items, (Lines{"- OVERWRITING NOT ALLOWED", "  Value in Ig NOT accepted."}));
  EXPECT_EQ(f.board.FilledCount, filled);
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_EQ(f.board.ErrorCount, 0);
  EXPECT_FALSE(f.w.Applica.enabled);
}

// Whatever changes the board drops a pending "Do it".
TEST(DoIt, DroppedByEveryChangeOfTheBoard) {
  struct Case {
    const char* what;
    void (*act)(Form1&);
  };
  const Case cases[] = {
      {"Redo Candidates", [](Form1& f) { f.Click("mRicMan"); }},
      {"Verify Solvability", [](Form1& f) { f.Click("mNuoVal"); }},
      {"Clear Moves", [](Form1& f) { f.Click("mCanMoss"); }},
      {"a keyed move", [](Form1& f) { f.KeyDown('5', 0); }},
      {"Delete", [](Form1& f) { f.KeyDown(key::Delete, 0); }},
      {"the mouse over the board", [](Form1& f) { f.caN_MouseMove(10, 0, 0); }},
      {"a click on a cell", [](Form1& f) { f.caN_Click(10); }},
      {"Reload Flash",
       [](Form1& f) {
         f.w.mPerSuCom.enabled = f.w.mRicFla.enabled = true;
         f.Click("mRicFla");
       }},
  };
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    Play(f, kClassic);
    f.TakeFlash();
    f.Press("Cons3");
    ASSERT_TRUE(f.w.Applica.enabled) << c.what;
    f.Release("Cons3");
    c.act(f);
    EXPECT_FALSE(f.w.Applica.enabled) << c.what;
    EXPECT_FALSE(f.w.mApplica.enabled) << c.what;
  }
}

TEST(DoIt, AfterAContradictionToo) {
  Harness h;
  Form1& f = h.form;
  Play(f, kTrial0);
  RoadToTheTrial(f);
  f.Release("Cons3");
  // A wrong trial digit keyed in, then the methods played on: the board
  // breaks on some "Do it".
  f.Click("mMosRiso");
  const TrialRow row = f.control.TrialTable[f.control.TrialIndex - 1];
  CandText can = f.board.Can[row.cell];
  can.Remove(row.digit);
  f.caN_Click(row.cell);
  f.KeyDown('0' + can.FirstDigit(), 0);
  bool broke = false;
  for (int i = 0; i < 60 && !broke && f.board.InputEnabled; ++i) {
    if (!f.Press("Cons3") || !f.methods.Progress) break;
    f.Release("Cons3");
    f.Click("Applica");
    broke = !f.board.InputEnabled;
  }
  ASSERT_TRUE(broke);
  EXPECT_EQ(f.w.ListCons.items[0], "- SOME WRONG MOVE ...");
  EXPECT_FALSE(f.w.Applica.enabled);
  EXPECT_FALSE(f.w.mApplica.enabled);
}

// "Where ?" and "Do it" play a whole game: the steps are those of the move
// list the control made, until the first trial; the resolving move is keyed
// in; the game ends with the congratulations and a complete board disables
// the advice without a word.
TEST(Road, WhereAndDoItPlayAWholeGame) {
  for (const std::string& grid : {kClassic, kTrial0}) {
    Harness h;
    Form1& f = h.form;
    Play(f, grid);
    const std::vector<std::string> moves(f.control.MoveList.begin(),
                                         f.control.MoveList.begin() + f.control.MoveCount);
    bool trial = false;
    std::size_t k = 0;
    for (int guard = 0; guard < 200 && f.board.FilledCount < 81; ++guard, ++k) {
      ASSERT_TRUE(f.Press("Cons3"));
      f.Release("Cons3");
      if (!f.methods.Progress) {
        ASSERT_TRUE(f.Click("mMosRiso"));
        const Step s = f.advice.Shown;
        if (!trial) {
          EXPECT_EQ(moves[k].substr(0, 2), "TT");
        }
        trial = true;
        f.caN_Click(s.cell);
        f.KeyDown('0' + s.digit, 0);
        continue;
      }
      const Step s = f.advice.Shown;
      if (!trial) {
        ASSERT_LT(k, moves.size());
        EXPECT_EQ(moves[k].substr(0, 2), MethodOf(s.code)->display) << k;
        EXPECT_NE(moves[k].find("'" + CellName(s.cell) + "'"), std::string::npos) << k << " " << moves[k];
      }
      ASSERT_TRUE(f.Click("Applica")) << k;
      ASSERT_TRUE(f.board.InputEnabled) << k;
    }
    EXPECT_EQ(trial, grid == kTrial0);
    ASSERT_EQ(f.board.FilledCount, 81);
    EXPECT_EQ(f.w.ListCons.items, (Lines{"", "", "        CONGRATULATIONS !!"}));
    EXPECT_TRUE(f.w.ImaCompl.visible);
    EXPECT_EQ(f.board.ErrorCount, 0);
    for (int c = 0; c < kCells; ++c) {
      const std::string s = Trim(f.board.Solution.Text(c)).empty() ? Trim(f.board.TrialSolution.Text(c)) : Trim(f.board.Solution.Text(c));
      EXPECT_EQ(std::to_string(f.Value(c)), s) << c;
    }
    ASSERT_TRUE(f.Press("Cons1"));
    for (const char* b : {"Cons1", "Cons2", "Cons3", "Applica"}) EXPECT_FALSE(f.w.Find(b)->enabled) << b;
    EXPECT_EQ(f.w.ListCons.items, (Lines{"", "", "        CONGRATULATIONS !!"}));
  }
}

// ---- the candidate views of one digit --------------------------------------

struct DigitView : Harness {
  DigitView() {
    Play(form, kClassic);
    form.Click("mFunzAva");
    form.Click("Sugge2");
  }
};

TEST(DigitViews, ChoosingTheDigitEnablesTheButtons) {
  DigitView h;
  Form1& f = h.form;
  for (const char* b : {"Sugge3b", "Sugge3c", "Sugge3d"}) EXPECT_FALSE(f.w.Find(b)->enabled);
  EXPECT_FALSE(f.Pick("Sugge3a", " 0"));
  ASSERT_TRUE(f.Pick("Sugge3a", " 5"));
  EXPECT_EQ(f.w.Sugge3a.text, " 5");
  EXPECT_EQ(f.advice.ChosenDigit, "5");
  EXPECT_TRUE(f.board.FreezeMouse);
  for (const char* b : {"Sugge3b", "Sugge3c", "Sugge3d"}) EXPECT_TRUE(f.w.Find(b)->enabled);
  // A key on the board disables them again.
  f.KeyDown(key::Space, 0);
  for (const char* b : {"Sugge3b", "Sugge3c", "Sugge3d"}) EXPECT_FALSE(f.w.Find(b)->enabled);
}

TEST(DigitViews, InstanceShowsTheDigitWhereItIsACandidate) {
  DigitView h;
  Form1& f = h.form;
  f.Pick("Sugge3a", " 5");
  ASSERT_TRUE(f.Press("Sugge3b"));
  for (int c = 0; c < kCells; ++c) {
    const std::string expected = f.Filled(c) ? std::to_string(f.Value(c)) : f.board.Can[c].Has(5) ? "  5  " : "  ";
    EXPECT_EQ(f.w.caN[c].caption, expected) << c;
  }
  ASSERT_TRUE(f.Release("Sugge3b"));
  EXPECT_EQ(EmptyCaptions(f), 0);
}

// The links of a net: per row and per column, one fewer than the cells of
// the digit there.
int ExpectedLinks(const Form1& f, int d) {
  int links = 0;
  for (int z = 0; z < 18; ++z) {
    int n = 0;
    for (int c : ZoneCells[z]) n += f.board.Can[c].Has(d);
    links += n > 1 ? n - 1 : 0;
  }
  return links;
}

struct NetCount {
  int circles = 0, filled = 0, links = 0;
};

NetCount Count(const Form1& f) {
  NetCount n;
  for (const Figure& g : f.w.drawing) {
    if (g.type == Figure::Circle) {
      ++n.circles;
      n.filled += g.filled;
    } else {
      ++n.links;
    }
  }
  return n;
}

TEST(DigitViews, NetDrawsCirclesAndLinksUntilReleased) {
  DigitView h;
  Form1& f = h.form;
  f.Pick("Sugge3a", " 5");
  ASSERT_TRUE(f.Press("Sugge3c"));
  // Digit 5 of the classic scheme: a candidate in 22 cells, linked along
  // the rows (16 links) and down the columns (16).
  NetCount n = Count(f);
  EXPECT_EQ(n.circles, 22);
  EXPECT_EQ(n.links, 32);
  EXPECT_EQ(n.links, ExpectedLinks(f, 5));
  EXPECT_EQ(n.filled, 0);  // the solution panel is hidden
  for (int c = 0; c < kCells; ++c) EXPECT_EQ(f.advice.NetMarks[c], f.board.Can[c].Has(5) ? "5" : "") << c;
  // No digit shows while the net is drawn, values included.
  for (const CellLabel& c : f.w.caN) EXPECT_EQ(c.caption, "");
  ASSERT_TRUE(f.Release("Sugge3c"));
  EXPECT_TRUE(f.w.drawing.empty());
  for (int c = 0; c < kCells; ++c)
    EXPECT_EQ(f.w.caN[c].caption, f.Filled(c) ? std::to_string(f.Value(c)) : "") << c;

  // With the solution shown, the circles where the solution has the digit
  // are filled: every empty cell whose solution is 5 has 5 as a candidate.
  ASSERT_TRUE(f.Click("mSoluz"));  // "Do you want to see the Solution really?" Yes
  ASSERT_TRUE(f.w.Peri.visible);
  ASSERT_TRUE(f.Press("Sugge3c"));
  int solutionFives = 0;
  for (int c = 0; c < kCells; ++c) solutionFives += !f.Filled(c) && Trim(f.board.Solution.Text(c)) == "5";
  n = Count(f);
  EXPECT_EQ(n.filled, solutionFives);
  EXPECT_EQ(n.filled, 6);
  for (const Figure& g : f.w.drawing) {
    if (g.type == Figure::Circle) {
      EXPECT_EQ(g.widthPx, g.filled ? 2 : 1);
    }
  }
  f.Release("Sugge3c");
}

TEST(DigitViews, ExclusionGreysWhereTheDigitCannotGo) {
  DigitView h;
  Form1& f = h.form;
  f.Pick("Sugge3a", " 8");
  ASSERT_TRUE(f.Press("Sugge3d"));
  for (int c = 0; c < kCells; ++c) {
    const CellLabel& l = f.w.caN[c];
    if (f.Filled(c) && f.Value(c) == 8) {
      EXPECT_EQ(l.back, colour::Pink) << c;
      EXPECT_TRUE(l.border) << c;
    } else if (f.board.Can[c].Has(8)) {
      EXPECT_EQ(l.back, colour::White) << c;
    } else {
      EXPECT_EQ(l.back, colour::Grey) << c;
      EXPECT_FALSE(l.border) << c;
    }
  }
  EXPECT_TRUE(f.board.FreezeMouse);
  ASSERT_TRUE(f.Release("Sugge3d"));
  EXPECT_EQ(Painting(f), std::string(kCells, '.'));
}

// A key pressed while a view button is held disables the button; its
// release still takes the view away.
TEST(DigitViews, TheReleaseAfterAKeyPressedWhileHeldClearsTheView) {
  for (const char* button : {"Sugge3b", "Sugge3c", "Sugge3d"}) {
    SCOPED_TRACE(button);
    DigitView h;
    Form1& f = h.form;
    f.Pick("Sugge3a", " 5");
    ASSERT_TRUE(f.Press(button));
    f.KeyDown(key::Right, 0);
    ASSERT_FALSE(f.w.Find(button)->enabled);
    EXPECT_TRUE(f.Release(button));
    EXPECT_TRUE(f.w.drawing.empty());
    EXPECT_EQ(Painting(f), std::string(kCells, '.'));
    for (int c = 0; c < kCells; ++c)
      EXPECT_EQ(f.w.caN[c].caption, f.Filled(c) ? std::to_string(f.Value(c)) : "") << c;
    // A release without its press is still refused.
    EXPECT_FALSE(f.Release(button));
  }
}

TEST(Dump, ShowsTheStepTypedAndAsTextTheLevelAndTheFigures) {
  Harness h;
  Form1& f = h.form;
  Play(f, kClassic);
  f.Press("Cons3");
  const std::string d = DumpState(f);
  EXPECT_NE(d.find("\"adviceStep\":{\"code\":\"ZOB\",\"value\":\" 1 \",\"cell\":\"78\",\"zone\":\"26\""),
            std::string::npos);
  EXPECT_NE(d.find("\"adviceStepTyped\":{\"code\":\"ZOB\",\"cell\":78,\"zone\":26,\"zone2\":-1,\"digit\":1"),
            std::string::npos);
  EXPECT_NE(d.find("\"AdviceLevel\":\"s\""), std::string::npos);
  EXPECT_NE(d.find("\"AdviceGiven\":true"), std::string::npos);
  EXPECT_NE(d.find("\"tooltip\":\"\\\"Tieni premuto\\\"\""), std::string::npos);
  f.Release("Cons3");
  f.Click("mFunzAva");
  f.Click("Sugge2");
  f.Pick("Sugge3a", " 5");
  f.Press("Sugge3c");
  EXPECT_NE(DumpState(f).find("\"drawing\":[{\"type\":\"circle\""), std::string::npos);
}

}  // namespace
}  // namespace tessora
