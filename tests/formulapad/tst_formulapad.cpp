// The pad as a widget: keys typed into it, the redraw after every key, the
// blinking cursor line and focus, keys it leaves to its window, the
// clipboard's keys, and the right-click menu.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "formulapad/FormulaPad.h"
#include "formulapad/PropertyBag.h"

namespace {

// A window that records the keys its children leave to it.
class Host : public QWidget {
public:
  Host() {
    auto* layout = new QVBoxLayout(this);
    pad = new FormulaPad(this);
    pad->ReadProperties(PropertyBag());
    other = new QWidget(this);
    other->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(pad);
    layout->addWidget(other);
    resize(340, 80);
  }
  FormulaPad* pad;
  QWidget* other;
  QList<int> keysSeen;

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() != Qt::Key_Shift && event->key() != Qt::Key_Control) keysSeen << event->key();
  }
};

struct Key {
  int key;
  Qt::KeyboardModifiers mods;
};

// Qt's synthesised key events carry no native codes: key() alone counts.
QList<Key> parseKeys(const QString& spec) {
  QList<Key> keys;
  for (QString token : spec.split(u' ', Qt::SkipEmptyParts)) {
    Qt::KeyboardModifiers mods;
    for (;;) {
      if (token.startsWith(u"shift+")) mods |= Qt::ShiftModifier;
      else if (token.startsWith(u"ctrl+")) mods |= Qt::ControlModifier;
      else if (token.startsWith(u"kp+")) mods |= Qt::KeypadModifier;
      else break;
      token = token.mid(token.indexOf(u'+') + 1);
    }
    static const QHash<QString, int> named = {
        {"plus", Qt::Key_Plus},       {"minus", Qt::Key_Minus},   {"backspace", Qt::Key_Backspace},
        {"left", Qt::Key_Left},       {"right", Qt::Key_Right},   {"shift", Qt::Key_Shift},
        {"return", Qt::Key_Return},   {"asterisk", Qt::Key_Asterisk}, {"slash", Qt::Key_Slash},
        {"circum", Qt::Key_AsciiCircum}, {"deadgrave", Qt::Key_Dead_Grave}, {"insert", Qt::Key_Insert}};
    int key = named.value(token, 0);
    if (!key && token.size() == 1) key = token[0].toUpper().unicode();
    if (!key) qFatal("unknown key %s", qPrintable(token));
    keys.append({key, mods});
  }
  return keys;
}

void type(QWidget* target, const QString& spec) {
  for (const Key& k : parseKeys(spec)) {
    if (k.key <= 0xffff) {
      QTest::keyClick(target, Qt::Key(k.key), k.mods);
    } else {  // dead keys, which QTest cannot click
      QKeyEvent press(QEvent::KeyPress, k.key, k.mods);
      QApplication::sendEvent(target, &press);
      QKeyEvent release(QEvent::KeyRelease, k.key, k.mods);
      QApplication::sendEvent(target, &release);
    }
  }
}

QTimer* blinkTimer(FormulaPad* pad) { return pad->findChild<QTimer*>(QStringLiteral("pcur")); }

}  // namespace

