#include "documents/MathMarkup.h"

#include <QRegularExpression>

namespace {

const QChar kMinus(0x2212);

// Rewrites each run of raised digits "e1e2" as open + "12" + close, or,
// when `superscripts` is set, as the superscript digits.
QString raise(const QString& text, const QString& open, const QString& close, bool superscripts) {
  static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('e') || i + 1 >= text.size() || !text[i + 1].isDigit()) {
      out += text[i];
      continue;
    }
    QString run;
    while (i + 1 < text.size() && text[i] == QLatin1Char('e') && text[i + 1].isDigit()) {
      run += superscripts ? QChar(digits[text[i + 1].unicode() - '0']) : text[i + 1];
      i += 2;
    }
    --i;
    out += superscripts ? run : open + run + close;
  }
  return out;
}

}  // namespace

namespace MathMarkup {

QString plain(const QString& padText) { return superscripts(padText).replace(QLatin1Char('-'), kMinus); }

QString superscripts(const QString& padText) { return raise(padText, {}, {}, true); }

QString html(const QString& padText) {
  return raise(escapeHtml(padText), QStringLiteral("<sup>"), QStringLiteral("</sup>"), false)
      .replace(QLatin1Char('-'), kMinus);
}

QString latex(const QString& padText) {
  QString out = raise(padText, QStringLiteral("^{"), QStringLiteral("}"), false);
  out.replace(kMinus, QLatin1Char('-'));
  static const QRegularExpression bracketed(QStringLiteral("\\(([^()]*)\\)/(\\d+)"));
  out.replace(bracketed, QStringLiteral("\\frac{\\1}{\\2}"));
  static const QRegularExpression fraction(QStringLiteral("(\\d*(?:√\\d+)?)/(\\d+)"));
  out.replace(fraction, QStringLiteral("\\frac{\\1}{\\2}"));
  static const QRegularExpression root(QStringLiteral("√(\\d+)"));
  out.replace(root, QStringLiteral("\\sqrt{\\1}"));
  return out;
}

QString escapeHtml(const QString& text) { return text.toHtmlEscaped(); }

QString escapeLatex(const QString& text) {
  QString out;
  for (QChar c : text) {
    switch (c.unicode()) {
      case '\\': out += QStringLiteral("\\textbackslash{}"); break;
      case '{': case '}': case '$': case '&': case '#': case '_': case '%':
        out += QLatin1Char('\\') + c;
        break;
      case '^': out += QStringLiteral("\\textasciicircum{}"); break;
      case '~': out += QStringLiteral("\\textasciitilde{}"); break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace MathMarkup
