// Keying a scheme, the arrows, judging moves in play, Delete, ESC.
#include <gtest/gtest.h>

#include "control/move_judgement.h"
#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;

const char* const kGrid = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string Row(const Form1& f, int r) {
  std::string s;
  for (int c = 0; c < 9; ++c) s += f.Filled(9 * r + c) ? f.w.caN[9 * r + c].caption : ".";
  return s;
}

// The judgement alone: the solution's digit (0 where it leaves the cell open)
// and the cell's candidates decide, a wrong digit before a filled cell.
TEST(Judging, JudgeMoveTable) {
  struct Case {
    int digit, solution;
    const char* can;  // the cell's candidates; "" a cell that holds a value
    MoveVerdict verdict;
  };
  const Case cases[] = {
      {5, 5, "35", MoveVerdict::Correct},
      {3, 5, "35", MoveVerdict::Wrong},        // a candidate, but not the solution's digit
      {5, 5, "13", MoveVerdict::Wrong},        // the solution's digit, no longer a candidate
      {3, 0, "14", MoveVerdict::Wrong},        // a trial cell: still no candidate
      {5, 5, "", MoveVerdict::Overwriting},    // a filled cell: Delete first
      {3, 5, "", MoveVerdict::Wrong},          // a wrong digit on a filled cell is wrong
      {3, 0, "", MoveVerdict::Overwriting},
      {3, 0, "36", MoveVerdict::Trial},        // the solution leaves the cell open
  };
  for (const Case& c : cases) {
    CandText can = CandText::Filled();
    if (*c.can) {
      ASSERT_TRUE(CandText::Parse(c.can, can));
    }
    EXPECT_EQ(JudgeMove(c.digit, c.solution, can), c.verdict) << c.digit << " " << c.solution << " " << c.can;
  }
}

TEST(KeyEntry, BeforeInitialDataOnlyAReminder) {
  Harness h;
  h.form.KeyDown('5', 0);
  EXPECT_EQ(h.form.w.ListCons.items, std::vector<std::string>{"- To start click on 'Initial Data'."});
  EXPECT_FALSE(h.form.Filled(0));
}

TEST(KeyEntry, SchemeKeyedRowByRowWithTheCursorAdvancing) {
  Harness h;
  Form1& f = h.form;
  f.Click("DatIniz");
  for (int i = 0; i < 18; ++i) {
    char ch = kGrid[i];
    f.KeyDown(i % 2 ? ch : 96 + (ch - '0'), 0);  // main keyboard and keypad alike
  }
  EXPECT_EQ(Row(f, 0), "534678912");
  EXPECT_EQ(Row(f, 1), "672195348");
  EXPECT_EQ(f.board.CurCell, 18);
  EXPECT_EQ(f.w.caN[18].back, colour::LightYellow);
  EXPECT_EQ(f.w.caN[17].back, colour::White);
  EXPECT_EQ(f.board.FilledCount, 18);
  EXPECT_EQ(f.w.Fatti.caption, "18");
  EXPECT_EQ(f.w.caN[0].ink, colour::ButtonText);
  EXPECT_EQ(f.w.caN[0].font, "MS Sans Serif");
  EXPECT_EQ(f.board.Can[0].Text(), "  ");
  EXPECT_EQ(f.board.CaptionSnapshot[17], "8");
  // The space bar and the right arrow skip a cell.
  f.KeyDown(key::Space, 0);
  f.KeyDown(key::Right, 0);
  f.KeyDown('7', 0);
  EXPECT_EQ(Row(f, 2), "..7......");
}

TEST(KeyEntry, ArrowsWrapAroundTheBoard) {
  struct Case {
    int from, keyCode, to;
  };
  const Case cases[] = {{80, key::Right, 0}, {0, key::Left, 80}, {5, key::Left, 4},  {3, key::Up, 75},
                        {40, key::Up, 31},   {77, key::Down, 5}, {40, key::Down, 49}};
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    f.Click("DatIniz");
    f.caN_Click(c.from);
    f.KeyDown(c.keyCode, 0);
    EXPECT_EQ(f.board.CurCell, c.to) << c.from << " key " << c.keyCode;
    EXPECT_EQ(f.w.caN[c.to].back, colour::LightYellow);
  }
}

TEST(KeyEntry, ModifiersAndOddKeysDoNothing) {
  Harness h;
  Form1& f = h.form;
  f.Click("DatIniz");
  f.KeyDown('5', shift::Ctrl);
  f.KeyDown(key::Delete, shift::Alt);
  f.KeyDown(key::Down, shift::Shift);
  f.KeyDown(96, 0);   // keypad 0
  f.KeyDown(107, 0);  // keypad +
  f.KeyDown('0', 0);  // main 0 on an empty cell: same as its value
  EXPECT_EQ(f.board.FilledCount, 0);
  EXPECT_EQ(f.board.CurCell, 2);  // keypad + and keypad 0 tidy and advance like any other key
}

