#include <QtTest>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/Footer.h"
#include "app/Form1Design.h"
#include "tests/app/MainWindowFixture.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/ResultList.h"
#include "presentation/Translation.h"
#include "presentation/UiLanguage.h"
#include "formulapad/FormulaPad.h"

// The main window: its layout in twips, start-up, "Calcular" and the
// result lines, the scroll arrows and the wheel, and its message boxes.
class TestForm1 : public QObject {
  Q_OBJECT

private slots:
  void window();
  void layoutFollowsTheDesign();
  void layoutHoldsTogether();
  void storedExtents_data();
  void storedExtents();
  void tabOrder();
  void controlSettings();
  void accessibleNames_data();
  void accessibleNames();
  void startUp();
  void calcular_data();
  void calcular();
  void linesFollow120Apart();
  void secondCalcularGivesSameLines();
  void borrar();
  void errorMessages_data();
  void errorMessages();
  void errorKeepsLinesFoundBefore();
  void failedDivisionLeavesPadAsCreated();
  void sideways_data();
  void sideways();
  void sidewaysOffsetStaysForNextCalculation();
  void arrowsAnswerTheMouse();
  void wheel();
  void wheelWithHeadingAlone();
  void credits();
  void exitAnsweredNo();
  void exitAnsweredYes();
  void help();
  void link();
  void spanishButtons();
};

namespace {

constexpr int kTwips = 15;

QRect inTwips(const QRect& pixels) {
  return {pixels.x() * kTwips, pixels.y() * kTwips, pixels.width() * kTwips, pixels.height() * kTwips};
}

// A widget's rectangle in twips, relative to `container`.
QRect geometryIn(const QWidget* widget, const QWidget* container) {
  return inTwips(QRect(widget->mapTo(container, QPoint(0, 0)), widget->size()));
}

struct Window : MainWindowFixture {
  QStringList lines() const {
    QStringList texts;
    for (int i = 1; i <= results().upperBound(); ++i) texts << results().at(i)->text();
    return texts;
  }
  // Left and Top of element `i` in twips, in the frame's coordinates.
  QPoint place(int i) const { return geometryIn(results().at(i), frame2()).topLeft(); }
};

const QString kHeading = QStringLiteral("EL POLINOMIO SE PUEDE DESCOMPONER EN:");
const QString kOtherError = QStringLiteral("Se produjo un error. Revise el cálculo.");

}  // namespace

void TestForm1::window() {
  Window w;
  QCOMPARE(w.form->windowTitle(), QStringLiteral("Factorix"));
  QCOMPARE(inTwips(w.form->rect()).size(), QSize(5415, 5865));
  QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
  const Qt::WindowFlags flags = w.form->windowFlags();
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

// Every control of the stored design is made, shown, in its container and
// at its place; the strip's caption, sized to its text, starts there.
void TestForm1::layoutFollowsTheDesign() {
  Window w;
  const QList<const ControlDesign*> designs = Form1Design::controls();
  QCOMPARE(designs.size(), 13);
  for (const ControlDesign* design : designs) {
    QWidget* widget = w.form->control(design->name());
    QVERIFY2(widget && widget->isVisible(), design->key);
    QWidget* holder = *design->container ? w.form->control(QString::fromUtf8(design->container)) : w.form.get();
    QVERIFY2(holder && holder->isAncestorOf(widget), design->key);
    const QRect got = geometryIn(widget, holder);
    const QRect designed(design->left, design->top, design->width, design->height);
    if (design->name() == u"Label2") {
      QCOMPARE(got.topLeft(), designed.topLeft());
      QVERIFY(got.width() >= widget->fontMetrics().horizontalAdvance(design->text()) * kTwips);
    } else {
      QVERIFY2(got == designed, design->key);
    }
  }
}

// Controls that share a container never overlap and lie across it within
// its width; the three buttons at the foot share one row.
void TestForm1::layoutHoldsTogether() {
  Window w;
  const QList<const ControlDesign*> designs = Form1Design::controls();
  for (const ControlDesign* a : designs) {
    QWidget* holder = *a->container ? w.form->control(QString::fromUtf8(a->container)) : w.form.get();
    const QRect rect = geometryIn(w.form->control(a->name()), holder);
    QVERIFY2(rect.left() >= 0 && rect.right() < inTwips(holder->rect()).width(), a->key);
    for (const ControlDesign* b : designs) {
      if (a == b || qstrcmp(a->container, b->container) != 0) continue;
      QVERIFY2(!rect.intersects(geometryIn(w.form->control(b->name()), holder)), a->key);
    }
  }
  const QRect ayuda = geometryIn(w.form->control(QStringLiteral("Command3")), w.form.get());
  for (const char* key : {"Command2", "Command4"}) {
    const QRect button = geometryIn(w.form->control(QString::fromLatin1(key)), w.form.get());
    QCOMPARE(button.top(), ayuda.top());
    QCOMPARE(button.height(), ayuda.height());
  }
}

// The sizes the stored layout keeps in hundredths of a millimetre, 2540 to
// 1440 twips.
void TestForm1::storedExtents_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QSize>("extent");
  QTest::newRow("dividendo") << "dividendo" << QSize(5953, 556);
  QTest::newRow("resultado(0)") << "resultado(0)" << QSize(8493, 556);
  QTest::newRow("FlatContainer1") << "FlatContainer1" << QSize(8493, 450);
}

