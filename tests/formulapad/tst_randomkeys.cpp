// Presses tens of thousands of random key events into a pad: the pad's own
// keys, other keys, every modifier combination, Backspace runs, arrow runs
// and focus changes, from a fixed seed. After each event the pad must hold a
// text the keyboard can write, a cursor within the text, and draw without
// any warning from Qt.
//
// To replay a failure: FACTORIX_RANDOMKEYS_SEED=<seed> [FACTORIX_RANDOMKEYS_STEPS=<n>]
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <array>
#include <initializer_list>
#include <vector>

#include "formulapad/FormulaPad.h"

namespace {

// Everything a key press may append: digits, "e" (always before a digit),
// the operators and parentheses, the letters of the variables, and the root
// markers "r" and ";".
const QString kWritable = QStringLiteral("0123456789e()=+-*/^abckmxyzr;");

QStringList gWarnings;  // Qt warnings seen while the test runs

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg) gWarnings << message;
}

// The keys the generator draws from, weighted by repetition: the pad's keys
// most, then keys that must write nothing.
std::vector<int> KeyPool() {
  std::vector<int> keys;
  for (int round = 0; round < 3; ++round) {
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k) keys.push_back(k);
    for (int k : std::initializer_list<int>{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_K, Qt::Key_M, Qt::Key_R, Qt::Key_X,
                  Qt::Key_Y, Qt::Key_Z, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk,
                  Qt::Key_Slash, Qt::Key_Dead_Grave, Qt::Key_Dead_Circumflex, Qt::Key_AsciiCircum})
      keys.push_back(k);
  }
  for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k) keys.push_back(k);
  // The digit row's shifted symbols on US and Spanish layouts, and other printables.
  for (int k : std::initializer_list<int>{Qt::Key_Exclam, Qt::Key_At, Qt::Key_QuoteDbl, Qt::Key_NumberSign,
                Qt::Key_periodcentered, Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_Ampersand,
                Qt::Key_ParenLeft, Qt::Key_ParenRight, Qt::Key_Equal, Qt::Key_Question,
                Qt::Key_Period, Qt::Key_Comma, Qt::Key_Semicolon, Qt::Key_Colon, Qt::Key_Space,
                Qt::Key_Apostrophe, Qt::Key_QuoteLeft, Qt::Key_Less, Qt::Key_Greater,
                Qt::Key_BracketLeft, Qt::Key_BraceRight, Qt::Key_Backslash, Qt::Key_Bar,
                Qt::Key_Ntilde, Qt::Key_Ccedilla, Qt::Key_Eacute, Qt::Key_twosuperior,
                Qt::Key_masculine, Qt::Key_exclamdown, Qt::Key_questiondown, Qt::Key_multiply,
                Qt::Key_division, Qt::Key_Dead_Acute, Qt::Key_Dead_Diaeresis, Qt::Key_Dead_Tilde})
    keys.push_back(k);
  // Editing, navigation, modifiers alone, function keys and the unknown.
  for (int k : std::initializer_list<int>{Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Delete,
                Qt::Key_Insert, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
                Qt::Key_Escape, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr,
                Qt::Key_Meta, Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Menu, Qt::Key_F1,
                Qt::Key_F10, Qt::Key_F12, Qt::Key_Print, Qt::Key_unknown, 0})
    keys.push_back(k);
  return keys;
}

constexpr std::array<Qt::KeyboardModifier, 6> kModifiers = {
    Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
    Qt::MetaModifier,  Qt::KeypadModifier,  Qt::GroupSwitchModifier};

class RandomKeys {
public:
  RandomKeys(FormulaPad* pad, QWidget* other, quint32 seed)
      : pad_(pad), other_(other), random_(seed), pool_(KeyPool()) {}

  // Runs `steps` random actions; each may press several keys. Stops at the
  // first broken rule and returns false then.
  bool run(int steps) {
    for (step_ = 0; step_ < steps; ++step_) {
      const int roll = int(random_.bounded(100));
      if (roll < 6 || text().size() > 200) {
        // A Backspace run, at times down to the empty text and beyond.
        const int n = text().size() > 200 ? int(text().size()) + 2 : 1 + int(random_.bounded(40));
        for (int i = 0; i < n; ++i)
          if (!press(Qt::Key_Backspace, randomModifiers(), true)) return false;
      } else if (roll < 14) {
        const int key = random_.bounded(2) ? Qt::Key_Left : Qt::Key_Right;
        const int n = 1 + int(random_.bounded(12));
        for (int i = 0; i < n; ++i)
          if (!press(random_.bounded(4) ? key : Qt::Key_Left + Qt::Key_Right - key,
                     randomModifiers(), true))
            return false;
      } else if (roll < 18) {
        if (!changeFocus()) return false;
      } else {
        const int key = pool_[random_.bounded(quint32(pool_.size()))];
        if (!press(key, randomModifiers(), random_.bounded(2) == 0)) return false;
      }
    }
    return true;
  }

