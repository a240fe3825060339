// The keyboard beside the mouse: the arrows in play with Tools > "Arrow Keys
// in Play", the keys that hold the advice and view buttons, the zoom's keys.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "ui/dump.h"
#include "ui/zoom.h"

namespace tessora {
namespace {

using test::Harness;

const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

void Play(Form1& f) {
  test::KeyScheme(f, kClassic);
  ASSERT_TRUE(f.Click("Gioca"));
  ASSERT_TRUE(f.board.PlayPhase);
}

// ---- the arrows in play -------------------------------------------------------

struct ArrowCase {
  int from, key, to;
};

// With the option the arrows move the cursor in play as in the initial
// data, wrapping round the board, from a given as from any cell; the cell
// left gets its own background back.
TEST(ArrowKeysInPlay, MoveTheCursorWithTheOption) {
  const ArrowCase cases[] = {{40, key::Left, 39}, {40, key::Right, 41}, {40, key::Up, 31}, {40, key::Down, 49},
                             {0, key::Left, 80},  {80, key::Right, 0},  {3, key::Up, 75},  {77, key::Down, 5},
                             {1, key::Right, 2}};  // cell 1 holds a given
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.from);
    Harness h;
    Form1& f = h.form;
    Play(f);
    ASSERT_TRUE(f.Click("mTastiera"));
    EXPECT_TRUE(f.w.mTastiera.checked);
    f.caN_MouseMove(c.from, 0, 0);
    f.KeyDown(c.key, 0);
    EXPECT_EQ(f.board.CurCell, c.to);
    EXPECT_EQ(f.w.caN[c.to].back, colour::LightYellow);
    EXPECT_EQ(f.w.caN[c.from].back, colour::White);
    // The blackboard keeps its message: an arrow is no move.
    EXPECT_EQ(f.w.ListCons.items.back(), "- click the buttons below for advice.");
  }
}

// Without it (as the window starts) the arrows do nothing in play; with it
// they do nothing with Shift, Ctrl or Alt, nor while a contradiction blocks
// input; the option outlives Clear All.
TEST(ArrowKeysInPlay, NothingWithoutTheOptionOrWithAShiftKey) {
  Harness h;
  Form1& f = h.form;
  Play(f);
  EXPECT_FALSE(f.w.mTastiera.checked);
  f.caN_MouseMove(40, 0, 0);
  for (int k : {key::Left, key::Right, key::Up, key::Down}) {
    f.KeyDown(k, 0);
    EXPECT_EQ(f.board.CurCell, 40);
  }
  f.Click("mTastiera");
  for (int s : {shift::Shift, shift::Ctrl, shift::Alt}) {
    f.KeyDown(key::Left, s);
    EXPECT_EQ(f.board.CurCell, 40);
  }
  f.board.InputEnabled = false;
  f.KeyDown(key::Left, 0);
  EXPECT_EQ(f.board.CurCell, 40);
  f.board.InputEnabled = true;
  f.Click("Azzera");
  EXPECT_TRUE(f.w.mTastiera.checked);
  f.Click("mTastiera");
  EXPECT_FALSE(f.w.mTastiera.checked);
}

// A pink marking comes back when the cursor moves on, as after the mouse.
TEST(ArrowKeysInPlay, TheCellLeftKeepsItsMarking) {
  Harness h;
  Form1& f = h.form;
  Play(f);
  f.Click("mTastiera");
  f.caN_DblClick(0);  // the 5s turn pink
  ASSERT_EQ(f.w.caN[0].back, colour::Pink);
  f.KeyDown(key::Right, 0);
  f.KeyDown(key::Left, 0);
  EXPECT_EQ(f.w.caN[1].back, colour::White);
  EXPECT_EQ(f.w.caN[0].back, colour::LightYellow);
  f.KeyDown(key::Right, 0);
  EXPECT_EQ(f.w.caN[0].back, colour::Pink);
}

// ---- the keys of the held buttons ---------------------------------------------

struct HeldKey {
  int code;
  const char* button;
  bool digitView;
};

