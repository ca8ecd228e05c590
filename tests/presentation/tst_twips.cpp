#include <QtTest>

#include <cmath>
#include <limits>

#include "presentation/Twips.h"

// Twips to pixels: one rule, floor(twips / 15), for drawings and layouts.
class TestTwips : public QObject {
  Q_OBJECT

private slots:
  void toPixels_data() {
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("cell") << 120.0 << 8;
    QTest::newRow("half pixel") << 157.5 << 10;
    QTest::newRow("just short of a pixel") << 14.999 << 0;
    QTest::newRow("negative") << -1.0 << -1;
    QTest::newRow("negative, whole pixels") << -1200.0 << -80;
    QTest::newRow("negative, between pixels") << -1190.0 << -80;
    QTest::newRow("huge") << 1e30 << (1 << 20);
    QTest::newRow("huge negative") << -1e30 << -(1 << 20);
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << (1 << 20);
    QTest::newRow("not a number") << std::nan("") << -(1 << 20);
  }

  void toPixels() {
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(twips::toPixels(twips), pixels);
  }

  // Stored layouts are multiples of 15 and go there and back unchanged.
  void rectanglesGoThereAndBack() {
    const QRect stored(-1200, 720, 4815, 315);
    const QRect pixels = twips::toPixels(stored.x(), stored.y(), stored.width(), stored.height());
    QCOMPARE(pixels, QRect(-80, 48, 321, 21));
    QCOMPARE(twips::fromPixels(pixels), stored);
  }
};

QTEST_APPLESS_MAIN(TestTwips)
#include "tst_twips.moc"
