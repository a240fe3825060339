// "Play": the solvability control from the data check to the rating.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;

const std::string kSolved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Schemes made for these tests: one needs one trial, the other three.
const std::string kOneTrial = "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";
const std::string kThreeTrials = "..7..4..1...9...6..4..23.....3....52..........8.29.....5.1..89.1.64....3..8.5...6";
// No solution: every single trial fails.
const std::string kNoTrialWorks = "4...7......15.6...82691.....62...49......415...........5.2.....7.3.9.5........68.";

std::string Joined(const SolutionDigits& solution) {
  std::string s;
  for (int c = 0; c < kCells; ++c) s += (solution.Text(c).empty() ? "_" : solution.Text(c)) + "|";
  return s;
}

TEST(Control, RepeatedValueMarksTheFirstPairAndStops) {
  Harness h;
  Form1& f = h.form;
  std::string grid = kEasy;
  grid[20] = '5';  // a second 5 in the first box (and none elsewhere in its row or column)
  test::KeyScheme(f, grid);
  f.Click("Gioca");
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"ERROR IN CURRENT DATA!", "- correct or reset."}));
  EXPECT_EQ(f.w.caN[0].ink, colour::Red);
  EXPECT_EQ(f.w.caN[20].ink, colour::Red);
  EXPECT_FALSE(f.board.PlayPhase);
  EXPECT_TRUE(f.w.Gioca.enabled);
  EXPECT_FALSE(f.w.DatIniz.enabled);
  EXPECT_FALSE(f.w.Cons1.visible);
}

TEST(Control, SolvedWithoutTrials) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kEasy);
  ASSERT_TRUE(f.Click("Gioca"));
  const auto& bb = f.w.ListCons.items;
  ASSERT_GE(bb.size(), 6u);
  EXPECT_EQ(bb[0], "SOLVABILITY CONTROL REPORT");
  EXPECT_EQ(bb[1], "  (in 0.00 sec.)");
  EXPECT_EQ(bb[2], "- I have " + std::to_string(f.control.ReportedSuggestions) + " suggestions, to solve it.");
  EXPECT_EQ(bb[3], "  Synthetic Assessment=" + DifficultyText(f.control.Difficulty) + ".");
  EXPECT_EQ(bb[4], "YOU CAN PLAY NOW");
  EXPECT_EQ(bb[5], "- click the buttons below for advice.");
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(f.board.Solution.Text(i), std::string(1, kSolved[i])) << i;
  EXPECT_TRUE(f.w.APeri.items.empty());
  ASSERT_EQ(f.w.Peri.items.size(), 9u);
  EXPECT_EQ(f.w.Peri.items[0], "5 3 4 6 7 8 9 1 2  ");
  EXPECT_FALSE(f.w.mPerSuCom.enabled);
  // Play set-up: the givens only, candidates recounted, "None" selected.
  EXPECT_TRUE(f.board.PlayPhase);
  EXPECT_FALSE(f.methods.Checking);
  EXPECT_EQ(f.board.FilledCount, 30);
  EXPECT_EQ(f.w.Fatti.caption, "30");
  EXPECT_FALSE(f.Filled(2));
  EXPECT_EQ(f.w.caN[2].caption, "");
  EXPECT_EQ(f.board.Can[2].Text(), " 124 ");
  EXPECT_TRUE(f.w.Sugge0.selected);
  EXPECT_TRUE(f.w.mSugge0.checked);
  EXPECT_FALSE(f.w.mSugge1.checked);
  for (const char* name : {"Cons1", "Cons2", "Cons3", "mCanMoss", "mNuoVal", "mRicMan", "mSoluz", "mValuta", "mSugge0",
                           "mSugge1", "Sugge0", "Sugge1"})
    EXPECT_TRUE(f.w.Find(name)->enabled) << name;
  EXPECT_FALSE(f.w.Gioca.enabled);
  for (const CellLabel& c : f.w.caN) EXPECT_TRUE(c.visible);
  for (int i = 0; i < kCells; ++i)
    if (f.Filled(i)) {
      EXPECT_EQ(f.w.caN[i].ink, colour::ButtonText) << i;
    }
  // The replay left its moves in the user's order and the rating counts them.
  ASSERT_EQ(f.control.MoveCount, 51);
  int counted = 0;
  for (int v : f.methods.MethodUse) counted += v;
  EXPECT_EQ(counted, 51);
  for (int i = 0; i < f.control.MoveCount; ++i) {
    const std::string& m = f.control.MoveList[i];
    EXPECT_EQ(m.substr(4, 3), ": '") << m;
  }
}