class TestFormulaPad : public QObject {
  Q_OBJECT

private slots:
  void typing_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("3x squared plus 1") << "3 x shift+2 kp+plus 1" << "3xe2+1" << 6 << u"3x\u00B2+1"_qs;
    QTest::newRow("backspace") << "3 x shift+2 backspace" << "3x" << 2 << "3x";
    QTest::newRow("ctrl digits") << "ctrl+8 x ctrl+9 ctrl+0 ctrl+1" << "(x)=" << 4 << "(x)=";
    QTest::newRow("root") << "2 r x shift+r" << "2rx;" << 4 << u"\u00B2\u221Ax"_qs;
    QTest::newRow("keypad digits and main plus") << "x kp+1 plus minus kp+minus" << "x-" << 2 << "x-";
    QTest::newRow("caret keys") << "x circum deadgrave shift+deadgrave" << "x^^^" << 4 << "x^^^";
    QTest::newRow("arrows") << "a b c left left" << "abc" << 1 << "abc";
    QTest::newRow("letter after arrows") << "a b left y" << "aby" << 3 << "aby";
  }

  void typing() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, drawn);
    Host host;
    type(host.pad, keys);
    QCOMPARE(host.pad->text(), text);
    QCOMPARE(host.pad->cursorPosition(), cursor);
    QCOMPARE(host.pad->accessibleText(), drawn);  // every key redraws
  }

  // Any key, even one that writes nothing, sets the cursor afresh and redraws.
  void keyThatWritesNothingRedraws() {
    Host host;
    host.pad->setText(QStringLiteral("3xe2"));
    QCOMPARE(host.pad->accessibleText(), QString());
    QTest::keyClick(host.pad, Qt::Key_Shift);
    QCOMPARE(host.pad->cursorPosition(), 4);
    QCOMPARE(host.pad->accessibleText(), u"3x\u00B2"_qs);
    QCOMPARE(host.pad->cursorLineX(), 480);  // right after the last cell
  }

  void keysTheWindowGets_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("seen");  // how many reach the window
    QTest::newRow("writing keys") << "3 x shift+2 ctrl+8 kp+plus" << 0;
    QTest::newRow("editing keys") << "backspace left right" << 0;
    QTest::newRow("return") << "return" << 1;
    QTest::newRow("keys that write nothing") << "ctrl+1 kp+1 q" << 3;
  }

  void keysTheWindowGets() {
    QFETCH(QString, keys);
    QFETCH(int, seen);
    Host host;
    type(host.pad, keys);
    QCOMPARE(int(host.keysSeen.size()), seen);
  }

  // The pad's keys go to the pad even when the window has a shortcut on them.
  void padKeysBeforeShortcuts() {
    Host host;
    int fired = 0;
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_8), &host);
    connect(shortcut, &QShortcut::activated, &host, [&fired] { ++fired; });
    auto* other = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &host);
    connect(other, &QShortcut::activated, &host, [&fired] { fired += 10; });
    host.show();
    host.pad->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QTest::keyClick(host.pad, Qt::Key_8, Qt::ControlModifier);
    QCOMPARE(host.pad->text(), QStringLiteral("("));
    QTest::keyClick(host.pad, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(fired, 10);
  }

  void clipboardKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("pastes");        // pasteRequested() signals
    QTest::addColumn<QString>("after");      // the pad's text
    QTest::addColumn<QString>("clipboard");  // "before" when untouched
    QTest::newRow("ctrl+v asks the host") << "3xe2" << "ctrl+v" << 1 << "3xe2" << "before";
    QTest::newRow("shift+insert asks the host") << "3xe2" << "shift+insert" << 1 << "3xe2" << "before";
    QTest::newRow("ctrl+insert copies as seen") << " (x-2) (+2xe2+4x+8)" << "ctrl+insert" << 0
                                                << " (x-2) (+2xe2+4x+8)" << u"(x-2) (+2x\u00B2+4x+8)"_qs;
    QTest::newRow("an empty pad copies nothing") << "" << "ctrl+insert" << 0 << "" << "before";
    QTest::newRow("ctrl+c writes c") << "3xe2" << "ctrl+c" << 0 << "3xe2c" << "before";
    QTest::newRow("insert alone, ctrl+shift+v") << "3xe2" << "insert ctrl+shift+v" << 0 << "3xe2" << "before";
  }

  void clipboardKeys() {
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(int, pastes);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    Host host;
    host.pad->NewText(text);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QSignalSpy pasteSpy(host.pad, &FormulaPad::pasteRequested);
    type(host.pad, keys);
    QCOMPARE(int(pasteSpy.size()), pastes);
    QCOMPARE(host.pad->text(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QVERIFY(host.keysSeen.isEmpty() || keys.startsWith(u"insert"));
  }

  void newPadShowsASteadyCursor() {
    Host host;
    QVERIFY(host.pad->cursorLineVisible());
    QVERIFY(!blinkTimer(host.pad)->isActive());
    QCOMPARE(blinkTimer(host.pad)->interval(), 500);
  }

  void focusBlinksAndLosingItHides() {
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    host.other->setFocus();
    QTRY_VERIFY(host.other->hasFocus());
    QVERIFY(!host.pad->cursorLineVisible());  // the pad lost the focus at some point
    QVERIFY(!blinkTimer(host.pad)->isActive());

    host.pad->setFocus(Qt::TabFocusReason);
    QVERIFY(blinkTimer(host.pad)->isActive());
    QVERIFY(!host.pad->cursorLineVisible());  // hidden for the first 500 ms
    QTRY_VERIFY_WITH_TIMEOUT(host.pad->cursorLineVisible(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!host.pad->cursorLineVisible(), 2000);

    host.other->setFocus(Qt::TabFocusReason);
    QVERIFY(!host.pad->cursorLineVisible());
    QVERIFY(!blinkTimer(host.pad)->isActive());
  }

  void keyRestartsTheBlink() {
    Host host;
    QTimer* timer = blinkTimer(host.pad);
    QTest::keyClick(host.pad, Qt::Key_X);
    QVERIFY(timer->isActive());  // disabled and enabled again
    QTest::qWait(300);
    QVERIFY(timer->remainingTime() < 250);
    const bool visible = host.pad->cursorLineVisible();
    QTest::keyClick(host.pad, Qt::Key_Y);
    QVERIFY(timer->remainingTime() > 400);
    QCOMPARE(host.pad->cursorLineVisible(), visible);  // the flag is left alone
  }

  void lfHidesAndStops() {
    Host host;
    QTest::keyClick(host.pad, Qt::Key_X);
    host.pad->LF();
    QVERIFY(!host.pad->cursorLineVisible());
    QVERIFY(!blinkTimer(host.pad)->isActive());
  }

  void rightPressOpensTheMenu_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << int(Qt::RightButton) << true;
    QTest::newRow("left") << int(Qt::LeftButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
  }

  void rightPressOpensTheMenu() {
    QFETCH(int, button);
    QFETCH(bool, opens);
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::mousePress(host.pad, Qt::MouseButton(button), {}, QPoint(30, 10));
    auto* menu = host.pad->findChild<QMenu*>(QStringLiteral("mPopupmenu"));
    QCOMPARE(menu != nullptr && menu->isVisible(), opens);
    if (!menu) return;
    QCOMPARE(int(menu->actions().size()), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Modo de utilización"));
    // The menu keeps its designed caption, which a popup never shows: not as
    // an item, not as the window's title, not to a screen reader.
    QCOMPARE(menu->title(), QStringLiteral("popupmenu"));
    QVERIFY(!menu->windowTitle().contains(u"popupmenu"));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(spoken);
    QVERIFY(!spoken->text(QAccessible::Name).contains(u"popupmenu"));
    for (int i = 0; i < spoken->childCount(); ++i)
      QVERIFY(!spoken->child(i)->text(QAccessible::Name).contains(u"popupmenu"));
    QVERIFY(qAbs(menu->pos().x() - host.pad->mapToGlobal(QPoint(30, 10)).x()) <= 1);
    menu->hide();
  }

  void menuKeyOpensTheMenu() {
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), host.pad->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(host.pad, &event);
    auto* menu = host.pad->findChild<QMenu*>(QStringLiteral("mPopupmenu"));
    QVERIFY(menu && menu->isVisible());
    menu->hide();
  }

  // The hint leaves room for 27 characters of the pad's own cell width.
  void sizeHintFollowsTheCellWidth_data() {
    QTest::addColumn<QVariant>("cellWidth");
    QTest::addColumn<int>("width");
    QTest::newRow("not loaded") << QVariant() << 224;
    QTest::newRow("default") << QVariant(120) << 224;
    QTest::newRow("narrow") << QVariant(60) << 112;
    QTest::newRow("as text") << QVariant(QStringLiteral("150")) << 280;
    QTest::newRow("not a number") << QVariant(QStringLiteral("ancho")) << 224;
    QTest::newRow("negative") << QVariant(-120) << 224;
  }

  void sizeHintFollowsTheCellWidth() {
    QFETCH(QVariant, cellWidth);
    QFETCH(int, width);
    FormulaPad pad;
    pad.NewCellWidth(cellWidth);
    QCOMPARE(pad.sizeHint(), QSize(width, 21));
  }

  void inputMethodStaysOff() {
    FormulaPad pad;
    QVERIFY(!pad.testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(pad.focusPolicy(), Qt::StrongFocus);
  }
};

QTEST_MAIN(TestFormulaPad)
#include "tst_formulapad.moc"
