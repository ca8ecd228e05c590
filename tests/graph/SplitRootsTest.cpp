#include <arb_fmpz_poly.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "engine/graph/Descartes.h"
#include "engine/poly/FlintConversion.h"
#include "engine/graph/CurvePlot.h"
#include "tests/engine/TestPolynomials.h"

namespace factorix {
namespace {

using test::Times;

Deadline Soon() { return std::chrono::steady_clock::now() + std::chrono::seconds(20); }

Polynomial Derivative(const Polynomial& p) {
  Polynomial d;
  for (std::size_t i = 1; i < p.size(); ++i) d.push_back(p[i] * static_cast<unsigned long>(i));
  return d;
}

// The distinct real roots of p, ascending, from Arb's certified isolation
// of every complex root of p's square-free part: a reference that shares
// nothing with the graph's own root finding.
std::vector<double> ReferenceRealRoots(const Polynomial& p) {
  FmpzPoly poly, derivative, common, squareFree;
  SetFlint(poly, p);
  fmpz_poly_derivative(derivative.get(), poly.get());
  fmpz_poly_gcd(common.get(), poly.get(), derivative.get());
  fmpz_poly_div(squareFree.get(), poly.get(), common.get());
  const slong degree = fmpz_poly_degree(squareFree.get());
  acb_ptr roots = _acb_vec_init(degree);
  arb_fmpz_poly_complex_roots(roots, squareFree.get(), 0, 80);
  std::vector<double> real;
  for (slong i = 0; i < degree; ++i)
    if (arb_is_zero(acb_imagref(roots + i))) real.push_back(arf_get_d(arb_midref(acb_realref(roots + i)), ARF_RND_NEAR));
  _acb_vec_clear(roots, degree);
  std::sort(real.begin(), real.end());
  return real;
}

void ExpectSameRoots(const std::vector<double>& found, const std::vector<double>& reference, int round) {
  std::string a, b;
  for (double x : found) a += std::to_string(x) + " ";
  for (double x : reference) b += std::to_string(x) + " ";
  ASSERT_EQ(found.size(), reference.size()) << "round " << round << ": " << a << "| " << b;
  for (std::size_t i = 0; i < found.size(); ++i)
    EXPECT_NEAR(found[i], reference[i], 1e-9 * std::max(1.0, std::abs(reference[i]))) << "round " << round;
}

// Planted integer and rational roots, some multiple, times a random dense
// rest: the rational roots are split off and the rest isolated alone, and
// the turning points are sought between the roots and, by isolation, only
// beyond them. The roots found are those of the whole polynomial; the
// turning points beyond the outermost roots are all of P''s roots there;
// each gap holds one turning point, a root of P'.
TEST(GraphSplit, PlantedRootsTimesDenseRestAgreeWithReference) {
  std::mt19937 random(20);
  std::uniform_int_distribution<int> digit(-9, 9), root(-12, 12), count(1, 6), degree(4, 24);
  for (int round = 0; round < 24; ++round) {
    Polynomial p{1 + static_cast<long>(round % 3)};
    for (int i = count(random); i > 0; --i) p = Times(p, test::PowerOfFactor(root(random), 1 + round % 2 * (i % 2)));
    if (round % 4 == 0) p = Times(p, {-1 - static_cast<long>(round % 5), 3});  // a root p/3
    Polynomial rest;
    for (int i = degree(random); i >= 0; --i) rest.push_back(digit(random));
    rest.front() = rest.front() == 0 ? 5 : rest.front();
    rest.back() = rest.back() == 0 ? 7 : rest.back();
    p = Times(p, rest);

    CurveEvaluator evaluator(p, Soon());
    const CurvePlot plot = PlanCurve(p, evaluator, Soon());
    std::vector<double> found;
    for (const RealRoot& r : plot.roots) found.push_back(r.value);
    ExpectSameRoots(found, ReferenceRealRoots(p), round);
    if (plot.roots.empty()) continue;

    const double low = plot.roots.front().value, high = plot.roots.back().value;
    const std::vector<RealRoot> slopeRoots = RealRoots(Derivative(p), Soon());
    std::vector<double> outside, reference;
    for (const StationaryPoint& point : plot.stationary)
      if (point.x < low || point.x > high) outside.push_back(point.x);
    for (const RealRoot& r : slopeRoots)
      if (r.value < low || r.value > high) reference.push_back(r.value);
    ExpectSameRoots(outside, reference, round);

    for (std::size_t i = 0; i + 1 < plot.roots.size(); ++i) {
      const double a = plot.roots[i].value, b = plot.roots[i + 1].value;
      const auto inside = std::count_if(plot.stationary.begin(), plot.stationary.end(),
                                        [&](const StationaryPoint& s) { return a < s.x && s.x < b; });
      EXPECT_GE(inside, 1) << "round " << round << " gap " << a << ", " << b;
      for (const StationaryPoint& s : plot.stationary) {
        if (!(a < s.x && s.x < b)) continue;
        const bool nearSlopeRoot = std::any_of(slopeRoots.begin(), slopeRoots.end(), [&](const RealRoot& r) {
          return std::abs(r.value - s.x) <= 1e-6 * (b - a);
        });
        EXPECT_TRUE(nearSlopeRoot) << "round " << round << " x = " << s.x;
      }
    }
  }
}

// Polynomials whose roots are all real and irrational, products of distinct
// x^2 - kx - j (j > 0): isolated by the counts of roots above each point,
// every positive root is in exactly one interval and every interval holds
// one. Some rounds add x^2 + 1, whose roots make the counts no guide.
TEST(GraphSplit, RealRootedPolynomialsIsolatedAsByReference) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> slope(-6, 6), constant(1, 9), count(2, 10);
  for (int round = 0; round < 20; ++round) {
    std::set<std::pair<int, int>> factors;
    for (int i = count(random); i > 0; --i) factors.insert({slope(random), constant(random)});
    Polynomial p{1};
    for (const auto& [k, j] : factors) p = Times(p, {-j, -k, 1});
    if (round % 5 == 4) p = Times(p, {1, 0, 1});
    FmpzPoly g;
    SetFlint(g, p);
    std::vector<double> positive;
    for (double r : ReferenceRealRoots(p))
      if (r > 0) positive.push_back(r);
    const std::vector<RootInterval> found = IsolatePositiveRoots(g.get(), Soon());
    ASSERT_EQ(found.size(), positive.size()) << "round " << round;
    for (double r : positive) {
      const auto holding = std::count_if(found.begin(), found.end(), [r](const RootInterval& i) {
        const double a = std::ldexp(i.left.get_d(), static_cast<int>(i.exponent));
        return i.exact ? a == r : a < r && r < std::ldexp(i.left.get_d() + 1, static_cast<int>(i.exponent));
      });
      EXPECT_EQ(holding, 1) << "round " << round << " root " << r;
    }
  }
}

}  // namespace
}  // namespace factorix