void TestForm1::storedExtents() {
  QFETCH(QString, key);
  QFETCH(QSize, extent);
  Window w;
  const QSize twips = inTwips(w.form->control(key)->rect()).size();
  QCOMPARE(QSize(qRound(twips.width() * 2540 / 1440.0), qRound(twips.height() * 2540 / 1440.0)), extent);
}

void TestForm1::tabOrder() {
  Window w;
  QStringList order;
  QWidget* start = w.form->control(QStringLiteral("Command1"));
  QWidget* widget = start;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start && order.size() < 20);
  QCOMPARE(order, QStringList({"Command1", "dividendo", "resultado(0)", "Command2", "Command4", "Command3"}));
}

void TestForm1::controlSettings() {
  Window w;
  // The design's tip, then the clipboard's keys.
  QCOMPARE(w.form->control(QStringLiteral("dividendo"))->toolTip().section(u'\n', 0, 0),
           QStringLiteral("Escriba aquí un polinomio"));
  for (const char* key : {"Command1", "Command2", "Command3", "Command4", "desp(0)", "desp(1)", "Label1"})
    QVERIFY2(w.form->control(QString::fromLatin1(key))->cursor().shape() == Qt::PointingHandCursor, key);
  QCOMPARE(static_cast<QPushButton*>(w.form->control(QStringLiteral("Command1")))->text(), QStringLiteral("Calcular"));
  QCOMPARE(static_cast<QGroupBox*>(w.frame2())->title(), QStringLiteral("Descomposición(es)"));

  auto* link = static_cast<QLabel*>(w.form->control(QStringLiteral("Label1")));
  QCOMPARE(link->text(), Footer::webHost());
  QCOMPARE(link->font().family(), QStringLiteral("Arial"));
  QCOMPARE(link->font().pointSizeF(), 11.25);
  QVERIFY(link->font().underline());
  QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  QVERIFY(link->alignment() & Qt::AlignHCenter);

  for (const char* key : {"desp(0)", "desp(1)"}) {
    auto* arrow = static_cast<QLabel*>(w.form->control(QString::fromLatin1(key)));
    QVERIFY(arrow->alignment() & Qt::AlignHCenter);
    QVERIFY(!arrow->autoFillBackground());
  }
}

