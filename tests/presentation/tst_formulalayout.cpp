// The picture of a formula text: which character goes to which cell at which
// size, the strokes of roots and overlines, the cursor line, and the spoken
// form for assistive technology. Positions in twips, sizes in points.
#include <QElapsedTimer>
#include <cmath>
#include <QTest>

#include "presentation/FormulaLayout.h"

namespace {

FormulaScene defaults(const QString& text, int cursor = 0) {
  FormulaScene scene;
  scene.text = text;
  scene.cellWidth = 120;
  scene.normSize = 10;
  scene.supSize = 8;
  scene.cursor = cursor;
  scene.fontName = QStringLiteral("Arial");
  scene.widthTwips = 4815;
  scene.heightTwips = 315;
  return scene;
}

// "3@120:10 x@240:10": character, x, size of every glyph.
QString glyphs(const FormulaPicture& picture) {
  QStringList out;
  for (const auto& g : picture.glyphs) {
    out << QStringLiteral("%1@%2:%3").arg(g.character).arg(g.x).arg(g.pointSize);
    if (g.y != 0) out.last() += QStringLiteral("(y%1)").arg(g.y);
  }
  return out.join(u' ');
}

// "120,157.5>150,157.5": every stroke, from > to.
QString strokes(const FormulaPicture& picture) {
  QStringList out;
  for (const auto& s : picture.strokes) {
    out << QStringLiteral("%1,%2>%3,%4").arg(s.x1).arg(s.y1).arg(s.x2).arg(s.y2);
  }
  return out.join(u' ');
}

// The number of drawn characters of a text of letters and raised digits.
qsizetype drawnCharacters(const QString& text) { return text.size() - text.count(u'e'); }

const QString kRootAt120 =
    QStringLiteral("120,157.5>150,157.5 150,157.5>180,315 180,315>210,0 210,0>240,0");

}  // namespace

class TestFormulaLayout : public QObject {
  Q_OBJECT

private slots:
  void layout_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("expectedGlyphs");
    QTest::addColumn<QString>("expectedStrokes");
    QTest::addColumn<int>("expectedK");
    QTest::addColumn<double>("expectedCursorX");

