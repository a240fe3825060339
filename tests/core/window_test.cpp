// The main window after load, "Clear All", "Initial Data", the menu bar, the
// cursor, the double-click marking and the candidate display.
#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;

TEST(WindowLoad, StartUpTables) {
  Harness h;
  Form1& f = h.form;
  EXPECT_EQ(f.methods.MethodTag[0], "N.1 ");
  EXPECT_EQ(f.methods.MethodTag[16], "N.17 ");
  for (int k = 17; k <= 20; ++k) EXPECT_EQ(f.methods.MethodTag[k], "") << k;
  EXPECT_EQ(f.advice.PriorityList[0], "        METHODS LIST");
  EXPECT_EQ(f.advice.PriorityList[2], "02/03 - Single Cell/Single Number");
  EXPECT_EQ(f.advice.PriorityList[10], "11   - Naked Triples");
  EXPECT_EQ(f.advice.PriorityList[15], "16   - Hidden Quads");
  for (int r = 16; r <= 20; ++r) EXPECT_EQ(f.advice.PriorityList[r], "") << r;
  EXPECT_EQ(f.advice.PriorityCount, 15);
  ASSERT_EQ(f.w.Sugge3a.items.size(), 9u);
  EXPECT_EQ(f.w.Sugge3a.items[0], " 1");
  EXPECT_EQ(f.w.Sugge3a.items[8], " 9");
}

// The method list is made from the method registry: every row as the program
// has always written it.
TEST(WindowLoad, StandardMethodList) {
  Harness h;
  const char* const expected[16] = {
      "        METHODS LIST",
      "01    - At a glance",
      "02/03 - Single Cell/Single Number",
      "04    - Hidden Single",
      "05    - Naked Twins",
      "06    - Hidden Twins",
      "07    - Box Locks Candidate",
      "08    - Row/Col. Locks Candidate",
      "09    - 3 Candidates Share 3 Cells",
      "10    - 4 Candidates Share 4 Cells",
      "11   - Naked Triples",
      "12   - Hidden Triples",
      "13   - X-Wing Rectangle",
      "14   - Swordfish Butterfly",
      "15   - Naked Quads",
      "16   - Hidden Quads",
  };
  for (int r = 0; r < 16; ++r) EXPECT_EQ(h.form.advice.PriorityList[r], expected[r]) << r;
  for (int k = 0; k <= 16; ++k) EXPECT_EQ(h.form.methods.MethodTag[k], "N." + std::to_string(k + 1) + " ") << k;
}