void TestForm1::accessibleNames_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("role");
  QTest::newRow("Calcular") << "Command1" << "Calcular" << int(QAccessible::Button);
  QTest::newRow("Créditos") << "Command2" << "Créditos" << int(QAccessible::Button);
  QTest::newRow("Ayuda") << "Command3" << "Ayuda" << int(QAccessible::Button);
  QTest::newRow("Salir") << "Command4" << "Salir" << int(QAccessible::Button);
  QTest::newRow("dividendo") << "dividendo" << "Polinomio" << -1;
  QTest::newRow("Frame2") << "Frame2" << "Descomposición(es)" << int(QAccessible::Grouping);
  QTest::newRow("link") << "Label1" << "factorix.example.org" << int(QAccessible::Link);
  QTest::newRow("<<") << "desp(0)" << "Desplazar a la izquierda" << int(QAccessible::Button);
  QTest::newRow(">>") << "desp(1)" << "Desplazar a la derecha" << int(QAccessible::Button);
  QTest::newRow("strip caption") << "Label2" << "Desplazar resultados" << int(QAccessible::StaticText);
}

void TestForm1::accessibleNames() {
  QFETCH(QString, key);
  QFETCH(QString, name);
  QFETCH(int, role);
  Window w;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.form->control(key));
  QVERIFY(iface);
  QCOMPARE(iface->text(QAccessible::Name), name);
  if (role >= 0) QCOMPARE(int(iface->role()), role);
}

void TestForm1::startUp() {
  Window w;
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.results().upperBound(), 0);
  FormulaPad* heading = w.results().at(0);
  QCOMPARE(heading->text(), kHeading);
  QCOMPARE(heading->drawingFontName(), QStringLiteral("Courier"));
  QCOMPARE(heading->accessibleText(), kHeading);
  QCOMPARE(w.form->focusWidget(), w.form->dividendo());
  QCOMPARE(w.form->dividendo()->text(), QString());
}

void TestForm1::calcular_data() {
  QTest::addColumn<QString>("polynomial");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("two roots, -1 first") << "xe2+0x-1" << QStringList{" (x+1) (+1x-1)", " (x-1) (+1x+1)"};
  QTest::newRow("the cube") << "2xe3+0xe2+0x-16" << QStringList{" (x-2) (+2xe2+4x+8)"};
  QTest::newRow("no root") << "1xe2+0x+1" << QStringList{};
  QTest::newRow("constant 0") << "1xe2+1x+0" << QStringList{};
  QTest::newRow("double root once") << "1xe2-2x+1" << QStringList{" (x-1) (+1x-1)"};
}

void TestForm1::calcular() {
  QFETCH(QString, polynomial);
  QFETCH(QStringList, lines);
  Window w;
  const SeenBox box = w.calculate(polynomial);
  QVERIFY2(!box.shown, qPrintable(box.text));
  QCOMPARE(w.lines(), lines);
  for (int i = 1; i <= w.results().upperBound(); ++i) {
    FormulaPad* pad = w.results().at(i);
    QVERIFY(pad->isVisible());
    QVERIFY(w.frame2()->isAncestorOf(pad));
    // Copies of the heading draw in the pad's own font and show their line.
    QCOMPARE(pad->drawingFontName(), QStringLiteral("Arial"));
    QCOMPARE(pad->fontName(), QStringLiteral("Courier"));
    QVERIFY(!pad->accessibleText().contains(QStringLiteral("POLINOMIO")));
    QCOMPARE(geometryIn(pad, w.frame2()).size(), QSize(4815, 315));
  }
  QCOMPARE(w.results().at(0)->text(), kHeading);
}

void TestForm1::linesFollow120Apart() {
  Window w;
  w.calculate(QStringLiteral("12-12"));  // every candidate is a root: 12 lines
  QCOMPARE(w.results().upperBound(), 12);
  for (int i = 1; i <= 12; ++i) {
    const QRect above = geometryIn(w.results().at(i - 1), w.frame2());
    QCOMPARE(w.place(i), QPoint(above.left(), above.bottom() + 1 + 120));
  }
  const QList<int> tops{1155, 1590, 2025, 2460, 2895, 3330};
  for (int i = 0; i < tops.size(); ++i) QCOMPARE(w.place(i + 1).y(), tops.at(i));
}

