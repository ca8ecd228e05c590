#include <QtTest>

#include <QPointer>
#include <QWheelEvent>
#include <memory>

#include "app/ControlDesign.h"
#include "app/ResultList.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/PropertyBag.h"

// The group of result pads on its own: where each line goes, what Borrar
// leaves, and which lines are shown as they scroll in both directions.
class TestResultList : public QObject {
  Q_OBJECT

private slots:
  void linesFollowTheLineAbove_data();
  void linesFollowTheLineAbove();
  void linesCopyTheHeading();
  void calculatedLinesAreDrawnOnce_data();
  void calculatedLinesAreDrawnOnce();
  void borrarKeepsOnlyTheHeading();
  void borrarAfterTheWheel();
  void sidewaysReachesEveryLine_data();
  void sidewaysReachesEveryLine();
  void newLinesTakeTheSidewaysOffset();
  void onlyLinesInViewAreShown_data();
  void onlyLinesInViewAreShown();
  void batchShowsLinesWhenItEnds();
  void wheelStopsAtEitherEnd_data();
  void wheelStopsAtEitherEnd();
  void linesUnderTheStripAreHidden();
  void wheelEventsAddUpToNotches();
};

namespace {

constexpr int kTwips = 15;  // twips per pixel in these tests
// The results frame of the main window and the heading in it, twips.
constexpr int kFrameWidth = 5175;
constexpr int kFrameHeight = 3615;
constexpr int kStripBottom = 615;  // the scroll strip's lower edge
constexpr int kHeadingLeft = 240;
constexpr int kHeadingTop = 720;
constexpr int kLineWidth = 4815;
constexpr int kLineHeight = 315;
constexpr int kPitch = kLineHeight + 120;  // a line's top to the next one's

const QString kHeading = QStringLiteral("EL POLINOMIO SE PUEDE DESCOMPONER EN:");

// A frame with its result group, the heading as the main window stores it.
struct Fixture {
  std::unique_ptr<QWidget> frame = std::make_unique<QWidget>();
  ResultList* list;

  explicit Fixture(int frameHeight = kFrameHeight) {
    frame->resize(kFrameWidth / kTwips, frameHeight / kTwips);
    list = new ResultList(frame.get(), kStripBottom);
    const ControlDesign heading{"resultado(0)", "Frame2", kHeadingLeft, kHeadingTop, kLineWidth, kLineHeight, 4, ""};
    list->createHeading(heading, PropertyBag{{QStringLiteral("newtext"), kHeading},
                                             {QStringLiteral("newfontname"), QStringLiteral("Courier")}});
  }

  void addLines(int count) {
    for (int i = 0; i < count; ++i) list->addLine();
  }
  // Element `index`'s Left and Top in twips, in the frame's coordinates.
  QPoint position(int index) const {
    const FormulaPad* pad = list->at(index);
    return QPoint(pad->mapTo(frame.get(), QPoint(0, 0))) * kTwips;
  }
  bool shown(int index) const { return list->at(index)->isVisibleTo(frame.get()); }
};

void turnWheel(QWidget* target, int angle) {
  const QPointF at(10, 100);
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

}  // namespace

void TestResultList::linesFollowTheLineAbove_data() {
  QTest::addColumn<int>("lines");
  QTest::newRow("one") << 1;
  QTest::newRow("six, the last cut by the frame") << 6;
  QTest::newRow("twenty, most out of view") << 20;
}

void TestResultList::linesFollowTheLineAbove() {
  QFETCH(int, lines);
  Fixture f;
  f.addLines(lines);
  QCOMPARE(f.list->upperBound(), lines);
  for (int i = 0; i <= lines; ++i) {
    QCOMPARE(f.position(i), QPoint(kHeadingLeft, kHeadingTop + i * kPitch));
    QCOMPARE(f.list->at(i)->size(), QSize(kLineWidth / kTwips, kLineHeight / kTwips));
    QCOMPARE(f.list->at(i)->objectName(), QStringLiteral("resultado(%1)").arg(i));
  }
  QCOMPARE(f.list->at(lines + 1), nullptr);
  QCOMPARE(f.list->at(-1), nullptr);
}

// A new line is a copy of the heading's stored values, not of what the
// heading draws with nor of the line above.
void TestResultList::linesCopyTheHeading() {
  Fixture f;
  f.list->at(0)->ChangeFont(QStringLiteral("Courier"));
  FormulaPad* first = f.list->addLine();
  first->setText(QStringLiteral(" (x-2) (+2xe2+4x+8)"));
  const FormulaPad* second = f.list->addLine();
  QCOMPARE(second->text(), kHeading);
  QCOMPARE(second->fontName(), QStringLiteral("Courier"));
  QCOMPARE(second->drawingFontName(), QStringLiteral("Arial"));
}

void TestResultList::calculatedLinesAreDrawnOnce_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("narrower than the heading") << QStringLiteral(" (x-2) (+2xe2+4x+8)");
  QTest::newRow("wider than the heading") << QStringLiteral(" (x+1) (+xe30+xe29-xe28+xe27-xe26+xe25-xe24+xe23+5)");
  QTest::newRow("a root and an overline") << QStringLiteral(" (x-3r2;) (+x+3r2;)");
  QTest::newRow("empty") << QString();
}

