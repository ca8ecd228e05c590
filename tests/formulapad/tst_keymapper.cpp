// Qt key events, as X11, Windows and synthesised events really carry them,
// turned into the pad's virtual-key codes; and whole key sequences typed on
// the US and Spanish layouts under X11, through the mapper and the editor.
#include <QKeyEvent>
#include <QTest>

#include "formulapad/FormulaEditor.h"
#include "formulapad/KeyMapper.h"

Q_DECLARE_METATYPE(KeyMapper::NativeCodes)

namespace {

using Native = KeyMapper::NativeCodes;

// One physical key of an X11 layout: its XKB keycode (nativeScanCode) and
// key() without and with Shift. Values measured with xdotool under Xvfb.
struct X11Key {
  quint32 scan;
  int plain;
  int shifted;
  bool keypad = false;
};

using Layout = QHash<QString, X11Key>;

Layout commonKeys() {
  Layout keys;
  const char* letters = "qwertyuiopasdfghjklzxcvbnm";
  const quint32 scans[] = {24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 38, 39, 40,
                           41, 42, 43, 44, 45, 46, 52, 53, 54, 55, 56, 57, 58};
  for (int i = 0; i < 26; ++i) {
    const int key = Qt::Key_A + (letters[i] - 'a');
    keys.insert(QString(QChar(letters[i])), {scans[i], key, key});
  }
  keys.insert("KP_Add", {86, Qt::Key_Plus, Qt::Key_Plus, true});
  keys.insert("KP_Subtract", {82, Qt::Key_Minus, Qt::Key_Minus, true});
  keys.insert("KP_Multiply", {63, Qt::Key_Asterisk, Qt::Key_Asterisk, true});
  keys.insert("KP_Divide", {106, Qt::Key_Slash, Qt::Key_Slash, true});
  const quint32 keypadDigits[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};  // KP_0..KP_9
  for (int d = 0; d < 10; ++d) {
    keys.insert(QStringLiteral("KP_%1").arg(d), {keypadDigits[d], Qt::Key_0 + d, Qt::Key_0 + d, true});
  }
  keys.insert("BackSpace", {22, Qt::Key_Backspace, Qt::Key_Backspace});
  keys.insert("Left", {113, Qt::Key_Left, Qt::Key_Left});
  keys.insert("Right", {114, Qt::Key_Right, Qt::Key_Right});
  keys.insert("Return", {36, Qt::Key_Return, Qt::Key_Return});
  keys.insert("Shift_L", {50, Qt::Key_Shift, Qt::Key_Shift});
  keys.insert("Control_L", {37, Qt::Key_Control, Qt::Key_Control});
  return keys;
}

Layout usLayout() {
  Layout keys = commonKeys();
  const int shifted[] = {Qt::Key_ParenRight, Qt::Key_Exclam,     Qt::Key_At,       Qt::Key_NumberSign,
                         Qt::Key_Dollar,     Qt::Key_Percent,    Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                         Qt::Key_Asterisk,   Qt::Key_ParenLeft};
  for (int d = 0; d < 10; ++d) {
    keys.insert(QString::number(d), {d == 0 ? 19u : quint32(9 + d), Qt::Key_0 + d, shifted[d]});
  }
  keys.insert("minus", {20, Qt::Key_Minus, Qt::Key_Underscore});
  keys.insert("equal", {21, Qt::Key_Equal, Qt::Key_Plus});
  keys.insert("bracketleft", {34, Qt::Key_BracketLeft, Qt::Key_BraceLeft});
  return keys;
}

Layout esLayout() {
  Layout keys = commonKeys();
  const int shifted[] = {Qt::Key_Equal,      Qt::Key_Exclam,  Qt::Key_QuoteDbl, Qt::Key_periodcentered,
                         Qt::Key_Dollar,     Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Slash,
                         Qt::Key_ParenLeft,  Qt::Key_ParenRight};
  for (int d = 0; d < 10; ++d) {
    keys.insert(QString::number(d), {d == 0 ? 19u : quint32(9 + d), Qt::Key_0 + d, shifted[d]});
  }
  keys.insert("apostrophe", {20, Qt::Key_Apostrophe, Qt::Key_Question});
  keys.insert("dead_grave", {34, Qt::Key_Dead_Grave, Qt::Key_Dead_Circumflex});
  keys.insert("plus", {35, Qt::Key_Plus, Qt::Key_Asterisk});
  keys.insert("minus", {61, Qt::Key_Minus, Qt::Key_Underscore});
  return keys;
}

// xdotool-style key names, "shift+3", "ctrl+8", "ctrl+shift+3", turned into
// the key-press events that Qt's xcb plugin delivers for them; its Wayland
// plugin delivers the same without Qt::KeypadModifier.
QList<QKeyEvent*> x11Events(const Layout& layout, const QString& sequence, bool wayland) {
  QList<QKeyEvent*> events;
  for (const QString& token : sequence.split(u' ', Qt::SkipEmptyParts)) {
    QStringList parts = token.split(u'+');
    const QString name = parts.takeLast();
    Qt::KeyboardModifiers mods;
    for (const QString& m : parts) {
      mods |= m == u"shift" ? Qt::ShiftModifier : m == u"ctrl" ? Qt::ControlModifier : Qt::AltModifier;
    }
    if (!layout.contains(name)) qFatal("no key %s on this layout", qPrintable(name));
    const X11Key key = layout.value(name);
    if (key.keypad && !wayland) mods |= Qt::KeypadModifier;
    const int qtKey = (mods & Qt::ShiftModifier) ? key.shifted : key.plain;
    events.append(new QKeyEvent(QEvent::KeyPress, qtKey, mods, key.scan, 0, 0));
  }
  return events;
}

QString typeOn(const Layout& layout, const QString& sequence, bool wayland, int* cursor) {
  FormulaEditor editor(QString(), 0);
  const QList<QKeyEvent*> events = x11Events(layout, sequence, wayland);
  for (QKeyEvent* event : events) {
    const PadKey key = KeyMapper::map(*event, Native::Xkb);
    editor.pressKey(key.key, key.state);
  }
  qDeleteAll(events);
  *cursor = editor.cursor();
  return editor.text();
}

}  // namespace

