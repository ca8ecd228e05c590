#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "engine/core/EngineError.h"
#include "engine/graph/CurvePlot.h"
#include "tests/engine/TestPolynomials.h"

namespace factorix {
namespace {

using test::Chebyshev;
using test::Times;

Deadline Soon() { return std::chrono::steady_clock::now() + std::chrono::seconds(10); }

// (qx - p)^k
Polynomial LinearPower(long p, long q, int k) {
  Polynomial out{1};
  for (int i = 0; i < k; ++i) out = Times(out, {-p, q});
  return out;
}


struct Planted {
  const char* name;
  Polynomial poly;
  std::vector<RealRoot> roots;
};

class PlantedRoots : public testing::TestWithParam<Planted> {};

// The roots come out at their true values with their multiplicities, and
// the first view holds them and every stationary point.
TEST_P(PlantedRoots, FoundAndInView) {
  const Planted& c = GetParam();
  const CurvePlot plot = PlanCurve(c.poly, Soon());
  ASSERT_EQ(plot.roots.size(), c.roots.size());
  for (std::size_t i = 0; i < c.roots.size(); ++i) {
    EXPECT_NEAR(plot.roots[i].value, c.roots[i].value, 1e-15 * std::max(1.0, std::abs(c.roots[i].value))) << i;
    EXPECT_EQ(plot.roots[i].multiplicity, c.roots[i].multiplicity) << i;
  }
  for (const RealRoot& root : plot.roots) EXPECT_TRUE(plot.xMin < root.value && root.value < plot.xMax);
  for (const StationaryPoint& point : plot.stationary) EXPECT_TRUE(plot.xMin < point.x && point.x < plot.xMax);
  if (plot.roots.size() >= 2) {
    const double width = plot.roots.back().value - plot.roots.front().value;
    EXPECT_LE(plot.xMax - plot.xMin, 1.2 * width * 1.0000001 + 1e-9) << "margin of a tenth";
  }
  EXPECT_LT(plot.yMin, plot.yMax);
}

const double kSqrt2 = std::sqrt(2.0);

INSTANTIATE_TEST_SUITE_P(
    Graph, PlantedRoots,
    testing::Values(
        Planted{"integers", Times(LinearPower(-1, 1, 1), LinearPower(2, 1, 1)), {{-1, 1}, {2, 1}}},
        Planted{"rationals", Times(LinearPower(1, 2, 1), LinearPower(-2, 3, 1)), {{-2.0 / 3, 1}, {0.5, 1}}},
        Planted{"irrational", {-2, 0, 1}, {{-kSqrt2, 1}, {kSqrt2, 1}}},
        Planted{"multiple", Times(LinearPower(1, 1, 3), LinearPower(-2, 1, 2)), {{-2, 2}, {1, 3}}},
        Planted{"zero_root", Times({0, 0, 1}, LinearPower(3, 1, 1)), {{0, 2}, {3, 1}}},
        Planted{"powers_of_two", Times(LinearPower(2, 1, 1), LinearPower(4, 1, 1)), {{2, 1}, {4, 1}}},
        Planted{"dyadic", LinearPower(1, 1024, 1), {{1.0 / 1024, 1}}},
        Planted{"no_rational_root", {-1, -1, 0, 0, 0, 1}, {{1.1673039782614187, 1}}},
        Planted{"cube_root", {-2, 0, 0, 1}, {{std::cbrt(2.0), 1}}},
        Planted{"negative_cube_root", {2, 0, 0, 1}, {{-std::cbrt(2.0), 1}}},
        Planted{"even", Times(Times(LinearPower(1, 1, 1), LinearPower(-1, 1, 1)), Times(LinearPower(2, 1, 1), LinearPower(-2, 1, 1))),
                {{-2, 1}, {-1, 1}, {1, 1}, {2, 1}}},
        Planted{"even_irrational", Times({-3, 0, 1}, {-5, 0, 0, 0, 1}), {{-std::sqrt(3.0), 1}, {-std::pow(5.0, 0.25), 1},
                                                                           {std::pow(5.0, 0.25), 1}, {std::sqrt(3.0), 1}}},
        Planted{"far_root", Times({0, 1}, LinearPower(1000000, 1, 1)), {{0, 1}, {1e6, 1}}},
        Planted{"double_rational_and_complex", Times(LinearPower(-7, 3, 2), {2, 0, 1}), {{-7.0 / 3, 2}}},
        Planted{"double_irrational_and_complex", Times(Times({-2, 0, 1}, {-2, 0, 1}), {1, 0, 1}),
                {{-kSqrt2, 2}, {kSqrt2, 2}}},
        Planted{"deflated_rational", {-64, 0, 0, 0, 0, 0, 1}, {{-2, 1}, {2, 1}}},
        Planted{"close_roots", Times(LinearPower(1000, 1001, 1), LinearPower(1001, 1002, 1)),
                {{1000.0 / 1001, 1}, {1001.0 / 1002, 1}}}),
    [](const testing::TestParamInfo<Planted>& info) { return std::string(info.param.name); });

// When every root is real, the stationary points come from the signs of P'
// between the roots: they agree with P''s roots isolated exactly, the
// multiple roots among them with the value 0.
TEST(Graph, StationaryPointsBetweenRealRootsAgreeWithIsolation) {
  const std::vector<Polynomial> polynomials{
      Chebyshev(12), Times(Times(LinearPower(1, 1, 3), LinearPower(-2, 1, 2)), LinearPower(5, 3, 1)),
      Times(LinearPower(1000, 1001, 1), LinearPower(1001, 1002, 1)), Times({-2, 0, 1}, LinearPower(7, 2, 4))};
  for (const Polynomial& p : polynomials) {
    const CurvePlot plot = PlanCurve(p, Soon());
    Polynomial derivative;
    for (std::size_t i = 1; i < p.size(); ++i) derivative.push_back(p[i] * static_cast<unsigned long>(i));
    const std::vector<RealRoot> reference = RealRoots(derivative, Soon());
    ASSERT_EQ(plot.stationary.size(), reference.size());
    for (std::size_t i = 0; i < reference.size(); ++i) {
      EXPECT_NEAR(plot.stationary[i].x, reference[i].value, 1e-8 * std::max(1.0, std::abs(reference[i].value))) << i;
      const bool multiple = std::any_of(plot.roots.begin(), plot.roots.end(), [&](const RealRoot& root) {
        return root.multiplicity > 1 && root.value == plot.stationary[i].x;
      });
      EXPECT_EQ(plot.stationary[i].y.Sign() == 0, multiple) << i;
    }
  }
}

// Chebyshev's T200: 200 simple roots cos((2j - 1) pi / 400) crowded towards
// ±1, coefficients near 2^200, and 199 turning points at cos(j pi / 200)
// with values ±1.
TEST(Graph, ChebyshevRootsAndTurningPoints) {
  constexpr int n = 200;
  const CurvePlot plot = PlanCurve(Chebyshev(n), std::chrono::steady_clock::now() + std::chrono::seconds(60));
  ASSERT_EQ(plot.roots.size(), static_cast<std::size_t>(n));
  ASSERT_EQ(plot.stationary.size(), static_cast<std::size_t>(n - 1));
  for (int j = 1; j <= n; ++j)
    EXPECT_NEAR(plot.roots[static_cast<std::size_t>(n - j)].value, std::cos((2 * j - 1) * std::numbers::pi / (2 * n)), 1e-14) << j;
  for (int j = 1; j < n; ++j) {
    const StationaryPoint& point = plot.stationary[static_cast<std::size_t>(n - 1 - j)];
    EXPECT_NEAR(point.x, std::cos(j * std::numbers::pi / n), 1e-6) << j;
    EXPECT_NEAR(std::abs(point.y.InUnits(0, 10)), 1, 1e-6) << j;
  }
}

TEST(Graph, NoRealRootShowsMinusFiveToFive) {
  const CurvePlot plot = PlanCurve({1, 0, 1}, Soon());
  EXPECT_TRUE(plot.roots.empty());
  EXPECT_EQ(plot.xMin, -5);
  EXPECT_EQ(plot.xMax, 5);
}

// Every sample has the exact sign of P: between two roots the sign holds,
// and it flips across a root exactly when the root's multiplicity is odd.
TEST(Graph, SamplesChangeSignExactlyAtOddRoots) {
  std::mt19937_64 random(7);
  for (int round = 0; round < 40; ++round) {
    Polynomial p{static_cast<long>(random() % 3) + 1};
    const int factors = 1 + static_cast<int>(random() % 5);
    for (int i = 0; i < factors; ++i)
      p = Times(p, LinearPower(static_cast<long>(random() % 21) - 10, 1 + static_cast<long>(random() % 3),
                               1 + static_cast<int>(random() % 3)));
    if (random() % 2) p = Times(p, {2, 0, 1});  // no real root
    CurveEvaluator evaluator(p);
    const CurvePlot plot = PlanCurve(p, Soon());
    const auto points = SampleCurve(evaluator, plot, plot.xMin, plot.xMax, 500, -1e300, 1e300);
    int sign = points.front().y > 0 ? 1 : -1;
    std::size_t root = 0;
    for (const CurvePoint& point : points) {
      if (point.y == 0) {
        ASSERT_LT(root, plot.roots.size());
        EXPECT_EQ(point.x, plot.roots[root].value);
        if (plot.roots[root++].multiplicity % 2 == 1) sign = -sign;
        continue;
      }
      ASSERT_EQ(point.y > 0 ? 1 : -1, sign) << "round " << round << " x = " << point.x;
    }
    EXPECT_EQ(root, plot.roots.size());
  }
}

// Values far beyond a double stay finite, inside the clamp, and the y-range
// is given in a power of ten.
TEST(Graph, HugeValuesStayFinite) {
  Polynomial p = Times(LinearPower(-3, 1, 1), LinearPower(3, 1, 1));
  Polynomial big{mpz_class("1" + std::string(400, '0'))};
  p = Times(p, big);
  p = Times(p, LinearPower(0, 1, 300));
  CurveEvaluator evaluator(p);
  const CurvePlot plot = PlanCurve(p, Soon());
  EXPECT_GT(plot.yPower10, 300);
  EXPECT_TRUE(std::isfinite(plot.yMin) && std::isfinite(plot.yMax));
  for (const CurvePoint& point : SampleCurve(evaluator, plot, -1e6, 1e6, 300, -1e9, 1e9)) {
    ASSERT_TRUE(std::isfinite(point.y));
    ASSERT_LE(std::abs(point.y), 1e9);
  }
}

// P(x) exactly, x a double (a dyadic rational), against the evaluator on
// every kind of polynomial it treats apart: sums that fit a double, sums that
// overflow one, multiple roots whose expanded form cancels to nothing in
// doubles, and coefficients too long for a double. Signs agree exactly and
// sizes to the stated relative error.
TEST(Graph, ValuesAgreeWithExactArithmetic) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> small(-9, 9);
  Polynomial dense;
  for (int i = 0; i <= 400; ++i) dense.push_back(small(random));
  Polynomial longCoefficients = dense;
  longCoefficients[3] = mpz_class("7" + std::string(320, '1'));
  const std::vector<Polynomial> polynomials{
      dense, longCoefficients, Times(LinearPower(1, 1, 200), LinearPower(-2, 1, 200)),
      Times(LinearPower(1, 3, 7), Times({-2, 0, 1}, {-2, 0, 1})), Times(dense, LinearPower(1, 1, 30))};
  const std::vector<double> xs{0, 1, -2, 1.0 / 3, 1 + 0x1p-30, -2 - 1e-9, 0.999, 12.5, -1e3, 1e40, std::sqrt(2.0)};
  for (std::size_t k = 0; k < polynomials.size(); ++k) {
    CurveEvaluator evaluator(polynomials[k]);
    // Also from the product over the roots, where they are all real.
    CurveEvaluator fromRoots(polynomials[k]);
    fromRoots.TakeRealRoots(RealRoots(polynomials[k], Soon()));
    for (int twice = 0; twice < 2; ++twice)
    for (double x : xs) {
      mpq_class exact;
      for (auto it = polynomials[k].rbegin(); it != polynomials[k].rend(); ++it) exact = exact * mpq_class(x) + *it;
      const ScaledValue value = (twice == 0 ? evaluator : fromRoots).At(x);
      ASSERT_EQ(value.Sign(), sgn(exact)) << k << " at " << x;
      if (exact == 0) continue;
      mpf_class ours(value.significand, 256), reference(exact, 256);
      if (value.exponent >= 0) mpf_mul_2exp(ours.get_mpf_t(), ours.get_mpf_t(), static_cast<mp_bitcnt_t>(value.exponent));
      else mpf_div_2exp(ours.get_mpf_t(), ours.get_mpf_t(), static_cast<mp_bitcnt_t>(-value.exponent));
      const mpf_class error = abs(ours / reference - 1);
      EXPECT_LT(error.get_d(), 400 * 0x1p-20) << k << " at " << x;
    }
  }
}

TEST(Graph, RootBeyondADoubleIsTooLarge) {
  const Polynomial p{-mpz_class("1" + std::string(400, '0')), 1};
  try {
    PlanCurve(p, Soon());
    FAIL() << "expected an overflow";
  } catch (const EngineError& error) {
    EXPECT_EQ(error.number(), kOverflow);
  }
}

// A turning point two orders of magnitude above the others is clipped,
// and the small ones stay in view.
TEST(Graph, OutlyingTurningPointIsClipped) {
  const Polynomial p = Times(Times(LinearPower(1, 1, 1), LinearPower(2, 1, 1)), LinearPower(100, 1, 1));
  const CurvePlot plot = PlanCurve(p, Soon());
  ASSERT_EQ(plot.stationary.size(), 2u);
  EXPECT_TRUE(plot.clipped);
  const double bump = plot.stationary.front().y.InUnits(plot.yPower10, 1e300);
  EXPECT_TRUE(plot.yMin < bump && bump < plot.yMax);
  EXPECT_LT(plot.yMax - plot.yMin, 100 * bump);
}

// Between the roots 0 and 10, P turns three times around the complex roots
// 5 ± 2i, at 5 - √10.5, 5 and 5 + √10.5: the humps, twice as deep as the
// middle, are in view whichever turning point is found first.
TEST(Graph, EveryHumpOfAGapIsInView) {
  const Polynomial p = Times(Times(LinearPower(0, 1, 1), LinearPower(10, 1, 1)), {29, -10, 1});
  const CurvePlot plot = PlanCurve(p, Soon());
  double extreme = 0;
  for (int k = 1; k < 1000; ++k) {
    const double x = k / 100.0;
    extreme = std::min(extreme, x * (x - 10) * (x * x - 10 * x + 29));
  }
  EXPECT_FALSE(plot.clipped);
  EXPECT_LE(plot.yMin, 0.99 * extreme * std::pow(10.0, -plot.yPower10));
}

}  // namespace
}  // namespace factorix
