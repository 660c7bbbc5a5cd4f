#include "app/ui/key_codes.h"

#include <QGuiApplication>

#include "edit/keyboard.h"

namespace cs {

namespace {

// The X keyboard's codes for the key positions of the main block (the evdev
// codes plus 8, the same for every layout): the digit row and the three
// letter rows, read as on a US keyboard.
int positionKey(quint32 scanCode) {
  static constexpr char kDigits[] = "1234567890";
  static constexpr char kTop[] = "QWERTYUIOP";
  static constexpr char kMiddle[] = "ASDFGHJKL";
  static constexpr char kBottom[] = "ZXCVBNM";
  if (scanCode >= 10 && scanCode <= 19) return kDigits[scanCode - 10];
  if (scanCode >= 24 && scanCode <= 33) return kTop[scanCode - 24];
  if (scanCode == 34) return vk::BracketLeft;
  if (scanCode == 35) return vk::BracketRight;
  if (scanCode >= 38 && scanCode <= 46) return kMiddle[scanCode - 38];
  if (scanCode >= 52 && scanCode <= 58) return kBottom[scanCode - 52];
  return -1;
}

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

}  // namespace

int KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
  const bool keypad = modifiers & Qt::KeypadModifier;
  switch (qtKey) {
    case Qt::Key_Escape: return vk::Esc;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Enter;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Delete: return keypad ? -1 : vk::Delete;
    case Qt::Key_F12: return vk::F12;
    case Qt::Key_BracketLeft: return vk::BracketLeft;
    case Qt::Key_BracketRight: return vk::BracketRight;
    case Qt::Key_Left: return keypad ? -1 : vk::Left;
    case Qt::Key_Up: return keypad ? -1 : vk::Up;
    case Qt::Key_Right: return keypad ? -1 : vk::Right;
    case Qt::Key_Down: return keypad ? -1 : vk::Down;
    default: break;
  }
  if (keypad) return -1;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  // A shifted character or a letter of another alphabet: the key's position.
  return scanCode != 0 && onX11() ? positionKey(scanCode) : -1;
}

}  // namespace cs
