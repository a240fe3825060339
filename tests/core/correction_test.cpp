// The candidate correction in the window, headless: the right click that opens
// the panel beside the cell, the judgement on ESC (or Enter) with its texts,
// signals and counts, and the cell it applies to.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace tessora {
namespace {

using Lines = std::vector<std::string>;

// The diabolic scheme of the trial tests, played, all candidates shown. Af
// (cell 5) has 479 and the solution 9; Ec (38) has six candidates, 124568;
// Ab (1) has 34789 and needed the control's trials (8).
struct Correction : ::testing::Test {
  test::Harness h;
  Form1& f = h.form;

  Correction() {
    std::ifstream in(std::string(TESSORA_FIXTURES) + "/trials/diabolic.txt");
    std::string grid;
    while (std::getline(in, grid) && (grid.empty() || grid[0] == '#')) {
    }
    test::KeyScheme(f, grid);
    f.Click("Gioca");
    f.Click("Sugge1");
  }
  void Open(int cell) {
    f.caN_MouseMove(cell, 0, 0);
    f.caN_MouseDown(cell, 2, 0);
  }
  // Unticks the boxes of these digits of the open panel's cell.
  void Untick(int cell, const std::string& digits) {
    const std::string all = f.board.Can[cell].Digits();
    for (char d : digits) {
      const auto k = all.find(d);
      ASSERT_NE(k, std::string::npos);
      ASSERT_TRUE(f.Click("cM(" + std::to_string(k) + ")"));
    }
  }
  void Confirm() { f.KeyDown(key::Esc, 0); }
  void ExpectClosed() {
    EXPECT_FALSE(f.w.CorCanF.visible);
    EXPECT_EQ(f.w.cM.size(), 1u);
    EXPECT_TRUE(f.board.InputEnabled);
  }
};

TEST_F(Correction, TheRightClickOpensThePanelBesideTheCell) {
  ASSERT_EQ(f.board.Can[5].Digits(), "479");
  Open(5);
  EXPECT_TRUE(f.w.CorCanF.visible);
  EXPECT_EQ(f.w.CorCanF.parent, "");  // on the window, over the board
  EXPECT_EQ(f.w.CorCanF.top, f.w.caN[5].top + 200);
  EXPECT_EQ(f.w.CorCanF.left, f.w.caN[5].left + 380);
  EXPECT_EQ(f.w.CorCanF.width, 600);
  EXPECT_EQ(f.w.CorCanT.caption, "479");
  EXPECT_EQ(f.w.CorCanT.width, 560);
  ASSERT_EQ(f.w.cM.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(f.w.cM[k].checked);
    EXPECT_TRUE(f.w.cM[k].visible);
    EXPECT_EQ(f.w.cM[k].left, 20 + 195 * k);
  }
  EXPECT_FALSE(f.board.InputEnabled);
  EXPECT_EQ(f.w.ListCons.items, (Lines{"CANDIDATES CORRECTION", "  Keep V on valid Candidates", "  and key ESC."}));
}

TEST_F(Correction, OtherPressesOpenNothing) {
  struct Case {
    const char* name;
    int cell, button, shift;
  };
  const Case cases[] = {{"the left button", 5, 1, 0}, {"with Shift", 5, 2, shift::Shift},
                        {"with Ctrl", 5, 2, shift::Ctrl}, {"a given", 0, 2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    f.caN_MouseMove(c.cell, 0, 0);
    f.caN_MouseDown(c.cell, c.button, c.shift);
    EXPECT_FALSE(f.w.CorCanF.visible);
    EXPECT_TRUE(f.board.InputEnabled);
    EXPECT_EQ(f.board.CurCell, c.cell);
  }
  // Another view: nothing either.
  ASSERT_TRUE(f.Click("Sugge0"));
  Open(5);
  EXPECT_FALSE(f.w.CorCanF.visible);
}

TEST_F(Correction, AnAcceptedChange) {
  Open(5);
  Untick(5, "4");
  Confirm();
  EXPECT_EQ(f.w.ListCons.items, Lines{"- EXACT MOVE in Af."});
  EXPECT_EQ(f.board.Can[5].Digits(), "79");
  EXPECT_EQ(f.w.caN[5].caption, " 79 ");
  EXPECT_EQ(f.w.caN[5].ink, colour::DarkBlue);
  EXPECT_TRUE(f.files.CandidatesEdited);
  EXPECT_EQ(f.board.ErrorCount, 0);
  EXPECT_TRUE(f.w.Cons1.enabled);
  ExpectClosed();
  // The next Save asks about the candidates.
  h.platform.fileAnswers.push_back(::testing::TempDir() + "corrected.sud");
  h.platform.answers.push_back(MsgResult::No);
  f.Click("Salva");
  ASSERT_FALSE(h.platform.messages.empty());
  EXPECT_EQ(h.platform.messages.back().text, "Saving Candidates too ?");
}

TEST_F(Correction, RefusedChanges) {
  struct Case {
    const char* name;
    int cell;
    const char* untick;
    Lines board;
    const char* nerr;  // after this one
  };
  const Case cases[] = {
      {"the solution's digit", 5, "9", {"- WRONG MOVE", "  Candidates of Af NOT accepted!!"}, "1 Error"},
      {"every candidate", 5, "479",
       {"- WRONG MOVE", "  you must leave one Candidate at least.", "  Move in Af NOT accepted!!"}, "2 Errori"},
      {"every candidate, again", 38, "124568",
       {"- WRONG MOVE", "  you must leave one Candidate at least.", "  Move in Ec NOT accepted!!"}, "3 Errori"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string can = test::AllCan(f);
    const std::string caption = f.w.caN[c.cell].caption;
    Open(c.cell);
    Untick(c.cell, c.untick);
    Confirm();
    EXPECT_EQ(f.w.ListCons.items, c.board);
    EXPECT_EQ(f.w.NErr.caption, c.nerr);
    EXPECT_EQ(f.w.SemaLab.caption, "ERR");
    EXPECT_EQ(f.w.Semaf.back, colour::Red);
    EXPECT_TRUE(f.w.TempEr.enabled);
    EXPECT_EQ(test::AllCan(f), can);
    EXPECT_EQ(f.w.caN[c.cell].caption, caption);
    EXPECT_FALSE(f.files.CandidatesEdited);
    ExpectClosed();
  }
}

TEST_F(Correction, TheSingularOfTheItalianCount) {
  Open(5);
  Untick(5, "479");
  Confirm();
  EXPECT_EQ(f.w.NErr.caption, "1 Errore");
}

TEST_F(Correction, NothingUntickedIsNoChange) {
  // Af shows 479 unspaced: the panel closes without a word.
  Open(5);
  Confirm();
  EXPECT_EQ(f.w.ListCons.items, (Lines{"CANDIDATES CORRECTION", "  Keep V on valid Candidates", "  and key ESC."}));
  ExpectClosed();
  // Ec shows its six candidates wrapped after the fifth: "NO REAL CHANGE."
  ASSERT_EQ(f.w.caN[38].caption, "12456 8");
  Open(38);
  Confirm();
  EXPECT_EQ(f.w.ListCons.items, Lines{"NO REAL CHANGE."});
  EXPECT_EQ(f.w.caN[38].caption, "12456 8");
  EXPECT_FALSE(f.files.CandidatesEdited);
  EXPECT_EQ(f.board.ErrorCount, 0);
  ExpectClosed();
}

TEST_F(Correction, TheCellOfThePanelIsJudgedWhereverTheCursorWent) {
  const std::string other = f.board.Can[40].Digits();
  Open(5);
  // The mouse wanders and clicks elsewhere while the panel is open.
  f.caN_MouseMove(38, 0, 0);
  f.caN_Click(36);
  f.caN_MouseDown(40, 2, 0);
  EXPECT_EQ(f.board.CurCell, 40);
  EXPECT_EQ(f.w.cM.size(), 3u);  // still Af's panel
  Untick(5, "4");
  Confirm();
  EXPECT_EQ(f.w.ListCons.items, Lines{"- EXACT MOVE in Af."});
  EXPECT_EQ(f.board.Can[5].Digits(), "79");
  EXPECT_EQ(f.board.Can[40].Digits(), other);
  EXPECT_EQ(f.w.caN[40].ink, colour::Red);
}

TEST_F(Correction, EnterConfirmsAsEscDoes) {
  Open(5);
  Untick(5, "7");
  f.KeyDown(key::Enter, 0);
  EXPECT_EQ(f.w.ListCons.items, Lines{"- EXACT MOVE in Af."});
  EXPECT_EQ(f.board.Can[5].Digits(), "49");
  ExpectClosed();
}

TEST_F(Correction, AnUncontrollableMoveTakesTheFlashOnce) {
  ASSERT_EQ(Trim(f.board.Solution.Text(1)), "");
  ASSERT_EQ(Trim(f.board.TrialSolution.Text(1)), "8");
  // The trial's value kept: accepted, no flash.
  Open(1);
  Untick(1, "3");
  Confirm();
  EXPECT_EQ(f.w.ListCons.items, (Lines{"- UNCONTROLLABLE MOVE", "  Candidates in Ab accepted."}));
  EXPECT_EQ(f.w.SemaLab.caption, "???");
  EXPECT_EQ(f.w.Semaf.back, colour::Yellow);
  EXPECT_TRUE(f.w.TempEr.enabled);
  EXPECT_FALSE(f.board.FlashTaken);
  EXPECT_EQ(f.board.Can[1].Digits(), "4789");
  // The trial's value dropped: a flash of the board before the change.
  Open(1);
  Untick(1, "8");
  Confirm();
  EXPECT_EQ(f.w.ListCons.items,
            (Lines{"- UNCONTROLLABLE MOVE", "  Candidates in Ab accepted.", "  (Flash now taken)."}));
  EXPECT_TRUE(f.board.FlashTaken);
  EXPECT_TRUE(f.w.mRicFla.enabled);
  EXPECT_EQ(f.board.DeviationCell, 1);
  EXPECT_EQ(f.board.DeviationText, "4789 in  479 ");
  EXPECT_EQ(f.board.Can[1].Digits(), "479");
  EXPECT_EQ(f.board.ErrorCount, 0);
  // A second one takes none.
  const int deviation = f.board.DeviationCell;
  Open(2);
  Untick(2, "4");
  Confirm();
  EXPECT_EQ(f.w.ListCons.items.size(), 2u);
  EXPECT_EQ(f.board.DeviationCell, deviation);
  // Reload Flash brings Ab's candidates back as they were before the change.
  f.Click("mRicFla");
  EXPECT_EQ(f.board.Can[1].Digits(), "4789");
}

}  // namespace
}  // namespace tessora