TEST(KeyEntry, DeleteInTheInitialDataPhase) {
  Harness h;
  Form1& f = h.form;
  f.Click("DatIniz");
  f.KeyDown('5', 0);
  f.caN_Click(0);
  f.KeyDown(key::Delete, 0);
  EXPECT_FALSE(f.Filled(0));
  EXPECT_EQ(f.w.caN[0].size, 4);
  EXPECT_EQ(f.w.caN[0].caption, "");
  EXPECT_EQ(f.board.FilledCount, 0);
  EXPECT_EQ(f.board.CurCell, 0);  // Delete does not advance
  f.KeyDown(key::Delete, 0);      // on an empty cell: nothing
  EXPECT_EQ(f.board.FilledCount, 0);
}

// A board in play set up by hand: givens, a solution, candidates.
struct Play : Harness {
  Play() {
    Form1& f = form;
    f.Click("DatIniz");
    std::string scheme = kGrid;
    for (int i : {2, 3, 10, 20, 30, 40, 41, 50, 60, 70, 80}) scheme[i] = '.';
    test::PlaceGivens(f, scheme);
    for (int i = 0; i < kCells; ++i) f.board.Solution.Set(i, kGrid[i] - '0');
    test::PlainCandidates(f);
    f.board.PlayPhase = true;
    f.control.ValueOrigin = Origin::Keyed;
  }
  void Key(int cell, char digit) {
    form.caN_Click(cell);
    form.KeyDown(digit, 0);
  }
};

TEST(Judging, CorrectMoveIsWrittenInDarkBlueAndPropagated) {
  Play p;
  Form1& f = p.form;
  p.Key(2, '4');
  EXPECT_EQ(f.w.ListCons.items, std::vector<std::string>{"- CORRECT MOVE in Ac."});
  EXPECT_EQ(f.w.caN[2].caption, "4");
  EXPECT_EQ(f.w.caN[2].ink, colour::DarkBlue);
  EXPECT_FALSE(f.board.Can[3].Has(4));
  EXPECT_EQ(f.board.FilledCount, 71);
  EXPECT_EQ(f.board.CurCell, 2);  // no advance in play
  EXPECT_TRUE(f.w.Cons1.enabled);
  EXPECT_EQ(f.board.ErrorCount, 0);
}

TEST(Judging, RefusedMovesCountErrors) {
  struct Case {
    int cell;
    char digit;
    std::vector<std::string> board;
  };
  Play p;
  Form1& f = p.form;
  p.Key(2, '9');
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- WRONG MOVE", "  Value in Ac NOT accepted!!"}));
  EXPECT_FALSE(f.Filled(2));
  EXPECT_EQ(f.w.NErr.caption, "1 Error");
  EXPECT_EQ(f.w.SemaLab.caption, "ERR");
  EXPECT_TRUE(f.w.TempEr.enabled);
  p.Key(2, '4');
  p.Key(2, '6');  // another digit into the user's own filled cell
  EXPECT_EQ(f.w.ListCons.items[0], "- WRONG MOVE");
  EXPECT_EQ(f.w.caN[2].caption, "4");
  EXPECT_EQ(f.w.NErr.caption, "2 Errors");
  p.Key(2, '4');  // the same value again: nothing
  EXPECT_EQ(f.board.ErrorCount, 2);
  // A given is locked.
  p.Key(0, '1');
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- Black Values are NOT", "  changeable!"}));
  EXPECT_EQ(f.board.ErrorCount, 2);
}

TEST(Judging, EmptyCellWithoutCandidatesRefusesEvenItsSolution) {
  Play p;
  Form1& f = p.form;
  f.board.Can[3] = CandText();
  p.Key(3, '6');
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- OVERWRITING NOT ALLOWED", "   ... use the Canc key.",
                                                           "  Value in Ad NOT accepted."}));
  EXPECT_FALSE(f.Filled(3));
  EXPECT_EQ(f.board.ErrorCount, 1);
}

