#include "formulapad/FormulaEditor.h"

#include <limits>

QString FormulaEditor::charactersFor(int key, int state) {
  if (key >= Vk::Digit0 && key <= Vk::Digit0 + 9) {
    const QChar digit(char16_t(u'0' + (key - Vk::Digit0)));
    switch (state) {
      case KeyState::None:
        return QString(digit);
      case KeyState::Shift:  // a raised digit
        return QStringLiteral("e") + digit;
      case KeyState::Ctrl:
        if (digit == u'8') return QStringLiteral("(");
        if (digit == u'9') return QStringLiteral(")");
        if (digit == u'0') return QStringLiteral("=");
        return {};
      default:
        return {};
    }
  }
  switch (key) {
    case Vk::Multiply: return QStringLiteral("*");
    case Vk::Add: return QStringLiteral("+");
    case Vk::Subtract: return QStringLiteral("-");
    case Vk::Divide: return QStringLiteral("/");
    case Vk::Caret: return QStringLiteral("^");
    case Vk::LetterA + ('A' - 'A'):
    case Vk::LetterA + ('B' - 'A'):
    case Vk::LetterA + ('C' - 'A'):
    case Vk::LetterA + ('K' - 'A'):
    case Vk::LetterA + ('M' - 'A'):
    case Vk::LetterA + ('X' - 'A'):
    case Vk::LetterA + ('Y' - 'A'):
    case Vk::LetterA + ('Z' - 'A'):
      return QString(QChar(char16_t(u'a' + (key - Vk::LetterA))));
    case Vk::LetterA + ('R' - 'A'):  // Shift+R ends a root, R starts one
      return state == KeyState::Shift ? QStringLiteral(";") : QStringLiteral("r");
    default:
      return {};
  }
}

bool FormulaEditor::handles(int key, int state) {
  return key == Vk::Backspace || key == Vk::Left || key == Vk::Right || !charactersFor(key, state).isEmpty();
}

bool FormulaEditor::pressKey(int key, int state) {
  bool cursorMoved = false;
  textChanged_ = false;
  switch (key) {
    case Vk::Backspace:
      // A raised character goes together with its "e".
      if (!text_.isEmpty()) {
        text_.chop(1);
        if (text_.endsWith(u'e')) text_.chop(1);
        textChanged_ = true;
      }
      break;
    case Vk::Left:
      if (cursor_ > 0) --cursor_;
      cursorMoved = true;
      break;
    case Vk::Right:
      if (cursor_ < text_.size()) ++cursor_;
      cursorMoved = true;
      break;
    default: {
      const QString written = charactersFor(key, state);
      if (!written.isEmpty()) {
        text_ += written;
        textChanged_ = true;
      }
    }
  }
  if (!cursorMoved) cursor_ = int(qMin<qsizetype>(text_.size(), std::numeric_limits<int>::max()));
  return textChanged_;
}
