// The worked solution against FLINT and Arb on polynomials built at random
// from known factors: every trial's remainder is the value FLINT gives,
// every table divides exactly, the roots with their multiplicities multiply
// back to P, and the approximate roots lie next to the ones Arb's own
// certified isolation finds.
#include <acb_poly.h>
#include <arb_fmpz_poly.h>
#include <flint/fmpq_poly.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <variant>

#include "engine/poly/FlintConversion.h"
#include "engine/solve/Solution.h"

namespace factorix {
namespace {

// A product of random factors: linear (integer and rational roots, some
// repeated), quadratics, a biquadratic, a cubic without rational roots,
// times a content and a power of x.
Polynomial RandomPolynomial(std::mt19937& random) {
  std::uniform_int_distribution<int> small(-6, 6), count(0, 3), pick(0, 5);
  FmpzPoly product, factor;
  constexpr long kContents[] = {1, 1, 2, -1, 3, -2};
  fmpz_poly_set_si(product.get(), kContents[pick(random)]);
  const int factors = 1 + count(random) + count(random);
  for (int k = 0; k < factors; ++k) {
    switch (pick(random)) {
      case 0:
      case 1:  // (qx - p), sometimes q = 1
        fmpz_poly_zero(factor.get());
        fmpz_poly_set_coeff_si(factor.get(), 1, 1 + (count(random) == 0 ? count(random) : 0));
        fmpz_poly_set_coeff_si(factor.get(), 0, small(random) == 0 ? 5 : small(random));
        break;
      case 2:  // ax^2 + bx + c
        fmpz_poly_zero(factor.get());
        fmpz_poly_set_coeff_si(factor.get(), 2, 1 + count(random));
        fmpz_poly_set_coeff_si(factor.get(), 1, small(random));
        fmpz_poly_set_coeff_si(factor.get(), 0, small(random) == 0 ? -7 : small(random));
        break;
      case 3:  // x^4 + bx^2 + c
        fmpz_poly_zero(factor.get());
        fmpz_poly_set_coeff_si(factor.get(), 4, 1);
        fmpz_poly_set_coeff_si(factor.get(), 2, small(random));
        fmpz_poly_set_coeff_si(factor.get(), 0, small(random) == 0 ? 2 : small(random));
        break;
      case 4:  // x^3 + bx + c
        fmpz_poly_zero(factor.get());
        fmpz_poly_set_coeff_si(factor.get(), 3, 1);
        fmpz_poly_set_coeff_si(factor.get(), 1, small(random));
        fmpz_poly_set_coeff_si(factor.get(), 0, small(random) == 0 ? 1 : small(random));
        break;
      default:  // x
        fmpz_poly_set_str(factor.get(), "2  0 1");
    }
    if (fmpz_poly_is_zero(factor.get())) continue;
    fmpz_poly_mul(product.get(), product.get(), factor.get());
  }
  return ToPolynomial(product.get());
}

// A FLINT polynomial over Q from rows written highest power first.
void SetRows(fmpq_poly_t out, const std::vector<mpq_class>& rows) {
  fmpq_poly_zero(out);
  fmpq_t c;
  fmpq_init(c);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    fmpq_set_mpq(c, rows[i].get_mpq_t());
    fmpq_poly_set_coeff_fmpq(out, static_cast<slong>(rows.size() - 1 - i), c);
  }
  fmpq_clear(c);
}

void SetPolynomial(fmpq_poly_t out, const Polynomial& p) {
  std::vector<mpq_class> rows(p.rbegin(), p.rend());
  SetRows(out, rows);
}

mpq_class ValueWithFlint(const Polynomial& p, const mpq_class& x) {
  fmpq_poly_t poly;
  fmpq_poly_init(poly);
  SetPolynomial(poly, p);
  fmpq_t at, value;
  fmpq_init(at);
  fmpq_init(value);
  fmpq_set_mpq(at, x.get_mpq_t());
  fmpq_poly_evaluate_fmpq(value, poly, at);
  mpq_class out;
  fmpq_get_mpq(out.get_mpq_t(), value);
  fmpq_clear(at);
  fmpq_clear(value);
  fmpq_poly_clear(poly);
  return out;
}

// Every candidate of a list by brute force, in order: ±d for the divisors
// of the constant term, or ±p/q with q > 1 dividing the leading
// coefficient; the list shows the first 30 failures from its first
// candidate on, then the root, and counts the failures it leaves out.
void ExpectCandidatesCounted(const TrialsStep& step) {
  const mpz_class constant = abs(step.polynomial.front()), leading = abs(step.polynomial.back());
  if (step.stage == Stage::kLineRoot || step.candidates.empty() || constant > 100000 || leading > 1000) return;
  std::vector<mpq_class> all;
  for (mpz_class p = 1; p <= constant; ++p) {
    if (constant % p != 0) continue;
    for (mpz_class q = 1; q <= leading; ++q) {
      if (leading % q != 0 || gcd(p, q) != 1 || (q == 1) != (step.stage == Stage::kIntegerRoots)) continue;
      all.emplace_back(-p, q);
      all.emplace_back(p, q);
    }
  }
  std::sort(all.begin(), all.end(), [](const mpq_class& a, const mpq_class& b) {
    return abs(a) != abs(b) ? abs(a) < abs(b) : a < b;
  });
  auto walk = std::find(all.begin(), all.end(), step.candidates.front());
  ASSERT_NE(walk, all.end());
  const std::size_t shown = step.candidates.size() - (step.foundRoot ? 1 : 0);
  std::size_t failures = 0;
  for (; walk != all.end(); ++walk) {
    if (step.foundRoot && *walk == step.candidates.back()) break;
    if (failures < shown) {
      EXPECT_EQ(*walk, step.candidates[failures]);
    }
    ++failures;
  }
  EXPECT_EQ(failures, shown + step.hiddenFailures);
}

// dividend == (x - root) * quotient + remainder, with remainder 0.
void ExpectExactDivision(const RuffiniStep& step) {
  EXPECT_EQ(step.remainder, 0);
  fmpq_poly_t dividend, quotient, divisor;
  fmpq_poly_init(dividend);
  fmpq_poly_init(quotient);
  fmpq_poly_init(divisor);
  SetRows(dividend, step.dividend);
  SetRows(quotient, step.quotient);
  SetRows(divisor, {1, -step.root});
  fmpq_poly_mul(quotient, quotient, divisor);
  EXPECT_TRUE(fmpq_poly_equal(quotient, dividend)) << "table dividing by x - " << step.root;
  fmpq_poly_clear(dividend);
  fmpq_poly_clear(quotient);
  fmpq_poly_clear(divisor);
}

// lc * prod (x - r)^m has P's coefficients, to 1e-9 of the largest.
void ExpectRootsMultiplyBack(const Solution& solution) {
  const Polynomial& p = solution.polynomial;
  std::vector<std::pair<double, double>> roots;
  for (const Root& root : solution.roots) roots.insert(roots.end(), root.multiplicity, {root.re.get_d(), root.im.get_d()});
  ASSERT_EQ(roots.size() + 1, p.size()) << "every root with its multiplicity";
  acb_poly_t product;
  acb_poly_init(product);
  acb_ptr points = _acb_vec_init(static_cast<slong>(roots.size()));
  for (std::size_t i = 0; i < roots.size(); ++i) acb_set_d_d(points + i, roots[i].first, roots[i].second);
  acb_poly_product_roots(product, points, static_cast<slong>(roots.size()), 128);
  double largest = 0;
  for (const mpz_class& c : p) largest = std::max(largest, std::fabs(c.get_d()));
  for (std::size_t i = 0; i < p.size(); ++i) {
    acb_t c;
    acb_init(c);
    acb_poly_get_coeff_acb(c, product, static_cast<slong>(i));
    acb_mul_si(c, c, p.back().get_si(), 128);
    EXPECT_NEAR(arf_get_d(arb_midref(acb_realref(c)), ARF_RND_NEAR), p[i].get_d(), 1e-9 * largest) << "x^" << i;
    EXPECT_NEAR(arf_get_d(arb_midref(acb_imagref(c)), ARF_RND_NEAR), 0, 1e-9 * largest) << "x^" << i;
    acb_clear(c);
  }
  _acb_vec_clear(points, static_cast<slong>(roots.size()));
  acb_poly_clear(product);
}

// Each approximate root lies within 1e-6 of a root Arb isolates for its factor.
void ExpectApproximationsCertified(const ApproximateStep& step) {
  FmpzPoly f;
  SetFlint(f, step.polynomial);
  const slong n = fmpz_poly_degree(f.get());
  acb_ptr roots = _acb_vec_init(n);
  arb_fmpz_poly_complex_roots(roots, f.get(), 0, 64);
  slong real = 0;
  for (slong i = 0; i < n; ++i) real += arb_is_zero(acb_imagref(roots + i));
  EXPECT_EQ(static_cast<std::size_t>(real), step.realRoots.size());
  EXPECT_EQ(static_cast<std::size_t>(n - real), step.nonRealCount);
  for (std::size_t k = 0; k < step.realRoots.size() && k < static_cast<std::size_t>(real); ++k) {
    EXPECT_NEAR(step.realRoots[k].re.get_d(), arf_get_d(arb_midref(acb_realref(roots + k)), ARF_RND_NEAR), 1e-6);
  }
  _acb_vec_clear(roots, n);
}

TEST(SolveProperty, AgreesWithFlintAndArb) {
  std::mt19937 random(20260601);
  for (int run = 0; run < 300; ++run) {
    const Polynomial p = RandomPolynomial(random);
    SCOPED_TRACE(::testing::Message() << "run " << run);
    const Solution solution = Solve(p);
    for (const SolutionStep& step : solution.steps) {
      if (const auto* trials = std::get_if<TrialsStep>(&step)) {
        for (std::size_t i = 0; i < trials->candidates.size(); ++i)
          EXPECT_EQ(trials->remainders[i], ValueWithFlint(trials->polynomial, trials->candidates[i]));
        ExpectCandidatesCounted(*trials);
      } else if (const auto* division = std::get_if<RuffiniStep>(&step)) {
        ExpectExactDivision(*division);
      } else if (const auto* approximate = std::get_if<ApproximateStep>(&step)) {
        ExpectApproximationsCertified(*approximate);
      }
    }
    if (Degree(p) >= 1) ExpectRootsMultiplyBack(solution);
  }
}

// Long lists, cut after 30 failures: 60x^3 + x + 420 has 48 integer
// candidates and a few hundred rational ones, none a root.
TEST(SolveProperty, LongListsCountWhatTheyLeaveOut) {
  const Solution solution = Solve({420, 1, 0, 60});
  int lists = 0;
  for (const SolutionStep& step : solution.steps) {
    if (const auto* trials = std::get_if<TrialsStep>(&step)) {
      EXPECT_GT(trials->hiddenFailures, 0u);
      ExpectCandidatesCounted(*trials);
      ++lists;
    }
  }
  EXPECT_EQ(lists, 2);
}

// From a result line's root, the same roots and factorisation as the whole.
TEST(SolveProperty, FromRootAgreesWithTheWhole) {
  std::mt19937 random(7);
  for (int run = 0; run < 100; ++run) {
    const Polynomial p = RandomPolynomial(random);
    const Solution whole = Solve(p);
    for (const Root& root : whole.roots) {
      if (!root.exact || !root.exact->IsRational() || root.re.get_den() != 1 || root.re == 0) continue;
      const Solution fromRoot = SolveFromRoot(p, root.re.get_num());
      ASSERT_EQ(fromRoot.roots.size(), whole.roots.size());
      for (std::size_t i = 0; i < whole.roots.size(); ++i) {
        EXPECT_NEAR(fromRoot.roots[i].re.get_d(), whole.roots[i].re.get_d(), 1e-9);
        EXPECT_NEAR(fromRoot.roots[i].im.get_d(), whole.roots[i].im.get_d(), 1e-9);
        EXPECT_EQ(fromRoot.roots[i].multiplicity, whole.roots[i].multiplicity);
      }
      break;
    }
  }
}

}  // namespace
}  // namespace factorix