TEST(WindowLoad, EmptyPhaseShowsGridButNoCell) {
  Harness h;
  Form1& f = h.form;
  EXPECT_EQ(f.w.caption, "Tessora 2.2");
  EXPECT_EQ(f.files.SchemeFile, " ");
  for (const CellLabel& c : f.w.caN) EXPECT_FALSE(c.visible);
  EXPECT_EQ(f.w.caN[17].tooltip, "17");
  ASSERT_EQ(f.w.liO.size(), 10u);
  ASSERT_EQ(f.w.ri.size(), 10u);
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(f.w.liO[i].borderWidth, i % 3 == 0 ? 3 : 1) << i;
    EXPECT_EQ(f.w.liV[i].borderWidth, i % 3 == 0 ? 3 : 1) << i;
    EXPECT_EQ(f.w.ri[i].visible, i < 9) << i;
    EXPECT_EQ(f.w.co[i].visible, i < 9) << i;
  }
  EXPECT_EQ(f.w.ri[8].caption, "I");
  EXPECT_EQ(f.w.co[0].caption, "a");
  // The board starts 560 twips right of the buttons, level with the first one.
  EXPECT_EQ(f.board.BoardLeft, 2015);
  EXPECT_EQ(f.board.BoardTop, 240);
  EXPECT_EQ(f.w.caN[0].left, 2025);
  EXPECT_EQ(f.w.caN[1].left, 2655);
  EXPECT_EQ(f.w.caN[3].left, 2015 + 3 * 640 + 10);
  EXPECT_EQ(f.w.caN[80].top, 240 + 8 * 640);
  EXPECT_EQ(f.w.liO[9].x2, 1995 + 9 * 640);
  EXPECT_EQ(f.w.ri[0].left, 1995 - 200);
  EXPECT_EQ(f.w.co[0].top, 220 - 200);
  EXPECT_EQ(f.w.Fatti.left, 1995 + 9 * 640 + 200);
  EXPECT_EQ(f.w.Resto.left, f.w.Fatti.left + 615);
  EXPECT_EQ(f.w.Semaf.left, f.w.Resto.left + 1935 + 300);
  EXPECT_EQ(f.w.SemaLab.left, f.w.Semaf.left + 30);
  EXPECT_EQ(f.w.FraCons.top, 240 + 2 * 375);
  EXPECT_EQ(f.w.APeri.left, 2115);
  EXPECT_EQ(f.w.APeri.top, 240 + 9 * 640 + 20);
  EXPECT_EQ(f.w.Peri.top, f.w.APeri.top);
  // Blackboard, status line and light.
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- Click on 'Initial Data' to build a",
                                                           "  new Scheme or click on 'Open' to",
                                                           "  reload a saved Scheme."}));
  EXPECT_EQ(f.w.Fatti.caption, "0");
  EXPECT_EQ(f.w.Resto.caption, "cells of 81");
  EXPECT_EQ(f.w.SemaLab.caption, "GO!");
  EXPECT_EQ(f.w.Semaf.back, colour::Green);
  EXPECT_EQ(f.w.NErr.caption, "");
}

// Which controls can be used in the empty phase.
TEST(WindowLoad, EnabledStateOfTheEmptyPhase) {
  Harness h;
  MainWindow& w = h.form.w;
  for (const char* name : {"Apri", "mApri", "mCrea", "DatIniz", "Azzera", "mAzzer", "mChiudi", "mFunzAva", "mOpzio",
                           "mCreaDoc", "mEspPdf", "mUsaSS", "mGuida", "mInfo"})
    EXPECT_TRUE(w.Find(name)->enabled) << name;
  for (const char* name : {"Salva", "mSalva", "Gioca", "mSoluz", "mApplica", "mCanMoss", "mNuoVal", "mRicMan",
                           "mPerSuCom", "mMosRiso", "mRicFla", "mValuta", "mSugge0", "mSugge1", "mSugge2", "mSugge6",
                           "mSugge8", "Sugge0", "Sugge1", "Sugge2", "Sugge3a", "Sugge3b", "Sugge3c", "Sugge3d",
                           "Sugge5", "Sugge6", "Sugge8", "VaiTenta", "AppTenta", "Cons1", "Cons2", "Cons3",
                           "Applica", "TempCons", "TempEr"})
    EXPECT_FALSE(w.Find(name)->enabled) << name;
  for (const char* name : {"Cons0", "Cons1", "Cons2", "Cons3", "Applica", "Tenta0", "VaiTenta", "AppTenta", "CorCan",
                           "CorCanT", "CorCanF", "CorVF", "ImaCompl", "Peri", "APeri"})
    EXPECT_FALSE(w.Find(name)->visible) << name;
  EXPECT_EQ(w.VaiTenta.back, colour::ButtonFace);
  EXPECT_FALSE(w.mFunzAva.checked);
  EXPECT_FALSE(w.mSoluz.checked);
}