// A line of a calculation looks exactly as a copy of the heading given the
// text, widened to it and drawn again.
void TestResultList::calculatedLinesAreDrawnOnce() {
  QFETCH(QString, text);
  Fixture f;
  f.frame->show();
  FormulaPad* reference = f.list->addLine();
  reference->setText(text);
  f.list->fitToText(1);
  reference->P();
  FormulaPad* line = f.list->addLine(text);
  QCOMPARE(line->text(), text);
  QCOMPARE(line->size(), reference->size());
  QCOMPARE(line->accessibleText(), reference->accessibleText());
  QCOMPARE(line->grab().toImage(), reference->grab().toImage());
}

void TestResultList::borrarKeepsOnlyTheHeading() {
  Fixture f;
  f.list->shiftSideways(-480);
  f.addLines(4);
  QList<QPointer<FormulaPad>> removed;
  for (int i = 1; i <= 4; ++i) removed << f.list->at(i);
  FormulaPad* heading = f.list->at(0);

  f.list->Borrar();
  QCOMPARE(f.list->upperBound(), 0);
  QCOMPARE(f.list->at(0), heading);
  QCOMPARE(heading->text(), kHeading);
  QCOMPARE(f.position(0), QPoint(kHeadingLeft - 480, kHeadingTop));
  for (const auto& pad : removed) QVERIFY(pad.isNull());

  // The next line goes back under the heading, at index 1.
  f.list->addLine();
  QCOMPARE(f.list->upperBound(), 1);
  QCOMPARE(f.position(1), QPoint(kHeadingLeft - 480, kHeadingTop + kPitch));
  QVERIFY(f.shown(1));
}

// The wheel's offset goes with the lines it scrolled; the heading returns
// to its stored Top.
void TestResultList::borrarAfterTheWheel() {
  Fixture f;
  f.addLines(12);
  QVERIFY(f.list->scrollLines(-3));
  QCOMPARE(f.position(0).y(), kHeadingTop - 3 * kPitch);
  QVERIFY(!f.shown(0));
  f.list->Borrar();
  QCOMPARE(f.position(0), QPoint(kHeadingLeft, kHeadingTop));
  QVERIFY(f.shown(0));
  QVERIFY(!f.list->scrollLines(1));
}

void TestResultList::sidewaysReachesEveryLine_data() {
  QTest::addColumn<QList<float>>("offsets");
  QTest::addColumn<int>("left");
  QTest::newRow("<< once") << QList<float>{480} << 720;
  QTest::newRow(">> once") << QList<float>{-480} << -240;
  QTest::newRow(">> three times") << QList<float>{-480, -480, -480} << -1200;
  QTest::newRow("there and back") << QList<float>{-480, -480, 480, 480} << kHeadingLeft;
  QTest::newRow("far out to the right") << QList<float>(20, 480) << kHeadingLeft + 20 * 480;
}

void TestResultList::sidewaysReachesEveryLine() {
  QFETCH(QList<float>, offsets);
  QFETCH(int, left);
  Fixture f;
  f.addLines(3);
  for (float offset : offsets) f.list->shiftSideways(offset);
  for (int i = 0; i <= 3; ++i) {
    QCOMPARE(f.position(i), QPoint(left, kHeadingTop + i * kPitch));
    // Shown only while some of it overlaps the frame.
    QCOMPARE(f.shown(i), left < kFrameWidth && left + kLineWidth > 0);
  }
}

void TestResultList::newLinesTakeTheSidewaysOffset() {
  Fixture f;
  f.addLines(2);
  for (int i = 0; i < 3; ++i) f.list->shiftSideways(-480);
  f.addLines(2);
  for (int i = 0; i <= 4; ++i) QCOMPARE(f.position(i).x(), -1200);
}

