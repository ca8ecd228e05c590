#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

#include <memory>

#include "engine/core/Polynomial.h"
#include "engine/graph/CurvePlot.h"

// How a real root is written next to the axis and in the description: the
// exact value when it is short ("−1", "1/2", "√2"), else an approximation.
struct RootText {
  QString text;        // "2", "−1/3", "1,324718"
  bool exact = true;   // false: the text approximates the root
};

// The graph of one polynomial: the engine's plan of its first view, the
// texts of its real roots, and its values on demand.
class GraphData {
public:
  // Throws factorix::EngineError(kOverflow) for a polynomial too large to
  // plan within a second: degree above 400, degree times coefficient bits above
  // 400 000, a root beyond 1e300. `rootTexts` (one per real root,
  // ascending) come from the worked solution; when empty, the roots are
  // written exactly when they are integers or fractions with a small
  // denominator, and to six decimals otherwise.
  explicit GraphData(factorix::Polynomial polynomial, QVector<RootText> rootTexts = {});
  ~GraphData();
  GraphData(const GraphData&) = delete;
  GraphData& operator=(const GraphData&) = delete;

  const factorix::Polynomial& polynomial() const { return polynomial_; }
  const factorix::CurvePlot& plot() const { return plot_; }
  const QVector<RootText>& rootTexts() const { return rootTexts_; }

  // The curve over [from, to] in the plot's units, its values clamped to
  // [yLow, yHigh].
  QVector<QPointF> sample(double from, double to, double yLow, double yHigh) const;
  // P(x), exactly signed and never overflowing.
  factorix::ScaledValue valueAt(double x) const;

private:
  factorix::Polynomial polynomial_;
  factorix::CurvePlot plot_;
  QVector<RootText> rootTexts_;
  std::unique_ptr<factorix::CurveEvaluator> evaluator_;  // its caches change on every call
};
