// Qt key and mouse events expressed as the window's own key codes, button
// numbers and shift masks.
#pragma once

#include <Qt>

class QKeyEvent;

namespace tessora::qt {

// The key code of a key press (digits 48..57, keypad digits 96..105, keypad
// operators 106..111, Delete 46, arrows 37..40, Esc 27, Enter 13, Space 32,
// F1..F12 112..123, letters 65..90, ...); 0 for a key without a code.
int KeyCode(const QKeyEvent& event);

// Shift mask: 1 Shift, 2 Ctrl, 4 Alt (the keypad flag is not a shift).
int ShiftMask(Qt::KeyboardModifiers modifiers);

// A mouse button as a number: 1 left, 2 right, 4 middle; 0 for none.
int ButtonNumber(Qt::MouseButton button);
// The buttons held, as a mask of the same numbers.
int ButtonMask(Qt::MouseButtons buttons);

}  // namespace tessora::qt