void TestResultList::onlyLinesInViewAreShown_data() {
  QTest::addColumn<int>("frameHeight");
  QTest::addColumn<int>("shownLines");  // the heading and this many lines show
  QTest::newRow("main window's frame: the sixth line is cut") << kFrameHeight << 6;
  QTest::newRow("a lower frame") << 2100 << 3;
  QTest::newRow("a frame that ends at the heading") << 1050 << 0;
}

void TestResultList::onlyLinesInViewAreShown() {
  QFETCH(int, frameHeight);
  QFETCH(int, shownLines);
  Fixture f(frameHeight);
  f.addLines(10);
  for (int i = 0; i <= 10; ++i) QCOMPARE(f.shown(i), i <= shownLines);
  // Following the frame's size shows the lines that now reach into view.
  f.frame->show();
  f.frame->resize(f.frame->width(), kFrameHeight / kTwips);
  for (int i = 0; i <= 10; ++i) QCOMPARE(f.shown(i), i <= 6);
}

void TestResultList::batchShowsLinesWhenItEnds() {
  Fixture f;
  f.list->beginBatch();
  f.list->beginBatch();
  f.addLines(8);
  for (int i = 1; i <= 8; ++i) QVERIFY(!f.shown(i));
  f.list->endBatch();
  QVERIFY(!f.shown(1));  // still inside the outer batch
  f.list->endBatch();
  for (int i = 1; i <= 8; ++i) QCOMPARE(f.shown(i), i <= 6);
  for (int i = 1; i <= 8; ++i) QCOMPARE(f.position(i).y(), kHeadingTop + i * kPitch);
  f.list->endBatch();  // one too many changes nothing
  QCOMPARE(f.list->upperBound(), 8);
}

void TestResultList::wheelStopsAtEitherEnd_data() {
  QTest::addColumn<int>("lines");
  QTest::addColumn<int>("notches");  // negative: the lines move up
  QTest::addColumn<bool>("moved");
  QTest::addColumn<int>("headingTop");
  QTest::newRow("down from the start") << 5 << 1 << false << kHeadingTop;
  QTest::newRow("up one") << 5 << -1 << true << kHeadingTop - kPitch;
  QTest::newRow("up past the last line") << 5 << -9 << true << kHeadingTop - 5 * kPitch;
  QTest::newRow("heading alone") << 0 << -1 << false << kHeadingTop;
  QTest::newRow("no notch") << 5 << 0 << false << kHeadingTop;
}

void TestResultList::wheelStopsAtEitherEnd() {
  QFETCH(int, lines);
  QFETCH(int, notches);
  QFETCH(bool, moved);
  QFETCH(int, headingTop);
  Fixture f;
  f.addLines(lines);
  QCOMPARE(f.list->scrollLines(notches), moved);
  for (int i = 0; i <= lines; ++i) QCOMPARE(f.position(i), QPoint(kHeadingLeft, headingTop + i * kPitch));
  // Back down never goes below the stored Top.
  f.list->scrollLines(100);
  QCOMPARE(f.position(0).y(), kHeadingTop);
}

// Lines moved up slide under the scroll strip: those wholly above its lower
// edge are hidden, and a line added then still follows the last one.
void TestResultList::linesUnderTheStripAreHidden() {
  Fixture f;
  f.addLines(9);
  QVERIFY(f.list->scrollLines(-2));
  QVERIFY(!f.shown(0));  // Top 720 - 870 = -150
  QVERIFY(!f.shown(1));  // Top 285, bottom 600: just above the strip's edge at 615
  QVERIFY(f.shown(2));   // Top 720
  QVERIFY(!f.list->inView(1));
  QVERIFY(f.list->inView(2));
  f.list->addLine();
  QCOMPARE(f.position(10).y(), kHeadingTop + 8 * kPitch);
}

void TestResultList::wheelEventsAddUpToNotches() {
  Fixture f;
  f.addLines(6);
  turnWheel(f.frame.get(), -60);
  QCOMPARE(f.position(0).y(), kHeadingTop);
  turnWheel(f.frame.get(), -60);
  QCOMPARE(f.position(0).y(), kHeadingTop - kPitch);
  turnWheel(f.frame.get(), 240);
  QCOMPARE(f.position(0).y(), kHeadingTop);
}

QTEST_MAIN(TestResultList)
#include "tst_resultlist.moc"