class TestKeyMapper : public QObject {
  Q_OBJECT

private slots:
  void map_data() {
    QTest::addColumn<Native>("native");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("scan");
    QTest::addColumn<uint>("nativeVk");
    QTest::addColumn<int>("expectedKey");
    QTest::addColumn<int>("expectedState");

    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    const int keypad = Qt::KeypadModifier;
    // X11: the digit row by keycode, whatever symbol key() shows.
    QTest::newRow("xcb us shift 3") << Native::Xkb << int(Qt::Key_NumberSign) << shift << 12u << 0u << 51 << 1;
    QTest::newRow("xcb es shift 3") << Native::Xkb << int(Qt::Key_periodcentered) << shift << 12u << 0u << 51 << 1;
    QTest::newRow("xcb es shift 0") << Native::Xkb << int(Qt::Key_Equal) << shift << 19u << 0u << 48 << 1;
    QTest::newRow("xcb us shift 6") << Native::Xkb << int(Qt::Key_AsciiCircum) << shift << 15u << 0u << 54 << 1;
    QTest::newRow("xcb ctrl 8") << Native::Xkb << int(Qt::Key_8) << ctrl << 17u << 0u << 56 << 2;
    QTest::newRow("xcb es ctrl shift 3") << Native::Xkb << int(Qt::Key_periodcentered) << (shift | ctrl) << 12u << 0u << 51 << 3;
    QTest::newRow("xcb keypad add") << Native::Xkb << int(Qt::Key_Plus) << keypad << 86u << 0u << 107 << 0;
    QTest::newRow("xcb keypad subtract") << Native::Xkb << int(Qt::Key_Minus) << keypad << 82u << 0u << 109 << 0;
    QTest::newRow("xcb keypad 3") << Native::Xkb << int(Qt::Key_3) << keypad << 89u << 0u << 99 << 0;
    QTest::newRow("xcb es main plus") << Native::Xkb << int(Qt::Key_Plus) << 0 << 35u << 0u << 187 << 0;
    QTest::newRow("xcb us shift equal") << Native::Xkb << int(Qt::Key_Plus) << shift << 21u << 0u << 187 << 1;
    QTest::newRow("xcb es dead grave") << Native::Xkb << int(Qt::Key_Dead_Grave) << 0 << 34u << 0u << 186 << 0;
    QTest::newRow("xcb es dead circumflex") << Native::Xkb << int(Qt::Key_Dead_Circumflex) << shift << 34u << 0u << 186 << 1;
    // The key right of P writes "^" by its keycode, whatever the layout puts on it.
    QTest::newRow("xcb us bracketleft") << Native::Xkb << int(Qt::Key_BracketLeft) << 0 << 34u << 0u << 186 << 0;
    QTest::newRow("xcb us braceleft") << Native::Xkb << int(Qt::Key_BraceLeft) << shift << 34u << 0u << 186 << 1;
    QTest::newRow("xcb ctrl keycode 34") << Native::Xkb << int(Qt::Key_BracketLeft) << ctrl << 34u << 0u << 186 << 2;
    QTest::newRow("xcb us keycode 35 is not it") << Native::Xkb << int(Qt::Key_BracketRight) << 0 << 35u << 0u << 0 << 0;
    QTest::newRow("xcb shift r") << Native::Xkb << int(Qt::Key_R) << shift << 27u << 0u << 82 << 1;
    QTest::newRow("xcb alt x") << Native::Xkb << int(Qt::Key_X) << int(Qt::AltModifier) << 53u << 0u << 88 << 4;
    QTest::newRow("xcb meta x") << Native::Xkb << int(Qt::Key_X) << int(Qt::MetaModifier) << 53u << 0u << 88 << 0;
    QTest::newRow("xcb es altgr 2") << Native::Xkb << int(Qt::Key_At) << int(Qt::GroupSwitchModifier) << 11u << 0u << 50 << 6;
    QTest::newRow("xcb backspace") << Native::Xkb << int(Qt::Key_Backspace) << 0 << 22u << 0u << 8 << 0;
    // A synthesised event under X11 has no keycode: key() decides.
    QTest::newRow("xcb synthesised 3") << Native::Xkb << int(Qt::Key_3) << shift << 0u << 0u << 51 << 1;
    // Windows: the digit row by virtual key.
    QTest::newRow("windows shift 3") << Native::Windows << int(Qt::Key_NumberSign) << shift << 4u << 0x33u << 51 << 1;
    QTest::newRow("windows shift 0, first of the row") << Native::Windows << int(Qt::Key_ParenRight) << shift << 11u
                                                       << 0x30u << 48 << 1;
    QTest::newRow("windows shift 9, last of the row") << Native::Windows << int(Qt::Key_ParenLeft) << shift << 10u
                                                      << 0x39u << 57 << 1;
    QTest::newRow("windows past the row") << Native::Windows << int(Qt::Key_Colon) << 0 << 39u << 0x3Au << 0 << 0;
    QTest::newRow("windows keypad add") << Native::Windows << int(Qt::Key_Plus) << keypad << 78u << 0x6Bu << 107 << 0;
    QTest::newRow("windows oem 1") << Native::Windows << int(Qt::Key_Semicolon) << 0 << 39u << 0xBAu << 186 << 0;
    QTest::newRow("windows keypad 7") << Native::Windows << int(Qt::Key_7) << keypad << 71u << 0x67u << 103 << 0;
    // No native codes (QTest): key() only, and Key_0..Key_9 only without the keypad.
    QTest::newRow("qtest shift 2") << Native::None << int(Qt::Key_2) << shift << 0u << 0u << 50 << 1;
    QTest::newRow("qtest keypad 2") << Native::None << int(Qt::Key_2) << keypad << 0u << 0u << 98 << 0;
    QTest::newRow("qtest keypad divide") << Native::None << int(Qt::Key_Slash) << keypad << 0u << 0u << 111 << 0;
    QTest::newRow("qtest keypad enter") << Native::None << int(Qt::Key_Enter) << keypad << 0u << 0u << 13 << 0;
    QTest::newRow("qtest asciicircum") << Native::None << int(Qt::Key_AsciiCircum) << shift << 0u << 0u << 186 << 1;
    QTest::newRow("qtest number sign") << Native::None << int(Qt::Key_NumberSign) << shift << 0u << 0u << 0 << 1;
    // Native codes of another platform are not read.
    QTest::newRow("none ignores keycode") << Native::None << int(Qt::Key_NumberSign) << shift << 12u << 0x33u << 0 << 1;
  }

