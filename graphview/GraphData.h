#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

#include <memory>

#include "engine/core/Polynomial.h"
#include "engine/graph/CurvePlot.h"
#include "engine/solve/Solution.h"

// A real root as the graph writes it, next to the axis and in its
// description: as the worked solution's list of roots writes it, with the
// minus sign U+2212.
struct RootLabel {
  QString text;        // "−1", "1/2", "√2", "(1+√5)/2", "1,324718"
  QString axisText;    // `text`, or its approximation when `text` is too long for the axis
  bool exact = true;   // false: the text approximates the root
};

// The graph of one polynomial: the engine's plan of its first view, the
// labels of its real roots, and its values on demand.
//
// Both constructors throw factorix::EngineError(kOverflow) for a polynomial
// too large to plan within a second: degree above 400, degree times
// coefficient bits above 400 000, a root beyond 1e300.
class GraphData {
public:
  // The graph of the worked solution's polynomial, each real root labelled
  // as the solution writes it ("√2", "1+√3").
  explicit GraphData(const factorix::Solution& solution);
  // The graph of `polynomial` alone: its rational roots labelled exactly
  // ("−1", "1/2"), the others to six decimals.
  explicit GraphData(factorix::Polynomial polynomial);
  ~GraphData();
  GraphData(const GraphData&) = delete;
  GraphData& operator=(const GraphData&) = delete;

  const factorix::Polynomial& polynomial() const { return polynomial_; }
  const factorix::CurvePlot& plot() const { return plot_; }
  // One per real root, ascending, as plot().roots.
  const QVector<RootLabel>& rootLabels() const { return rootLabels_; }

  // The curve over [from, to] in the plot's units, its values clamped to
  // [yLow, yHigh].
  QVector<QPointF> sample(double from, double to, double yLow, double yHigh) const;
  // P(x), exactly signed and never overflowing.
  factorix::ScaledValue valueAt(double x) const;

private:
  // `realRoots`: the worked solution's real roots, ascending; empty when
  // there is no solution to take them from.
  GraphData(factorix::Polynomial polynomial, const std::vector<factorix::Root>& realRoots);

  factorix::Polynomial polynomial_;
  factorix::CurvePlot plot_;
  QVector<RootLabel> rootLabels_;
  std::unique_ptr<factorix::CurveEvaluator> evaluator_;  // its caches change on every call
};
