// What a pad shows, read back from grab() at one pixel per 15 twips: cells
// at multiples of the cell width, raised characters smaller and higher, the
// four strokes of a root sign and its overline in black, the cursor line,
// and the retained picture that only P() replaces.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "formulapad/FormulaPad.h"
#include "presentation/FormulaLayout.h"

namespace {

const QColor kInk(0, 0, 255);         // the pads' text colour in these tests
const QColor kBackground(255, 255, 255);  // the text-field colour (Base)
const QColor kDialogGrey(0xEF, 0xEF, 0xEF);  // the window colour, never the pad's
const QColor kStroke(0, 0, 0);

// A pad 321 x 21 pixels (4815 x 315 twips) with the stored defaults, drawing
// blue on white so that text, strokes and background can be told apart. The
// window colour is grey: a pad is a text field and draws on the Base colour.
struct Pad {
  FormulaPad pad;
  explicit Pad(const QString& text, int cursor = 0) {
    QPalette palette = pad.palette();
    palette.setColor(QPalette::ButtonText, kInk);
    palette.setColor(QPalette::Base, kBackground);
    palette.setColor(QPalette::Window, kDialogGrey);
    pad.setPalette(palette);
    pad.resize(4815 / 15, 100);
    pad.setCellWidth(120);
    pad.setFontNormSize(10);
    pad.setFontSupSize(8);
    pad.setText(text);
    pad.setCursorPosition(cursor);
    pad.P();
  }
  QImage image() { return pad.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

bool isInk(QRgb pixel) {
  // Anti-aliased text: any pixel clearly tinted towards blue.
  return qBlue(pixel) > 128 && qRed(pixel) < 200 && qGreen(pixel) < 200;
}

// The bounding box of the text ink in columns [from, to).
QRect inkBox(const QImage& image, int from, int to) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = qMax(0, from); x < qMin(to, image.width()); ++x) {
      if (isInk(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

bool isStroke(const QImage& image, int x, int y) { return image.pixel(x, y) == kStroke.rgb(); }

int strokePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += isStroke(image, x, y);
  }
  return n;
}

}  // namespace

class TestFormulaPadDrawing : public QObject {
  Q_OBJECT

private slots:
  void heightIsAlways315Twips() {
    FormulaPad pad;
    pad.resize(200, 90);
    QCOMPARE(pad.height(), 21);
    pad.resize(50, 3);
    QCOMPARE(pad.size(), QSize(50, 21));
    QCOMPARE(pad.grab().size(), QSize(50, 21));
  }

  // Each character stays inside its cell: cell n spans pixels 8n .. 8n+7.
  void cellPositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cell");
    QTest::newRow("first cell") << "8" << 1;
    QTest::newRow("after markers") << "se8" << 1;
    QTest::newRow("fifth cell") << "1111" "8" << 5;
    QTest::newRow("after a raised digit") << "xe28" << 3;
    QTest::newRow("after a root index") << "2rx;8" << 3;
  }

  void cellPositions() {
    QFETCH(QString, text);
    QFETCH(int, cell);
    Pad p(text);
    p.pad.LF();  // no cursor line
    const QImage image = p.image();
    QVERIFY(inkBox(image, 0, 8).isNull());  // the strip before cell 1 stays empty
    const QRect box = inkBox(image, 8 * cell, 8 * cell + 8);
    QVERIFY2(!box.isNull(), "nothing drawn in the cell");
    QVERIFY2(box.left() <= 8 * cell + 2, qPrintable(QString::number(box.left())));
    QVERIFY(inkBox(image, 8 * cell + 8, image.width()).isNull());
  }

  void raisedCharacterIsSmallerAndHigher() {
    Pad plain(QStringLiteral("88"));
    Pad raised(QStringLiteral("8e8"));
    plain.pad.LF();
    raised.pad.LF();
    const QRect normal = inkBox(plain.image(), 16, 24);
    const QRect small = inkBox(raised.image(), 16, 24);
    QVERIFY(!normal.isNull() && !small.isNull());
    QVERIFY2(small.height() < normal.height(), "the raised digit is not smaller");
    QVERIFY2(small.bottom() < normal.bottom(), "the raised digit does not stand higher");
    QVERIFY(small.width() < normal.width());
  }