TEST(Judging, TrialMovesTakeOneFlashAtTheFirstDeviation) {
  Play p;
  Form1& f = p.form;
  for (int i : {30, 40, 41}) {
    f.board.TrialSolution.Set(i, f.board.Solution[i]);
    f.board.Solution.Set(i, 0);
  }
  p.Key(30, kGrid[30]);  // agrees with the trial solution: no flash
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- TRIAL MOVE", "  Value in Dd accepted."}));
  EXPECT_EQ(f.w.SemaLab.caption, "???");
  EXPECT_EQ(f.w.Semaf.back, colour::Yellow);
  EXPECT_FALSE(f.board.FlashTaken);
  test::SetCan(f, 40, "25");
  const char other = '2';
  p.Key(40, other);
  EXPECT_TRUE(f.board.FlashTaken);
  EXPECT_TRUE(f.w.mRicFla.enabled);
  EXPECT_EQ(f.board.DeviationCell, 40);
  EXPECT_EQ(f.board.DeviationText, std::string(" in ") + other);
  EXPECT_EQ(f.files.SchemeLineCount, 27);
  EXPECT_EQ(f.files.SchemeLines[4][4], ' ');  // the flash was taken before the move
  EXPECT_EQ(f.control.TrialTotal, 99);
  // A later differing move takes no new flash.
  const auto flash = f.files.SchemeLines;
  const char other2 = f.board.Can[41].Digits()[0];
  if (other2 != kGrid[41]) {
    p.Key(41, other2);
    EXPECT_EQ(f.files.SchemeLines, flash);
    EXPECT_EQ(f.board.DeviationCell, 40);
  }
}

TEST(Judging, ContradictionBlocksInputAndMarksSuspects) {
  Play p;
  Form1& f = p.form;
  // Cell 3 (solution 6) may only hold 6; keying 6 in cell 2 (a trial cell) empties it.
  f.board.Solution.Set(2, 0);
  f.board.TrialSolution.Set(2, 4);
  test::SetCan(f, 2, "46");
  test::SetCan(f, 3, "6");
  p.Key(2, '6');
  EXPECT_FALSE(f.board.InputEnabled);
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- SOME WRONG MOVE ...", "  ... as soon as in the marked Cell,",
                                                           "  you changed  in 6.", "  Do reload the Flash (or clear all)."}));
  EXPECT_EQ(f.w.NErr.caption, "1 Error");
  EXPECT_EQ(f.w.SemaLab.caption, "ERR");
  EXPECT_EQ(f.w.caN[2].back, colour::Purple);
  EXPECT_EQ(f.w.caN[2].caption, "6");  // the move stays
  EXPECT_FALSE(f.w.Cons1.enabled);
  // Input is blocked now.
  p.Key(10, kGrid[10]);
  EXPECT_FALSE(f.Filled(10));
}

// A trial move starts the light's timer and then empties a cell: the red
// light stands until Reload Flash, Clear Moves or Clear All.
TEST(Judging, RedLightStandsUntilTheWayBack) {
  for (const char* way : {"mRicFla", "mCanMoss", "Azzera"}) {
    SCOPED_TRACE(way);
    Play p;
    Form1& f = p.form;
    f.board.Solution.Set(2, 0);
    f.board.TrialSolution.Set(2, 4);
    test::SetCan(f, 2, "46");
    test::SetCan(f, 3, "6");
    p.Key(2, '6');
    ASSERT_FALSE(f.board.InputEnabled);
    EXPECT_FALSE(p.platform.timers["TempEr"].enabled);
    EXPECT_FALSE(f.Tick("TempEr"));
    EXPECT_EQ(f.w.SemaLab.caption, "ERR");
    EXPECT_EQ(f.w.Semaf.back, colour::Red);
    f.w.mPerSuCom.enabled = true;
    f.w.mCanMoss.enabled = true;
    ASSERT_TRUE(f.Click(way));
    EXPECT_EQ(f.w.SemaLab.caption, "GO!");
    EXPECT_EQ(f.w.Semaf.back, colour::Green);
  }
}

TEST(Judging, ContradictionWithoutDeviationBlamesTheData) {
  Play p;
  Form1& f = p.form;
  test::SetCan(f, 3, "4");  // wrongly left with 4 only
  f.board.ErrorCount = 1;
  p.Key(2, '4');
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- SOME WRONG MOVE ...", "  ... anormality within initial data,",
                                                           "  check them and reload."}));
  EXPECT_EQ(f.w.NErr.caption, "2 Errori");
  // The contradicting value was written but not inked.
  EXPECT_EQ(f.w.caN[2].ink, colour::Red);
}

TEST(Judging, EscClearsMarksButTypedDigitsStillNeedInput) {
  Play p;
  Form1& f = p.form;
  f.caN_DblClick(0);
  f.KeyDown(key::Esc, 0);
  for (const CellLabel& c : f.w.caN) EXPECT_EQ(c.back, colour::White);
  EXPECT_EQ(f.board.MarkState, 0);
}

TEST(EndOfGame, CompletingTheBoard) {
  Play p;
  Form1& f = p.form;
  for (int i : {2, 3, 10, 20, 30, 40, 41, 50, 60, 70}) p.Key(i, kGrid[i]);
  EXPECT_FALSE(f.w.ImaCompl.visible);
  p.Key(80, kGrid[80]);
  EXPECT_EQ(f.board.FilledCount, 81);
  EXPECT_TRUE(f.w.ImaCompl.visible);
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"", "", "        CONGRATULATIONS !!"}));
}

