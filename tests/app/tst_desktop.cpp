#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <cmath>
#include <functional>
#include <memory>

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/LinkOpener.h"
#include "app/RuffiniTableView.h"
#include "app/SolutionDialog.h"
#include "app/SolutionOpener.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/pupupHelp.h"
#include "tests/app/MainWindowFixture.h"

// The program on a desktop: the usual keys, and its captions under the
// desktop's font size.
class TestDesktop : public QObject {
  Q_OBJECT

private slots:
  void keysOpenAndEscapeCloses_data();
  void keysOpenAndEscapeCloses();
  void padKeysReachNoShortcut();
  void linkOpenerFails_data();
  void linkOpenerFails();
  void captionsFit_data();
  void captionsFit();
  void darkPaletteReadable();
};

namespace {

// Where a widget draws its caption, in the coordinates of `window`; null
// for widgets without one.
QRect captionRect(QWidget* widget, QWidget* window) {
  QRect local;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text().isEmpty()) return {};
    local = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), int(label->alignment()),
                                         true, label->text());
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    local = button->style()->itemTextRect(button->fontMetrics(), contents, Qt::AlignCenter, true, button->text());
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    local = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  } else {
    return {};
  }
  return QRect(widget->mapTo(window, local.topLeft()), local.size());
}

QRect rectIn(QWidget* widget, QWidget* window) { return QRect(widget->mapTo(window, QPoint()), widget->size()); }

// What of `widget` must stay clear of the rest: its caption, or the whole of
// a pad, a strip or a button; null for plain containers.
QRect areaOf(QWidget* widget, QWidget* window) {
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<FormulaPad*>(widget) ||
      widget->inherits("FlatContainer"))
    return rectIn(widget, window);
  return captionRect(widget, window);
}

// Every caption lies inside its own widget and the widgets that hold it, and
// clear of every other caption and control; a frame's title clear of what
// it holds. Returns the first fault, or an empty text.
QString captionFault(QWidget* window) {
  QList<QWidget*> widgets;
  for (QWidget* widget : window->findChildren<QWidget*>())
    if (widget->isVisibleTo(window) && !areaOf(widget, window).isNull()) widgets << widget;
  for (QWidget* widget : widgets) {
    const QRect caption = captionRect(widget, window);
    for (QWidget* holder = widget; !caption.isNull() && holder != window; holder = holder->parentWidget()) {
      if (!rectIn(holder, window).contains(caption))
        return QStringLiteral("%1's caption %2 is cut by %3 %4")
            .arg(widget->objectName(), QDebug::toString(caption), holder->objectName(),
                 QDebug::toString(rectIn(holder, window)));
    }
    const QRect area = areaOf(widget, window);
    for (QWidget* other : widgets) {
      if (other == widget || (other->isAncestorOf(widget) && !qobject_cast<QGroupBox*>(other)) ||
          (widget->isAncestorOf(other) && !qobject_cast<QGroupBox*>(widget)))
        continue;
      const QRect otherArea = areaOf(other, window);
      if (area.intersects(otherArea))
        return QStringLiteral("%1 %2 meets %3 %4")
            .arg(widget->objectName(), QDebug::toString(area), other->objectName(), QDebug::toString(otherArea));
    }
  }
  return {};
}

// Counts the shortcuts and mnemonics that fire while it lives.
struct ShortcutCounter : QObject {
  int fired = 0;
  ShortcutCounter() { qApp->installEventFilter(this); }
  ~ShortcutCounter() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Shortcut) ++fired;
    return false;
  }
};

// Runs `open`; the first modal window it opens, while it runs or within
// `waitMs`, is read, then sent Escape through its focus widget. Returns that
// window's title ("" for none) and whether Escape closed it.
std::pair<QString, bool> escapeFirstModal(const std::function<void()>& open, int waitMs = 200) {
  QString title;
  bool closed = false;
  QTimer poll;
  poll.setInterval(5);  // ms
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !title.isNull()) return;
    title = modal->windowTitle();
    QPointer<QWidget> watched = modal;
    QWidget* focus = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(focus, Qt::Key_Escape);
    closed = !watched || !watched->isVisible();
    if (watched && watched->isVisible()) watched->close();  // so that the test goes on
  });
  poll.start();
  open();
  // A window opened with open() rather than exec() shows after `open`.
  if (waitMs > 0) static_cast<void>(QTest::qWaitFor([&] { return !title.isNull(); }, waitMs));  // none may come
  return {title.isNull() ? QString() : title, closed};
}

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb rgb) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour in `area` of `picture`: the background there.
QRgb commonest(const QImage& picture, const QRect& area) {
  QHash<QRgb, int> counts;
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[picture.pixel(x, y)];
  QRgb background = 0;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), background = it.key();
  return background;
}

