// Key events as the editor's key codes: letters by their upper-case letter
// and the digits of the main row by their digit, whatever Shift, Caps Lock
// or the keyboard layout make of them; the keypad's digits are not digits.
#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>

namespace cs {

// The key code of a key event, or -1 for a key the editor has no use for.
// `scanCode` is the window system's code of the key's position (0 when
// unknown); it names the key when Qt's key is a shifted character (Shift+1
// gives '!') or a letter of another alphabet.
int KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode);

}  // namespace cs