TEST(EndOfGame, JudgedBySumsOnly) {
  Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kGrid);
  f.CheckEndOfGame();
  EXPECT_TRUE(f.w.ImaCompl.visible);
  // Shift four values of the first box by one: every sum stays 45 although row A repeats 6 and 2.
  f.ShowValue(0, 6, Origin::Given);
  f.ShowValue(1, 2, Origin::Given);
  f.ShowValue(9, 5, Origin::Given);
  f.ShowValue(10, 8, Origin::Given);
  f.CheckEndOfGame();
  EXPECT_TRUE(f.w.ImaCompl.visible);
  f.ShowValue(0, 9, Origin::Given);
  f.CheckEndOfGame();
  EXPECT_FALSE(f.w.ImaCompl.visible);
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"", "", "ERRORS EXIST !!"}));
}

TEST(ReloadFlash, PutsTheBoardBackAndAllowsInput) {
  Play p;
  Form1& f = p.form;
  f.board.Solution.Set(2, 0);
  f.board.TrialSolution.Set(2, 4);
  test::SetCan(f, 2, "46");
  test::SetCan(f, 3, "6");
  p.Key(2, '6');
  ASSERT_FALSE(f.board.InputEnabled);
  ASSERT_TRUE(f.Click("mPerSuCom") == false);  // a submenu is not an action
  f.w.mPerSuCom.enabled = true;
  ASSERT_TRUE(f.Click("mRicFla"));
  EXPECT_FALSE(f.Filled(2));
  EXPECT_EQ(f.board.Can[3].Text(), " 6 ");
  EXPECT_TRUE(f.board.InputEnabled);
  EXPECT_FALSE(f.board.FlashTaken);
  EXPECT_FALSE(f.w.mRicFla.enabled);
  EXPECT_EQ(f.board.DeviationCell, kNoDeviation);
  EXPECT_EQ(f.w.SemaLab.caption, "GO!");
  EXPECT_TRUE(f.w.Sugge1.selected);
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"FLASH RELOADED ...", "... retry with different moves."}));
  EXPECT_EQ(f.board.FilledCount, 70);
  EXPECT_EQ(f.w.caN[3].caption, "6");  // "All" shows the candidates again
}

TEST(FinalSolution, AsksOnlyBeforeTheBoardIsComplete) {
  Play p;
  Form1& f = p.form;
  f.w.mSoluz.enabled = true;
  p.platform.answers.push_back(MsgResult::No);
  f.KeyDown(key::F12, 0);
  ASSERT_EQ(p.platform.messages.size(), 1u);
  EXPECT_EQ(p.platform.messages[0].text, "Do you want to see the Solution really?");
  EXPECT_EQ(p.platform.messages[0].title, "Attention!");
  EXPECT_EQ(p.platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_FALSE(f.w.Peri.visible);
  f.KeyDown(key::F12, 0);  // no queued answer: Yes
  EXPECT_TRUE(f.w.Peri.visible);
  EXPECT_TRUE(f.w.mSoluz.checked);
  f.KeyDown(key::F12, 0);  // hides without asking
  EXPECT_FALSE(f.w.Peri.visible);
  EXPECT_FALSE(f.w.mSoluz.checked);
  EXPECT_EQ(p.platform.messages.size(), 2u);
  f.w.ImaCompl.visible = true;
  f.Click("mSoluz");
  EXPECT_TRUE(f.w.Peri.visible);
  EXPECT_EQ(p.platform.messages.size(), 2u);
}

}  // namespace
}  // namespace tessora

namespace tessora {
namespace {

// Writing the givens at once leaves the window as keying them one by one,
// each after a click on its cell: the same dump for every kind of scheme.
TEST(EnterGivens, LeavesTheWindowAsKeyingThemIn) {
  const char* const grids[] = {
      ".................................................................................",
      "....5............................................................................",
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
      "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
      "........................................................................1.......9",
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179",
      "534678912672195348198342567859761423426853791713924856961537284287419635345286197",
  };
  for (const std::string grid : grids) {
    std::string dumps[2];
    for (int direct = 0; direct < 2; ++direct) {
      test::Harness h;
      Form1& f = h.form;
      f.Azzera_Click();
      f.DatIniz_Click();
      if (direct) {
        f.EnterGivens(grid);
      } else {
        for (int i = 0; i < kCells; ++i) {
          if (grid[i] == '.') continue;
          f.caN_Click(i);
          f.KeyDown(grid[i], 0);
        }
      }
      dumps[direct] = DumpState(f);
    }
    EXPECT_EQ(dumps[0], dumps[1]) << grid;
  }
}

}  // namespace
}  // namespace tessora
