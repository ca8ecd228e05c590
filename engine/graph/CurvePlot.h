#pragma once

#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/graph/CurveEvaluator.h"
#include "engine/graph/RealRoots.h"
#include "engine/graph/ScaledValue.h"
#include "engine/graph/StationaryPoints.h"

namespace factorix {

// The first view of the graph of P(x): the x-range holds every real root
// and every stationary point with a margin of a tenth of its width (-5 to 5
// when there is no real root and no stationary point beyond them). The
// y-range holds the stationary values and the ends of the curve, except
// values two orders of magnitude above the rest, which are clipped.
struct CurvePlot {
  std::vector<RealRoot> roots;                 // ascending
  std::vector<StationaryPoint> stationary;     // ascending
  double xMin = -5, xMax = 5;
  int yPower10 = 0;            // y values are given in units of 10^yPower10
  double yMin = -1, yMax = 1;  // in those units
  bool clipped = false;        // some stationary value lies outside [yMin, yMax]
};

// Plans the graph of `p` (trimmed; the zero polynomial is the x-axis).
// Throws EngineError(kOverflow) when a root or stationary point lies beyond
// 1e300, or when `deadline` passes first.
CurvePlot PlanCurve(const Polynomial& p, Deadline deadline);
// The same with the caller's evaluator of `p`, which then samples the curve
// without building its square-free parts again.
CurvePlot PlanCurve(const Polynomial& p, CurveEvaluator& evaluator, Deadline deadline);

// One point of the curve, in the plot's units.
struct CurvePoint {
  double x;
  double y;
};

// `count` evenly spaced points over [from, to] together with the roots
// (y exactly 0) and stationary points inside it, ascending in x. Values are
// clamped to [yLow, yHigh] so that nothing is infinite.
std::vector<CurvePoint> SampleCurve(CurveEvaluator& evaluator, const CurvePlot& plot, double from, double to,
                                    int count, double yLow, double yHigh);

}  // namespace factorix