TEST(Control, OneTrial) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kOneTrial);
  f.Click("Gioca");
  const auto& bb = f.w.ListCons.items;
  EXPECT_EQ(bb[1], "  (in 0.00 sec. with 1 Trial)");
  EXPECT_EQ(f.control.TrialCount, 1);
  EXPECT_EQ(DifficultyText(f.control.Difficulty), " Diabolic");
  EXPECT_TRUE(f.w.mPerSuCom.enabled);
  // Solution holds the board as the trials began; TrialSolution the whole solution.
  int blanks = 0;
  for (int i = 0; i < kCells; ++i) blanks += f.board.Solution.Text(i) == " ";
  EXPECT_GT(blanks, 0);
  for (int i = 0; i < kCells; ++i) {
    ASSERT_EQ(f.board.TrialSolution.Text(i).size(), 1u);
    if (f.board.Solution.Text(i) != " ") {
      EXPECT_EQ(f.board.Solution.Text(i), f.board.TrialSolution.Text(i)) << i;
    }
  }
  ASSERT_EQ(f.w.APeri.items.size(), 9u);
  EXPECT_EQ(f.w.APeri.items, f.w.Peri.items);
  // The replay's last resort is the control's trial.
  bool usedTrial = false;
  for (int i = 0; i < f.control.MoveCount; ++i) usedTrial |= f.control.MoveList[i].rfind("TT ", 0) == 0;
  EXPECT_EQ(usedTrial, f.methods.MethodUse[16] > 0);
  EXPECT_EQ(f.board.FilledCount, static_cast<int>(81 - std::count(kOneTrial.begin(), kOneTrial.end(), '.')));
  // The trial solution stays hidden until the user asks for the solution,
  // and shows and hides together with it.
  EXPECT_FALSE(f.w.APeri.visible);
  EXPECT_FALSE(f.w.Peri.visible);
  h.platform.answers.push_back(MsgResult::No);
  f.KeyDown(key::F12, 0);
  EXPECT_FALSE(f.w.APeri.visible);
  f.KeyDown(key::F12, 0);  // no queued answer: Yes
  EXPECT_TRUE(f.w.Peri.visible);
  EXPECT_TRUE(f.w.APeri.visible);
  f.KeyDown(key::F12, 0);
  EXPECT_FALSE(f.w.Peri.visible);
  EXPECT_FALSE(f.w.APeri.visible);
  f.KeyDown(key::F12, 0);
  ASSERT_TRUE(f.w.APeri.visible);
  f.Click("Azzera");
  EXPECT_FALSE(f.w.APeri.visible);
}

// Two solutions, which differ in Df, Di, Ef and Ei (1 3 3 1 or 3 1 1 3).
const std::string kTwoSolutions = "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179";

// A scheme with more than one solution is played against the one the control
// found; its report says so, beside the lines it always has.
TEST(Control, SchemeWithTwoSolutionsSaysSoInItsReport) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kTwoSolutions);
  ASSERT_TRUE(f.Click("Gioca"));
  const std::vector<std::string> report = {"SOLVABILITY CONTROL REPORT",
                                           "  (in 0.00 sec. with 1 Trial)",
                                           "- I have 4 suggestions, to solve it.",
                                           "  Synthetic Assessment= Diabolic.",
                                           "- The scheme has more than one solution:",
                                           "  the program follows one of them.",
                                           "YOU CAN PLAY NOW",
                                           "- click the buttons below for advice."};
  EXPECT_EQ(f.w.ListCons.items, report);
  // After a cancellation the control runs on what is left, with the same word.
  const int df = 32;
  f.caN_MouseMove(df, 0, 0);
  f.KeyDown(f.board.TrialSolution.Text(df)[0], 0);
  ASSERT_TRUE(f.Filled(df));
  f.KeyDown(key::Delete, 0);
  ASSERT_FALSE(f.Filled(df));
  const auto& bb = f.w.ListCons.items;
  ASSERT_EQ(bb.size(), 4u);
  EXPECT_EQ(bb[0], "AFTER CANCELLATION");
  EXPECT_EQ(bb[2], "- The scheme has more than one solution:");
}