  // What went wrong, once run() has returned false.
  const QString& failure() const { return failure_; }
  // The longest text seen: proof that the keys reached the pad at all.
  qsizetype longestText() const { return longest_; }

private:
  QString text() const { return pad_->text(); }

  // Any of the 64 combinations; no modifier and Shift alone more often.
  Qt::KeyboardModifiers randomModifiers() {
    const int roll = int(random_.bounded(10));
    if (roll < 4) return Qt::NoModifier;
    if (roll < 6) return Qt::ShiftModifier;
    if (roll < 7) return Qt::ControlModifier;
    Qt::KeyboardModifiers mods;
    const quint32 bits = random_.bounded(64u);
    for (std::size_t i = 0; i < kModifiers.size(); ++i)
      if (bits & (1u << i)) mods |= kModifiers[i];
    return mods;
  }

  // What a keyboard might send as the event's text, including the control
  // characters that Ctrl produces.
  QString randomText(int key, Qt::KeyboardModifiers mods) {
    switch (random_.bounded(6)) {
      case 0: return {};
      case 1: return QString(QChar(char16_t(random_.bounded(0x20u, 0x250u))));
      case 2: return QStringLiteral("\x7f");
      default:
        if (mods & Qt::ControlModifier) return QString(QChar(char16_t(random_.bounded(1u, 0x20u))));
        if (key >= 0x20 && key < 0x250) return QString(QChar(char16_t(key))).toLower();
        return {};
    }
  }

  bool press(int key, Qt::KeyboardModifiers mods, bool release) {
    // Native codes as xcb and Windows deliver them, or none (synthesised events).
    quint32 scan = 0;
    quint32 vk = 0;
    switch (random_.bounded(5)) {
      case 0: scan = 10 + random_.bounded(10u); break;  // the digit row's XKB keycodes
      case 1: scan = random_.bounded(8u, 256u); break;
      case 2: vk = random_.bounded(2) ? 0x30 + random_.bounded(10u) : random_.bounded(1u, 256u); break;
      default: break;
    }
    const QString text = randomText(key, mods);
    const bool repeat = random_.bounded(20) == 0;
    remember(QStringLiteral("press key=0x%1 mods=0x%2 scan=%3 vk=0x%4 text=%5%6")
                 .arg(key, 0, 16).arg(int(mods), 0, 16).arg(scan).arg(vk, 0, 16)
                 .arg(describe(text), repeat ? QStringLiteral(" repeat") : QString()));

    const State before = state();
    QKeyEvent down(QEvent::KeyPress, key, mods, scan, vk, 0, text, repeat);
    QApplication::sendEvent(pad_, &down);
    if (!checkAfterKey(before, key == Qt::Key_Left || key == Qt::Key_Right)) return false;
    if (release) {
      const State pressed = state();
      QKeyEvent up(QEvent::KeyRelease, key, mods, scan, vk, 0, text, repeat);
      QApplication::sendEvent(pad_, &up);
      if (!checkUnchanged(pressed, QStringLiteral("key release"))) return false;
    }
    return true;
  }

  bool changeFocus() {
    const State before = state();
    QString what;
    switch (random_.bounded(5)) {
      case 0: {
        what = QStringLiteral("focus-in event");
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(pad_, &in);
        break;
      }
      case 1: {
        what = QStringLiteral("focus-out event");
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(pad_, &out);
        break;
      }
      case 2:
        what = QStringLiteral("focus to the line edit");
        other_->setFocus(Qt::TabFocusReason);
        break;
      case 3:
        what = QStringLiteral("focus to the pad");
        pad_->setFocus(Qt::MouseFocusReason);
        break;
      default:
        what = QStringLiteral("LF()");
        pad_->LF();
        break;
    }
    remember(what);
    return checkUnchanged(before, what);
  }

