// Properties of the root finder and the division on random polynomials far
// beyond what a table can list: planted roots come back exactly, and every
// quotient times (x - r) plus the remainder gives the polynomial back.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/poly/IntegerRoots.h"
#include "engine/text/Division.h"
#include "engine/text/FormulaTerms.h"
#include "tests/engine/TestPolynomials.h"

namespace factorix {
namespace {

using test::Coefficients;
using test::DenseText;
using test::Times;
using test::ValueAt;



// The product of the primes below 100.
mpz_class Primorial100() {
  mpz_class product = 1;
  for (unsigned long p = 2; p < 100; ++p) {
    if (mpz_probab_prime_p(mpz_class(p).get_mpz_t(), 25)) product *= p;
  }
  return product;
}

std::vector<std::string> Texts(const std::vector<mpz_class>& values) {
  std::vector<std::string> out;
  for (const mpz_class& v : values) out.push_back(v.get_str());
  return out;
}

// The roots as a set, whatever their order.
std::vector<std::string> AsSet(std::vector<mpz_class> roots) {
  std::sort(roots.begin(), roots.end());
  return Texts(roots);
}

// True when each root comes after the one before in the search's order:
// a larger absolute value, or the same one with -r before +r.
bool InSearchOrder(const std::vector<mpz_class>& roots) {
  for (std::size_t i = 1; i < roots.size(); ++i) {
    const mpz_class& a = roots[i - 1];
    const mpz_class& b = roots[i];
    const bool after = abs(a) < abs(b) || (a < 0 && b == -a);
    if (!after) return false;
  }
  return true;
}

TEST(RootProperties, PlantedRootsComeBackExactly) {
  // A leading coefficient divisible by every prime below 100 (no small prime
  // keeps the degree), distinct planted roots up to 10^12 with
  // multiplicities 1 to 50 (up to 12 of them), times a factor with coefficients up to 10^60
  // and no integer root; degree up to 300.
  std::mt19937_64 rng(300);
  gmp_randclass random(gmp_randinit_default);
  random.seed(300);
  const mpz_class primorial = Primorial100();
  for (int round = 0; round < 60; ++round) {
    Coefficients p{primorial * static_cast<long>(1 + rng() % 5) * (rng() % 2 ? 1 : -1)};
    std::vector<mpz_class> planted;
    int degree = 0;
    const int distinct = 1 + static_cast<int>(rng() % 12);  // past 8, checked all at once
    while (static_cast<int>(planted.size()) < distinct) {
      const mpz_class magnitude = rng() % 3 == 0 ? mpz_class(1 + static_cast<long>(rng() % 20))
                                                 : mpz_class(random.get_z_range(1000000000000)) + 1;
      const mpz_class r = rng() % 2 ? magnitude : mpz_class(-magnitude);
      if (std::find(planted.begin(), planted.end(), r) != planted.end()) continue;
      const int multiplicity = std::min(1 + static_cast<int>(rng() % 50), 296 - degree);
      if (multiplicity < 1) break;
      planted.push_back(r);
      for (int k = 0; k < multiplicity; ++k) p = Times(p, {-r, 1});
      degree += multiplicity;
    }
    // The extra factor: a x^2 + b x + c with b^2 < 4ac has no real root; a
    // higher even power of it keeps its coefficients large.
    mpz_class a = random.get_z_range(mpz_class("1000000000000000000000000000000")) + 1;
    mpz_class c = random.get_z_range(mpz_class("1000000000000000000000000000000")) + 1;
    mpz_class b;
    mpz_sqrt(b.get_mpz_t(), mpz_class(4 * a * c).get_mpz_t());
    b -= 1;
    Coefficients extra{c, b, a};
    extra = Times(extra, extra);  // coefficients up to about 10^60
    p = Times(p, extra);

    const std::vector<mpz_class> found = IntegerRootsDividing(p, p[0]);
    EXPECT_EQ(AsSet(found), AsSet(planted)) << "round " << round << ", degree " << p.size() - 1;
    EXPECT_TRUE(InSearchOrder(found)) << "round " << round;
  }
}

TEST(RootProperties, RepeatedRootBesideALargeFactor) {
  // (x - M)^k h with h of degree 60 and 40-digit coefficients: for small k
  // the gcd with the derivative is the smaller of gcd and square-free part,
  // for large k the part, in between either. The roots are M and those of
  // h alone (simple: h is square-free but for a coincidence).
  gmp_randclass random(gmp_randinit_default);
  random.seed(61);
  const mpz_class m = mpz_class("100000000000000000000000000000000000000000000000000") + 151;
  Coefficients h(61);
  for (mpz_class& c : h) c = random.get_z_bits(130) + 1;
  for (const int k : {2, 60, 200}) {
    Coefficients p = h;
    for (int i = 0; i < k; ++i) p = Times(p, {-m, 1});
    const std::vector<mpz_class> found = IntegerRootsDividing(p, p[0]);
    std::vector<mpz_class> expected = IntegerRootsDividing(h, h[0]);
    expected.push_back(m);
    EXPECT_EQ(AsSet(found), AsSet(expected)) << "k = " << k;
  }
}

TEST(RootProperties, QuotientTimesFactorPlusRemainderIsThePolynomial) {
  std::mt19937_64 rng(2024);
  gmp_randclass random(gmp_randinit_default);
  random.seed(2024);
  for (int round = 0; round < 200; ++round) {
    const std::size_t degree = 1 + rng() % 40;
    Coefficients p(degree + 1);
    for (mpz_class& c : p) {
      c = random.get_z_bits(1 + rng() % 200);
      if (rng() % 2) c = -c;
    }
    if (p.back() == 0) p.back() = 1;
    const std::string text = DenseText(p);
    const mpz_class r = static_cast<long>(rng() % 2001) - 1000;

    const std::string quotientText = Dividend(FormulaTerms(text)).Divide(r);
    const FormulaTerms quotientReading(quotientText);
    ASSERT_TRUE(quotientReading.polynomial()) << quotientText;
    const Coefficients& q = *quotientReading.polynomial();
    ASSERT_EQ(q.size(), degree) << text;

    Coefficients back = Times(q, {-r, 1});
    back[0] += ValueAt(p, r);  // the remainder
    EXPECT_EQ(Texts(back), Texts(p)) << text << " by x - " << r.get_str();
  }
}

}  // namespace
}  // namespace factorix
