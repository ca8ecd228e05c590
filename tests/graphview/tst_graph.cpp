#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>
#include <ctime>
#include <random>
#include <utility>

#include "engine/core/EngineError.h"
#include "engine/solve/Solution.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"
#include "graphview/GraphImage.h"
#include "tests/engine/TestPolynomials.h"

using factorix::Polynomial;
using factorix::test::Chebyshev;
using factorix::test::PowerOfFactor;
using factorix::test::Times;

Q_DECLARE_METATYPE(Polynomial)

namespace {

// Processor time: what the drawing costs, whatever else the machine does.
double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Sanitizers and unoptimised code slow everything down many times over.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr double kSlowdown = 15;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSlowdown = 15;
#else
constexpr double kSlowdown = 1;
#endif
#else
constexpr double kSlowdown = 1;
#endif

QStringList texts(const GraphData& data, bool axis) {
  QStringList out;
  for (const RootLabel& label : data.rootLabels()) out << (axis ? label.axisText : label.text);
  return out;
}

// Coefficients drawn from a fixed generator: the same polynomial on every run.
Polynomial pseudoRandom(int degree, unsigned seed, int largest) {
  std::minstd_rand generator(seed);
  std::uniform_int_distribution<int> coefficient(-largest, largest);
  Polynomial p;
  for (int i = 0; i <= degree; ++i) p.push_back(coefficient(generator));
  p.back() = 3;
  return p;
}

}  // namespace

class GraphTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void labels_data();
  void labels();
  void everyRootIsMarked_data();
  void everyRootIsMarked();
  void degree400IsQuickAndFinite_data();
  void degree400IsQuickAndFinite();
  void productOfSmallFactorsIsDrawn();
};

// Fonts and the painting engines are loaded once, before anything is timed.
void GraphTest::initTestCase() {
  QTemporaryDir folder;
  QCOMPARE(GraphImage::write(GraphData(Polynomial{-1, 1}), folder.filePath("g.png"), GraphImage::kDefaultSize), QString());
}

void GraphTest::labels_data() {
  QTest::addColumn<Polynomial>("polynomial");
  QTest::addColumn<bool>("solved");
  QTest::addColumn<QStringList>("description");
  QTest::addColumn<QStringList>("axis");
  const QString minus(QChar(0x2212));
  // Written as the worked solution writes them.
  QTest::newRow("surds") << Polynomial{-2, 0, 1} << true << QStringList{minus + "√2", "√2"} << QStringList{minus + "√2", "√2"};
  QTest::newRow("surd sum") << Polynomial{-2, -2, 1} << true << QStringList{"1" + minus + "√3", "1+√3"}
                            << QStringList{"1" + minus + "√3", "1+√3"};
  QTest::newRow("fraction, double") << Times({-1, 2}, PowerOfFactor(3, 2)) << true << QStringList{"1/2", "3"}
                                     << QStringList{"1/2", "3"};
  QTest::newRow("approximate") << Polynomial{-1, -1, 0, 0, 0, 1} << true << QStringList{"1,167304"} << QStringList{"1,167304"};
  // Too long for the axis: approximated there, exact in the description.
  QTest::newRow("long surd") << Polynomial{-12345678, -1, 1} << true << QStringList{"(1" + minus + "√49382713)/2", "(1+√49382713)/2"}
                             << QStringList{minus + "3513,141736", "3514,141736"};
  // Too long for the axis even to six decimals: a power of ten there.
  QTest::newRow("large integer") << Polynomial{mpz_class("-1000000000000000000000"), 1} << true
                                 << QStringList{"1000000000000000000000"} << QStringList{"1·10²¹"};
  // Without a solution: rational roots exact, the others to six decimals.
  QTest::newRow("unsolved") << Times({-2, 0, 1}, {-1, 3}) << false << QStringList{minus + "1,414214", "1/3", "1,414214"}
                            << QStringList{minus + "1,414214", "1/3", "1,414214"};
}

void GraphTest::labels() {
  QFETCH(Polynomial, polynomial);
  QFETCH(bool, solved);
  QFETCH(QStringList, description);
  QFETCH(QStringList, axis);
  const GraphData data = solved ? GraphData(factorix::Solve(polynomial)) : GraphData(polynomial);
  QCOMPARE(texts(data, false), description);
  QCOMPARE(texts(data, true), axis);
  for (const QString& root : description) QVERIFY(GraphDescription::text(data).contains(root));
}

