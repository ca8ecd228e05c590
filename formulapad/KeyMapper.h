#pragma once

#include <QString>

class QKeyEvent;

// A key press in the pad's vocabulary: a Windows virtual-key code (Vk::None
// for a key the pad has no code for) and the modifier state (KeyState bits).
struct PadKey {
  int key = 0;
  int state = 0;
  friend bool operator==(const PadKey&, const PadKey&) = default;
};

// Turns Qt key events into the pad's virtual-key codes.
//
// The main-row digits are found by their physical key, so that Shift+3 is a
// raised 3 on every layout even though key() then shows the shifted symbol
// ("#" on US, "·" on Spanish): on X11 and Wayland by the XKB keycode
// (nativeScanCode() 10..19, 19 being "0"), on Windows by nativeVirtualKey()
// 0x30..0x39. Events without native codes (synthesised ones) fall back to
// key() Key_0..Key_9. The key right of P writes "^" on every layout, found
// the same way (XKB keycode 34, Windows VK_OEM_1), as do the dead grave and
// circumflex keys wherever a layout has them. Keypad keys carry
// Qt::KeypadModifier on X11 and are known by their XKB keycode on Wayland,
// which does not set it; they are never main-row digits. Letters go by key();
// text() is never used, since Ctrl turns it into control characters.
class KeyMapper {
public:
  enum class NativeCodes { None, Xkb, Windows };

  // How the platform plugin named `platformName` fills the native codes.
  static NativeCodes forPlatform(const QString& platformName);

  static PadKey map(const QKeyEvent& event, NativeCodes native);
};
