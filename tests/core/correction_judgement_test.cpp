// The judgement of a candidate correction on plain data, and the placing of
// the floating panels inside the window.
#include <gtest/gtest.h>

#include "ui/correction_panel.h"

namespace tessora {
namespace {

CandText Can(const std::string& digits) {
  CandText t;
  EXPECT_TRUE(CandText::Parse(digits, t));
  return t;
}

TEST(CorrectionJudgement, Verdicts) {
  struct Case {
    const char* name;
    const char* kept;
    const char* shown;
    const char* can;
    int solution;  // 0: the control's solution leaves the cell open
    int trial;
    bool flashTaken;
    CorrectionVerdict verdict;
    const char* newText;
    bool takeFlash;
  };
  const Case cases[] = {
      {"nothing unticked", "137", "137", "137", 3, 0, false, CorrectionVerdict::Unchanged, "", false},
      {"nothing unticked, caption wrapped", "12345678", "12345 678", "12345678", 3, 0, false,
       CorrectionVerdict::NoRealChange, " 12345678 ", false},
      {"nothing unticked, caption between blanks", "137", " 137 ", "137", 3, 0, false,
       CorrectionVerdict::Unchanged, "", false},
      {"a digit unticked", "13", "137", "137", 3, 0, false, CorrectionVerdict::Exact, " 13 ", false},
      {"a digit unticked from a wrapped caption", "1234578", "12345 678", "12345678", 8, 0, false,
       CorrectionVerdict::Exact, " 1234578 ", false},
      {"every digit unticked", "", "137", "137", 3, 0, false, CorrectionVerdict::LeavesNone, "  ", false},
      {"the solution's digit unticked", "17", "137", "137", 3, 0, false, CorrectionVerdict::DropsSolution,
       " 17 ", false},
      {"a digit the cell lacks", "139", "137", "137", 3, 0, false, CorrectionVerdict::AddsCandidates, " 139 ",
       false},
      {"a cell the control solved by trials, the trial's value kept", "13", "137", "137", 0, 3, false,
       CorrectionVerdict::Uncontrollable, " 13 ", false},
      {"a cell the control solved by trials, the trial's value dropped", "17", "137", "137", 0, 3, false,
       CorrectionVerdict::Uncontrollable, " 17 ", true},
      {"the same with a flash already held", "17", "137", "137", 0, 3, true, CorrectionVerdict::Uncontrollable,
       " 17 ", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CorrectionJudgement j = JudgeCorrection(c.kept, c.shown, Can(c.can), c.solution, c.trial, c.flashTaken);
    EXPECT_EQ(j.verdict, c.verdict);
    EXPECT_EQ(j.newText, c.newText);
    EXPECT_EQ(j.takeFlash, c.takeFlash);
  }
}

TEST(CorrectionJudgement, PanelsStayInsideTheWindow) {
  EXPECT_EQ(InsideWindow(5000, 3000, 800, 1200, 12120, 8160).top, 3000);
  const PanelPlace low = InsideWindow(7525, 5480, 400, 3600, 12120, 8160);
  EXPECT_EQ(low.top, 8160 - 3600);
  EXPECT_EQ(low.left, 7525);
  const PanelPlace right = InsideWindow(11900, 200, 1800, 600, 12120, 8160);
  EXPECT_EQ(right.left, 12120 - 1800);
  EXPECT_EQ(InsideWindow(100, 100, 20000, 600, 12120, 8160).left, 0);
}

}  // namespace
}  // namespace tessora