const HeldKey kHeldKeys[] = {{key::F5, "Cons1", false},  {key::F6, "Cons2", false},  {key::F7, "Cons3", false},
                             {key::F8, "Sugge3b", true}, {key::F9, "Sugge3c", true}, {key::F10, "Sugge3d", true}};

void Prepare(Form1& f, bool digitView) {
  Play(f);
  if (!digitView) return;
  f.Click("mFunzAva");
  f.Click("Sugge2");
  ASSERT_TRUE(f.Pick("Sugge3a", " 5"));
}

// The key down paints as the mouse held on the button paints, the key up
// clears as its release clears: the window is the same, to the last field.
TEST(HeldKeys, PaintOnPressAndClearOnRelease) {
  for (const HeldKey& k : kHeldKeys) {
    SCOPED_TRACE(k.button);
    Harness byMouse, byKey;
    Prepare(byMouse.form, k.digitView);
    Prepare(byKey.form, k.digitView);
    const std::string before = DumpState(byKey.form);
    ASSERT_TRUE(byMouse.form.Press(k.button));
    byKey.form.KeyDown(k.code, 0);
    const std::string pressed = DumpState(byKey.form);
    EXPECT_EQ(pressed, DumpState(byMouse.form));
    EXPECT_NE(pressed, before);
    // A key held down repeats its key-down: nothing more happens.
    byKey.form.KeyDown(k.code, 0);
    EXPECT_EQ(DumpState(byKey.form), pressed);
    ASSERT_TRUE(byMouse.form.Release(k.button));
    byKey.form.KeyUp(k.code, 0);
    EXPECT_EQ(DumpState(byKey.form), DumpState(byMouse.form));
    EXPECT_TRUE(byKey.form.heldButton.empty());
    EXPECT_EQ(byKey.form.heldKey, 0);
  }
}

// Another key's release lets nothing go; a button that cannot be pressed is
// not pressed by its key; with a shift key the F keys stay the window's.
TEST(HeldKeys, OnlyTheirOwnKeyAndOnlyWhenTheButtonCanBePressed) {
  Harness h;
  Form1& f = h.form;
  f.KeyDown(key::F7, 0);  // no game: "Where ?" is hidden
  EXPECT_TRUE(f.heldButton.empty());
  EXPECT_EQ(f.heldKey, 0);
  Play(f);
  f.KeyDown(key::F7, 0);
  ASSERT_EQ(f.heldButton, "Cons3");
  const std::string painted = test::Painting(f.w.caN);
  f.KeyUp(key::F5, 0);
  f.KeyUp('4', 0);
  EXPECT_EQ(f.heldButton, "Cons3");
  EXPECT_EQ(test::Painting(f.w.caN), painted);
  f.KeyUp(key::F7, 0);
  EXPECT_TRUE(f.heldButton.empty());
  // Instance waits for a digit: F8 does nothing until one is chosen.
  f.KeyDown(key::F8, 0);
  EXPECT_TRUE(f.heldButton.empty());
  f.KeyUp(key::F8, 0);
  // F5 with Shift is a key of the window as it was: no advice.
  const auto board = f.w.ListCons.items;
  f.KeyDown(key::F5, shift::Shift);
  EXPECT_TRUE(f.heldButton.empty());
  EXPECT_EQ(f.heldKey, 0);
  EXPECT_EQ(f.w.ListCons.items, board);
}

// A key pressed while a button is held by its key disables it (the window's
// first step for every key): the key's release still takes the advice away.
TEST(HeldKeys, ReleasedEvenWhenAnotherKeyDisabledTheButton) {
  Harness h;
  Form1& f = h.form;
  Prepare(f, true);
  f.KeyDown(key::F8, 0);
  ASSERT_EQ(f.heldButton, "Sugge3b");
  f.KeyDown(key::Space, 0);
  EXPECT_FALSE(f.w.Sugge3b.enabled);
  f.KeyUp(key::F8, 0);
  EXPECT_TRUE(f.heldButton.empty());
  for (int c = 0; c < kCells; ++c) {
    if (f.Filled(c)) continue;
    EXPECT_TRUE(f.w.caN[c].caption.empty()) << c;
  }
}