    QTest::newRow("empty") << "" << 0 << "" << "" << 0 << 120.0;
    QTest::newRow("empty, cursor 3") << "" << 3 << "" << "" << 0 << 480.0;
    QTest::newRow("3x squared plus 1")
        << "3xe2+1" << 6 << "3@120:10 x@240:10 2@360:8 +@480:10 1@600:10" << "" << 1 << 720.0;
    QTest::newRow("only the next character is raised")
        << "xe12" << 4 << "x@120:10 1@240:8 2@360:10" << "" << 1 << 480.0;
    QTest::newRow("two raised digits") << "xe1e2" << 5 << "x@120:10 1@240:8 2@360:8" << "" << 2 << 480.0;
    QTest::newRow("root with index")
        << "2rx;" << 4 << "2@120:6 x@240:10" << kRootAt120 + " 240,0>360,0" << 2 << 360.0;
    QTest::newRow("root with a letter before it")
        << "xrx;" << 4 << "x@240:10" << kRootAt120 + " 240,0>360,0" << 2 << 360.0;
    QTest::newRow("root without end")
        << "rxe2+1" << 6 << "x@240:10 2@360:8 +@480:10 1@600:10"
        << kRootAt120 + " 240,0>360,0 360,0>480,0 480,0>600,0 600,0>720,0" << 1 << 720.0;
    QTest::newRow("overline ends at semicolon")
        << "rx;+1" << 5 << "x@240:10 +@360:10 1@480:10" << kRootAt120 + " 240,0>360,0" << 1 << 600.0;
    // The "x" between the signs is the second sign's (unshown) index.
    QTest::newRow("two roots, one end")
        << "rxrx;y" << 6 << "x@360:10 y@480:10"
        << kRootAt120 + " 240,157.5>270,157.5 270,157.5>300,315 300,315>330,0 330,0>360,0 360,0>480,0"
        << 2 << 600.0;
    QTest::newRow("capital letters are drawn") << "ESR" << 3 << "E@120:10 S@240:10 R@360:10" << "" << 0 << 480.0;
    QTest::newRow("s alone") << "s" << 1 << "" << "" << 1 << 120.0;
    QTest::newRow("semicolon without root") << "x;y" << 3 << "x@120:10 y@240:10" << "" << 1 << 360.0;
    QTest::newRow("e at the end") << "xe" << 2 << "x@120:10" << "" << 1 << 240.0;
    QTest::newRow("raised index is consumed") << "e2rx;" << 5 << "2@120:6 x@240:10"
                                              << kRootAt120 + " 240,0>360,0" << 3 << 360.0;
  }

  void layout() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expectedGlyphs);
    QFETCH(QString, expectedStrokes);
    QFETCH(int, expectedK);
    QFETCH(double, expectedCursorX);

    const FormulaPicture picture = FormulaLayout::layout(defaults(text, cursor));
    QCOMPARE(glyphs(picture), expectedGlyphs);
    QCOMPARE(strokes(picture), expectedStrokes);
    QCOMPARE(picture.zeroWidthCount, expectedK);
    QVERIFY(picture.cursorX.has_value());
    QCOMPARE(*picture.cursorX, expectedCursorX);
  }

  void printTextDrawsEveryCharacter() {
    FormulaScene scene = defaults(QStringLiteral("3xe2r;"), 6);
    scene.printText = true;
    const FormulaPicture picture = FormulaLayout::layout(scene);
    QCOMPARE(glyphs(picture), QStringLiteral("3@120:10 x@240:10 e@360:10 2@480:10 r@600:10 ;@720:10"));
    QCOMPARE(strokes(picture), QString());
    QCOMPARE(*picture.cursorX, 840.0);
    QCOMPARE(picture.spoken, QStringLiteral("3xe2r;"));
  }

  void wideCellsKeepTheRootSignNarrow() {
    FormulaScene scene = defaults(QStringLiteral("rx;"), 3);
    scene.cellWidth = 200;
    const FormulaPicture picture = FormulaLayout::layout(scene);
    QCOMPARE(glyphs(picture), QStringLiteral("x@400:10"));
    // The sign ends at 320; the overline starts at 400: a gap of 80.
    QCOMPARE(strokes(picture), QStringLiteral("200,157.5>230,157.5 230,157.5>260,315 260,315>290,0 "
                                              "290,0>320,0 400,0>600,0"));
  }

  // Values the drawing cannot use skip only the steps that use them. They
  // come as a pad's setters take them, of any kind.
  void unusableValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("cellWidth");
    QTest::addColumn<QVariant>("normSize");
    QTest::addColumn<QVariant>("supSize");
    QTest::addColumn<QVariant>("cursor");
    QTest::addColumn<QString>("expectedGlyphs");
    QTest::addColumn<QVariant>("expectedCursorX");  // empty: not placed
    QTest::addColumn<double>("expectedEndSize");

    const QVariant none;
    // The surface starts at 14 points here, left by an earlier redraw.
    QTest::newRow("everything empty") << "3x" << none << none << none << none
                                      << "3@0:14 x@0:14" << QVariant(0.0) << 14.0;
    QTest::newRow("cell width text") << "3x" << QVariant("abc") << QVariant(10) << QVariant(8) << QVariant(2)
                                     << "3@0:10 x@0:10" << none << 10.0;
    QTest::newRow("cell width numeric text") << "3x" << QVariant(" 60 ") << QVariant(10) << QVariant(8)
                                             << QVariant(2) << "3@60:10 x@120:10" << QVariant(180.0) << 10.0;
    QTest::newRow("cell width beyond single precision")
        << "3" << QVariant(1e39) << QVariant(10) << QVariant(8) << QVariant(1) << "3@0:10" << none << 10.0;
    QTest::newRow("norm size text") << "3xe2" << QVariant(120) << QVariant("big") << QVariant(8) << QVariant(4)
                                    << "3@120:14 x@240:14 2@360:8" << QVariant(480.0) << 8.0;
    QTest::newRow("norm size zero") << "3" << QVariant(120) << QVariant(0) << QVariant(8) << QVariant(1)
                                    << "3@120:14" << QVariant(240.0) << 14.0;
    QTest::newRow("norm size negative") << "3" << QVariant(120) << QVariant(-5) << QVariant(8) << QVariant(1)
                                        << "3@120:14" << QVariant(240.0) << 14.0;
    QTest::newRow("norm size too large") << "3" << QVariant(120) << QVariant(5000) << QVariant(8) << QVariant(1)
                                         << "3@120:14" << QVariant(240.0) << 14.0;
    QTest::newRow("sup size text") << "xe2" << QVariant(120) << QVariant(10) << QVariant("small") << QVariant(3)
                                   << "x@120:10 2@240:10" << QVariant(360.0) << 10.0;
    QTest::newRow("index size refused") << "2rx;" << QVariant(120) << QVariant(10) << QVariant(2) << QVariant(4)
                                        << "2@120:10 x@240:10" << QVariant(360.0) << 10.0;
    QTest::newRow("fractional sizes") << "xe2" << QVariant(120) << QVariant(10.5) << QVariant("7.25")
                                      << QVariant(3) << "x@120:10.5 2@240:7.25" << QVariant(360.0) << 7.25;
  }

  void unusableValues() {
    QFETCH(QString, text);
    QFETCH(QVariant, cellWidth);
    QFETCH(QVariant, normSize);
    QFETCH(QVariant, supSize);
    QFETCH(QVariant, cursor);
    QFETCH(QString, expectedGlyphs);
    QFETCH(QVariant, expectedCursorX);
    QFETCH(double, expectedEndSize);

    FormulaScene scene = defaults(text);
    scene.cellWidth = FormulaLayout::number(cellWidth);
    scene.normSize = FormulaLayout::number(normSize);
    scene.supSize = FormulaLayout::number(supSize);
    scene.cursor = cursor.toInt();
    scene.startFontSize = 14;
    const FormulaPicture picture = FormulaLayout::layout(scene);
    QCOMPARE(glyphs(picture), expectedGlyphs);
    QCOMPARE(picture.cursorX.has_value(), expectedCursorX.isValid());
    if (picture.cursorX) QCOMPARE(*picture.cursorX, expectedCursorX.toDouble());
    QCOMPARE(picture.endFontSize, expectedEndSize);
  }

  // Hostile texts and widths: the picture stays small and quick to make.
  void boundedWork_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("cellWidth");
    QTest::addColumn<int>("maxGlyphs");
    QTest::addColumn<int>("maxStrokes");

    const QString longText = QString(100000, u'x');
    QString longRoot = QStringLiteral("r");
    longRoot += QString(100000, u'x');
    // A long text shows its end: the cells across the area, and those that
    // reach in from the left edge (a glyph is at most two ems wide).
    QTest::newRow("100000 cells") << longText << QVariant(120) << 44 << 0;
    QTest::newRow("100000 cells of width 0") << longText << QVariant(0) << int(FormulaLayout::kMaxItems) << 0;
    QTest::newRow("100000 overlined cells") << longRoot << QVariant(120) << 44 << 44;
    QTest::newRow("huge cell width") << longRoot << QVariant(3e38) << 1 << 4;
    QTest::newRow("negative cell width") << longRoot << QVariant(-120) << 4 << 8;
  }

  void boundedWork() {
    QFETCH(QString, text);
    QFETCH(QVariant, cellWidth);
    QFETCH(int, maxGlyphs);
    QFETCH(int, maxStrokes);

    FormulaScene scene = defaults(text, int(text.size()));
    scene.cellWidth = FormulaLayout::number(cellWidth);
    QElapsedTimer clock;
    clock.start();
    const FormulaPicture picture = FormulaLayout::layout(scene);
    QVERIFY2(clock.elapsed() < 2000, "laying out took too long");
    QVERIFY2(picture.glyphs.size() <= maxGlyphs, qPrintable(QString::number(picture.glyphs.size())));
    QVERIFY2(picture.strokes.size() <= maxStrokes, qPrintable(QString::number(picture.strokes.size())));
    QVERIFY(picture.cursorX.has_value());
  }

  // A text wider than the area (the input pad's 3375 twips) shifts left by
  // whole cells until its end and the cursor line after it show; a text that
  // fits stays where its cells are.
  void longTextShowsItsEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<double>("shift");
    QTest::addColumn<double>("cursorX");

    const QString x27(27, u'x');
    const QString x28(28, u'x');
    const QString x40(40, u'x');
    QTest::newRow("27 cells fit") << x27 << 27 << 0.0 << 3360.0;
    QTest::newRow("28 cells: one cell left") << x28 << 28 << 120.0 << 3360.0;
    QTest::newRow("40 cells") << x40 << 40 << 1560.0 << 3360.0;
    QTest::newRow("raised digits take no extra cell") << QStringLiteral("xe2").repeated(14) << 42 << 120.0 << 3360.0;
    QTest::newRow("cursor moved to the start stays in view") << x40 << 0 << 120.0 << 0.0;
    QTest::newRow("cursor in the middle stays in view") << x40 << 10 << 1320.0 << 0.0;
    QTest::newRow("cursor past a short text moves nothing") << QStringLiteral("xx") << 500 << 0.0 << 501.0 * 120;
  }

  void longTextShowsItsEnd() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(double, shift);
    QFETCH(double, cursorX);
    FormulaScene scene = defaults(text, cursor);
    scene.widthTwips = 3375;
    const FormulaPicture picture = FormulaLayout::layout(scene);
    QCOMPARE(picture.shiftTwips, shift);
    QCOMPARE(picture.cursorX.value_or(-1), cursorX);
    // The cells keep their pitch; the first kept glyph is the first whose
    // cell lies in the area, and the end shows whole.
    QVERIFY(!picture.glyphs.isEmpty());
    QCOMPARE(std::fmod(picture.glyphs.first().x, 120.0), 0.0);
    const bool endShows = cursorX == 3360.0;
    if (endShows) QCOMPARE(picture.extentTwips - shift, picture.glyphs.last().x + 120);
    QVERIFY(picture.glyphs.last().x < scene.widthTwips);
    // Screen readers get the whole text.
    QCOMPARE(picture.spoken.size(), drawnCharacters(text));
  }

  void spoken_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");
    QTest::newRow("square") << "3xe2+1" << 6 << u"3x\u00B2+1"_qs << 5;
    QTest::newRow("two raised digits") << "xe1e2" << 5 << u"x\u00B9\u00B2"_qs << 3;
    QTest::newRow("every raised digit") << "e0e1e2e3e4e5e6e7e8e9" << 0
                                        << u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079"_qs << 0;
    QTest::newRow("raised signs and letters") << "e+e-e=e(e)exeq" << 0 << u"\u207A\u207B\u207C\u207D\u207E\u02E3q"_qs << 0;
    QTest::newRow("root with index") << "2rx;" << 4 << u"\u00B2\u221Ax"_qs << 3;
    QTest::newRow("root of a square") << "rxe2+1;" << 7 << u"\u221Ax\u00B2+1"_qs << 5;
    QTest::newRow("letter index is not read") << "xrx;" << 4 << u"\u221Ax"_qs << 2;
    QTest::newRow("markers only") << "es;" << 3 << "" << 0;
    QTest::newRow("cursor inside") << "3xe2+1" << 2 << u"3x\u00B2+1"_qs << 2;
    QTest::newRow("cursor before a raised digit") << "3xe2+1" << 4 << u"3x\u00B2+1"_qs << 3;
    QTest::newRow("cursor past the end") << "ab" << 9 << "ab" << 2;
  }

  void spoken() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);
    const FormulaPicture picture = FormulaLayout::layout(defaults(text, cursor));
    QCOMPARE(picture.spoken, expected);
    QCOMPARE(picture.spokenCursor, expectedCursor);
    QCOMPARE(picture.spokenX.size(), picture.spoken.size());
  }
};

QTEST_APPLESS_MAIN(TestFormulaLayout)
#include "tst_formulalayout.moc"
