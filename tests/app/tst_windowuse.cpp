#include <QtTest>

#include <QAccessible>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <functional>
#include <memory>

#include "app/AccessibleInterfaces.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/ResultList.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/pupupHelp.h"
#include "presentation/FormulaSpelling.h"
#include "tests/app/MainWindowFixture.h"

// The windows as a desktop user meets them: what screen readers are told,
// the input field against its frame, Return on a focused button, long result
// lines, the frame's edges while the lines scroll, the link without a
// browser, and pasting a polynomial as people write it.
class TestWindowUse : public QObject {
  Q_OBJECT

private slots:
  // As the program does before it makes a window.
  void initTestCase() { AccessibleInterfaces::install(); }
  void accessibleRoles_data();
  void accessibleRoles();
  void inputFieldStandsOut();
  void returnPressesFocusedButton_data();
  void returnPressesFocusedButton();
  void returnInPadPressesNothing_data();
  void returnInPadPressesNothing();
  void returnClosesHelp();
  void longLinesWiderThanFrame();
  void scrollingLeavesFrameAsBefore_data();
  void scrollingLeavesFrameAsBefore();
  void linesNeverCoverFrameBorder();
  void linkWithoutBrowser();
  void linkWithBrowser();
  void pasteIntoPads_data();
  void pasteIntoPads();
};

namespace {

const QString kSevenLines = QStringLiteral("1xe7-6xe6-14xe5+84xe4+49xe3-294xe2-36x+216");


struct Window : MainWindowFixture {
  Window() { QVERIFY(QTest::qWaitForWindowExposed(form.get())); }
  // The frame as the screen shows it: the window's backing store, so that
  // pixels copied by a move show as well as pixels painted.
  QImage frameOnScreen() const {
    QCoreApplication::processEvents();
    const QRect area(frame2()->mapTo(form.get(), QPoint()), frame2()->size());
    return form->screen()->grabWindow(form->winId()).toImage().copy(area).convertToFormat(QImage::Format_RGB32);
  }
};

// Any pixel of the text colour's family: dark and unsaturated.
bool isInk(QRgb pixel) { return qGray(pixel) < 128; }

}  // namespace

void TestWindowUse::accessibleRoles_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("name");
  QTest::newRow("main window") << "Form1" << int(QAccessible::Window) << "Factorix";
  QTest::newRow("help") << "Form2" << int(QAccessible::Dialog) << "Ayuda";
  QTest::newRow("key help") << "pupupHelp" << int(QAccessible::Dialog) << "";
}

void TestWindowUse::accessibleRoles() {
  QFETCH(QString, window);
  QFETCH(int, role);
  QFETCH(QString, name);
  std::unique_ptr<QWidget> widget;
  if (window == u"Form1")
    widget = std::make_unique<Form1>();
  else if (window == u"Form2")
    widget = std::make_unique<Form2>();
  else
    widget = std::make_unique<pupupHelp>();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget.get());
  QVERIFY(iface);
  QCOMPARE(int(iface->role()), role);
  QCOMPARE(iface->text(QAccessible::Name), name);
  QCOMPARE(widget->windowTitle(), name);
}

// The pad is a text field: the text-field colour on the frame's grey.
void TestWindowUse::inputFieldStandsOut() {
  Window w;
  FormulaPad* pad = w.form->dividendo();
  w.form->setFocus();  // no blinking cursor line in the picture
  const QImage image = w.form->grab().toImage();
  const QPoint inPad = pad->mapTo(w.form.get(), QPoint(pad->width() - 4, pad->height() / 2));
  const QPoint inFrame = pad->mapTo(w.form.get(), QPoint(-6, pad->height() / 2));
  QCOMPARE(QColor(image.pixel(inPad)), pad->palette().color(QPalette::Base));
  QVERIFY(image.pixel(inPad) != image.pixel(inFrame));
}

void TestWindowUse::returnPressesFocusedButton_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestWindowUse::returnPressesFocusedButton() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  Window w;
  auto* salir = static_cast<QPushButton*>(w.form->control(QStringLiteral("Command4")));
  salir->setFocus();
  const SeenBox box = answerBox(
      [&] { QTest::keyClick(salir, Qt::Key(key), Qt::KeyboardModifiers(modifiers)); }, QMessageBox::Yes);
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Salir"));
  QCOMPARE(w.quits, 1);

  auto* calcular = static_cast<QPushButton*>(w.form->control(QStringLiteral("Command1")));
  w.form->dividendo()->setText(QStringLiteral("xe2+0x-1"));
  calcular->setFocus();
  QTest::keyClick(calcular, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(w.results().upperBound(), 2);
}

