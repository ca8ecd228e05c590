#include "engine/graph/StationaryPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/graph/SignChange.h"

namespace factorix {
namespace {

constexpr double kGapPart = 0x1p-30;  // a stationary point between two roots is narrowed to this part of the gap
// Points looked at inside a gap between two roots, when P may turn more than
// once there, for a hump higher than the one narrowed.
constexpr int kGapSamples = 8;

Polynomial Derivative(const Polynomial& p) {
  Polynomial d;
  for (std::size_t i = 1; i < p.size(); ++i) d.push_back(p[i] * static_cast<unsigned long>(i));
  return d;
}

// True when x is one of the multiple roots (which are roots of P' too),
// allowing for each being rounded to a double on its own.
bool IsMultipleRoot(const std::vector<RealRoot>& roots, double x) {
  return std::any_of(roots.begin(), roots.end(), [x](const RealRoot& root) {
    return root.multiplicity > 1 && std::abs(root.value - x) <= 4 * std::abs(x) * std::numeric_limits<double>::epsilon();
  });
}

// A turning point of the gap (a, b), where P may turn more than once,
// higher than `turn`: the highest of kGapSamples points evenly inside, when
// it is higher, and the sign of P'/P there tell on which side of it |P|
// peaks, and the point is narrowed there; nothing when no point is higher.
std::optional<StationaryPoint> HigherHump(double a, double b, const StationaryPoint& turn, const SignedValues& slope,
                                          CurveEvaluator& values, Deadline deadline) {
  const double step = (b - a) / (kGapSamples + 1);
  int highest = 0;  // the sample; 0: none higher than `turn`
  ScaledValue highestValue = turn.y;
  for (int k = 1; k <= kGapSamples; ++k) {
    const ScaledValue y = values.At(a + step * k);
    if (y.Log2Magnitude() > highestValue.Log2Magnitude()) {
      highest = k;
      highestValue = y;
    }
  }
  if (highest == 0) return std::nullopt;
  const double x = a + step * highest;
  const int rising = slope(x).Sign();  // of P'/P: |P| rises to the right
  if (rising == 0) return StationaryPoint{x, highestValue};
  // |P| at the neighbouring sample (or root) is lower: it peaks in between.
  const double lo = rising > 0 ? x : std::max(a, x - step);
  const double hi = rising > 0 ? std::min(b, x + step) : x;
  const double peak = NarrowSignChange(slope, lo, ScaledValue{}, hi, ScaledValue{}, 1, (b - a) * kGapPart, deadline);
  return StationaryPoint{peak, values.At(peak)};
}

// The multiple roots, and one point between each two neighbouring roots,
// where P' changes sign: P'/P has the sign of 1 / (x - a) just right of the
// gap's left end a and the other sign just left of its right end. Unless
// `onePerGap`, also a higher turning point of the gap, should there be one.
std::vector<StationaryPoint> BetweenRoots(const std::vector<RealRoot>& roots, bool onePerGap, CurveEvaluator& values,
                                          Deadline deadline) {
  const SignedValues slope = [&values](double x) { return Scaled(values.LogDerivativeAt(x)); };
  std::vector<StationaryPoint> points;
  for (std::size_t i = 0; i < roots.size(); ++i) {
    if (roots[i].multiplicity > 1) points.push_back({roots[i].value, ScaledValue{}});
    if (i + 1 == roots.size()) break;
    const double a = roots[i].value, b = roots[i + 1].value;
    double x = a + (b - a) / 2;
    if (std::nextafter(a, b) != b)
      x = NarrowSignChange(slope, a, ScaledValue{}, b, ScaledValue{}, 1, (b - a) * kGapPart, deadline);
    points.push_back({x, values.At(x)});
    if (!onePerGap)
      if (const std::optional<StationaryPoint> hump = HigherHump(a, b, points.back(), slope, values, deadline))
        points.push_back(*hump);
  }
  return points;
}

}  // namespace

std::vector<StationaryPoint> StationaryPoints(const Polynomial& p, const std::vector<RealRoot>& roots,
                                              CurveEvaluator& values, Deadline deadline) {
  std::vector<StationaryPoint> points;
  if (roots.empty()) {
    for (const RealRoot& root : RealRoots(Derivative(p), deadline)) points.push_back({root.value, values.At(root.value)});
    return points;
  }
  points = BetweenRoots(roots, values.AllRootsReal(), values, deadline);
  if (values.AllRootsReal()) return points;
  CurveFactors slopes;  // P' seldom has a rational root: not worth the search
  FactorForCurve(Derivative(p), deadline, slopes, false);
  for (double x : RealRootsOutside(slopes, roots.front().value, roots.back().value, deadline))
    if (!IsMultipleRoot(roots, x)) points.push_back({x, values.At(x)});
  std::sort(points.begin(), points.end(), [](const StationaryPoint& a, const StationaryPoint& b) { return a.x < b.x; });
  return points;
}

}  // namespace factorix