// ---- the zoom's keys ---------------------------------------------------------

TEST(ZoomKeys, StepThroughTheScalesAndBackTo100) {
  Harness h;
  Form1& f = h.form;
  const int width = f.w.width;
  f.KeyDown(key::Plus, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, 110);
  f.KeyDown(key::Plus, shift::Ctrl | shift::Shift);  // "+" is Shift with "=" on many keyboards
  EXPECT_EQ(f.w.zoom, 125);
  EXPECT_TRUE(f.w.mZoom125.checked);
  f.KeyDown(key::KeypadPlus, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, 150);
  f.KeyDown(key::Minus, shift::Ctrl);
  f.KeyDown(key::KeypadMinus, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, 110);
  EXPECT_FALSE(f.w.mZoom100.checked || f.w.mZoom125.checked || f.w.mZoom150.checked || f.w.mZoom200.checked);
  f.KeyDown(key::Zero, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, 100);
  EXPECT_TRUE(f.w.mZoom100.checked);
  for (int i = 0; i < 20; ++i) f.KeyDown(key::Minus, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, Form1::kMinZoom);
  for (int i = 0; i < 20; ++i) f.KeyDown(key::Plus, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, Form1::kMaxZoom);
  // The twips stay as they were; without Ctrl the keys are no zoom keys.
  EXPECT_EQ(f.w.width, width);
  f.KeyDown(key::KeypadZero, shift::Ctrl);
  EXPECT_EQ(f.w.zoom, 100);
  f.KeyDown(key::KeypadPlus, 0);
  EXPECT_EQ(f.w.zoom, 100);
}

TEST(ZoomKeys, ZoomToTakesAnyScaleInTheRange) {
  Harness h;
  Form1& f = h.form;
  EXPECT_TRUE(f.ZoomTo(137));
  EXPECT_EQ(f.w.zoom, 137);
  EXPECT_FALSE(f.ZoomTo(Form1::kMinZoom - 1));
  EXPECT_FALSE(f.ZoomTo(Form1::kMaxZoom + 1));
  EXPECT_EQ(f.w.zoom, 137);
  f.ZoomStep(1);
  EXPECT_EQ(f.w.zoom, 150);
  f.ZoomTo(137);
  f.ZoomStep(-1);
  EXPECT_EQ(f.w.zoom, 125);
  // The menu still offers its four scales alone.
  EXPECT_FALSE(f.SetZoom(137));
}

// The scale that fits a room: the window (12120 x 8160 twips, a menu bar of
// 22 pixels at 100 %) as large as the room allows.
TEST(WindowFit, FitZoomAndStartZoom) {
  const int w = 12120, h = 8160, menu = 22;
  struct Case {
    int roomW, roomH, expected;
  };
  const Case fits[] = {
      {808, 544 + 22, 100},   // exactly the window at 100 %
      {807, 1000, 99},        // a pixel too narrow
      {2000, 600, 106},       // the height limits it
      {1616, 1200, 200},      // 1616 x (1088 + 44)
      {10000, 10000, 400},    // never above the largest scale
      {100, 100, 50},         // never below the smallest
  };
  for (const Case& c : fits) EXPECT_EQ(FitZoom(c.roomW, c.roomH, w, h, menu, 50, 400), c.expected) << c.roomW;
  // A first start at 100 %, smaller on a small screen; a kept scale, smaller
  // when the screen is smaller than it needs.
  EXPECT_EQ(StartZoom(0, 1920, 1080, w, h, menu, 16, 48), 100);
  EXPECT_EQ(StartZoom(0, 800, 600, w, h, menu, 16, 48), 97);
  EXPECT_EQ(StartZoom(200, 2560, 1440, w, h, menu, 16, 48), 200);
  EXPECT_EQ(StartZoom(200, 1366, 768, w, h, menu, 16, 48), 127);
  EXPECT_EQ(StartZoom(150, 1366, 768, w, h, menu, 16, 48), 127);
  EXPECT_EQ(StartZoom(110, 1366, 768, w, h, menu, 16, 48), 110);
}

}  // namespace
}  // namespace tessora
