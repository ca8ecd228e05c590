#include "presentation/FormulaSpelling.h"

#include <QHash>

#include <cstdint>
#include <cstring>

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
  // Eight bytes at a time, the tests of each byte done on the whole word
  // at once: lines run to megabytes.
  constexpr std::uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
  const auto anyZero = [](std::uint64_t w) { return (w - ones) & ~w & highs; };
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, text.data() + i, 8);
    const std::uint64_t below = (w - ones * ' ') & ~w & highs;    // a byte under ' '
    const std::uint64_t above = ((w + ones * (127 - '~')) | w) & highs;  // a byte over '~'
    if ((below | above | anyZero(w ^ (ones * 's')) | anyZero(w ^ (ones * 'r')) | anyZero(w ^ (ones * ';'))) != 0) {
      return false;
    }
  }
  for (; i < text.size(); ++i) {
    const char c = text[i];
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
    if (c.unicode() < 0x80) {  // no raised character is ASCII
      text += c;
      continue;
    }
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
  // The plain runs between the markers are copied whole (a line is mostly
  // digits); "ee" raises the next character all the same, and a marker at
  // the end raises nothing.
  std::size_t copied = 0;  // the characters before it are written
  for (std::size_t e = padText.find('e'); e != std::string_view::npos; e = padText.find('e', copied)) {
    out.append(padText.substr(copied, e - copied));
    const std::size_t next = padText.find_first_not_of('e', e);
    if (next == std::string_view::npos) return;
    out += raised.of[static_cast<unsigned char>(padText[next])];
    copied = next + 1;
  }
  out.append(padText.substr(copied));
}
