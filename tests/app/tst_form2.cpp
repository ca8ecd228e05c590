#include <QtTest>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/Footer.h"
#include "app/Form2.h"
#include "app/Form2Design.h"

// The help window: its text, its layout at any size, its closing.
class TestForm2 : public QObject {
  Q_OBJECT

private slots:
  void window();
  void helpText();
  void helpLines_data();
  void helpLines();
  void resizeRule_data();
  void resizeRule();
  void typedTextIsGoneNextTime();
  void tabReachesCerrar();
  void closeButtonCloses();
};

void TestForm2::window() {
  QPixmap programIcon(16, 16);
  programIcon.fill(Qt::green);
  QApplication::setWindowIcon(QIcon(programIcon));
  Form2 form;
  QCOMPARE(form.windowTitle(), QStringLiteral("Ayuda"));
  QCOMPARE(form.size(), QSize(4680 / 15, 3195 / 15));
  const Qt::WindowFlags flags = form.windowFlags();
  QVERIFY(flags.testFlag(Qt::Tool));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  // The help window carries no icon of its own, even when the program has one.
  QVERIFY(!form.testAttribute(Qt::WA_SetWindowIcon));
  QCOMPARE(form.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());

  QCOMPARE(form.Command1()->text(), QStringLiteral("Cerrar"));
  QCOMPARE(form.h()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(form.h()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QVERIFY(!form.h()->isReadOnly());
  QWidget* next = form.h()->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  QCOMPARE(next, form.Command1());
}

void TestForm2::helpText() {
  const QString text = Form2Design::helpText();
  QVERIFY(text.endsWith(Footer::email() + QStringLiteral("\r\n")));
  QCOMPARE(text.count(QStringLiteral("\r\n")), 32);
  QCOMPARE(text.count(u'\n'), 32);  // no line feed without its carriage return
  QCOMPARE(text.count(u'\r'), 32);

  // The box shows the same lines.
  Form2 form;
  QCOMPARE(form.h()->toPlainText().split(u'\n').mid(0, 32), Form2Design::helpLines());
}

void TestForm2::helpLines_data() {
  QTest::addColumn<int>("line");  // 1-based
  QTest::addColumn<QString>("text");
  QTest::newRow("title") << 1 << QStringLiteral("Ayuda del programa de Factorix");
  QTest::newRow("rule") << 2 << QString(64, u'-');
  QTest::newRow("empty after the rule") << 3 << QString();
  QTest::newRow("trailing blank kept")
      << 4 << QStringLiteral("Para introducir un polinomio en la casilla de introducción, ");
  QTest::newRow("middle-dot bullet")
      << 6 << QStringLiteral("\u00B7 Para introducir números, use los números del teclado ");
  QTest::newRow("quotes in the text")
      << 8 << QStringLiteral("· Para introducir signos use, en éste caso, el \"+\" y \"-\" ");
  QTest::newRow("x in quotes") << 10 << QStringLiteral("· Para introducir la \"x\", pulse la \"x\" en el teclado ");
  QTest::newRow("Calcular in quotes")
      << 17 << QStringLiteral("en \"Calcular\". Según la pontencia de su computadora, ");
  QTest::newRow("no trailing blank") << 25 << QStringLiteral("polinomio deberá completarse con +0x^n.");
  QTest::newRow("six-blank indent") << 27 << QStringLiteral("      3x^3+0x^2+0x-6");
  QTest::newRow("eleven underscores") << 29 << QString(11, u'_');
  QTest::newRow("author") << 30 << Footer::authorLine();
  QTest::newRow("web") << 31 << Footer::webHost();
  QTest::newRow("e-mail") << 32 << Footer::email();
}

void TestForm2::helpLines() {
  QFETCH(int, line);
  QFETCH(QString, text);
  const QStringList lines = Form2Design::helpLines();
  QCOMPARE(lines.size(), 32);
  QCOMPARE(lines.at(line - 1), text);
}

void TestForm2::resizeRule_data() {
  QTest::addColumn<QSize>("client");  // pixels
  QTest::addColumn<QRect>("box");
  QTest::addColumn<QRect>("button");
  // 15 twips to the pixel: the button is 855 by 375 twips, 57 by 25 pixels.
  QTest::newRow("stored size") << QSize(312, 213) << QRect(0, 0, 312, 188) << QRect(0, 188, 57, 25);
  QTest::newRow("wider") << QSize(500, 213) << QRect(0, 0, 500, 188) << QRect(0, 188, 57, 25);
  QTest::newRow("as high as the button") << QSize(200, 25) << QRect(0, 0, 200, 0) << QRect(0, 0, 57, 25);
  QTest::newRow("lower than the button") << QSize(200, 10) << QRect(0, 0, 200, 0) << QRect(0, 0, 57, 25);
  QTest::newRow("narrower than the button") << QSize(30, 100) << QRect(0, 0, 30, 75) << QRect(0, 75, 57, 25);
}

void TestForm2::resizeRule() {
  QFETCH(QSize, client);
  QFETCH(QRect, box);
  QFETCH(QRect, button);
  Form2 form;
  form.show();
  form.resize(client);
  QCOMPARE(form.size(), client);
  QCOMPARE(form.h()->geometry(), box);
  QCOMPARE(form.Command1()->geometry(), button);
}

void TestForm2::typedTextIsGoneNextTime() {
  {
    Form2 form;
    form.show();
    form.h()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(form.h(), QStringLiteral("borrador"));
    QVERIFY(form.h()->toPlainText().startsWith(QStringLiteral("borrador")));
  }
  Form2 again;
  QVERIFY(again.h()->toPlainText().startsWith(QStringLiteral("Ayuda del programa")));
  QCOMPARE(again.h()->verticalScrollBar()->value(), 0);
}

void TestForm2::tabReachesCerrar() {
  Form2 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.h()->setFocus();
  const QString before = form.h()->toPlainText();
  QTest::keyClick(form.h(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form.Command1());
  QCOMPARE(form.h()->toPlainText(), before);  // no tab typed into the help
}

void TestForm2::closeButtonCloses() {
  Form2 form;
  QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(form.Command1(), Qt::LeftButton); });
  form.exec();  // returns only once "Cerrar" has closed the window
  QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