  // The root sign of "r" in cell 1 (x0 = 8 px, h = 21 px): a level stroke at
  // mid-height, down to the bottom, up to the top, and along the top.
  void rootSignStrokes() {
    Pad p(QStringLiteral("r"));
    p.pad.LF();
    const QImage image = p.image();
    QVERIFY(isStroke(image, 8, 10) && isStroke(image, 9, 10));  // 1: (x0, h/2) to (x0+30, h/2)
    for (int y = 12; y <= 20; ++y) {                              // 2: down to (x0+60, h)
      bool found = false;
      for (int x = 10; x <= 12; ++x) found |= isStroke(image, x, y);
      QVERIFY2(found, qPrintable(QStringLiteral("no downward stroke in row %1").arg(y)));
    }
    for (int y = 1; y <= 20; ++y) {                               // 3: up to (x0+90, 0)
      bool found = false;
      for (int x = 12; x <= 14; ++x) found |= isStroke(image, x, y);
      QVERIFY2(found, qPrintable(QStringLiteral("no upward stroke in row %1").arg(y)));
    }
    QVERIFY(isStroke(image, 14, 0) && isStroke(image, 15, 0));  // 4: to (x0+120, 0), end left out
    QVERIFY(!isStroke(image, 16, 0));
    QVERIFY(!isStroke(image, 7, 10));
    QVERIFY(strokePixels(image) <= 2 + 12 + 22 + 2);  // one-pixel strokes, no more
  }

  void overlineJoinsTheSign_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");  // pixels of row 0 that carry the line
    QTest::addColumn<int>("to");
    QTest::newRow("one cell") << "rx;" << 14 << 24;
    QTest::newRow("three cells") << "rx+1;2" << 14 << 40;
    QTest::newRow("to the end") << "rxe2" << 14 << 32;
  }

