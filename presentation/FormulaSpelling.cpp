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