void GraphTest::everyRootIsMarked_data() {
  QTest::addColumn<Polynomial>("polynomial");
  QTest::newRow("none") << Polynomial{1, 0, 1};
  QTest::newRow("simple and double") << Times({2, 1}, PowerOfFactor(1, 2));
  QTest::newRow("a hundred, close together") << Chebyshev(100);
}

// One circle per real root, each centred on the x-axis of the picture.
void GraphTest::everyRootIsMarked() {
  QFETCH(Polynomial, polynomial);
  const GraphData data(polynomial);
  const QString svg = QString::fromUtf8(GraphImage::svg(data));
  static const QRegularExpression mark(QStringLiteral(R"re(matrix\(1,0,0,1,([\d.]+),([\d.]+)\)"[^>]*>\s*<circle)re"));
  QList<double> rows;
  for (const QRegularExpressionMatch& match : mark.globalMatch(svg)) rows << match.captured(2).toDouble();
  QCOMPARE(rows.size(), static_cast<qsizetype>(data.plot().roots.size()));
  for (double row : rows) QCOMPARE(row, rows.front());
}

void GraphTest::degree400IsQuickAndFinite_data() {
  QTest::addColumn<Polynomial>("polynomial");
  QTest::newRow("small coefficients") << pseudoRandom(400, 1, 9);
  QTest::newRow("x^400 - 1") << [] {
    Polynomial p(401);
    p.front() = -1;
    p.back() = 1;
    return p;
  }();
  QTest::newRow("(x - 1)^400") << PowerOfFactor(1, 400);
  QTest::newRow("(x^2 - 2)^200") << [] {
    Polynomial p{1};
    for (int i = 0; i < 200; ++i) p = Times(p, {-2, 0, 1});
    return p;
  }();
  QTest::newRow("values beyond a double") << [] {
    Polynomial p = pseudoRandom(400, 2, 9);
    p[2] = mpz_class("1" + std::string(300, '0'));
    return p;
  }();
}

// Planned and drawn as a picture with every value finite, and without a
// hang: a second of processor time at most. The benchmark, not this test,
// carries the figure for the window (about 200 ms on a quiet machine).
void GraphTest::degree400IsQuickAndFinite() {
  constexpr double kMaxSeconds = 1;  // processor seconds, before a build's slowdown
  QFETCH(Polynomial, polynomial);
  QTemporaryDir folder;
  const double started = cpuSeconds();
  std::unique_ptr<GraphData> planned;
  try {
    planned = std::make_unique<GraphData>(polynomial);
  } catch (const factorix::EngineError&) {
    // Planning stops after a second of wall-clock time: on a machine too
    // busy to give it the processor, that says nothing of its own cost.
    if (cpuSeconds() - started < kMaxSeconds * kSlowdown) QSKIP("the machine is too busy to time the graph");
    QFAIL("the graph took too long to plan");
  }
  const GraphData& data = *planned;
  QCOMPARE(GraphImage::write(data, folder.filePath("g.png"), GraphImage::kDefaultSize), QString());
  const double spent = cpuSeconds() - started;
  qInfo("%.0f ms", spent * 1000);
  QVERIFY2(spent < kMaxSeconds * kSlowdown, qPrintable(QString::number(spent)));
  const factorix::CurvePlot& plot = data.plot();
  for (const QPointF& point : data.sample(plot.xMin, plot.xMax, plot.yMin, plot.yMax))
    QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
}

// (x^2 - 1)(x^2 - 2)...(x^2 - 200): degree 400 and coefficients of 377
// digits, all its roots below 15.
void GraphTest::productOfSmallFactorsIsDrawn() {
  if (kSlowdown > 1) QSKIP("planning has a second of wall-clock time");
  Polynomial p{1};
  for (int k = 1; k <= 200; ++k) p = Times(p, {-k, 0, 1});
  const GraphData data(p);
  QCOMPARE(data.plot().roots.size(), std::size_t(400));
}

QTEST_MAIN(GraphTest)
#include "tst_graph.moc"