TEST(Control, SchemeWithOneSolutionHasNoSuchLine) {
  for (const std::string& grid : {kEasy, kOneTrial, kThreeTrials}) {
    SCOPED_TRACE(grid);
    Harness h;
    test::KeyScheme(h.form, grid);
    ASSERT_TRUE(h.form.Click("Gioca"));
    ASSERT_TRUE(h.form.board.PlayPhase);
    for (const std::string& line : h.form.w.ListCons.items)
      EXPECT_EQ(line.find("more than one solution"), std::string::npos) << line;
  }
}

TEST(Control, SeveralTrials) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kThreeTrials);
  f.Click("Gioca");
  EXPECT_EQ(f.w.ListCons.items[1], "  (in 0.00 sec. with 3 Trials)");
  EXPECT_EQ(f.control.TrialCount, 3);
}

TEST(Control, EveryTrialFailing) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kNoTrialWorks);
  f.Click("Gioca");
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].text,
            "The Control has failed: if you asked the program\r\nto create Scheme, submit a new request,\r\n"
            "if, instead, the Scheme comes from other\r\nsources, please check the Values you keyed in.");
  EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(h.platform.messages[0].title, "");
  EXPECT_TRUE(f.control.ControlFailed);
  EXPECT_FALSE(f.board.PlayPhase);
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"CONTROL-CREATION RESULT", "  retry or assess."}));
}

// A scheme with one solution that single-level trials cannot reach: the
// failed control leaves the keyed givens in the data phase, as the check for
// repeated values does, so the user can correct, save or try again.
TEST(Control, FailedControlKeepsTheKeyedScheme) {
  const std::string kBeyondTrials =
      "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........";
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kBeyondTrials);
  const std::string caption = f.w.caption;
  f.Click("Gioca");
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].text.substr(0, 22), "The Control has failed");
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"CONTROL-CREATION RESULT", "  retry or assess."}));
  EXPECT_TRUE(f.control.ControlFailed);
  EXPECT_FALSE(f.board.PlayPhase);
  EXPECT_TRUE(f.board.DataStarted);
  EXPECT_TRUE(f.board.InputEnabled);
  EXPECT_EQ(f.w.caption, caption);
  EXPECT_EQ(f.files.SchemeFile, "Nuovo1");
  for (int i = 0; i < kCells; ++i) {
    SCOPED_TRACE(i);
    const CellLabel& c = f.w.caN[i];
    EXPECT_TRUE(c.visible);
    if (kBeyondTrials[i] == '.') {
      EXPECT_FALSE(f.Filled(i));
      EXPECT_EQ(c.caption, "");
    } else {
      EXPECT_EQ(c.caption, std::string(1, kBeyondTrials[i]));
      EXPECT_EQ(c.ink, colour::ButtonText);
      EXPECT_EQ(c.size, 18);
    }
  }
  EXPECT_EQ(f.board.FilledCount, 18);
  EXPECT_EQ(f.w.Fatti.caption, "18");
  EXPECT_EQ(f.files.SchemeLineCount, 9);
  EXPECT_EQ(f.files.SchemeLines[0], "8 9   3  ");
  EXPECT_EQ(f.files.SchemeLines2[3], " 7     26");
  for (const char* name : {"Gioca", "Salva", "mSalva"}) EXPECT_TRUE(f.w.Find(name)->enabled) << name;
  for (const char* name : {"DatIniz", "Apri", "Cons1", "mSoluz", "mCanMoss", "mPerSuCom"})
    EXPECT_FALSE(f.w.Find(name)->enabled) << name;
  EXPECT_FALSE(f.w.Peri.visible);
  EXPECT_EQ(f.w.SemaLab.caption, "GO!");
  // The scheme can be played again, and fails the same way.
  f.Click("Gioca");
  EXPECT_EQ(h.platform.messages.size(), 2u);
  EXPECT_EQ(f.board.FilledCount, 18);
  // The same scheme in creation mode only sets the failure flag.
  Harness c;
  Form1& g = c.form;
  test::KeyScheme(g, kBeyondTrials);
  g.control.Creating = true;
  g.Click("Gioca");
  EXPECT_TRUE(g.control.ControlFailed);
  EXPECT_TRUE(c.platform.messages.empty());
  EXPECT_EQ(g.w.ListCons.items[0].substr(0, 19), "CREATION IS RUNNING");
}

