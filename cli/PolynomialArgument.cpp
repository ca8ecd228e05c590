#include "cli/PolynomialArgument.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

#include "engine/core/EngineError.h"
#include "engine/text/WrittenPolynomial.h"
#include "presentation/FormulaSpelling.h"

namespace {

// What the pad's keys write: digits, "e" before a raised digit, the
// operators, the letters of the keyboard, and a root's "r" and ";".
constexpr char16_t kPadKeyCharacters[] = u"0123456789e()=+-*/^abckmxyzr;";

// The character the reader stopped at, as a message shows it: itself, or
// its code point when it would not show.
QString shownCharacter(const std::string& utf8) {
  const QString character = QString::fromStdString(utf8);
  const char32_t code = character.toUcs4().value(0);
  if (character.size() > 0 && QChar::isPrint(code)) return QStringLiteral("«%1»").arg(character);
  return QStringLiteral("U+%1").arg(uint(code), 4, 16, QChar(u'0')).toUpper();
}

// Why `read` is no polynomial, as standard error says it: in the language
// of the run when `translated`, else in Spanish.
QString unreadable(const factorix::WrittenPolynomial& read, bool translated) {
  const auto text = [translated](const char* source) {
    return translated ? QCoreApplication::translate("PolynomialArgument", source) : QString::fromUtf8(source);
  };
  const QString start = text(QT_TRANSLATE_NOOP("PolynomialArgument", "%1: el texto no es un polinomio en x: "))
                            .arg(QCoreApplication::applicationName());
  if (read.character.empty())
    return start + text(QT_TRANSLATE_NOOP("PolynomialArgument", "termina antes de completarse."));
  return start + text(QT_TRANSLATE_NOOP("PolynomialArgument", "no se puede leer %1 (carácter %2)."))
                     .arg(shownCharacter(read.character))
                     .arg(read.position);
}

}  // namespace

bool PolynomialArgument::padCouldHold(QStringView padText) {
  // One look-up per character: a text may run to megabytes.
  static const std::array<bool, 128> isKey = [] {
    std::array<bool, 128> keys{};
    for (const char16_t c : std::u16string_view(kPadKeyCharacters)) keys[c] = true;
    return keys;
  }();
  for (const QChar c : padText)
    if (c.unicode() >= isKey.size() || !isKey[c.unicode()]) return false;
  return true;
}

PolynomialArgument PolynomialArgument::read(const QString& texto) {
  PolynomialArgument argument;
  if (texto.contains(QChar::ReplacementCharacter)) {
    argument.error = factorix::kSyntax;
    return argument;
  }
  const QString padText = FormulaSpelling::toPadText(texto);
  if (padCouldHold(padText)) {
    argument.padText = padText.toStdString();
    return argument;
  }
  const std::string utf8 = texto.toStdString();
  const factorix::WrittenPolynomial read = factorix::ReadWrittenPolynomial(utf8);
  switch (read.status) {
    case factorix::WrittenPolynomial::Status::kRead:
      argument.padText = read.padText;
      break;
    case factorix::WrittenPolynomial::Status::kUnreadable:
      argument.message = unreadable(read, true);
      argument.messageAsWritten = unreadable(read, false);
      break;
    case factorix::WrittenPolynomial::Status::kTooLarge:
      argument.error = factorix::kOverflow;
      break;
  }
  return argument;
}
