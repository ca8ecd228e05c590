// Certified approximate roots on the inputs that test a root finder: roots
// close together, on the imaginary axis, of very different sizes, huge
// coefficients, high degree; checked against Arb's own isolation where it
// is quick, else against what is known of the roots.
#include "engine/solve/CertifiedRoots.h"

#include <arb_fmpz_poly.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "engine/poly/FlintConversion.h"
#include "engine/solve/Solution.h"

namespace factorix {
namespace {

std::vector<CertifiedRoot> Roots(const Polynomial& f) {
  return CertifiedRoots(f, std::chrono::steady_clock::now() + std::chrono::seconds(30));
}

struct RootsRow {
  const char* text;
  std::size_t real;  // how many roots are real
};

const RootsRow kHard[] = {
    {"x^7-200x^2+40x-2", 3},              // two roots 10^-3 apart near 0.1
    {"x^6+x^2+1", 0},                     // two on the imaginary axis
    {"x^3-1000000000000x-1", 3},          // roots of sizes 10^-12 and 10^6
    {"x^5-10000000000x^4+1", 3},          // likewise, the other way round
    {"1000000x^5-x-1", 1},
    {"x^30+x+1", 0},
    {"x^50-3x^25+1", 2},
    {"x^9-x^8+x^7-x^6+x^5-x^4+x^3-x^2+x-3", 1},
};

TEST(CertifiedRoots, AgreeWithArbsIsolation) {
  for (const RootsRow& row : kHard) {
    const Polynomial f = *ReadTerms(row.text);
    const std::vector<CertifiedRoot> ours = Roots(f);
    FmpzPoly poly;
    SetFlint(poly, f);
    const slong n = fmpz_poly_degree(poly.get());
    acb_ptr theirs = _acb_vec_init(n);
    arb_fmpz_poly_complex_roots(theirs, poly.get(), 0, 80);
    ASSERT_EQ(ours.size(), static_cast<std::size_t>(n)) << row.text;
    std::size_t real = 0;
    for (const CertifiedRoot& root : ours) real += root.im == 0;
    EXPECT_EQ(real, row.real) << row.text;
    // Every root of Arb's is within 10^-6 (relative to its size) of one of ours.
    for (slong k = 0; k < n; ++k) {
      const double re = arf_get_d(arb_midref(acb_realref(theirs + k)), ARF_RND_NEAR);
      const double im = arf_get_d(arb_midref(acb_imagref(theirs + k)), ARF_RND_NEAR);
      double nearest = INFINITY;
      for (const CertifiedRoot& root : ours) nearest = std::min(nearest, std::hypot(root.re.get_d() - re, root.im.get_d() - im));
      EXPECT_LE(nearest, 1e-6 * std::max(1.0, std::hypot(re, im))) << row.text << " root " << re << "+" << im << "i";
    }
    _acb_vec_clear(theirs, n);
  }
}

TEST(CertifiedRoots, HighDegreeAndHugeCoefficients) {
  // x^400 - 2: two real roots ±2^(1/400), the others in conjugate pairs.
  Polynomial f(401);
  f.front() = -2;
  f.back() = 1;
  const std::vector<CertifiedRoot> roots = Roots(f);
  ASSERT_EQ(roots.size(), 400u);
  EXPECT_NEAR(roots[0].re.get_d(), -std::pow(2.0, 1.0 / 400), 1e-12);
  EXPECT_NEAR(roots[1].re.get_d(), std::pow(2.0, 1.0 / 400), 1e-12);
  EXPECT_NE(roots[2].im, 0);
  // x^3 - 10^3000 x - 1: coefficients beyond long double's exponents.
  mpz_class huge;
  mpz_ui_pow_ui(huge.get_mpz_t(), 10, 3000);
  const std::vector<CertifiedRoot> big = Roots({-1, -huge, 0, 1});
  ASSERT_EQ(big.size(), 3u);
  EXPECT_EQ(mpz_sizeinbase(mpz_class(big[2].re.get_num() / big[2].re.get_den()).get_mpz_t(), 10), 1501u);
}

// The bounds end the work with error 6; a root that is none is refused.
TEST(Solve, BoundsAndWrongRoots) {
  Polynomial degree401(402);
  degree401.front() = -1;
  degree401.back() = 1;
  // (x - 1)^200 (x + 1)^200: tables far beyond two million digits.
  Polynomial many{1};
  for (int k = 0; k < 400; ++k) {
    Polynomial next(many.size() + 1);
    for (std::size_t i = 0; i < many.size(); ++i) {
      next[i + 1] += many[i];
      next[i] += (k % 2 ? 1 : -1) * many[i];
    }
    many = next;
  }
  for (const Polynomial& p : {degree401, many}) {
    try {
      Solve(p);
      ADD_FAILURE() << "degree " << Degree(p);
    } catch (const EngineError& e) {
      EXPECT_EQ(e.number(), kOverflow);
    }
  }
  try {
    SolveFromRoot({-8, 0, 0, 1}, 3);
    ADD_FAILURE() << "3 is no root of x^3 - 8";
  } catch (const EngineError& e) {
    EXPECT_EQ(e.number(), kInvalidCall);
  }
}

}  // namespace
}  // namespace factorix