TEST(Control, AlreadyCompleteBoard) {
  Harness h;
  Form1& f = h.form;
  test::KeyScheme(f, kSolved);
  f.Click("Gioca");
  EXPECT_EQ(f.w.ListCons.items, std::vector<std::string>{"SCHEME ALREADY SOLVED"});
  EXPECT_EQ(f.control.ReportedSuggestions, 0);
  EXPECT_EQ(DifficultyText(f.control.Difficulty), " Easy");
  EXPECT_EQ(f.control.MoveCount, 0);
}

// A complete board that breaks a column is never taken for a solution: row A
// misses only its 5 and row D only its 8, but the 5 already stands in column a.
TEST(Control, BrokenBoardIsAFailureNotASolution) {
  Harness h;
  Form1& f = h.form;
  std::string grid = kSolved;
  grid[0] = '.';
  grid[27] = '5';
  grid[28] = '.';
  test::KeyScheme(f, grid);
  f.Click("Gioca");
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].text.substr(0, 22), "The Control has failed");
  EXPECT_FALSE(f.board.PlayPhase);
}

// The easy scheme in play with one correct value keyed into cell Ac.
struct PlayingEasy : Harness {
  PlayingEasy() {
    test::KeyScheme(form, kEasy);
    form.Click("Gioca");
    form.caN_Click(2);
    form.KeyDown('4', 0);
  }
};

TEST(Control, DeletionInPlayRunsTheControlAgain) {
  PlayingEasy h;
  Form1& f = h.form;
  ASSERT_TRUE(f.Filled(2));
  const int moves = f.control.MoveCount;
  f.KeyDown(key::Delete, 0);
  EXPECT_FALSE(f.Filled(2));
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"AFTER CANCELLATION",
                                                           "- I have " + std::to_string(f.control.ReportedSuggestions) +
                                                               " suggestions, to solve it."}));
  EXPECT_FALSE(f.control.AfterCancel);
  EXPECT_EQ(f.control.MoveCount, moves);  // no replay after a cancellation
  EXPECT_EQ(f.board.Can[2].Text(), " 124 ");
  EXPECT_EQ(f.board.FilledCount, 30);
}

TEST(Control, VerifySolvabilityTakesPlayedValuesAsData) {
  PlayingEasy h;
  Form1& f = h.form;
  ASSERT_TRUE(f.Click("mNuoVal"));
  EXPECT_EQ(f.w.ListCons.items[0], "SOLVABILITY CONTROL REPORT");
  EXPECT_TRUE(f.Filled(2));
  EXPECT_EQ(f.board.FilledCount, 31);
}

TEST(Control, ClearMovesRemovesKeyedValuesAndResetsErrors) {
  PlayingEasy h;
  Form1& f = h.form;
  f.caN_Click(3);
  f.KeyDown('1', 0);  // wrong
  ASSERT_EQ(f.board.ErrorCount, 1);
  ASSERT_TRUE(f.Click("mCanMoss"));
  EXPECT_FALSE(f.Filled(2));
  EXPECT_TRUE(f.Filled(0));
  EXPECT_EQ(f.board.ErrorCount, 0);
  EXPECT_EQ(f.w.NErr.caption, "");
  EXPECT_EQ(f.board.FilledCount, 30);
  EXPECT_EQ(f.w.ListCons.items[0], "SOLVABILITY CONTROL REPORT");
}

