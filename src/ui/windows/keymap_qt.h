#pragma once
// Qt keys to the virtual-key codes the behaviour uses (Escape 27, Enter 13, F2 113,
// F16 127, 'D' 68 ...), in one table.

#include <Qt>

class QKeyEvent;

namespace tikanda {

// The virtual-key code of a Qt key; keypad keys (KeypadModifier) map to the numeric
// pad codes 96-111. 0 when the key has no code.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The virtual-key code of a key event. Keys that the table does not know (letters of
// national layouts such as č or ř) are mapped by their position on the keyboard, as the
// X11 keycode gives it, so that every physical key yields a code.
int virtualKey(const QKeyEvent& event);

// The shift state of handlers: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace tikanda