// The pad keeps its own keys: Return there presses no button.
void TestWindowUse::returnInPadPressesNothing_data() { returnPressesFocusedButton_data(); }

void TestWindowUse::returnInPadPressesNothing() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  Window w;
  FormulaPad* pad = w.form->dividendo();
  pad->NewText(QStringLiteral("xe2+0x-1"));
  pad->setFocus();
  const SeenBox box =
      answerBox([&] { QTest::keyClick(pad, Qt::Key(key), Qt::KeyboardModifiers(modifiers)); }, QMessageBox::Yes);
  QVERIFY(!box.shown);
  QCOMPARE(w.results().upperBound(), 0);
  QCOMPARE(pad->text(), QStringLiteral("xe2+0x-1"));
  QCOMPARE(w.quits, 0);
}

void TestWindowUse::returnClosesHelp() {
  Form2 help;
  help.show();
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  help.Command1()->setFocus();
  QTest::keyClick(help.Command1(), Qt::Key_Return);
  QVERIFY(!help.isVisible());
}

// Every line is as wide as its text and never narrower than the heading; the
// arrows bring the end of the longest into view, drawn.
void TestWindowUse::longLinesWiderThanFrame() {
  Window w;
  const int headingWidth = w.results().at(0)->width();
  w.calculate(kSevenLines);
  QCOMPARE(w.results().upperBound(), 7);
  FormulaPad* longest = nullptr;
  for (int i = 1; i <= 7; ++i) {
    FormulaPad* pad = w.results().at(i);
    QVERIFY(pad->width() >= headingWidth);
    QCOMPARE(pad->width(), qMax(headingWidth, pad->textWidth() + 120 / 15));  // and an empty cell
    if (!longest || pad->width() > longest->width()) longest = pad;
  }
  QCOMPARE(w.results().at(0)->width(), headingWidth);
  QVERIFY2(longest->width() > w.frame2()->width(),
           qPrintable(QStringLiteral("%1: %2 px").arg(longest->text()).arg(longest->width())));

  // The last characters are drawn at the pad's right end.
  const QImage pad = longest->grab().toImage();
  bool inkAtEnd = false;
  for (int x = longest->width() - 24; x < longest->width(); ++x)
    for (int y = 0; y < pad.height(); ++y) inkAtEnd |= isInk(pad.pixel(x, y));
  QVERIFY(inkAtEnd);

  // Enough clicks on ">>" bring the end inside the frame.
  const QRect client = w.frame2()->contentsRect();
  int clicks = 0;
  while (longest->geometry().right() > client.right() && clicks < 100) {
    w.form->desp_Click(1);
    ++clicks;
  }
  QVERIFY(clicks > 0 && clicks < 100);
  QVERIFY(longest->isVisible());
  QVERIFY(longest->geometry().right() >= client.left());
}

void TestWindowUse::scrollingLeavesFrameAsBefore_data() {
  QTest::addColumn<QString>("polynomial");
  QTest::addColumn<QList<int>>("clicks");  // arrow indices: 0 "<<", 1 ">>"
  QTest::newRow("heading alone") << QString() << QList<int>{1, 1, 1, 0, 0, 0, 0, 1};
  QTest::newRow("seven long lines") << kSevenLines << QList<int>{1, 1, 1, 0, 0, 0, 0, 1};
  QTest::newRow("far out and back") << kSevenLines << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0,
                                                                 0, 0, 0, 0, 0, 0, 0};
}

