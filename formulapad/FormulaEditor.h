#pragma once

#include <QString>

// Windows virtual-key codes and modifier bits: the pad's own key vocabulary,
// whatever the windowing system delivers (see KeyMapper).
namespace Vk {
inline constexpr int None = 0;  // a key the pad has no code for
inline constexpr int Backspace = 8;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;  // Alt
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;  // main row "0".."9": 48..57
inline constexpr int LetterA = 65; // "A".."Z": 65..90
inline constexpr int Numpad0 = 96; // keypad digits: 96..105
inline constexpr int Multiply = 106;
inline constexpr int Add = 107;
inline constexpr int Subtract = 109;
inline constexpr int Decimal = 110;
inline constexpr int Divide = 111;
inline constexpr int Caret = 186;  // VK_OEM_1: the "^" key right of P on the Spanish layout
inline constexpr int OemPlus = 187;
inline constexpr int OemMinus = 189;
}  // namespace Vk

// Modifier state of a key press: a bit set, Shift + Ctrl + Alt.
namespace KeyState {
inline constexpr int None = 0;
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
}  // namespace KeyState

// The editing model of a pad: the formula text and the cursor, changed by
// one key press at a time. Every key that writes appends at the end of the
// text; Backspace removes from the end; the arrows move only the cursor,
// which counts stored characters (markers included). Any other key press
// leaves the cursor right after the last stored character.
class FormulaEditor {
public:
  FormulaEditor() = default;
  FormulaEditor(QString text, int cursor) : text_(std::move(text)), cursor_(cursor) {}

  // Applies the key press (virtual-key code, modifier state) and then places
  // the cursor: after the arrows it stays where they put it, after any other
  // key it is the length of the text. Returns textChanged().
  bool pressKey(int key, int state);

  const QString& text() const { return text_; }
  // A host's text, kept as it is; the cursor stays where it was.
  void setText(const QString& text) { text_ = text; }
  // Stored characters; a host may put it anywhere, even outside the text.
  int cursor() const { return cursor_; }
  void setCursor(int position) { cursor_ = position; }
  // Whether the last key press changed the text.
  bool textChanged() const { return textChanged_; }

  // Whether the key press is one of the editor's own: it writes, deletes or
  // moves the cursor, whatever the text.
  static bool handles(int key, int state);

  // The characters a writing key appends ("" for a key that writes nothing,
  // moves or deletes).
  static QString charactersFor(int key, int state);

private:
  QString text_;
  int cursor_ = 0;
  bool textChanged_ = false;
};