TEST(MenuBar, MenusItemsAndShortcuts) {
  Harness h;
  MainWindow& w = h.form.w;
  std::vector<std::string> fileItems, levelItems, editItems, toolItems, menus;
  for (const Control* c : w.Controls()) {
    if (c->kind == Kind::Menu && c->parent.empty()) menus.push_back(c->caption);
    if (c->parent == "mFile") fileItems.push_back(c->caption);
    if (c->parent == "mCreaLiv") levelItems.push_back(c->caption);
    if (c->parent == "mModifica") editItems.push_back(c->caption);
    if (c->parent == "mStrumenti") toolItems.push_back(c->caption);
  }
  EXPECT_EQ(fileItems, (std::vector<std::string>{"Open", "Recent Schemes", "New (create)", "New (create) of level",
                                                  "Clear All", "Save", "Export PDF...", "-", "Exit"}));
  EXPECT_EQ(levelItems, (std::vector<std::string>{"Easy", "Medium", "Difficult", "Diabolic", "Diabolic, with trials"}));
  EXPECT_EQ(w.Find("mLiv(3)"), &w.mLiv[3]);
  EXPECT_EQ(w.Find("mLiv(4)"), &w.mLiv[4]);
  EXPECT_EQ(editItems, (std::vector<std::string>{"Copy Scheme", "Paste Scheme", "-", "Undo Move"}));
  EXPECT_EQ(menus[0], "File");
  EXPECT_EQ(menus[1], "Edit");
  EXPECT_EQ(w.mCopia.shortcut, "Ctrl+C");
  EXPECT_EQ(w.mIncolla.shortcut, "Ctrl+V");
  EXPECT_EQ(w.mAnnulla.shortcut, "Ctrl+Z");
  EXPECT_EQ(toolItems, (std::vector<std::string>{"Apply Suggestion or Trial", "-", "Clear Moves (blue cells)",
                                                  "Verifiy Solvability", "Redo Candidates", "-",
                                                  "For Sudoku with Trials:", "-", "Enable Advanced Functions",
                                                  "Arrow Keys in Play", "Advice's Priority...", "Difficulty Level", "-", "Practice...",
                                                  "Next Position", "-",
                                                  "Arrange for Printing (*.doc file)", "-", "Save as *.ss File"}));
  EXPECT_EQ(w.mProssima.shortcut, "F3");
  EXPECT_EQ(w.mProgressi.parent, "mAiuto");
  EXPECT_EQ(w.mProgressi.caption, "My Progress");
  EXPECT_EQ(w.mSoluz.shortcut, "F12");
  EXPECT_EQ(w.mApplica.shortcut, "F2");
  EXPECT_EQ(w.mMosRiso.parent, "mPerSuCom");
  EXPECT_EQ(w.mRicFla.caption, "Reload Flash (before Error)");
  ASSERT_EQ(w.mRapidaLines.size(), 22u);
  EXPECT_EQ(w.mRapida.caption, "Quick Guide");
  EXPECT_EQ(w.mRapidaLines[0].caption, "1 - To build a Sudoku: click on \"Initial data\", write all known");
  EXPECT_EQ(w.mRapidaLines[21].caption, "5 - More functions: see the Entire Guide)");
  EXPECT_TRUE(h.form.Click("mRapida(3)") == false);  // a guide line does nothing
}

TEST(ClearAll, TwiceGivesTheSameWindow) {
  Harness h;
  Form1& f = h.form;
  h.form.Click("DatIniz");
  h.form.KeyDown('5', 0);
  f.Azzera_Click();
  const std::string once = DumpState(f);
  f.Azzera_Click();
  EXPECT_EQ(DumpState(f), once);
  EXPECT_EQ(f.w.liO.size(), 10u);
  EXPECT_EQ(f.w.co.size(), 10u);
}

TEST(InitialData, ShowsCellsAndNamesNewSchemes) {
  Harness h;
  Form1& f = h.form;
  ASSERT_TRUE(f.Click("DatIniz"));
  for (const CellLabel& c : f.w.caN) EXPECT_TRUE(c.visible);
  EXPECT_EQ(f.w.caption, "Tessora - Nuovo1");
  EXPECT_EQ(f.files.SchemeFile, "Nuovo1");
  EXPECT_EQ(f.w.ListCons.items,
            (std::vector<std::string>{"- When finished Initial Data", "  click 'Play', to start the game."}));
  EXPECT_TRUE(f.board.DataStarted);
  EXPECT_FALSE(f.w.DatIniz.enabled);
  EXPECT_FALSE(f.Click("DatIniz"));  // impossible until the next Clear All
  EXPECT_TRUE(f.w.Gioca.enabled);
  EXPECT_TRUE(f.w.Salva.enabled);
  EXPECT_FALSE(f.w.Apri.enabled);
  EXPECT_FALSE(f.w.mCrea.enabled);
  // The counter survives Clear All.
  f.Click("Azzera");
  EXPECT_EQ(f.w.caption, "Tessora 2.2");
  f.Click("DatIniz");
  EXPECT_EQ(f.w.caption, "Tessora - Nuovo2");
}