  struct State {
    QString text;
    qlonglong cursor = 0;
  };

  State state() const { return {text(), pad_->cursorPosition()}; }

  bool fail(const QString& what) {
    failure_ = QStringLiteral("step %1: %2\n  text \"%3\" cursor %4\n  last events: %5")
                   .arg(step_).arg(what, text(), QString::number(pad_->cursorPosition()), trail());
    return false;
  }

  // The rules every state must keep, and a redraw that Qt does not warn about.
  bool checkState() {
    const QString t = text();
    longest_ = qMax(longest_, t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
      if (!kWritable.contains(t[i])) return fail(QStringLiteral("character the keyboard cannot write"));
      if (t[i] == u'e' && (i + 1 == t.size() || !t[i + 1].isDigit()))
        return fail(QStringLiteral("\"e\" not followed by a raised digit"));
    }
    const int cursor = pad_->cursorPosition();
    if (cursor < 0 || cursor > t.size()) return fail(QStringLiteral("Cursor outside the text"));
    const QImage picture = pad_->grab().toImage();
    if (picture.isNull()) return fail(QStringLiteral("the pad did not draw"));
    if (!gWarnings.isEmpty()) return fail(QStringLiteral("Qt warned: ") + gWarnings.join(u'\n'));
    return true;
  }

  // A key press appends at the end or removes from the end, one raised digit
  // (two characters) at most; the arrows move the cursor by one at most and
  // leave the text alone.
  bool checkAfterKey(const State& before, bool arrow) {
    if (!checkState()) return false;
    const State now = state();
    if (arrow) {
      if (now.text != before.text) return fail(QStringLiteral("an arrow changed the text"));
      if (qAbs(now.cursor - before.cursor) > 1)
        return fail(QStringLiteral("an arrow moved the cursor by more than one"));
      return true;
    }
    const QString& longer = now.text.size() >= before.text.size() ? now.text : before.text;
    const QString& shorter = now.text.size() >= before.text.size() ? before.text : now.text;
    if (!longer.startsWith(shorter) || longer.size() - shorter.size() > 2)
      return fail(QStringLiteral("a key changed the text other than at its end"));
    return true;
  }

  bool checkUnchanged(const State& before, const QString& what) {
    if (!checkState()) return false;
    const State now = state();
    if (now.text != before.text || now.cursor != before.cursor)
      return fail(what + QStringLiteral(" changed the text or the cursor"));
    return true;
  }

  static QString describe(const QString& text) {
    QString out;
    for (QChar c : text) out += c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return u'"' + out + u'"';
  }

  QString trail() const { return recent_.join(QStringLiteral(" | ")); }

  void remember(const QString& event) {
    recent_ << event;
    if (recent_.size() > 8) recent_.removeFirst();
  }

  FormulaPad* pad_;
  QWidget* other_;
  QRandomGenerator random_;
  std::vector<int> pool_;
  QStringList recent_;  // the last few events, newest last
  QString failure_;
  qsizetype longest_ = 0;
  int step_ = 0;
};

}  // namespace

class TestRandomKeys : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { qInstallMessageHandler(RecordWarnings); }
  void cleanupTestCase() { qInstallMessageHandler(nullptr); }

  void keepsTextAndCursorValid_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    const QByteArray seed = qgetenv("FACTORIX_RANDOMKEYS_SEED");
    if (!seed.isEmpty()) {
      const int steps = qEnvironmentVariableIntValue("FACTORIX_RANDOMKEYS_STEPS");
      QTest::newRow("from the environment") << seed.toUInt() << (steps > 0 ? steps : 20000);
      return;
    }
    QTest::newRow("seed 1") << 1u << 15000;
    QTest::newRow("seed 20260101") << 20260101u << 15000;
    QTest::newRow("seed 4294967295") << 4294967295u << 15000;
  }

  void keepsTextAndCursorValid() {
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* pad = new FormulaPad(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(pad);
    layout->addWidget(other);
    window.resize(480, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    gWarnings.clear();

    RandomKeys keys(pad, other, seed);
    if (!keys.run(steps)) QFAIL(qPrintable(QStringLiteral("seed %1, ").arg(seed) + keys.failure()));
    QVERIFY2(keys.longestText() >= 20, "the key presses wrote next to nothing into the pad");
  }
};

QTEST_MAIN(TestRandomKeys)
#include "tst_randomkeys.moc"
