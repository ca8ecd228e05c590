#include "engine/graph/StationaryPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/graph/SignChange.h"

namespace factorix {
namespace {

constexpr double kGapPart = 0x1p-30;  // a stationary point between two roots is narrowed to this part of the gap

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

bool AllRootsReal(const Polynomial& p, const std::vector<RealRoot>& roots) {
  std::size_t count = 0;
  for (const RealRoot& root : roots) count += root.multiplicity;
  return count + 1 == p.size();
}

// The multiple roots, and one point between each two neighbouring roots,
// where P' changes sign: P'/P has the sign of 1 / (x - a) just right of the
// gap's left end a and the other sign just left of its right end.
std::vector<StationaryPoint> BetweenRoots(const std::vector<RealRoot>& roots, CurveEvaluator& values,
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
  points = BetweenRoots(roots, values, deadline);
  if (AllRootsReal(p, roots)) return points;
  CurveFactors slopes;  // P' seldom has a rational root: not worth the search
  FactorForCurve(Derivative(p), deadline, slopes, false);
  for (double x : RealRootsOutside(slopes, roots.front().value, roots.back().value, deadline))
    if (!IsMultipleRoot(roots, x)) points.push_back({x, values.At(x)});
  std::sort(points.begin(), points.end(), [](const StationaryPoint& a, const StationaryPoint& b) { return a.x < b.x; });
  return points;
}

}  // namespace factorix