void TestForm1::secondCalcularGivesSameLines() {
  Window w;
  w.calculate(QStringLiteral("xe2+0x-1"));
  const QStringList first = w.lines();
  const QPoint lastPlace = w.place(w.results().upperBound());
  w.calculate(QStringLiteral("xe2+0x-1"));
  QCOMPARE(w.lines(), first);
  QCOMPARE(w.place(w.results().upperBound()), lastPlace);
  QCOMPARE(w.frame2()->findChildren<FormulaPad*>().size(), 3);
}

void TestForm1::borrar() {
  Window w;
  const QRect headingPlace = geometryIn(w.results().at(0), w.frame2());
  w.form->Borrar();  // the heading alone: nothing changes
  QCOMPARE(w.results().upperBound(), 0);

  w.calculate(QStringLiteral("xe3-6xe2+11x-6"));  // roots 1, 2, 3
  QCOMPARE(w.results().upperBound(), 3);
  QPointer<FormulaPad> line = w.results().at(3);
  w.form->Borrar();
  QCOMPARE(w.results().upperBound(), 0);
  QVERIFY(line.isNull());
  QCOMPARE(w.results().at(0)->text(), kHeading);
  QCOMPARE(geometryIn(w.results().at(0), w.frame2()), headingPlace);
  QCOMPARE(w.frame2()->findChildren<FormulaPad*>().size(), 1);

  // The next line goes right below the heading again.
  w.form->Calcular();
  QCOMPARE(w.place(1), QPoint(240, 1155));
}

void TestForm1::errorMessages_data() {
  QTest::addColumn<QString>("polynomial");
  QTest::addColumn<QString>("message");
  QTest::newRow("no constant term") << "2xe2+3x" << kOtherError;
  QTest::newRow("single term with x") << "1xe2" << kOtherError;
  QTest::newRow("empty pad") << "" << kOtherError;
  QTest::newRow("ends with a sign") << "2x+" << kOtherError;
  QTest::newRow("evaluator cannot read it") << "2x)+2" << QStringLiteral("Error de cálculo.");
}

void TestForm1::errorMessages() {
  QFETCH(QString, polynomial);
  QFETCH(QString, message);
  Window w;
  const SeenBox box = w.calculate(polynomial);
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Error"));
  QCOMPARE(box.text, message);
  QCOMPARE(box.icon, QMessageBox::Critical);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(w.form->isVisible());
}

void TestForm1::errorKeepsLinesFoundBefore() {
  Window w;
  w.calculate(QStringLiteral("xe2+0x-1"));
  QCOMPARE(w.results().upperBound(), 2);
  const SeenBox box = w.calculate(QStringLiteral("2xe2+3x"));
  QVERIFY(box.shown);
  QCOMPARE(w.results().upperBound(), 0);  // "Calcular" cleared the old lines first
}

void TestForm1::failedDivisionLeavesPadAsCreated() {
  Window w;
  // 1 is a root of a*x + x - 1 (a counts as 0), but "a" is no coefficient.
  const SeenBox box = w.calculate(QStringLiteral("ax+x-1"));
  QCOMPARE(box.text, kOtherError);
  QCOMPARE(w.lines(), QStringList{QStringLiteral(" (x-1)")});
  FormulaPad* pad = w.results().at(1);
  QVERIFY(pad->isVisible());
  QCOMPARE(w.place(1), QPoint(240, 1155));
  // Not redrawn: it still shows the heading it was copied from.
  QCOMPARE(pad->accessibleText(), kHeading);
}