// A scheme that needs one trial, in play, with a trial move in Bc that
// differs from the trial solution (the trial solution holds 7 there).
struct DeviatingTrialMove : Harness {
  static constexpr int kBc = 11;
  std::string canAfterPlay;
  std::array<std::string, kCells> canOfCell;
  DeviatingTrialMove() {
    test::KeyScheme(form, "59......7.4..1..83..8.349....14.2....69...82....1.93....467.2..98..4..3.7......16");
    form.Click("Gioca");
    canAfterPlay = test::AllCan(form);
    for (int i = 0; i < kCells; ++i) canOfCell[i] = form.board.Can[i].Text();
    form.caN_Click(kBc);
    form.KeyDown('6', 0);
  }
};

// Taking the trial move back, by Delete or by Clear Moves, runs the control on
// the candidates of the values left, not on those the move had pruned.
TEST(Control, TakingBackADeviatingTrialMoveLeavesNoError) {
  for (bool clearMoves : {false, true}) {
    SCOPED_TRACE(clearMoves ? "Clear Moves" : "Delete");
    DeviatingTrialMove h;
    Form1& f = h.form;
    ASSERT_EQ(f.board.Solution.Text(h.kBc), " ");
    ASSERT_EQ(f.board.TrialSolution.Text(h.kBc), "7");
    ASSERT_EQ(f.w.ListCons.items[0], "- TRIAL MOVE");
    ASSERT_TRUE(f.board.FlashTaken);
    if (clearMoves) {
      ASSERT_TRUE(f.Click("mCanMoss"));
      EXPECT_EQ(f.w.ListCons.items[0], "SOLVABILITY CONTROL REPORT");
    } else {
      f.KeyDown(key::Delete, 0);
      EXPECT_EQ(f.w.ListCons.items[0], "AFTER CANCELLATION");
    }
    EXPECT_FALSE(f.Filled(h.kBc));
    EXPECT_EQ(f.board.ErrorCount, 0);
    EXPECT_EQ(f.w.NErr.caption, "");
    EXPECT_TRUE(f.board.InputEnabled);
    EXPECT_EQ(test::AllCan(f), h.canAfterPlay);
    EXPECT_EQ(f.board.TrialSolution.Text(h.kBc), "7");
    // The digit of the trial solution is taken.
    f.caN_Click(h.kBc);
    f.KeyDown('7', 0);
    EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- TRIAL MOVE", "  Value in Bc accepted."}));
    EXPECT_EQ(f.w.caN[h.kBc].caption, "7");
    EXPECT_EQ(f.board.ErrorCount, 0);
  }
}

// The values on the board ("." for an empty cell).
std::string Values(const Form1& f) {
  std::string s;
  for (int i = 0; i < kCells; ++i) s += f.Filled(i) ? f.w.caN[i].caption : ".";
  return s;
}