TEST(InitialData, NoCursorShowsUntilTheFirstKey) {
  Harness h;
  Form1& f = h.form;
  f.Click("DatIniz");
  EXPECT_EQ(f.w.caN[0].back, colour::White);
  f.KeyDown(key::Space, 0);
  EXPECT_EQ(f.w.caN[1].back, colour::LightYellow);
  EXPECT_EQ(f.board.CurCell, 1);
}

TEST(Exit, EndsTheProgram) {
  Harness h;
  EXPECT_TRUE(h.form.Click("mChiudi"));
  EXPECT_TRUE(h.platform.quit);
  EXPECT_TRUE(h.form.unloaded);
  EXPECT_FALSE(h.form.Click("Azzera"));
}

TEST(Timers, StatusLightBackToGreenAndWaitingLine) {
  Harness h;
  Form1& f = h.form;
  f.SetLight(colour::Red, "ERR");
  f.SetTimer(f.w.TempEr, true);
  EXPECT_TRUE(h.platform.timers["TempEr"].enabled);
  EXPECT_EQ(h.platform.timers["TempEr"].interval, 1000);
  ASSERT_TRUE(f.Tick("TempEr"));
  EXPECT_EQ(f.w.SemaLab.caption, "GO!");
  EXPECT_EQ(f.w.Semaf.back, colour::Green);
  EXPECT_FALSE(f.w.TempEr.enabled);
  EXPECT_FALSE(f.Tick("TempEr"));  // it stopped itself

  f.advice.WaitText = "...";
  f.SetTimer(f.w.TempCons, true);
  f.Tick("TempCons");
  f.Tick("TempCons");
  EXPECT_EQ(f.w.ListCons.items, std::vector<std::string>{"....."});
}

// ---- cursor and marking --------------------------------------------------

