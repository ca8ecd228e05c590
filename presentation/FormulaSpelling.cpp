#include "presentation/FormulaSpelling.h"

#include <QHash>

#include "presentation/FormulaLayout.h"

namespace {

// Superscript -> the printable ASCII character the pad raises into it,
// taken from the pad's own table so that both directions agree.
const QHash<QChar, QChar>& raisedCharacters() {
  static const QHash<QChar, QChar> table = [] {
    QHash<QChar, QChar> t;
    for (char16_t c = u'!'; c <= u'~'; ++c) {
      const QChar raised = FormulaLayout::superscript(QChar(c));
      if (raised != QChar(c)) t.insert(raised, QChar(c));
    }
    return t;
  }();
  return table;
}

// The UTF-8 of each printable ASCII character as the pad draws it raised.
struct RaisedUtf8 {
  std::string of[128];
};

const RaisedUtf8& raisedUtf8() {
  static const RaisedUtf8 table = [] {
    RaisedUtf8 t;
    for (char16_t c = u' '; c <= u'~'; ++c) t.of[c] = QString(FormulaLayout::superscript(QChar(c))).toStdString();
    return t;
  }();
  return table;
}

// Whether the layout speaks `text` as "e" raising the next character and
// every other character as itself: printable ASCII without the markers s,
// r and ; (nor a root's index, which comes before an r).
bool spokenByteByByte(std::string_view text) {
  for (const char c : text) {
    if (c < ' ' || c > '~' || c == 's' || c == 'r' || c == ';') return false;
  }
  return true;
}

}  // namespace

QString FormulaSpelling::toPadText(const QString& shown) {
  const QHash<QChar, QChar>& raised = raisedCharacters();
  QString text;
  text.reserve(shown.size());
  for (const QChar c : shown) {
    const auto it = raised.constFind(c);
    if (it == raised.constEnd()) {
      text += c;
    } else {
      text += u'e';
      text += *it;
    }
  }
  return text;
}

QString FormulaSpelling::toSpoken(const QString& padText) {
  // A result pad's stored values; with no drawing area the layout keeps no
  // glyphs, only the spoken text.
  FormulaScene scene;
  scene.text = padText;
  return FormulaLayout::layout(scene).spoken;
}

void FormulaSpelling::appendSpoken(std::string_view padText, std::string& out) {
  if (!spokenByteByByte(padText)) {
    out += toSpoken(QString::fromUtf8(padText.data(), qsizetype(padText.size()))).toStdString();
    return;
  }
  const RaisedUtf8& raised = raisedUtf8();
  out.reserve(out.size() + padText.size() + padText.size() / 2);
  bool raise = false;
  std::size_t copied = 0;  // the plain characters before `i` not yet copied
  for (std::size_t i = 0; i < padText.size(); ++i) {
    const char c = padText[i];
    if (!raise && c != 'e') continue;
    out.append(padText.substr(copied, i - copied));
    copied = i + 1;
    if (c == 'e') {
      raise = true;  // "ee" raises the next character all the same
    } else {
      out += raised.of[static_cast<unsigned char>(c)];
      raise = false;
    }
  }
  out.append(padText.substr(copied));
}
