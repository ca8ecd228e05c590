#include "engine/solve/StartingPoints.h"

#include <gmpxx.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

namespace factorix {

namespace {

// log2 |c| for c != 0.
double Log2Abs(const mpz_class& c) {
  long exponent = 0;
  const double mantissa = mpz_get_d_2exp(&exponent, c.get_mpz_t());
  return static_cast<double>(exponent) + std::log2(std::fabs(mantissa));
}

// Exponents of long double that leave room for sums of a few hundred terms.
constexpr long kLongDoubleExponents = 16000;

// Settled: the step is below 2^-60 of the point's size.
constexpr long double kSettled = 0x1p-60L;
constexpr int kMaxIterations = 200;

// Complex arithmetic written out: std::complex's operators guard against
// infinities and NaN through library calls, several times slower in the
// n^2 loop below, and Aberth's iteration has no use for the guard.
struct Point {
  long double re, im;
};

Point Times(Point a, Point b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

Point Inverse(Point a) {
  const long double size = a.re * a.re + a.im * a.im;
  return {a.re / size, -a.im / size};
}

// f / f' at z for the coefficients c (lowest power first) and the same
// reversed, r: from r at 1/z outside the unit circle, so that no power of z
// overflows.
Point NewtonRatio(const std::vector<long double>& c, const std::vector<long double>& r, Point z) {
  const std::size_t n = c.size() - 1;
  const bool outside = z.re * z.re + z.im * z.im > 1;
  const std::vector<long double>& a = outside ? r : c;
  const Point x = outside ? Inverse(z) : z;
  Point value{a[n], 0}, slope{0, 0};
  for (std::size_t i = n; i-- > 0;) {
    slope = Times(slope, x);
    slope.re += value.re;
    slope.im += value.im;
    value = Times(value, x);
    value.re += a[i];
  }
  if (!outside) return Times(value, Inverse(slope));
  // z / (n - x f'(x) / f(x)) with x = 1/z
  Point t = Times(x, Times(slope, Inverse(value)));
  t = {static_cast<long double>(n) - t.re, -t.im};
  return Times(z, Inverse(t));
}

}  // namespace

std::vector<PolarPoint> PolygonStart(const Polynomial& f) {
  const std::size_t n = f.size() - 1;
  std::vector<double> height(n + 1, -std::numeric_limits<double>::infinity());
  for (std::size_t i = 0; i <= n; ++i) {
    if (f[i] != 0) height[i] = Log2Abs(f[i]);
  }
  // The upper convex hull of the points (i, log2|f[i]|).
  std::vector<std::size_t> hull;
  for (std::size_t i = 0; i <= n; ++i) {
    if (f[i] == 0) continue;
    while (hull.size() >= 2) {
      const std::size_t j = hull[hull.size() - 2], k = hull.back();
      const double cross = (height[k] - height[j]) * static_cast<double>(i - j) -
                           (height[i] - height[j]) * static_cast<double>(k - j);
      if (cross > 0) break;
      hull.pop_back();
    }
    hull.push_back(i);
  }
  // Each edge from j to k holds k - j roots of size about
  // 2^((h[j] - h[k]) / (k - j)), spread around their circle; the turn of
  // each circle is shifted so that no point starts on the real line or
  // next to a point of another circle.
  std::vector<PolarPoint> points;
  points.reserve(n);
  for (std::size_t e = 1; e < hull.size(); ++e) {
    const std::size_t j = hull[e - 1], k = hull[e];
    const double count = static_cast<double>(k - j);
    const double log2Radius = (height[j] - height[k]) / count;
    for (std::size_t t = 0; t < k - j; ++t) {
      const double angle = 2 * std::numbers::pi * (static_cast<double>(t) + 0.4) / count + 0.7 * static_cast<double>(e);
      points.push_back({log2Radius, angle});
    }
  }
  return points;
}

std::vector<ExtendedComplex> AberthRoots(const Polynomial& f, std::chrono::steady_clock::time_point deadline) {
  const std::size_t n = f.size() - 1;
  // The coefficients scaled by 2^-top, which changes no root.
  double top = -std::numeric_limits<double>::infinity();
  for (const mpz_class& c : f) {
    if (c != 0) top = std::max(top, Log2Abs(c));
  }
  std::vector<long double> c(n + 1, 0);
  for (std::size_t i = 0; i <= n; ++i) {
    if (f[i] == 0) continue;
    long exponent = 0;
    const double mantissa = mpz_get_d_2exp(&exponent, f[i].get_mpz_t());
    const double shift = static_cast<double>(exponent) - std::ceil(top);
    if (shift < -kLongDoubleExponents) return {};
    c[i] = std::ldexp(static_cast<long double>(mantissa), static_cast<int>(shift));
  }
  const std::vector<long double> r(c.rbegin(), c.rend());

  std::vector<Point> z;
  z.reserve(n);
  for (const PolarPoint& p : PolygonStart(f)) {
    if (std::fabs(p.log2Radius) > kLongDoubleExponents) return {};
    const long double radius = std::exp2(static_cast<long double>(p.log2Radius));
    z.push_back({radius * std::cos(static_cast<long double>(p.angle)), radius * std::sin(static_cast<long double>(p.angle))});
  }
  std::vector<bool> settled(n, false);
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    if (std::chrono::steady_clock::now() > deadline) break;
    bool moving = false;
    for (std::size_t i = 0; i < n; ++i) {
      if (settled[i]) continue;
      const Point ratio = NewtonRatio(c, r, z[i]);
      Point repulsion{0, 0};
      for (std::size_t j = 0; j < n; ++j) {
        if (j == i) continue;
        const Point inverse = Inverse({z[i].re - z[j].re, z[i].im - z[j].im});
        repulsion.re += inverse.re;
        repulsion.im += inverse.im;
      }
      const Point product = Times(ratio, repulsion);
      const Point step = Times(ratio, Inverse({1 - product.re, -product.im}));
      if (!std::isfinite(step.re) || !std::isfinite(step.im)) continue;
      z[i].re -= step.re;
      z[i].im -= step.im;
      const long double stepSize = step.re * step.re + step.im * step.im;
      if (stepSize <= kSettled * kSettled * (z[i].re * z[i].re + z[i].im * z[i].im)) {
        settled[i] = true;
      } else {
        moving = true;
      }
    }
    if (!moving) break;
  }
  std::vector<ExtendedComplex> out;
  out.reserve(n);
  for (const Point& p : z) out.emplace_back(p.re, p.im);
  return out;
}

}  // namespace factorix