struct Board : Harness {
  Board() {
    form.Click("DatIniz");
    test::PlaceGivens(form, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  }
};

TEST(Cursor, FollowsTheMouseAndGivesBackTheColourItCovered) {
  Board b;
  Form1& f = b.form;
  f.w.caN[10].back = colour::Pink;
  f.caN_MouseMove(9, 0, 0);
  EXPECT_EQ(f.w.caN[9].back, colour::LightYellow);
  f.caN_MouseMove(10, 0, 0);
  EXPECT_EQ(f.w.caN[9].back, colour::White);
  EXPECT_EQ(f.w.caN[10].back, colour::LightYellow);
  EXPECT_EQ(f.board.CursorBack, colour::Pink);
  f.caN_MouseMove(10, 0, 0);  // resting on the same cell keeps its remembered colour
  EXPECT_EQ(f.board.CursorBack, colour::Pink);
  f.caN_MouseMove(11, 0, 0);
  EXPECT_EQ(f.w.caN[10].back, colour::Pink);
  EXPECT_EQ(f.board.CurCell, 11);
  EXPECT_EQ(f.board.PrevCell, 10);
}

TEST(Cursor, StandsStillWhileInputIsBlockedOrAShiftKeyIsHeld) {
  Board b;
  Form1& f = b.form;
  f.caN_MouseMove(5, 0, 0);
  f.caN_MouseMove(6, 0, shift::Shift);
  EXPECT_EQ(f.board.CurCell, 5);
  f.board.InputEnabled = false;
  f.caN_MouseMove(7, 0, 0);
  EXPECT_EQ(f.board.CurCell, 5);
  EXPECT_TRUE(f.board.MouseOverBoard);
}

TEST(Cursor, ClickMovesItAndDropsAPendingDoIt) {
  Board b;
  Form1& f = b.form;
  f.w.Applica.enabled = f.w.mApplica.enabled = true;
  f.caN_Click(30);
  EXPECT_EQ(f.board.CurCell, 30);
  EXPECT_EQ(f.w.caN[30].back, colour::LightYellow);
  EXPECT_FALSE(f.w.Applica.enabled);
  EXPECT_FALSE(f.w.mApplica.enabled);
}

TEST(Cursor, MouseOverBoardFromTheWindowPosition) {
  Board b;
  Form1& f = b.form;
  const std::tuple<int, int, bool> cases[] = {
      {2000, 210, true}, {7400, 5600, true}, {1999, 300, false}, {3000, 5601, false}, {7401, 300, false}};
  for (auto [x, y, over] : cases) {
    f.Form_MouseMove(0, 0, x, y);
    EXPECT_EQ(f.board.MouseOverBoard, over) << x << "," << y;
  }
  f.board.FreezeMouse = true;
  f.Form_MouseMove(0, 0, 100, 100);
  EXPECT_TRUE(f.board.MouseOverBoard == false);  // last value stays while frozen
}

TEST(DoubleClick, MarksEqualValuesThenTheExcludedCells) {
  Board b;
  Form1& f = b.form;
  // Cell 0 holds 5; 5 also stands at cells 34? Find them from the grid.
  f.caN_DblClick(0);
  EXPECT_EQ(f.board.MarkState, 5);
  EXPECT_EQ(f.board.CursorBack, colour::Pink);
  for (int i = 0; i < kCells; ++i) {
    bool five = f.Filled(i) && f.Value(i) == 5;
    EXPECT_EQ(f.w.caN[i].back == colour::Pink, five) << i;
    EXPECT_EQ(f.w.caN[i].border, five) << i;
  }
  // A different value is ignored while 5 is marked.
  f.caN_DblClick(1);
  EXPECT_EQ(f.board.MarkState, 5);
  EXPECT_EQ(f.w.caN[1].back, colour::White);
  // Second double-click: the zones of cell 0 and every other value turn grey.
  f.caN_DblClick(0);
  EXPECT_EQ(f.w.caN[0].back, colour::Pink);
  EXPECT_EQ(f.w.caN[2].back, colour::Grey);   // empty, same row
  EXPECT_EQ(f.w.caN[72].back, colour::Grey);  // empty, same column
  EXPECT_EQ(f.w.caN[20].back, colour::Grey);  // empty, same box
  EXPECT_EQ(f.w.caN[40].back, colour::White); // empty, elsewhere
  EXPECT_EQ(f.w.caN[31].back, colour::Grey);  // another value
}

TEST(DoubleClick, EmptyCellClearsMarksButKeepsTheMarkedValue) {
  Board b;
  Form1& f = b.form;
  f.caN_DblClick(0);
  f.caN_DblClick(2);  // empty
  for (const CellLabel& c : f.w.caN) {
    EXPECT_EQ(c.back, colour::White);
    EXPECT_FALSE(c.border);
  }
  EXPECT_EQ(f.board.MarkState, 5);
  f.caN_DblClick(1);  // 3: still refused
  EXPECT_EQ(f.w.caN[1].back, colour::White);
  f.caN_DblClick(0);  // 5 again marks again
  EXPECT_EQ(f.w.caN[0].back, colour::Pink);
  f.KeyDown(key::Esc, 0);
  EXPECT_EQ(f.board.MarkState, 0);
  f.caN_DblClick(1);
  EXPECT_EQ(f.board.MarkState, 3);
}

TEST(ShowCandidates, WrapsAfterFiveDigitsAndActsOnlyInItsViews) {
  Board b;
  Form1& f = b.form;
  test::SetCan(f, 2, "124");
  test::SetCan(f, 3, "12345");
  test::SetCan(f, 5, "123456");
  test::SetCan(f, 6, "123456789");
  f.ShowCandidates();  // no view selected: nothing is shown
  EXPECT_EQ(f.w.caN[2].caption, "");
  f.w.Sugge1.selected = true;
  f.ShowCandidates();
  EXPECT_EQ(f.w.caN[2].caption, "124");
  EXPECT_EQ(f.w.caN[3].caption, "12345");
  EXPECT_EQ(f.w.caN[5].caption, "12345 6");
  EXPECT_EQ(f.w.caN[6].caption, "12345 6789");
  EXPECT_EQ(f.w.caN[6].font, "Courier New");
  EXPECT_EQ(f.w.caN[6].size, 9);
  EXPECT_EQ(f.w.caN[0].caption, "5");  // values untouched
  f.w.Sugge1.selected = false;
  f.advice.AdviceLevel = 's';
  f.w.caN[2].caption.clear();
  f.ShowCandidates();
  EXPECT_EQ(f.w.caN[2].caption, "124");
}

TEST(ShowBoardText, NineRowsShowValuesAsGivens) {
  Harness h;
  Form1& f = h.form;
  f.files.SchemeLines[0] = "5 3    4 ";
  f.files.SchemeLines[8] = "        9";
  f.files.SchemeLines[9] = "bbbbbbbbb";  // ignored with nine rows
  f.files.SchemeLineCount = 9;
  test::SetCan(f, 1, "12");
  f.ShowBoardText();
  EXPECT_EQ(f.w.caN[0].caption, "5");
  EXPECT_EQ(f.w.caN[0].size, 18);
  EXPECT_EQ(f.w.caN[0].font, "MS Sans Serif");
  EXPECT_EQ(f.w.caN[0].ink, colour::ButtonText);
  EXPECT_EQ(f.w.caN[2].caption, "3");
  EXPECT_EQ(f.w.caN[1].size, 9);
  EXPECT_EQ(f.w.caN[1].ink, colour::Red);
  EXPECT_EQ(f.w.caN[80].caption, "9");
  EXPECT_EQ(f.board.Can[1].Text(), "");  // candidates emptied
  EXPECT_EQ(f.board.FilledCount, 4);
}

TEST(ShowBoardText, MarksAndCandidateRows) {
  Harness h;
  Form1& f = h.form;
  f.files.SchemeLines[0] = "12       ";
  f.files.SchemeLines[9] = "bc       ";
  f.files.SchemeLines[18] = " , ,3456789,3456789,3456789,3456789,3456789,3456789,3456789,";
  for (int r = 19; r < 27; ++r) f.files.SchemeLines[r] = "123456789,123456789,123456789,123456789,123456789,123456789,123456789,123456789,123456789,";
  f.files.SchemeLineCount = 18;
  f.ShowBoardText();
  EXPECT_EQ(f.w.caN[0].ink, colour::DarkBlue);
  EXPECT_EQ(f.w.caN[1].ink, colour::White);
  EXPECT_EQ(f.board.Can[2].Text(), "");  // no candidate rows below 27
  f.files.SchemeLineCount = 27;
  f.ShowBoardText();
  EXPECT_EQ(f.board.Can[0].Text(), "");
  EXPECT_EQ(f.board.Can[2].Text(), " 3456789 ");
  EXPECT_EQ(f.board.Can[80].Text(), " 123456789 ");
}

TEST(ShowBoardText, RestoresTheSavedCountsDuringTheControlsTrials) {
  Harness h;
  Form1& f = h.form;
  f.files.SchemeLines[0] = "123456789";
  f.files.SchemeLineCount = 9;
  f.control.TrialMode = true;
  f.control.SavedFilled = 40;
  f.control.SavedSuggestions = 17;
  f.control.SavedMethodUse[5] = 3;
  f.ShowBoardText();
  EXPECT_EQ(f.board.FilledCount, 40);
  EXPECT_EQ(f.methods.SuggestionCount, 17);
  EXPECT_EQ(f.methods.MethodUse[5], 3);
}

}  // namespace
}  // namespace tessora