// The flash is the board before the deviating move, whatever writes the board
// text image afterwards: a save cancelled or completed, the control run again.
TEST(Flash, SurvivesSavesAndControlRunsUntilReloaded) {
  enum Then { kCancelledSave, kCompletedSave, kDeleteLaterMove };
  for (Then then : {kCancelledSave, kCompletedSave, kDeleteLaterMove}) {
    SCOPED_TRACE(then);
    DeviatingTrialMove h;
    Form1& f = h.form;
    ASSERT_TRUE(f.board.FlashTaken);
    std::string before = Values(f);
    before[h.kBc] = '.';
    // A later move that the solution confirms.
    int later = 0;
    while (f.Filled(later) || Trim(f.board.Solution.Text(later)).empty()) ++later;
    f.caN_Click(later);
    f.KeyDown(f.board.Solution.Text(later)[0], 0);
    ASSERT_EQ(f.w.ListCons.items[0], "- CORRECT MOVE in " + CellName(later) + ".");
    const std::string path = ::testing::TempDir() + "flash_" + std::to_string(::getpid()) + ".sud";
    switch (then) {
      case kCancelledSave:
        h.platform.fileAnswers.push_back("");
        f.Salva_Click();
        break;
      case kCompletedSave:
        h.platform.answers.push_back(MsgResult::Yes);
        h.platform.fileAnswers.push_back(path);
        f.Salva_Click();
        std::remove(path.c_str());
        EXPECT_EQ(f.files.SchemeLines[(later / 9)][later % 9], f.board.Solution.Text(later)[0]);
        break;
      case kDeleteLaterMove:
        // The control runs again on the board that holds the deviation (and
        // finds that it contradicts itself).
        f.KeyDown(key::Delete, 0);
        EXPECT_EQ(f.w.ListCons.items[0], "- SOME WRONG MOVE ...");
        break;
    }
    ASSERT_TRUE(f.Click("mRicFla"));
    EXPECT_EQ(Values(f), before);
    for (int i = 0; i < kCells; ++i)
      if (!f.Filled(i)) {
        EXPECT_EQ(f.board.Can[i].Text(), h.canOfCell[i]) << i;
      }
    EXPECT_EQ(f.board.FilledCount, 81 - static_cast<int>(std::count(before.begin(), before.end(), '.')));
  }
}

TEST(Difficulty, TableOfTheHighestMethodUsed) {
  struct Case {
    int method;
    bool creating;
    int trials;
    const char* rating;
  };
  const Case cases[] = {
      {-1, false, 0, " Easy"},     {0, false, 0, " Easy"},      {2, false, 0, " Easy"},
      {3, false, 0, " Medium"},    {3, true, 0, " Easy"},       {4, false, 0, " Medium"},
      {4, true, 0, " Medium"},     {5, false, 0, " Difficult"}, {8, false, 0, " Difficult"},
      {9, false, 0, " Diabolic"},  {16, false, 0, " Diabolic"}, {0, false, 1, " Diabolic"},
      {-1, false, 1, " Easy"},
  };
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    if (c.method >= 0) f.methods.MethodUse[c.method] = 2;
    if (c.method > 0) f.methods.MethodUse[0] = 1;
    f.control.Creating = c.creating;
    f.control.TrialCount = c.trials;
    f.AssessDifficulty(0);
    EXPECT_EQ(DifficultyText(f.control.Difficulty), c.rating) << c.method << " " << c.creating << " " << c.trials;
  }
}

TEST(Difficulty, ListingThreeMethodsALine) {
  Harness h;
  Form1& f = h.form;
  f.methods.MethodUse[0] = 4;
  f.methods.MethodUse[2] = 12;
  f.methods.MethodUse[3] = 1;
  f.methods.MethodUse[9] = 2;
  f.w.Applica.enabled = true;
  f.mValuta_Click();
  EXPECT_EQ(f.w.ListCons.items,
            (std::vector<std::string>{"METHODS USED DURING CONTROL:", "  N.1 =4   N.3 =12   N.4 =1   ", "  N.10 =2   ",
                                      "  Synthetic Assessment= Diabolic", " ", "YOU CAN PLAY NOW",
                                      "  Fine Score= 4.80"}));  // Diabolic by method 10 alone
  EXPECT_FALSE(f.w.Applica.enabled);
}

// Skipping trial rows that no solution holds changes nothing that can be seen.
TEST(Control, TrialPlanGivesTheSameOutcomeAsPlayingEveryTrial) {
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/control/trial_schemes.txt");
  ASSERT_TRUE(in);
  int schemes = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::string dumps[2];
    for (int plan = 0; plan < 2; ++plan) {
      Harness h;
      h.form.control.UseTrialPlan = plan == 1;
      test::KeyScheme(h.form, line.substr(0, 81));
      h.form.Click("Gioca");
      dumps[plan] = DumpState(h.form) + Joined(h.form.board.Solution) + std::to_string(h.form.control.TrialIndex);
    }
    EXPECT_EQ(dumps[0], dumps[1]) << line;
    ++schemes;
  }
  EXPECT_GE(schemes, 20);
}

}  // namespace
}  // namespace tessora
