// The keyboard beside the mouse: the arrows in play (Tools > "Arrow Keys in
// Play"), and keys that act as the mouse held on the advice and view buttons.
#include <utility>

#include "ui/form1.h"

namespace tessora {

namespace {

// F5..F10 and the buttons they hold, in the order of the window.
constexpr std::pair<int, const char*> kHeldKeys[] = {
    {key::F5, "Cons1"},   {key::F6, "Cons2"},   {key::F7, "Cons3"},
    {key::F8, "Sugge3b"}, {key::F9, "Sugge3c"}, {key::F10, "Sugge3d"},
};

const char* HeldButtonOf(int keyCode) {
  for (const auto& [code, name] : kHeldKeys)
    if (code == keyCode) return name;
  return nullptr;
}

}  // namespace

bool Form1::MoveCursorByArrow(int keyCode) {
  const int cur = board.CurCell;
  int next;
  switch (keyCode) {
    case key::Left: next = cur == 0 ? 80 : cur - 1; break;
    case key::Right: next = cur == 80 ? 0 : cur + 1; break;
    case key::Up: next = cur / 9 == 0 ? cur + 72 : cur - 9; break;
    case key::Down: next = cur / 9 == 8 ? cur - 72 : cur + 9; break;
    default: return false;
  }
  // As the mouse moving onto the cell: the cell left gets its own background
  // back, the new one keeps its own to get back in turn.
  board.PrevCell = cur;
  w.caN[cur].back = board.CursorBack;
  board.CurCell = next;
  board.CursorBack = w.caN[next].back;
  w.caN[next].back = colour::LightYellow;
  return true;
}

bool Form1::PressByKey(int keyCode, int shiftState) {
  const char* name = HeldButtonOf(keyCode);
  if (!name || shiftState != 0) return false;
  // A key held down repeats: the button is pressed once, until the key is released.
  if (heldKey == keyCode && heldButton == name) return true;
  if (Press(name)) heldKey = heldButton == name ? keyCode : 0;
  return true;
}

void Form1::KeyUp(int keyCode, int /*shiftState*/) {
  if (keyCode == 0 || keyCode != heldKey) return;
  heldKey = 0;
  const char* name = HeldButtonOf(keyCode);
  // Only the press this key made: a mouse press since then is the mouse's.
  if (name && heldButton == name) Release(name);
}

}  // namespace tessora
