#include <QtTest>

#include "app/FlatContainer.h"

// The sunken edge, pixel by pixel: dark grey along the top and left, white
// along the bottom and right; the right edge alone runs the full height.
class TestFlatContainer : public QObject {
  Q_OBJECT

private slots:
  void edge_data();
  void edge();
  void resizeLeavesNoTrace();
  void defaultSize();
};

namespace {

enum class Edge { Dark, Light, Face };

// What the pixel (x, y) of a w by h panel must be.
Edge expected(int x, int y, int w, int h) {
  if (x == w - 1) return Edge::Light;
  if (y == h - 1) return Edge::Light;
  if (y == 0 || x == 0) return Edge::Dark;
  return Edge::Face;
}

QColor colourOf(Edge e, const QColor& face) {
  switch (e) {
    case Edge::Dark:
      return FlatContainer::edgeDark();
    case Edge::Light:
      return FlatContainer::edgeLight();
    case Edge::Face:
      break;
  }
  return face;
}

// The first pixel that differs from the expected picture, or an empty text.
QString firstMismatch(const QImage& image, const QColor& face) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor want = colourOf(expected(x, y, image.width(), image.height()), face);
      const QColor got = image.pixelColor(x, y);
      if (got.rgb() != want.rgb())
        return QStringLiteral("(%1, %2): got %3, want %4").arg(x).arg(y).arg(got.name(), want.name());
    }
  return {};
}

}  // namespace

void TestFlatContainer::edge_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("the scroll strip, 321 by 17") << QSize(321, 17);
  QTest::newRow("one pixel") << QSize(1, 1);
  QTest::newRow("two by two") << QSize(2, 2);
  QTest::newRow("one row") << QSize(10, 1);
  QTest::newRow("one column") << QSize(1, 10);
  QTest::newRow("tall") << QSize(5, 40);
}

void TestFlatContainer::edge() {
  QFETCH(QSize, size);
  FlatContainer panel;
  panel.resize(size);
  const QImage image = panel.grab().toImage();
  QCOMPARE(image.size(), size);
  const QString mismatch = firstMismatch(image, panel.palette().color(QPalette::Button));
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestFlatContainer::resizeLeavesNoTrace() {
  FlatContainer panel;
  panel.resize(321, 17);
  panel.grab();
  panel.resize(200, 30);
  const QImage image = panel.grab().toImage();
  const QString mismatch = firstMismatch(image, panel.palette().color(QPalette::Button));
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

  // The strip of the main window: 320 dark pixels on top, 17 white at the right.
  panel.resize(321, 17);
  const QImage strip = panel.grab().toImage();
  int dark = 0;
  for (int x = 0; x < strip.width(); ++x) dark += strip.pixelColor(x, 0) == FlatContainer::edgeDark();
  int white = 0;
  for (int y = 0; y < strip.height(); ++y) white += strip.pixelColor(320, y) == FlatContainer::edgeLight();
  QCOMPARE(dark, 320);
  QCOMPARE(white, 17);
}

void TestFlatContainer::defaultSize() {
  FlatContainer panel;
  QCOMPARE(panel.sizeHint(), QSize(4800 / 15, 3600 / 15));
}

QTEST_MAIN(TestFlatContainer)
#include "tst_flatcontainer.moc"