void TestForm1::sideways_data() {
  QTest::addColumn<QList<int>>("clicks");  // arrow indices in order
  QTest::addColumn<int>("left");           // every element's Left afterwards
  QTest::newRow("<< once") << QList<int>{0} << 720;
  QTest::newRow("<< then >>") << QList<int>{0, 1} << 240;
  QTest::newRow(">> three times") << QList<int>{1, 1, 1} << -1200;
  QTest::newRow("far out and back") << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 240;
  QTest::newRow("other indices do nothing") << QList<int>{2, -1} << 240;
}

void TestForm1::sideways() {
  QFETCH(QList<int>, clicks);
  QFETCH(int, left);
  Window w;
  w.calculate(QStringLiteral("xe2+0x-1"));
  const QList<int> tops{w.place(0).y(), w.place(1).y(), w.place(2).y()};
  const QRect strip = geometryIn(w.form->control(QStringLiteral("FlatContainer1")), w.frame2());
  for (int index : clicks) w.form->desp_Click(index);
  for (int i = 0; i <= 2; ++i) QCOMPARE(w.place(i), QPoint(left, tops.at(i)));
  QCOMPARE(geometryIn(w.form->control(QStringLiteral("FlatContainer1")), w.frame2()), strip);
}

void TestForm1::sidewaysOffsetStaysForNextCalculation() {
  Window w;
  for (int i = 0; i < 3; ++i) w.form->desp_Click(1);
  w.calculate(QStringLiteral("xe3-6xe2+11x-6"));
  QCOMPARE(w.results().upperBound(), 3);
  for (int i = 0; i <= 3; ++i) QCOMPARE(w.place(i).x(), -1200);
}

void TestForm1::arrowsAnswerTheMouse() {
  Window w;
  QWidget* right = w.form->control(QStringLiteral("desp(1)"));
  QTest::mouseClick(right, Qt::LeftButton);
  QCOMPARE(w.place(0).x(), 240 - 480);
  QTest::mouseClick(right, Qt::RightButton);  // only the left button clicks
  QCOMPARE(w.place(0).x(), 240 - 480);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.form->control(QStringLiteral("desp(0)")));
  iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(w.place(0).x(), 240);
}

