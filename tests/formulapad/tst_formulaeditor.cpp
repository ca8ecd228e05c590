// The editing model: key presses, as virtual-key codes and modifier states,
// applied to a formula text and its cursor.
#include <QTest>

#include <limits>

#include "formulapad/FormulaEditor.h"

namespace {

struct Press {
  int key;
  int state;
};

// "S+2" is Shift+2, "C+8" Ctrl+8, "A+x" Alt+x, "SC+3" Shift+Ctrl+3; single
// characters are the main-row digits and the letter keys; longer names are
// the other keys.
QList<Press> parsePresses(const QString& spec) {
  static const QHash<QString, int> named = {
      {"BS", Vk::Backspace}, {"LEFT", Vk::Left},       {"RIGHT", Vk::Right},
      {"UP", Vk::Up},        {"DOWN", Vk::Down},       {"HOME", Vk::Home},
      {"END", Vk::End},      {"DEL", Vk::Delete},      {"ENTER", Vk::Return},
      {"SHIFT", Vk::Shift},  {"CTRL", Vk::Control},    {"KP*", Vk::Multiply},
      {"KP+", Vk::Add},      {"KP-", Vk::Subtract},    {"KP/", Vk::Divide},
      {"KP.", Vk::Decimal},  {"CARET", Vk::Caret},     {"OEM+", Vk::OemPlus},
      {"OEM-", Vk::OemMinus}, {"NONE", Vk::None}};
  QList<Press> out;
  for (const QString& token : spec.split(u' ', Qt::SkipEmptyParts)) {
    int state = KeyState::None;
    QString name = token;
    if (const qsizetype plus = token.indexOf(u'+'); plus > 0 && plus + 1 < token.size()) {
      for (QChar m : token.left(plus)) {
        state |= m == u'S' ? KeyState::Shift : m == u'C' ? KeyState::Ctrl : KeyState::Alt;
      }
      name = token.mid(plus + 1);
    }
    int key = Vk::None;
    if (named.contains(name)) {
      key = named.value(name);
    } else if (name.startsWith(QLatin1String("KP")) && name.size() == 3 && name[2].isDigit()) {
      key = Vk::Numpad0 + name[2].digitValue();
    } else if (name.size() == 1 && name[0].isDigit()) {
      key = Vk::Digit0 + name[0].digitValue();
    } else if (name.size() == 1 && name[0].isLetter()) {
      key = Vk::LetterA + (name[0].toUpper().unicode() - u'A');
    } else {
      qFatal("unknown key %s", qPrintable(token));
    }
    out.append({key, state});
  }
  return out;
}

}  // namespace

class TestFormulaEditor : public QObject {
  Q_OBJECT

private slots:
  void pressKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCursor");

    // Writing: the cursor always ends right after the last stored character.
    QTest::newRow("3x squared plus 1") << "" << 0 << "3 X S+2 KP+ 1" << "3xe2+1" << 6;
    QTest::newRow("two raised digits") << "" << 0 << "X S+1 S+2" << "xe1e2" << 5;
    QTest::newRow("appends to a host's text") << "2x" << 0 << "KP- 5" << "2x-5" << 4;
    QTest::newRow("keypad operators") << "" << 0 << "KP* KP+ KP- KP/" << "*+-/" << 4;
    QTest::newRow("ctrl 8 9 0") << "" << 0 << "C+8 X C+9 C+0" << "(x)=" << 4;
    QTest::newRow("ctrl other digits") << "x" << 0 << "C+1 C+2 C+5" << "x" << 1;
    QTest::newRow("shift ctrl digit") << "" << 0 << "SC+3 SC+8" << "" << 0;
    QTest::newRow("alt digit") << "" << 0 << "A+3 SA+3 CA+8" << "" << 0;
    QTest::newRow("shift r ends a root") << "" << 0 << "R X S+R" << "rx;" << 3;
    QTest::newRow("r with ctrl or alt") << "" << 0 << "C+R A+R SC+R" << "rrr" << 3;
    QTest::newRow("letters lower case") << "" << 0 << "A B C K M X Y Z" << "abckmxyz" << 8;
    QTest::newRow("shifted letters") << "" << 0 << "S+A S+X C+Y A+Z" << "axyz" << 4;
    // "e" and "s" would be markers: those keys, like every other letter, write nothing.
    QTest::newRow("unlisted letters") << "" << 0 << "E S D Q W" << "" << 0;
    QTest::newRow("caret with any state") << "" << 0 << "CARET S+CARET" << "^^" << 2;
    QTest::newRow("keypad digits") << "x" << 0 << "KP0 KP1 KP9" << "x" << 1;
    QTest::newRow("main row plus and minus") << "x" << 0 << "OEM+ S+OEM+ OEM-" << "x" << 1;
    QTest::newRow("keys that write nothing")
        << "ab" << 0 << "ENTER DEL HOME END UP DOWN KP. NONE" << "ab" << 2;
    QTest::newRow("modifiers alone") << "x" << 0 << "SHIFT CTRL" << "x" << 1;

