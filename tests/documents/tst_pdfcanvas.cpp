#include <QtTest>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>

#include "documents/DocumentFiles.h"
#include "documents/PdfCanvas.h"
#include "documents/FontFiles.h"

// PDFs drawn by our own writer, read back by poppler: the text comes back
// as it was drawn, the fonts are embedded and whole where they are used,
// and the file's structure is what a reader expects.
class TestPdfCanvas : public QObject {
  Q_OBJECT

private slots:
  void subsetKeepsTheUsedOutlines_data();
  void subsetKeepsTheUsedOutlines();
  void textReadsBack_data();
  void textReadsBack();
};

namespace {

constexpr int kResolution = 96;  // of the test's layouts, the default device's

struct Run {
  QString out;
  QString errors;
};

Run run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QRawFont rawFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(100);
  return QRawFont::fromFont(font);
}

// Whether every object the cross-reference table lists starts where it says.
bool crossReferencesHold(const QByteArray& pdf) {
  static const QRegularExpression start(QStringLiteral("startxref\\n(\\d+)\\n%%EOF\\n$"));
  const QRegularExpressionMatch found = start.match(QString::fromLatin1(pdf.right(40)));
  if (!found.hasMatch()) return false;
  const qsizetype xref = found.captured(1).toLongLong();
  if (!pdf.mid(xref).startsWith("xref\n0 ")) return false;
  const int count = pdf.mid(xref + 7, 10).split('\n').first().toInt();
  const qsizetype entries = pdf.indexOf('\n', xref + 7) + 1 + 20;  // after object 0's entry
  for (int id = 1; id < count; ++id) {
    const qsizetype offset = pdf.mid(entries + (id - 1) * 20, 10).toLongLong();
    if (!pdf.mid(offset).startsWith(QByteArray::number(id) + " 0 obj\n")) return false;
  }
  return count > 1;
}

}  // namespace

void TestPdfCanvas::subsetKeepsTheUsedOutlines_data() {
  QTest::addColumn<QString>("family");
  QTest::addColumn<QString>("used");
  QTest::addColumn<QString>("unused");
  QTest::newRow("digits") << QStringLiteral("Liberation Sans") << QStringLiteral("0123456789-") << QStringLiteral("abc");
  QTest::newRow("accented letters, made of parts") << QStringLiteral("DejaVu Sans") << QStringLiteral("éñÇÁ")
                                                   << QStringLiteral("xyz");
  QTest::newRow("superscripts and signs") << QStringLiteral("DejaVu Sans") << QStringLiteral("²³⁴⁵√±Δ")
                                          << QStringLiteral("ABC");
}

// The subset draws each used glyph as the font does and leaves the others
// empty.
void TestPdfCanvas::subsetKeepsTheUsedOutlines() {
  QFETCH(QString, family);
  QFETCH(QString, used);
  QFETCH(QString, unused);
  const QRawFont font = rawFont(family);
  QVERIFY(font.isValid());
  std::vector<bool> marks;
  const QList<quint32> usedGlyphs = font.glyphIndexesForString(used);
  for (const quint32 glyph : usedGlyphs) {
    marks.resize(std::max<std::size_t>(marks.size(), glyph + 1));
    marks[glyph] = true;
  }
  const QRawFont subset(FontFiles::trueTypeSubset(font, marks), font.pixelSize());
  QVERIFY(subset.isValid());
  for (const quint32 glyph : usedGlyphs) {
    QVERIFY(!font.pathForGlyph(glyph).isEmpty());
    QCOMPARE(subset.pathForGlyph(glyph).boundingRect(), font.pathForGlyph(glyph).boundingRect());
  }
  for (const quint32 glyph : font.glyphIndexesForString(unused)) QVERIFY(subset.pathForGlyph(glyph).isEmpty());
}

void TestPdfCanvas::textReadsBack_data() {
  QTest::addColumn<QString>("family");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("selectable");
  const QString sans = QStringLiteral("Liberation Sans");
  QTest::newRow("digits and signs") << sans << QStringLiteral("-1234567890 +=/ 0") << true;
  QTest::newRow("codes written escaped in a string") << sans << QStringLiteral("EFy* ()\\") << true;
  QTest::newRow("accents") << sans << QStringLiteral("Resolución paso a paso: Raíces, Factorización, año") << true;
  QTest::newRow("mathematics, from a fallback font") << sans << QStringLiteral("x²−2x⁴ = (1 ± √3)·Δ") << true;
  // A Type 1 font has no tables to embed: its glyphs are drawn as shapes.
  QTest::newRow("a font that cannot be embedded") << QStringLiteral("Nimbus Sans") << QStringLiteral("x²−2x⁴") << false;
}

// A text drawn on two pages, a rule and a picture under a clip: poppler
// reads the file without a complaint, finds the text on each page, the
// fonts embedded with their characters, and A4 pages with something drawn.
void TestPdfCanvas::textReadsBack() {
  QFETCH(QString, family);
  QFETCH(QString, text);
  QFETCH(bool, selectable);
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(11);
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  PdfCanvas canvas(DocumentFiles::pageLayout(), kResolution);
  canvas.drawTextLine(layout, 0, QPointF(10, 10));
  canvas.beginClip(QRectF(0, 0, 300, 300));
  canvas.drawLine(QPointF(0, 50), QPointF(200, 50), 1.5);
  canvas.drawPicture(QRectF(0, 60, 200, 150), [](QPainter& painter, const QRectF& target) {
    painter.fillRect(target.adjusted(10, 10, -10, -10), Qt::blue);
  });
  canvas.endClip();
  QVERIFY(canvas.newPage());
  canvas.drawTextLine(layout, 0, QPointF(100, 500));
  const QByteArray pdf = canvas.finish(QStringLiteral("Prueba"));
  QVERIFY(crossReferencesHold(pdf));

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("t.pdf"));
  QCOMPARE(DocumentFiles::writeBytes(path, pdf), QString());
  const Run shown = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  QCOMPARE(shown.errors, QString());
  const QStringList pages = shown.out.split(u'\f');
  QVERIFY(pages.size() >= 2);
  QCOMPARE(pages[0].trimmed(), selectable ? text : QString());
  QCOMPARE(pages[1].trimmed(), selectable ? text : QString());
  const Run fonts = run(QStringLiteral("pdffonts"), {path});
  QCOMPARE(fonts.errors, QString());
  const QStringList rows = fonts.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
  QCOMPARE(rows.isEmpty(), !selectable);
  for (const QString& row : rows) QVERIFY2(row.contains(QStringLiteral("Identity-H       yes yes yes")), qPrintable(row));
  const Run info = run(QStringLiteral("pdfinfo"), {path});
  QVERIFY2(info.out.contains(QStringLiteral("Pages:           2")) && info.out.contains(QStringLiteral("(A4)")),
           qPrintable(info.out));
  // The second page, where only the text is, has ink.
  const QString picture = folder.filePath(QStringLiteral("p"));
  QCOMPARE(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
                                            QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("2"), path, picture})
               .errors,
           QString());
  const QImage page(picture + QStringLiteral(".pgm"));
  QVERIFY(!page.isNull());
  bool ink = false;
  for (int y = 0; y < page.height() && !ink; ++y)
    for (int x = 0; x < page.width() && !ink; ++x) ink = qGray(page.pixel(x, y)) < 128;
  QVERIFY(ink);
}

QTEST_MAIN(TestPdfCanvas)
#include "tst_pdfcanvas.moc"
