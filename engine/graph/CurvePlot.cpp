#include "engine/graph/CurvePlot.h"

#include <algorithm>
#include <cmath>

namespace factorix {
namespace {

constexpr double kNoRootHalfWidth = 5;
constexpr double kLog2OfClipRatio = 6.643856189774724;  // log2(100): two orders of magnitude
constexpr double kLog2Of10 = 3.321928094887362;
constexpr int kLargestPlainPower = 4;  // values up to 10^5 are shown without a power of ten

void SetXRange(CurvePlot& plot) {
  std::vector<double> xs;
  for (const RealRoot& root : plot.roots) xs.push_back(root.value);
  for (const StationaryPoint& point : plot.stationary) xs.push_back(point.x);
  if (plot.roots.empty()) {
    const bool inside = std::all_of(xs.begin(), xs.end(), [](double x) { return std::abs(x) <= kNoRootHalfWidth; });
    if (inside) return;  // the default -5..5
    xs.push_back(-kNoRootHalfWidth);
    xs.push_back(kNoRootHalfWidth);
  }
  const auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
  if (*lo == *hi) {
    const double half = std::max(kNoRootHalfWidth, std::abs(*lo) / 10);
    plot.xMin = *lo - half;
    plot.xMax = *hi + half;
    return;
  }
  const double margin = (*hi - *lo) / 10;
  plot.xMin = *lo - margin;
  plot.xMax = *hi + margin;
}

// log2 of the largest magnitude shown: from the lower median of the nonzero
// stationary values upwards while no value is more than a hundred times the
// one below it. Infinite when there is no nonzero stationary value.
double ClipLog2(const CurvePlot& plot) {
  std::vector<double> magnitudes;
  for (const StationaryPoint& point : plot.stationary)
    if (point.y.Sign() != 0) magnitudes.push_back(point.y.Log2Magnitude());
  if (magnitudes.empty()) return HUGE_VAL;
  std::sort(magnitudes.begin(), magnitudes.end());
  std::size_t i = (magnitudes.size() - 1) / 2;
  while (i + 1 < magnitudes.size() && magnitudes[i + 1] - magnitudes[i] <= kLog2OfClipRatio) ++i;
  return magnitudes[i];
}

void SetYRange(CurvePlot& plot, CurveEvaluator& evaluator) {
  const double clipLog2 = ClipLog2(plot);
  std::vector<ScaledValue> shown;
  for (const StationaryPoint& point : plot.stationary) {
    const bool inside = point.y.Log2Magnitude() <= clipLog2;
    plot.clipped = plot.clipped || !inside;
    shown.push_back(inside ? point.y : ScaledValue{std::copysign(0.5, point.y.significand), std::lround(clipLog2) + 1});
  }
  for (double end : {plot.xMin, plot.xMax}) {
    const ScaledValue value = evaluator.At(end);
    if (value.Log2Magnitude() <= clipLog2 + kLog2OfClipRatio) shown.push_back(value);
  }
  double largest = -HUGE_VAL;
  for (const ScaledValue& value : shown) largest = std::max(largest, value.Log2Magnitude());
  const double power = std::floor(largest / kLog2Of10);
  plot.yPower10 = power > kLargestPlainPower ? static_cast<int>(power) : 0;

  double lo = 0, hi = 0;
  for (const ScaledValue& value : shown) {
    const double y = value.InUnits(plot.yPower10, 1e300);
    lo = std::min(lo, y);
    hi = std::max(hi, y);
  }
  if (lo == hi) return;  // the default -1..1
  const double margin = (hi - lo) / 10;
  plot.yMin = lo - margin;
  plot.yMax = hi + margin;
}

}  // namespace

CurvePlot PlanCurve(const Polynomial& p, Deadline deadline) {
  if (p.empty()) return CurvePlot{};
  CurveEvaluator evaluator(p, deadline);
  return PlanCurve(p, evaluator, deadline);
}

CurvePlot PlanCurve(const Polynomial& p, CurveEvaluator& evaluator, Deadline deadline) {
  CurvePlot plot;
  if (p.empty()) return plot;
  if (p.size() >= 2) plot.roots = RealRoots(evaluator.Factors(), deadline);
  evaluator.TakeRealRoots(plot.roots);
  if (p.size() >= 3) plot.stationary = StationaryPoints(p, plot.roots, evaluator, deadline);
  SetXRange(plot);
  SetYRange(plot, evaluator);
  return plot;
}

std::vector<CurvePoint> SampleCurve(CurveEvaluator& evaluator, const CurvePlot& plot, double from, double to,
                                    int count, double yLow, double yHigh) {
  const double limit = std::max(std::abs(yLow), std::abs(yHigh));
  auto valueAt = [&](double x) {
    return std::clamp(evaluator.At(x).InUnits(plot.yPower10, limit), yLow, yHigh);
  };
  // Roots and stationary points inside [from, to], ascending.
  std::vector<CurvePoint> features;
  for (const RealRoot& root : plot.roots)
    if (root.value >= from && root.value <= to) features.push_back({root.value, 0.0});
  for (const StationaryPoint& point : plot.stationary)
    if (point.x >= from && point.x <= to && point.y.Sign() != 0) features.push_back({point.x, valueAt(point.x)});
  std::sort(features.begin(), features.end(), [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; });

  // A grid point this close to a feature is left out, so that no rounding
  // puts it on the wrong side of a root.
  const double nearby = (to - from) * 1e-9;
  std::vector<CurvePoint> points;
  points.reserve(static_cast<std::size_t>(count) + features.size());
  std::size_t next = 0;
  for (int i = 0; i < count; ++i) {
    const double x = count == 1 ? from : from + (to - from) * i / (count - 1);
    while (next < features.size() && features[next].x <= x + nearby) points.push_back(features[next++]);
    if (!points.empty() && x - points.back().x <= nearby) continue;
    if (next < features.size() && features[next].x - x <= nearby) continue;
    points.push_back({x, valueAt(x)});
  }
  return points;
}

}  // namespace factorix