    // Backspace: a raised character leaves with its "e".
    QTest::newRow("backspace raised digit") << "3xe2" << 4 << "BS" << "3x" << 2;
    QTest::newRow("backspace second raised") << "xe1e2" << 5 << "BS" << "xe1" << 3;
    QTest::newRow("backspace plain") << "3x+1" << 4 << "BS BS" << "3x" << 2;
    QTest::newRow("backspace to empty") << "xe2" << 3 << "BS BS" << "" << 0;
    QTest::newRow("backspace on empty") << "" << 7 << "BS" << "" << 0;
    QTest::newRow("backspace trailing e") << "xe" << 2 << "BS" << "x" << 1;
    QTest::newRow("backspace one e only") << "ee2" << 3 << "BS" << "e" << 1;

    // The arrows move the cursor, one stored character at a time, within the text.
    QTest::newRow("left") << "3xe2" << 4 << "LEFT LEFT" << "3xe2" << 2;
    QTest::newRow("left at 0") << "3x" << 0 << "LEFT" << "3x" << 0;
    QTest::newRow("right at end") << "3x" << 2 << "RIGHT" << "3x" << 2;
    QTest::newRow("right to the end") << "3x" << 0 << "RIGHT RIGHT RIGHT" << "3x" << 2;
    QTest::newRow("arrows with modifiers") << "abc" << 3 << "S+LEFT C+LEFT A+RIGHT" << "abc" << 2;
    QTest::newRow("typing after left appends") << "3x" << 2 << "LEFT LEFT Y" << "3xy" << 3;
    QTest::newRow("shift alone after left") << "3xe2" << 4 << "LEFT SHIFT" << "3xe2" << 4;
    QTest::newRow("left from outside the text") << "ab" << 9 << "LEFT" << "ab" << 8;
    QTest::newRow("right from below 0") << "ab" << -4 << "RIGHT" << "ab" << -3;
  }

  void pressKeys() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCursor);

    FormulaEditor editor(text, cursor);
    for (const Press& press : parsePresses(keys)) editor.pressKey(press.key, press.state);
    QCOMPARE(editor.text(), expectedText);
    QCOMPARE(editor.cursor(), expectedCursor);
  }

  void textChangedOnlyWhenWritten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("changed");
    QTest::newRow("digit") << "" << "4" << true;
    QTest::newRow("backspace") << "x" << "BS" << true;
    QTest::newRow("backspace on empty") << "" << "BS" << false;
    QTest::newRow("arrow") << "x" << "LEFT" << false;
    QTest::newRow("ctrl 1") << "x" << "C+1" << false;
  }

  void textChangedOnlyWhenWritten() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(bool, changed);
    FormulaEditor editor(text, 0);
    const Press press = parsePresses(key).constFirst();
    editor.pressKey(press.key, press.state);
    QCOMPARE(editor.textChanged(), changed);
  }

  // Right arrow and an int cursor at its upper limit: no overflow.
  void rightArrowAtIntLimit() {
    FormulaEditor editor(QStringLiteral("ab"), std::numeric_limits<int>::max());
    editor.pressKey(Vk::Right, KeyState::None);
    QCOMPARE(editor.cursor(), std::numeric_limits<int>::max());
    editor.pressKey(Vk::Left, KeyState::None);
    QCOMPARE(editor.cursor(), std::numeric_limits<int>::max() - 1);
  }
};

QTEST_APPLESS_MAIN(TestFormulaEditor)
#include "tst_formulaeditor.moc"