// After arrows that return to the start, the frame shows what it showed
// before, pixel for pixel, on the screen as well as when repainted.
void TestWindowUse::scrollingLeavesFrameAsBefore() {
  QFETCH(QString, polynomial);
  QFETCH(QList<int>, clicks);
  Window w;
  if (!polynomial.isEmpty()) w.calculate(polynomial);
  w.form->setFocus();
  const QImage before = w.frameOnScreen();
  for (int index : clicks) {
    w.form->desp_Click(index);
    QCoreApplication::processEvents();
  }
  QCOMPARE(w.frameOnScreen(), before);
  QCOMPARE(w.frame2()->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

// Scrolled any way, the lines stay inside the frame's border: the border
// and the strip above the lines keep their pixels.
void TestWindowUse::linesNeverCoverFrameBorder() {
  Window w;
  w.calculate(kSevenLines);
  w.form->setFocus();
  const QImage rest = w.frameOnScreen();
  const QRect client = w.frame2()->contentsRect();
  const QRect strip = w.form->control(QStringLiteral("FlatContainer1"))->geometry();
  const auto outsideLines = [&](const QImage& image) {
    QList<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (!client.contains(x, y) || y <= strip.bottom()) pixels << image.pixel(x, y);
    return pixels;
  };
  const QList<QRgb> border = outsideLines(rest);
  for (int step = 0; step < 12; ++step) {
    w.form->desp_Click(step < 6 ? 1 : 0);
    if (step < 6) continue;  // far left first, then ever further right
    QCOMPARE(outsideLines(w.frameOnScreen()), border);
  }
  for (int step = 0; step < 6; ++step) {
    w.form->desp_Click(1);
    QCOMPARE(outsideLines(w.frameOnScreen()), border);
  }
}

void TestWindowUse::linkWithoutBrowser() {
  Window w;
  w.browserStarts = false;
  QGuiApplication::clipboard()->clear();
  const SeenBox box = answerBox([&] { w.form->Label1_Click(); });
  const QString address = QStringLiteral("https://factorix.example.org");
  QCOMPARE(w.opened, QList<QUrl>{QUrl(address)});
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Factorix"));
  QCOMPARE(box.icon, QMessageBox::Information);
  QVERIFY2(box.text.contains(address), qPrintable(box.text));
  QCOMPARE(QGuiApplication::clipboard()->text(), address);
  QCOMPARE(w.results().upperBound(), 0);
}

void TestWindowUse::linkWithBrowser() {
  Window w;
  const SeenBox box = answerBox([&] { w.form->Label1_Click(); });
  QVERIFY(!box.shown);
  QCOMPARE(w.opened.size(), 1);
}

void TestWindowUse::pasteIntoPads_data() {
  QTest::addColumn<bool>("intoLine");     // result line 1 rather than the polynomial's pad
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QKeyCombination>("key");
  QTest::addColumn<QString>("padText");   // empty: the pad keeps its text
  QTest::addColumn<QString>("message");   // empty: none
  const QKeyCombination ctrlV(Qt::ControlModifier, Qt::Key_V);
  const QKeyCombination shiftInsert(Qt::ShiftModifier, Qt::Key_Insert);
  const QString noPolynomial = QStringLiteral("El portapapeles no contiene un polinomio en x.");
  QTest::newRow("natural form") << false << "x^3 - 8" << ctrlV << "1xe3+0xe2+0x-8" << "";
  QTest::newRow("any order, shift+insert") << false << "6 + 11x + 6x^2 + x^3" << shiftInsert << "1xe3+6xe2+11x+6"
                                           << "";
  QTest::newRow("into a result line") << true << "−16 + 2x³" << ctrlV << "2xe3+0xe2+0x-16" << "";
  QTest::newRow("no polynomial") << false << "hola" << ctrlV << "" << noPolynomial;
  QTest::newRow("empty clipboard") << true << "" << shiftInsert << "" << noPolynomial;
  QTest::newRow("too large") << false << "x^100001" << ctrlV << "" << "Se produjo un error. Revise el cálculo.";
}

void TestWindowUse::pasteIntoPads() {
  QFETCH(bool, intoLine);
  QFETCH(QString, clipboard);
  QFETCH(QKeyCombination, key);
  QFETCH(QString, padText);
  QFETCH(QString, message);
  Window w;
  w.calculate(QStringLiteral("xe2+0x-1"));
  FormulaPad* pad = intoLine ? w.results().at(1) : w.form->dividendo();
  const QString before = pad->text();
  QVERIFY(pad->toolTip().endsWith(QStringLiteral("\nCtrl+V o Mayús+Insert: pegar un polinomio\n"
                                                 "Ctrl+Insert: copiar la fórmula como se ve")));
  QGuiApplication::clipboard()->setText(clipboard);
  const SeenBox box = answerBox([&] { QTest::keyClick(pad, key.key(), key.keyboardModifiers()); });
  QCOMPARE(box.text, message);
  QCOMPARE(pad->text(), padText.isEmpty() ? before : padText);
  QCOMPARE(pad->cursorPosition(), pad->text().size());
  QCOMPARE(pad->accessibleText(), FormulaSpelling::toSpoken(pad->text()));
}

QTEST_MAIN(TestWindowUse)
#include "tst_windowuse.moc"