// The contrast of the text drawn in `area` of `picture`: its ink is the
// pixel most unlike the background. 1 when nothing is drawn.
double inkContrast(const QImage& picture, const QRect& area) {
  const QRgb background = commonest(picture, area);
  double best = 1;
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) best = std::max(best, contrast(picture.pixel(x, y), background));
  return best;
}

// Dark colours as GNOME's dark theme gives them; its link colour is too
// dim for text on the window colour.
QPalette darkPalette() {
  QPalette dark;
  const QColor window(0x35, 0x35, 0x35), text(0xee, 0xee, 0xec), base(0x2a, 0x2a, 0x2a);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    dark.setColor(group, QPalette::Window, window);
    dark.setColor(group, QPalette::WindowText, text);
    dark.setColor(group, QPalette::Base, base);
    dark.setColor(group, QPalette::AlternateBase, window);
    dark.setColor(group, QPalette::Text, text);
    dark.setColor(group, QPalette::Button, window);
    dark.setColor(group, QPalette::ButtonText, text);
    dark.setColor(group, QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(group, QPalette::Light, window.lighter(150));
    dark.setColor(group, QPalette::Midlight, window.lighter(125));
    dark.setColor(group, QPalette::Mid, window.darker(130));
    dark.setColor(group, QPalette::Dark, window.darker(150));
    dark.setColor(group, QPalette::Shadow, Qt::black);
    dark.setColor(group, QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  return dark;
}

// Every caption, formula pad and Ruffini table of `window`, with its place
// in the window.
QList<std::pair<QWidget*, QRect>> textAreas(QWidget* window) {
  QList<std::pair<QWidget*, QRect>> areas;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    const bool painted = qobject_cast<FormulaPad*>(widget) || qobject_cast<RuffiniTableView*>(widget);
    const QRect area = painted ? rectIn(widget, window) : captionRect(widget, window);
    if (!area.isNull()) areas.append({widget, area});
  }
  return areas;
}

}  // namespace

void TestDesktop::keysOpenAndEscapeCloses_data() {
  QTest::addColumn<QString>("focus");  // the control with the focus; "" for a key that is not typed
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("title");
  const int none = Qt::NoModifier;
  const int ctrl = Qt::ControlModifier;
  QTest::newRow("F1 in the pad") << "dividendo" << int(Qt::Key_F1) << none << "Ayuda";
  QTest::newRow("F1 on a button") << "Command2" << int(Qt::Key_F1) << none << "Ayuda";
  QTest::newRow("Ctrl+Q in the pad") << "dividendo" << int(Qt::Key_Q) << ctrl << "Salir";
  QTest::newRow("Ctrl+Q on a button") << "Command1" << int(Qt::Key_Q) << ctrl << "Salir";
  QTest::newRow("Ctrl+E in the pad") << "dividendo" << int(Qt::Key_E) << ctrl << "Hoja de ejercicios";
  QTest::newRow("F2 opens nothing") << "dividendo" << int(Qt::Key_F2) << none << "";
  QTest::newRow("credits") << "Command2" << int(Qt::Key_Space) << none << "Créditos";
  QTest::newRow("an error") << "Command1" << int(Qt::Key_Space) << none << "Error";
  QTest::newRow("key help") << "" << 0 << none << "";
}

