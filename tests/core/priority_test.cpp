// The priority walk over the method groups and the dialog that reorders them.
#include <gtest/gtest.h>

#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

TEST(PriorityDialog, OpensWithTheListAndBothArrowsOff) {
  Harness h;
  Form1& f = h.form;
  ASSERT_TRUE(f.Click("mOpzio"));
  EXPECT_TRUE(f.form3.open);
  ASSERT_EQ(f.form3.Prio.items.size(), 16u);
  EXPECT_EQ(f.form3.Prio.items[0], "        METHODS LIST");
  EXPECT_FALSE(f.form3.portaSu.enabled);
  EXPECT_FALSE(f.form3.portaGiu.enabled);
  // The dialog is modal: the main window takes no click meanwhile.
  EXPECT_FALSE(f.Click("Azzera"));
}

TEST(PriorityDialog, ArrowsFollowTheSelection) {
  struct Case {
    int row;
    bool up, down;
  };
  const Case cases[] = {{0, false, false}, {1, false, true}, {7, true, true}, {15, true, false}};
  for (const Case& c : cases) {
    Harness h;
    Form1& f = h.form;
    f.Click("mOpzio");
    ASSERT_TRUE(f.Pick("Prio", f.form3.Prio.items[c.row]));
    EXPECT_EQ(f.form3.portaSu.enabled, c.up) << c.row;
    EXPECT_EQ(f.form3.portaGiu.enabled, c.down) << c.row;
  }
}

TEST(PriorityDialog, MovingRowsAndStandardOrder) {
  Harness h;
  Form1& f = h.form;
  const auto standard = f.advice.PriorityList;
  f.Click("mOpzio");
  f.Pick("Prio", "05    - Naked Twins");
  ASSERT_TRUE(f.Click("portaSu"));
  EXPECT_EQ(f.advice.PriorityList[3], "05    - Naked Twins");
  EXPECT_EQ(f.advice.PriorityList[4], "04    - Hidden Single");
  EXPECT_EQ(f.form3.Prio.listIndex, 3);
  EXPECT_EQ(f.form3.Prio.items[3], "05    - Naked Twins");
  // Up to the top: the up arrow turns off at row 1.
  f.Click("portaSu");
  f.Click("portaSu");
  EXPECT_EQ(f.advice.PriorityList[1], "05    - Naked Twins");
  EXPECT_FALSE(f.form3.portaSu.enabled);
  EXPECT_FALSE(f.Click("portaSu"));
  // Down to the bottom: the down arrow turns off at the last row.
  f.Pick("Prio", "02/03 - Single Cell/Single Number");
  for (int i = 0; i < 20 && f.form3.portaGiu.enabled; ++i) f.Click("portaGiu");
  EXPECT_EQ(f.advice.PriorityList[15], "02/03 - Single Cell/Single Number");
  EXPECT_EQ(f.advice.PriorityList[0], "        METHODS LIST");
  f.Click("faiStd");
  EXPECT_EQ(f.advice.PriorityList, standard);
  f.Click("faiEsci");
  EXPECT_FALSE(f.form3.open);
  EXPECT_TRUE(f.Click("Azzera"));
}

// A board holding a hidden single (digit 9 in row A) and a naked pair.
struct TwoSteps : Harness {
  TwoSteps() {
    test::PlaceGivens(form, std::string(81, '.'));
    for (int c = 0; c < 81; ++c) test::SetCan(form, c, "1234");
    test::SetCan(form, 4, "19");    // the only 9 of row A, of column e and of its box
    test::SetCan(form, 30, "56");   // a naked pair in row D with cell 31
    test::SetCan(form, 31, "56");
    test::SetCan(form, 32, "567");
    form.w.Sugge1.selected = true;  // group 01 does not run under "All"
  }
};

TEST(FindAdviceStep, StandardOrderGivesTheHiddenSingleFirst) {
  TwoSteps b;
  Form1& f = b.form;
  f.FindAdviceStep();
  EXPECT_TRUE(f.methods.Progress);
  EXPECT_EQ(f.methods.AdviceStep.code, "Xx1");
  EXPECT_EQ(f.methods.AdviceStep.cell, "04");
  EXPECT_FALSE(f.methods.Checking);
  EXPECT_FALSE(f.methods.RecordOnly);
  for (const CellLabel& c : f.w.caN) EXPECT_EQ(c.back, colour::White);
}

TEST(FindAdviceStep, NakedTwinsMovedAboveHiddenSingleComeFirst) {
  TwoSteps b;
  Form1& f = b.form;
  f.Click("mOpzio");
  f.Pick("Prio", "05    - Naked Twins");
  f.Click("portaSu");
  f.Click("faiEsci");
  f.FindAdviceStep();
  EXPECT_EQ(f.methods.AdviceStep.code, "CPN");
  EXPECT_EQ(f.methods.AdviceStep.cell, "32");
}

TEST(FindAdviceStep, NakedSingleReplacesAZoneFulfillingStepOfItsGroup) {
  Harness h;
  Form1& f = h.form;
  // Row A has one empty cell (Single Cell); cell 40 has a single candidate.
  test::PlaceGivens(f, "12345678.........................................................................");
  test::PlainCandidates(f);
  test::SetCan(f, 40, "7");
  f.w.Sugge1.selected = true;
  f.FindAdviceStep();
  EXPECT_EQ(f.methods.AdviceStep.code, "CFC");
  EXPECT_EQ(Trim(f.methods.AdviceStep.cell), "8");  // cell 8 holds the single 9 of row A
}

}  // namespace
}  // namespace tessora
