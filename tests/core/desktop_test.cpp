// The start-up and closing windows, the information window, help and the
// guide, the File menu's Ctrl shortcuts and the zoom.
#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/dump.h"
#include "ui/splash.h"

namespace tessora {
namespace {

using test::Harness;

// The scheme of the fixture easy.sud, row by row.
const std::string kScheme = std::string(".7..8....") + ".8451.6.." + "...3.4..." + "......4.." + "....2...7" +
                            "...8..19." + "3.5......" + ".4.25..13" + "71.....4.";

// A picture from rows of characters: "w" pure white, "n" nearly white
// RGB(255,255,254), anything else a dark pixel.
Picture Pic(const std::vector<std::string>& rows) {
  Picture p;
  p.height = static_cast<int>(rows.size());
  p.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  for (const std::string& row : rows)
    for (char ch : row) p.pixels.push_back(ch == 'w' ? kPureWhite : ch == 'n' ? 0xFFFFFEu : 0x203040u);
  return p;
}

TEST(ShapeRule, WhiteRunsOfSmallPictures) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    std::vector<PixelRect> cuts;
  };
  const Case cases[] = {
      {"no white: the plain rectangle", {"###", "###"}, {}},
      {"all white: the plain rectangle", {"ww", "ww"}, {}},
      {"one white pixel inside", {"###", "#w#", "###"}, {{1, 1, 2, 2}}},
      {"white on the right edge", {"##w", "###"}, {{2, 0, 3, 1}}},
      {"a run reaching the right edge", {"#ww", "w##"}, {{1, 0, 3, 1}, {0, 1, 1, 2}}},
      {"a whole white row", {"###", "www", "###"}, {{0, 1, 3, 2}}},
      {"white on the bottom row", {"##", "w#"}, {{0, 1, 1, 2}}},
      {"two runs in one row", {"w#ww#w"}, {{0, 0, 1, 1}, {2, 0, 4, 1}, {5, 0, 6, 1}}},
      {"nearly white stays", {"wn#", "n#w"}, {{0, 0, 1, 1}, {2, 1, 3, 2}}},
      {"corners of a round shape", {"w##w", "####", "w##w"},
       {{0, 0, 1, 1}, {3, 0, 4, 1}, {0, 2, 1, 3}, {3, 2, 4, 3}}},
      {"a single dark pixel", {"www", "w#w", "www"},
       {{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}},
      {"an empty picture", {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(WhiteRuns(Pic(c.rows)), c.cuts) << c.what;

  // Pixels short of the picture's size: nothing is read past them.
  Picture torn = Pic({"w#", "#w"});
  torn.pixels.pop_back();
  EXPECT_TRUE(WhiteRuns(torn).empty());
}

TEST(PictureWindows, StartWindowHandsOverAfterFiveSeconds) {
  ScriptedPlatform p;
  PictureWindows windows(p);
  EXPECT_EQ(windows.form0.pictureWidth, 271);
  EXPECT_EQ(windows.form0.pictureHeight, 311);
  EXPECT_EQ(windows.form9.pictureWidth, 190);
  EXPECT_EQ(windows.form9.pictureHeight, 115);
  EXPECT_FALSE(windows.Tick("Form0.Timer10"));  // off until the window has loaded

  windows.Form0_Load();
  EXPECT_TRUE(windows.form0.loaded);
  EXPECT_TRUE(p.timers["Form0.Timer10"].enabled);
  EXPECT_EQ(p.timers["Form0.Timer10"].interval, 5000);
  EXPECT_FALSE(windows.mainShown);
  EXPECT_TRUE(windows.Tick("Form0.Timer10"));
  EXPECT_TRUE(windows.mainShown);
  EXPECT_FALSE(windows.form0.loaded);
  EXPECT_FALSE(p.timers["Form0.Timer10"].enabled);
  EXPECT_FALSE(windows.Tick("Form0.Timer10"));  // one tick only
  windows.Form0_Unload();                        // already gone: nothing more
  EXPECT_FALSE(windows.ended);

  windows.Form9_Load();
  EXPECT_EQ(p.timers["Form9.Timer10"].interval, 2000);
  EXPECT_TRUE(p.timers["Form9.Timer10"].enabled);
  EXPECT_FALSE(windows.ended);
  EXPECT_TRUE(windows.Tick("Form9.Timer10"));
  EXPECT_TRUE(windows.ended);
  EXPECT_FALSE(p.timers["Form9.Timer10"].enabled);
}

TEST(PictureWindows, ClosingTheStartWindowEarlyShowsTheMainWindowAtOnce) {
  ScriptedPlatform p;
  PictureWindows windows(p);
  windows.Form0_Load();
  windows.Form0_Unload();
  EXPECT_TRUE(windows.mainShown);
  EXPECT_FALSE(p.timers["Form0.Timer10"].enabled);
  EXPECT_FALSE(windows.Tick("Form0.Timer10"));
}

// The wait can be skipped: a click, or Esc, Enter or Space, hands over to the
// main window at once, as closing the window does; other keys do nothing.
TEST(PictureWindows, ClickOrEscEnterSpaceSkipsTheStartWindow) {
  for (int way : {0, key::Esc, key::Enter, key::Space}) {
    SCOPED_TRACE(way);
    ScriptedPlatform p;
    PictureWindows windows(p);
    windows.Form0_Load();
    for (int other : {int('1'), int('A'), key::F1, key::Delete, key::Left}) EXPECT_FALSE(windows.Form0_KeyDown(other));
    EXPECT_FALSE(windows.mainShown);
    EXPECT_TRUE(p.timers["Form0.Timer10"].enabled);
    if (way == 0) windows.Form0_Click();
    else EXPECT_TRUE(windows.Form0_KeyDown(way));
    EXPECT_TRUE(windows.mainShown);
    EXPECT_FALSE(windows.form0.loaded);
    EXPECT_FALSE(p.timers["Form0.Timer10"].enabled);
    EXPECT_FALSE(windows.Tick("Form0.Timer10"));
    // Once gone, a second click or key changes nothing.
    windows.Form0_Click();
    windows.Form0_KeyDown(key::Esc);
    EXPECT_TRUE(windows.mainShown);
    EXPECT_FALSE(windows.ended);
  }
}

TEST(About, TwiceGivesOneWindow) {
  Harness h;
  Form1& f = h.form;
  EXPECT_FALSE(f.form4.open);
  ASSERT_TRUE(f.Click("mInfo"));
  EXPECT_TRUE(f.form4.open);
  EXPECT_EQ(f.form4.caption, "Information - Tessora");
  EXPECT_EQ(f.form4.Label2.caption, "Tessora Versione 2.2");
  EXPECT_NE(f.form4.Label1.caption.find("\r\n"), std::string::npos);  // a notice of two lines
  EXPECT_FALSE(f.form4.Label4.caption.empty());
  ASSERT_TRUE(f.Click("mInfo"));
  EXPECT_TRUE(f.form4.open);
  EXPECT_EQ(f.form4.raised, 1);  // the same window, brought forward

  // Modeless: the main window goes on working while it is open.
  EXPECT_TRUE(f.Click("DatIniz"));
  f.KeyDown('5', 0);
  EXPECT_EQ(f.w.caN[0].caption, "5");

  ASSERT_TRUE(f.Click("Command1"));
  EXPECT_FALSE(f.form4.open);
  EXPECT_FALSE(f.Click("Command1"));  // no window, no button
  ASSERT_TRUE(f.Click("mInfo"));
  EXPECT_TRUE(f.form4.open);
  EXPECT_EQ(f.form4.raised, 0);
}

TEST(Guide, OpensTheInstalledGuideAndNothingElse) {
  Harness h;
  ASSERT_TRUE(h.form.Click("mGuida"));
  EXPECT_EQ(h.platform.guidesOpened, std::vector<std::string>{"tessora-guide.html"});
  EXPECT_TRUE(h.platform.startedPrograms.empty());  // nothing is run
  EXPECT_TRUE(h.form.shownMessages.empty());
}

TEST(Guide, WithoutTheGuideTellsToPressF1) {
  Harness h;
  h.platform.guideFails = true;
  ASSERT_TRUE(h.form.Click("mGuida"));
  ASSERT_EQ(h.form.shownMessages.size(), 1u);
  const MessageBoxRequest& m = h.form.shownMessages[0].request;
  EXPECT_EQ(m.text, "Click F1 for the Guide");
  EXPECT_EQ(m.title, "Attention");
  EXPECT_TRUE(m.infoIcon);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
  EXPECT_TRUE(h.platform.startedPrograms.empty());
}

TEST(HelpKey, F1OpensTheGuideAtTheTopicOfTheHighlightedMenu) {
  struct Case {
    const char* highlighted;
    int topic;
  };
  const Case cases[] = {{"", 0},          {"mAiuto", 1000},     {"mGuida", 1000}, {"mInfo", 1000},
                        {"mRapida", 1000}, {"mRapida(4)", 1000}, {"mFile", 0},     {"mApri", 0},
                        {"mMosRiso", 0},   {"mZoom150", 0},      {"nothing", 0}};
  for (const Case& c : cases) {
    Harness h;
    h.form.F1Help(c.highlighted);
    ASSERT_EQ(h.platform.helpShown.size(), 1u) << c.highlighted;
    EXPECT_EQ(h.platform.helpShown[0], (std::pair<std::string, int>{"tessora-guide.html", c.topic}))
        << c.highlighted;
  }
}

TEST(HelpKey, F1InPlayAndInDataEntryChangesNothingOnTheBoard) {
  for (bool play : {false, true}) {
    Harness h;
    Form1& f = h.form;
    test::KeyScheme(f, kScheme);
    if (play) {
      ASSERT_TRUE(f.Click("Gioca"));
      ASSERT_TRUE(f.board.PlayPhase);
      f.caN_Click(1);  // a given: any digit key would answer "Black Values are NOT changeable!"
    } else {
      f.KeyDown(key::Left, 0);
    }
    f.Click("Applica");
    const std::string before = DumpState(f);
    f.KeyDown(key::F1, 0);
    f.KeyDown(key::F1, shift::Shift);
    EXPECT_EQ(DumpState(f), before) << (play ? "play" : "data entry");
    EXPECT_EQ(h.platform.helpShown.size(), 2u);
  }
}

TEST(HelpKey, AFailingHelpViewerChangesNothing) {
  Harness h;
  h.platform.helpFails = true;
  h.form.Click("DatIniz");
  const std::string before = DumpState(h.form);
  h.form.KeyDown(key::F1, 0);
  EXPECT_EQ(DumpState(h.form), before);
}

TEST(Shortcuts, CtrlKeysOfTheFileMenu) {
  Harness h;
  Form1& f = h.form;
  EXPECT_EQ(f.w.mApri.shortcut, "Ctrl+O");
  EXPECT_EQ(f.w.mSalva.shortcut, "Ctrl+S");
  EXPECT_EQ(f.w.mChiudi.shortcut, "Ctrl+Q");

  // Ctrl+O is Open: the open dialog comes up.
  f.KeyDown('O', shift::Ctrl);
  EXPECT_EQ(h.platform.dialogTitles, std::vector<std::string>{"Seleziona il file da aprire"});
  // Ctrl+S is Save, but only where Save is enabled; a disabled item does nothing.
  f.KeyDown('S', shift::Ctrl);
  EXPECT_EQ(h.platform.dialogTitles.size(), 1u);
  f.Click("DatIniz");
  f.KeyDown('5', 0);
  const std::string before = DumpState(f);
  f.KeyDown('O', shift::Ctrl);  // Open is disabled while the data are keyed
  EXPECT_EQ(DumpState(f), before);
  f.KeyDown('S', shift::Ctrl);
  EXPECT_EQ(h.platform.dialogTitles.back(), "Seleziona il file in cui salvare");
  // Shift+O and Alt+O are not shortcuts.
  const std::size_t dialogs = h.platform.dialogTitles.size();
  f.KeyDown('O', shift::Shift);
  f.KeyDown('O', shift::Alt);
  EXPECT_EQ(h.platform.dialogTitles.size(), dialogs);
  // Ctrl+Q is Exit.
  f.KeyDown('Q', shift::Ctrl);
  EXPECT_TRUE(f.unloaded);
  EXPECT_TRUE(h.platform.quit);
}

TEST(Zoom, MenuChecksTheScaleAndKeepsTheTwips) {
  Harness h;
  Form1& f = h.form;
  EXPECT_EQ(f.w.zoom, 100);
  EXPECT_TRUE(f.w.mZoom100.checked);
  EXPECT_EQ(f.w.mZoom.parent, "mAzio");
  const std::string before = DumpState(f);
  ASSERT_TRUE(f.Click("mZoom200"));
  EXPECT_EQ(f.w.zoom, 200);
  EXPECT_TRUE(f.w.mZoom200.checked);
  EXPECT_FALSE(f.w.mZoom100.checked);
  EXPECT_EQ(f.w.Apri.width, 1335);
  EXPECT_EQ(f.w.caN[0].left, test::Harness().form.w.caN[0].left);
  EXPECT_FALSE(f.SetZoom(175));
  EXPECT_FALSE(f.SetZoom(0));
  EXPECT_EQ(f.w.zoom, 200);
  ASSERT_TRUE(f.Click("mZoom100"));
  EXPECT_EQ(DumpState(f), before);
  // Clear All leaves the scale alone.
  f.Click("mZoom125");
  f.Click("Azzera");
  EXPECT_EQ(f.w.zoom, 125);
  EXPECT_TRUE(f.w.mZoom125.checked);
}

}  // namespace
}  // namespace tessora