// Each key opens its window from wherever the focus is; Escape closes every
// window the main window opens, and "Salir" escaped does not quit.
void TestDesktop::keysOpenAndEscapeCloses() {
  QFETCH(QString, focus);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, title);
  MainWindowFixture w;
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  w.form->dividendo()->setText(QStringLiteral("2xe2+3x"));  // no constant term: an error
  std::pair<QString, bool> seen;
  if (focus.isEmpty()) {
    seen = escapeFirstModal([&] { pupupHelp::showModal(w.form->screen()); });
    QVERIFY(seen.second);
    return;
  }
  QWidget* target = w.form->control(focus);
  target->setFocus();
  seen = escapeFirstModal([&] { QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers)); });
  QCOMPARE(seen.first, title);
  QVERIFY(title.isEmpty() || seen.second);
  QCOMPARE(w.quits, 0);
}

// Every key a pad writes by design, a listed letter with any modifiers or
// Ctrl with a digit, is the pad's: typed into it, it writes there; typed
// anywhere in the window, no shortcut and no mnemonic takes it.
void TestDesktop::padKeysReachNoShortcut() {
  MainWindowFixture w;
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
  const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                        Qt::ControlModifier | Qt::ShiftModifier, Qt::AltModifier | Qt::ShiftModifier,
                                        Qt::ControlModifier | Qt::AltModifier};
  for (char letter : QByteArray("abckmxyzr"))
    for (Qt::KeyboardModifiers m : mods) keys.append({Qt::Key(Qt::Key_A + (letter - 'a')), m});
  for (int digit = 0; digit <= 9; ++digit) keys.append({Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier});

  for (const QString& focus : {QStringLiteral("dividendo"), QStringLiteral("Command1")}) {
    QWidget* target = w.form->control(focus);
    FormulaPad* pad = w.form->dividendo();
    ShortcutCounter counter;
    for (const std::pair<Qt::Key, Qt::KeyboardModifiers>& entry : keys) {
      const Qt::Key key = entry.first;
      const Qt::KeyboardModifiers modifiers = entry.second;
      target->setFocus();
      const QString before = pad->text();
      // A shortcut shows in the counter at once: no need to wait for windows.
      const std::pair<QString, bool> opened = escapeFirstModal([&] { QTest::keyClick(target, key, modifiers); }, 0);
      const QString what = QStringLiteral("%1 on %2").arg(QKeySequence(key | modifiers).toString(), focus);
      QVERIFY2(opened.first.isNull(), qPrintable(what + " opened " + opened.first));
      QVERIFY2(counter.fired == 0, qPrintable(what + " fired a shortcut"));
      const bool writes = key >= Qt::Key_A || key == Qt::Key_8 || key == Qt::Key_9 || key == Qt::Key_0;
      if (focus == u"dividendo" && writes) QVERIFY2(pad->text().size() > before.size(), qPrintable(what));
    }
  }
}

void TestDesktop::linkOpenerFails_data() {
  QTest::addColumn<int>("status");  // xdg-open's exit status; -1: there is none
  QTest::addColumn<bool>("opened");
  QTest::addColumn<bool>("failed");
  QTest::newRow("browser started") << 0 << true << false;
  QTest::newRow("no browser found") << 3 << true << true;
  QTest::newRow("browser failed") << 4 << true << true;
  QTest::newRow("no opener") << -1 << false << false;
}

// xdg-open that starts and then fails counts as no browser, as a missing
// one does; one that succeeds is left alone.
void TestDesktop::linkOpenerFails() {
  QFETCH(int, status);
  QFETCH(bool, opened);
  QFETCH(bool, failed);
  QTemporaryDir bin;
  const QString seen = bin.filePath(QStringLiteral("seen"));
  if (status >= 0) {
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n").arg(seen).arg(status).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  }
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8());
  qunsetenv("BROWSER");
  qunsetenv("DEFAULT_BROWSER");
  LinkOpener opener;
  QSignalSpy failures(&opener, &LinkOpener::failed);
  const QUrl url(QStringLiteral("https://factorix.example.org"));
  const bool started = opener.open(url);
  qputenv("PATH", path);
  QCOMPARE(started, opened);
  if (!opened) return;
  QTRY_VERIFY(QFile::exists(seen));
  QTRY_COMPARE_WITH_TIMEOUT(failures.size(), failed ? 1 : 0, 2000);
  QTest::qWait(100);
  QCOMPARE(failures.size(), failed ? 1 : 0);
  if (failed) QCOMPARE(failures.first().first().toUrl(), url);
  QFile file(seen);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().trimmed(), url.toString().toUtf8());
}