namespace {

void turnWheel(QWidget* target, int angle) {
  const QPointF pos(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

}  // namespace

void TestForm1::wheel() {
  Window w;
  w.calculate(QStringLiteral("12-12"));
  QCOMPARE(w.results().upperBound(), 12);
  QList<QPoint> start;
  for (int i = 0; i <= 12; ++i) start << w.place(i);
  const auto shiftedBy = [&](int dy) {
    for (int i = 0; i <= 12; ++i)
      if (w.place(i) != start.at(i) + QPoint(0, dy)) return false;
    return true;
  };

  // Lines 1 to 6 reach into the frame (the sixth is cut at its edge); the
  // seventh lies below it.
  for (int i = 0; i <= 6; ++i) QVERIFY(w.results().at(i)->isVisible());
  QVERIFY(!w.results().at(7)->isVisible());

  turnWheel(w.frame2(), 120);  // towards the top: the heading is there already
  QVERIFY(shiftedBy(0));
  turnWheel(w.frame2(), -120);  // one notch down the list: one line's pitch
  QVERIFY(shiftedBy(-435));
  QVERIFY(w.results().at(7)->isVisible());
  QVERIFY(!w.results().at(0)->isVisible());  // slid under the strip
  turnWheel(w.frame2(), -60);  // half a notch waits for the other half
  QVERIFY(shiftedBy(-435));
  turnWheel(w.frame2(), -60);
  QVERIFY(shiftedBy(-870));
  turnWheel(w.frame2(), -120 * 30);  // the last line stops where the heading starts
  QCOMPARE(w.place(12).y(), 720);
  QVERIFY(shiftedBy(-12 * 435));
  QVERIFY(w.results().at(12)->isVisible());
  turnWheel(w.frame2(), 120 * 30);  // and back, never lower than the start
  QVERIFY(shiftedBy(0));
  QVERIFY(w.results().at(0)->isVisible());
  QVERIFY(!w.results().at(12)->isVisible());

  // Sideways and up and down at once; a new calculation keeps the sideways
  // offset and starts its lines in view below the heading's stored place,
  // however far the wheel had lifted the old ones.
  w.form->desp_Click(1);
  turnWheel(w.frame2(), -120 * 10);
  QCOMPARE(w.place(0), QPoint(240 - 480, 720 - 10 * 435));
  w.calculate(QStringLiteral("xe2+0x-1"));
  QCOMPARE(w.place(0), QPoint(240 - 480, 720));
  QCOMPARE(w.place(1), QPoint(240 - 480, 720 + 435));
  QVERIFY(w.results().at(0)->isVisible());
  QVERIFY(w.results().at(1)->isVisible());
  turnWheel(w.frame2(), 120);  // already at the top
  QCOMPARE(w.place(0).y(), 720);
}

void TestForm1::wheelWithHeadingAlone() {
  Window w;
  turnWheel(w.frame2(), -120);
  QCOMPARE(w.place(0), QPoint(240, 720));
  turnWheel(w.frame2(), 120);
  QCOMPARE(w.place(0), QPoint(240, 720));
}

void TestForm1::credits() {
  Window w;
  const SeenBox box = answerBox([&] { w.form->Command2_Click(); });
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Créditos"));
  QCOMPARE(box.icon, QMessageBox::Information);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  const QStringList lines = box.text.split(u'\n');
  QCOMPARE(lines.size(), 5);
  QCOMPARE(lines.at(0), QStringLiteral("Factorix"));
  QCOMPARE(lines.at(1), QString());
  QCOMPARE(lines.at(2), Footer::authorLine());
  QCOMPARE(lines.at(3), QStringLiteral("Sitio web: ") + Footer::webHost());
  QCOMPARE(lines.at(4), QStringLiteral("E-mail: ") + Footer::email());
  QVERIFY(!box.text.contains(u'\r'));
}

void TestForm1::exitAnsweredNo() {
  Window w;
  w.calculate(QStringLiteral("xe2+0x-1"));
  const SeenBox box = answerBox([&] { w.form->Command4_Click(); }, QMessageBox::No);
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Salir"));
  QCOMPARE(box.text, QStringLiteral("¿Está seguro de querer salir?"));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(w.quits, 0);
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.results().upperBound(), 2);
}

void TestForm1::exitAnsweredYes() {
  Window w;
  answerBox([&] { w.form->Command4_Click(); }, QMessageBox::Yes);
  QCOMPARE(w.quits, 1);
}

void TestForm1::help() {
  Window w;
  QString title;
  QString firstLine;
  QTimer::singleShot(0, [&] {
    auto* help = qobject_cast<Form2*>(QApplication::activeModalWidget());
    if (!help) return;
    title = help->windowTitle();
    firstLine = help->h()->toPlainText().section(u'\n', 0, 0);
    help->Command1()->click();
  });
  w.form->Command3_Click();  // returns once the help window is closed
  QCOMPARE(title, QStringLiteral("Ayuda"));
  QCOMPARE(firstLine, QStringLiteral("Ayuda del programa de Factorix"));
  QVERIFY(w.form->findChildren<Form2*>().isEmpty());
}

void TestForm1::link() {
  Window w;
  QTest::mouseClick(w.form->control(QStringLiteral("Label1")), Qt::LeftButton);
  QCOMPARE(w.opened, QList<QUrl>{QUrl(QStringLiteral("https://factorix.example.org"))});
  QCOMPARE(w.results().upperBound(), 0);
}

void TestForm1::spanishButtons() {
  QVERIFY(Translation::install(*QCoreApplication::instance(), UiLanguage::source()));
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Salir"), QString(), QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sí"));
  QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("No"));
  QMessageBox ok(QMessageBox::NoIcon, QStringLiteral("Error"), QString(), QMessageBox::Ok);
  QCOMPARE(ok.button(QMessageBox::Ok)->text().remove(u'&'), QStringLiteral("Aceptar"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
