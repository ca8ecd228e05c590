#include "formulapad/KeyMapper.h"

#include <QKeyEvent>

#include "formulapad/FormulaEditor.h"

namespace {

constexpr quint32 kXkbDigit1 = 10;  // XKB keycodes of the digit row: "1" = 10 .. "0" = 19
constexpr quint32 kXkbDigit0 = 19;
// The key right of P, which writes "^" on every layout: XKB keycode 34 (the
// dead grave on a Spanish keyboard, "[" on a US one), Windows VK_OEM_1
// (Vk::Caret).
constexpr quint32 kXkbCaretKey = 34;
// XKB keycodes of the numeric keypad: "*" 63, the block from KP_7 (79) to
// the decimal point (91, "-" being 82 and "+" 86), Enter 104 and "/" 106.
constexpr quint32 kXkbKeypadMultiply = 63;
constexpr quint32 kXkbKeypadFirst = 79;
constexpr quint32 kXkbKeypadLast = 91;
constexpr quint32 kXkbKeypadEnter = 104;
constexpr quint32 kXkbKeypadDivide = 106;

int modifierState(Qt::KeyboardModifiers mods) {
  int state = KeyState::None;
  if (mods & Qt::ShiftModifier) state |= KeyState::Shift;
  if (mods & Qt::ControlModifier) state |= KeyState::Ctrl;
  if (mods & Qt::AltModifier) state |= KeyState::Alt;
  // AltGr (X11 reports it as the group switch) is Ctrl+Alt, as on Windows:
  // AltGr+2 on a Spanish keyboard is "@", not a 2.
  if (mods & Qt::GroupSwitchModifier) state |= KeyState::Ctrl | KeyState::Alt;
  return state;
}

// The main-row digit pressed, or -1.
int mainRowDigit(const QKeyEvent& event, KeyMapper::NativeCodes native) {
  if (event.modifiers() & Qt::KeypadModifier) return -1;
  const quint32 scan = event.nativeScanCode();
  const quint32 vk = event.nativeVirtualKey();
  if (native == KeyMapper::NativeCodes::Xkb && scan != 0) {
    if (scan >= kXkbDigit1 && scan <= kXkbDigit0) return int((scan - kXkbDigit1 + 1) % 10);
    return -1;
  }
  if (native == KeyMapper::NativeCodes::Windows && vk != 0) {
    if (vk >= quint32(Vk::Digit0) && vk <= quint32(Vk::Digit0 + 9)) return int(vk) - Vk::Digit0;
    return -1;
  }
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  return -1;
}

bool isCaretKey(const QKeyEvent& event, KeyMapper::NativeCodes native) {
  if (native == KeyMapper::NativeCodes::Xkb) return event.nativeScanCode() == kXkbCaretKey;
  if (native == KeyMapper::NativeCodes::Windows) return event.nativeVirtualKey() == quint32(Vk::Caret);
  return false;
}

// Whether the key lies on the numeric keypad. Qt's xcb plugin says so with
// Qt::KeypadModifier; its Wayland plugin (6.4) leaves that out, so on XKB
// platforms the keycode decides as well.
bool onKeypad(const QKeyEvent& event, KeyMapper::NativeCodes native) {
  if (event.modifiers() & Qt::KeypadModifier) return true;
  if (native != KeyMapper::NativeCodes::Xkb) return false;
  const quint32 scan = event.nativeScanCode();
  return scan == kXkbKeypadMultiply || (scan >= kXkbKeypadFirst && scan <= kXkbKeypadLast) ||
         scan == kXkbKeypadEnter || scan == kXkbKeypadDivide;
}

int keypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return Vk::Numpad0 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk: return Vk::Multiply;
    case Qt::Key_Plus: return Vk::Add;
    case Qt::Key_Minus: return Vk::Subtract;
    case Qt::Key_Slash: return Vk::Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return Vk::Decimal;
    default: return Vk::None;
  }
}

// Keys that are the same with or without the keypad (navigation, editing).
int commonKey(int key) {
  switch (key) {
    case Qt::Key_Backspace: return Vk::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Vk::Return;
    case Qt::Key_Shift: return Vk::Shift;
    case Qt::Key_Control: return Vk::Control;
    case Qt::Key_Alt: return Vk::Menu;
    case Qt::Key_End: return Vk::End;
    case Qt::Key_Home: return Vk::Home;
    case Qt::Key_Left: return Vk::Left;
    case Qt::Key_Up: return Vk::Up;
    case Qt::Key_Right: return Vk::Right;
    case Qt::Key_Down: return Vk::Down;
    case Qt::Key_Insert: return Vk::Insert;
    case Qt::Key_Delete: return Vk::Delete;
    default: return Vk::None;
  }
}

}  // namespace

KeyMapper::NativeCodes KeyMapper::forPlatform(const QString& platformName) {
  if (platformName == u"xcb" || platformName.startsWith(u"wayland")) return NativeCodes::Xkb;
  if (platformName == u"windows") return NativeCodes::Windows;
  return NativeCodes::None;
}

PadKey KeyMapper::map(const QKeyEvent& event, NativeCodes native) {
  PadKey out;
  out.state = modifierState(event.modifiers());
  const int key = event.key();

  if (const int digit = mainRowDigit(event, native); digit >= 0) {
    out.key = Vk::Digit0 + digit;
    return out;
  }
  if (isCaretKey(event, native)) {
    out.key = Vk::Caret;
    return out;
  }
  if (const int common = commonKey(key); common != Vk::None) {
    out.key = common;
    return out;
  }
  if (onKeypad(event, native)) {
    out.key = keypadKey(key);
    return out;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    out.key = Vk::LetterA + (key - Qt::Key_A);
  } else if (key == Qt::Key_Dead_Grave || key == Qt::Key_Dead_Circumflex ||
             key == Qt::Key_AsciiCircum) {
    // The key that carries "^" (not on the digit row: that case returned above).
    out.key = Vk::Caret;
  } else if (key == Qt::Key_Plus) {
    out.key = Vk::OemPlus;
  } else if (key == Qt::Key_Minus) {
    out.key = Vk::OemMinus;
  }
  return out;
}