  void overlineJoinsTheSign() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    Pad p(text);
    p.pad.LF();
    const QImage image = p.image();
    for (int x = from; x < to; ++x) QVERIFY2(isStroke(image, x, 0), qPrintable(QString::number(x)));
    QVERIFY(!isStroke(image, to, 0));
  }

  void cursorLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("x");  // pixels
    QTest::newRow("empty") << "" << 0 << 8;
    QTest::newRow("after 3x squared plus 1") << "3xe2+1" << 6 << 48;
    QTest::newRow("after a root") << "2rx;" << 4 << 24;
    QTest::newRow("moved left") << "3x" << 1 << 16;
  }

  void cursorLine() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, x);
    Pad p(text, cursor);
    QCOMPARE(p.pad.cursorLineX(), x * 15);
    QVERIFY(p.pad.cursorLineVisible());
    const QImage image = p.image();
    for (int y = 0; y < 16; ++y) QCOMPARE(image.pixel(x, y), kInk.rgb());  // 240 twips tall
    QVERIFY(image.pixel(x, 16) != kInk.rgb());
    p.pad.LF();
    QVERIFY(!p.pad.cursorLineVisible());
    QVERIFY(p.image().pixel(x, 16 / 2) != kInk.rgb() || !text.isEmpty());
    if (text.isEmpty()) QCOMPARE(p.image().pixel(x, 0), kBackground.rgb());
  }

  // Typed past the pad's width (the pad is 321 px, 40 cells), the text moves
  // left by whole cells: its last character and the cursor line after it
  // show; screen readers still get the whole text.
  void longTextShowsItsEnd() {
    const QString text = QString(45, u'1') + QStringLiteral("8");
    Pad p(text, int(text.size()));
    const QImage image = p.image();
    // 46 cells end at 47 * 8 px; seven cells went out on the left.
    const int cursorX = 47 * 8 - 7 * 8;
    QCOMPARE(p.pad.cursorLineX(), cursorX * 15);
    QVERIFY(cursorX < image.width());
    for (int y = 0; y < 16; ++y) QCOMPARE(image.pixel(cursorX, y), kInk.rgb());
    QVERIFY(!inkBox(image, cursorX - 8, cursorX).isNull());  // the "8", just before the cursor
    QVERIFY(!inkBox(image, 0, 8).isNull());  // cells come in from the left edge
    QCOMPARE(p.pad.accessibleText(), text);

    // Back to a text that fits: drawn exactly as a new pad draws it.
    p.pad.NewText(QStringLiteral("18"));
    p.pad.setCursorPosition(2);
    p.pad.P();
    QCOMPARE(p.image(), Pad(QStringLiteral("18"), 2).image());
  }

  // A new pad, before any value is loaded, places its cursor line at x = 0.
  void newPadCursorAtZero() {
    FormulaPad pad;
    QCOMPARE(pad.cursorLineX(), 0);
    QVERIFY(pad.cursorLineVisible());
  }

  void directWriteKeepsThePicture() {
    Pad p(QStringLiteral("3x"), 2);
    const QImage before = p.image();
    p.pad.setText(QStringLiteral("7xe2+1"));
    p.pad.setCursorPosition(6);
    QCOMPARE(p.image(), before);
    p.pad.update();
    QApplication::processEvents();
    QCOMPARE(p.image(), before);  // repainting shows the retained picture
    p.pad.P();
    QVERIFY(p.image() != before);
  }

  void setterRedrawsAtOnce() {
    Pad p(QStringLiteral("3x"), 2);
    const QImage before = p.image();
    p.pad.NewText(QStringLiteral("3x"));
    QCOMPARE(p.image(), before);
    p.pad.NewCellWidth(200);
    QVERIFY(p.image() != before);
  }

  void drawingFontChangesOnlyWithChangeFontAndP() {
    Pad p(QStringLiteral("xxxx"));
    p.pad.LF();
    const QImage arial = p.image();
    p.pad.setFontName(QStringLiteral("Courier"));
    p.pad.P();
    QCOMPARE(p.image(), arial);  // FontName is only recorded
    p.pad.ChangeFont(QStringLiteral("Courier"));
    QCOMPARE(p.image(), arial);  // no redraw yet
    QCOMPARE(p.pad.drawingFontName(), QStringLiteral("Courier"));
    p.pad.P();
    QVERIFY(p.image() != arial);
    p.pad.NewFontName(QStringLiteral("Arial"));
    QCOMPARE(p.image(), arial);
    QCOMPARE(p.pad.fontName(), QStringLiteral("Arial"));
  }

  void printTextDrawsMarkers() {
    Pad p(QStringLiteral("e"));
    p.pad.LF();
    QVERIFY(inkBox(p.image(), 0, 321).isNull());
    p.pad.setPrintText(true);
    p.pad.P();
    QVERIFY(!inkBox(p.image(), 8, 16).isNull());
  }

  // Text far longer than the pad and absurd widths still draw, quickly.
  void hostileValuesDraw_data() {
    QTest::addColumn<QVariant>("text");
    QTest::addColumn<QVariant>("cellWidth");
    QTest::addColumn<QVariant>("size");
    QTest::newRow("100000 characters") << QVariant(QString(100000, u'8')) << QVariant(120) << QVariant(10);
    QTest::newRow("100000 at width 0") << QVariant(QString(100000, u'8')) << QVariant(0) << QVariant(10);
    QTest::newRow("long root") << QVariant(u"r"_qs + QString(100000, u'x')) << QVariant(1) << QVariant(10);
    QTest::newRow("huge width") << QVariant(u"rxe2"_qs) << QVariant(3e38) << QVariant(10);
    QTest::newRow("negative width") << QVariant(u"rxe2+1;"_qs) << QVariant(-7) << QVariant(10);
    QTest::newRow("largest size") << QVariant(u"x"_qs) << QVariant(120) << QVariant(2160);
    QTest::newRow("list as text") << QVariant(QStringList{"a", "b"}) << QVariant(120) << QVariant(10);
  }

  void hostileValuesDraw() {
    QFETCH(QVariant, text);
    QFETCH(QVariant, cellWidth);
    QFETCH(QVariant, size);
    Pad p{QString()};
    p.pad.setText(text.toString());
    p.pad.setCellWidth(FormulaLayout::number(cellWidth));
    p.pad.setFontNormSize(FormulaLayout::number(size));
    QElapsedTimer clock;
    clock.start();
    p.pad.P();
    const QImage image = p.image();
    QVERIFY(!image.isNull());
    QVERIFY2(clock.elapsed() < 3000, "drawing took too long");
  }
};

QTEST_MAIN(TestFormulaPadDrawing)
#include "tst_formulapaddrawing.moc"