  void map() {
    QFETCH(Native, native);
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(uint, scan);
    QFETCH(uint, nativeVk);
    QFETCH(int, expectedKey);
    QFETCH(int, expectedState);
    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers), scan, nativeVk, 0);
    const PadKey mapped = KeyMapper::map(event, native);
    QCOMPARE(mapped.key, expectedKey);
    QCOMPARE(mapped.state, expectedState);
  }

  void forPlatform_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<Native>("expected");
    QTest::newRow("xcb") << "xcb" << Native::Xkb;
    QTest::newRow("wayland") << "wayland-egl" << Native::Xkb;
    QTest::newRow("windows") << "windows" << Native::Windows;
    QTest::newRow("offscreen") << "offscreen" << Native::None;
  }

  void forPlatform() {
    QFETCH(QString, platform);
    QFETCH(Native, expected);
    QCOMPARE(KeyMapper::forPlatform(platform), expected);
  }

  void typeOnX11_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCursor");

    for (const char* layout : {"us", "es", "us wayland", "es wayland"}) {
      auto row = [layout](const char* name) -> QTestData& { return QTest::addRow("%s: %s", layout, name) << QString::fromLatin1(layout); };
      row("3x squared plus 1") << "3 x shift+2 KP_Add 1" << "3xe2+1" << 6;
      row("2x cubed to 16") << "2 x shift+3 KP_Add 0 x shift+2 KP_Subtract 1 6" << "2xe3+0xe2-16" << 12;
      row("backspace raised digit") << "3 x shift+2 BackSpace" << "3x" << 2;
      row("parentheses and equals") << "ctrl+8 x ctrl+9 ctrl+0" << "(x)=" << 4;
      row("ctrl other digits") << "ctrl+1 ctrl+2 ctrl+shift+3" << "" << 0;
      row("root") << "2 r x shift+r" << "2rx;" << 4;
      row("every shifted digit") << "x shift+1 shift+2 shift+3 shift+4 shift+5 shift+6 shift+7 shift+8 shift+9 shift+0"
                                 << "xe1e2e3e4e5e6e7e8e9e0" << 21;
      row("keypad digits write nothing") << "KP_1 KP_0 KP_9" << "" << 0;
      row("keypad operators") << "KP_Multiply KP_Divide" << "*/" << 2;
      row("modifiers alone") << "x Left Shift_L" << "x" << 1;
      row("arrows then a letter") << "a b Left Left Right y" << "aby" << 3;
      row("capital letters") << "shift+x shift+y" << "xy" << 2;
    }
    QTest::newRow("us: main row plus writes nothing") << "us" << "x shift+equal minus" << "x" << 1;
    QTest::newRow("es: main row plus writes nothing") << "es" << "x plus minus" << "x" << 1;
    QTest::newRow("es: caret key") << "es" << "x dead_grave 2" << "x^2" << 3;
    QTest::newRow("es: shifted caret key") << "es" << "x shift+dead_grave 2" << "x^2" << 3;
    QTest::newRow("us: key right of p") << "us" << "x bracketleft 2" << "x^2" << 3;
    QTest::newRow("us: shifted key right of p") << "us" << "x shift+bracketleft" << "x^" << 2;
  }

  void typeOnX11() {
    QFETCH(QString, layout);
    QFETCH(QString, keys);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCursor);
    int cursor = -1;
    const bool wayland = layout.endsWith(u" wayland");
    QCOMPARE(typeOn(layout.startsWith(u"us") ? usLayout() : esLayout(), keys, wayland, &cursor), expectedText);
    QCOMPARE(cursor, expectedCursor);
  }
};

QTEST_MAIN(TestKeyMapper)
#include "tst_keymapper.moc"
