#include "documents/MathMarkup.h"

#include <QRegularExpression>

namespace {

const QChar kMinus(0x2212);
// Digits of a number in a LaTeX text between the places a line may break.
constexpr int kDigitsBetweenBreaks = 5;

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

// Writes each run of superscript digits in `text` as open + its digits +
// close, and every other character by `other`.
template <typename Other>
QString lowerRaisedRuns(const QString& text, const QString& open, const QString& close, Other other) {
  static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString out;
  out.reserve(text.size());
  bool raised = false;
  for (const QChar c : text) {
    const qsizetype digit = digits.indexOf(c);
    if ((digit >= 0) != raised) out += raised ? close : open;
    raised = digit >= 0;
    if (raised)
      out += QChar(char16_t(u'0' + digit));
    else
      other(c, out);
  }
  return raised ? out + close : out;
}

// Where a line of a LaTeX text may break besides its spaces, for texts
// that run wider than the page: within a long number after each group of
// its digits, between two factors ")(", and, at a cost, after the sign
// between two terms ("x²+1", not "= −1").
class LatexBreaks {
public:
  void before(QChar c, QString& out) {
    if ((c.isDigit() && digits_ > 0 && digits_ % kDigitsBetweenBreaks == 0) || (c == u'(' && previous_ == u')'))
      out += QStringLiteral("\\allowbreak{}");
    digits_ = c.isDigit() ? digits_ + 1 : 0;
  }
  void after(QChar c, QString& out) {
    if ((c == u'+' || c == kMinus) && !previous_.isNull() && !previous_.isSpace() && previous_ != u'(')
      out += QStringLiteral("\\penalty50{}");
    previous_ = c;
  }

private:
  int digits_ = 0;   // of the run of digits being written
  QChar previous_;  // the character before, or none
};

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

QString htmlOfShown(const QString& shown) {
  return lowerRaisedRuns(escapeHtml(shown), QStringLiteral("<sup>"), QStringLiteral("</sup>"),
                         [](QChar c, QString& out) { out += c; });
}

QString latexOfShown(const QString& shown) {
  return lowerRaisedRuns(escapeLatex(shown), QStringLiteral("\\textsuperscript{"), QStringLiteral("}"),
                         [breaks = LatexBreaks()](QChar c, QString& out) mutable {
                           breaks.before(c, out);
                           switch (c.unicode()) {
                             case 0x2212: out += QStringLiteral("\\ensuremath{-}"); break;
                             case 0x221A: out += QStringLiteral("\\ensuremath{\\surd}"); break;
                             case 0x2248: out += QStringLiteral("\\ensuremath{\\approx}"); break;
                             case 0x0394: out += QStringLiteral("\\ensuremath{\\Delta}"); break;
                             case 0x00B7: out += QStringLiteral("\\ensuremath{\\cdot}"); break;
                             case 0x00B1: out += QStringLiteral("\\ensuremath{\\pm}"); break;
                             case 0x2026: out += QStringLiteral("\\ldots{}"); break;
                             default: out += c;
                           }
                           breaks.after(c, out);
                         });
}

QString latexOfShownNumber(const QString& shown) { return latex(QString(shown).replace(kMinus, QLatin1Char('-'))); }

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
      // The default font encoding has no <, > or | in text: they would print ¡, ¿ and —.
      case '<': out += QStringLiteral("\\ensuremath{<}"); break;
      case '>': out += QStringLiteral("\\ensuremath{>}"); break;
      case '|': out += QStringLiteral("\\ensuremath{|}"); break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace MathMarkup