void TestDesktop::captionsFit_data() {
  QTest::addColumn<double>("points");
  for (double points : {8.0, 9.0, 10.0, 11.0, 12.0, 16.0}) QTest::addRow("%g pt", points) << points;
}

void TestDesktop::captionsFit() {
  QFETCH(double, points);
  const QFont before = QApplication::font();
  QFont desktop(QStringLiteral("DejaVu Sans"));
  desktop.setPointSizeF(points);
  // The help window opens under the desktop's font; the main window is
  // already open when the desktop's font changes.
  MainWindowFixture w;
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  QApplication::setFont(desktop);
  Form2 help;
  help.show();
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  const QString mainFault = captionFault(w.form.get());
  const QString helpFault = captionFault(&help);
  const QFont mainFont = w.form->font();
  QApplication::setFont(before);
  QVERIFY2(mainFault.isEmpty(), qPrintable(mainFault));
  QVERIFY2(helpFault.isEmpty(), qPrintable(helpFault));
  // A desktop font the layout holds is kept as it is.
  if (points <= 9) QCOMPARE(mainFont.pointSizeF(), points);
}

// What of `window` is too faint under the dark palette, against the same
// window under the light one: texts whose ink stands less than 4.5 to 1
// from their background, and strokes that stand out fully (15 to 1) under
// the light palette but not 4.5 to 1 under the dark one.
QStringList faintUnderDarkPalette(QWidget* window) {
  const QPalette light = QApplication::palette();
  const QImage lightPicture = window->grab().toImage();
  QApplication::setPalette(darkPalette());
  QCoreApplication::processEvents();  // the widgets take the new palette
  const QImage darkPicture = window->grab().toImage();
  const QList<std::pair<QWidget*, QRect>> areas = textAreas(window);
  QApplication::setPalette(light);
  QCoreApplication::processEvents();

  QStringList faint;
  for (const auto& [widget, area] : areas) {
    const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
    const double ratio = inkContrast(darkPicture, area);
    if (ratio < 4.5) faint << QStringLiteral("%1's text %2 to 1").arg(name).arg(ratio, 0, 'f', 2);
    const QRgb lightBackground = commonest(lightPicture, area);
    const QRgb darkBackground = commonest(darkPicture, area);
    const QRect inside = area & lightPicture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x) {
        if (contrast(lightPicture.pixel(x, y), lightBackground) < 15) continue;
        const double dark = contrast(darkPicture.pixel(x, y), darkBackground);
        if (dark < 4.5) {
          faint << QStringLiteral("%1 at (%2, %3) %4 to 1").arg(name).arg(x).arg(y).arg(dark, 0, 'f', 2);
          y = inside.bottom();  // one per area
          break;
        }
      }
  }
  if (!faint.isEmpty()) darkPicture.save(QDir::temp().filePath(QStringLiteral("factorix-dark.png")));
  if (areas.size() < 4) faint << QStringLiteral("only %1 texts found").arg(areas.size());
  return faint;
}

// Under a dark palette every text of the main window and of the worked
// solution stands out from its background, root signs and rules included.
void TestDesktop::darkPaletteReadable() {
  MainWindowFixture w;
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  w.calculate(QStringLiteral("1xe2+0x-1"));
  w.form->dividendo()->NewText(QStringLiteral("2rxe2;+1"));  // a root sign, a raised digit
  w.form->setFocus();  // no blinking cursor line
  const QStringList mainFaint = faintUnderDarkPalette(w.form.get());
  QVERIFY2(mainFaint.isEmpty(), qPrintable(mainFaint.join(u", ")));

  FormulaPad* line = w.results().at(1);
  line->setFocus();
  QTest::keyClick(line, Qt::Key_Return);
  SolutionDialog* solution = w.form->solution().dialog();
  QVERIFY(solution && QTest::qWaitForWindowExposed(solution));
  const QStringList solutionFaint = faintUnderDarkPalette(solution);
  QVERIFY2(solutionFaint.isEmpty(), qPrintable(solutionFaint.join(u", ")));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
