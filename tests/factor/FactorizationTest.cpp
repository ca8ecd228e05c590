#include "engine/core/EngineError.h"
#include "engine/core/RootOrder.h"
#include "engine/factor/Factorization.h"
#include "engine/factor/IrreducibleFactors.h"
#include "engine/factor/PolynomialText.h"
#include "engine/factor/Work.h"
#include "engine/poly/FlintConversion.h"

#include <gmp.h>
#include <sys/wait.h>
#include <flint/fmpz_poly.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <random>
#include <string>
#include <vector>

namespace factorix {
namespace {

// A FLINT polynomial made from and read back into coefficients.
struct Flint : FmpzPoly {
  Flint() = default;
  explicit Flint(const Polynomial& coeffs) { SetFlint(*this, coeffs); }
  Polynomial ToPolynomial() const { return factorix::ToPolynomial(get()); }
};

// The factorisation of a formula text, written out.
std::string Factored(const std::string& text) {
  const std::optional<Polynomial> p = ReadTerms(text);
  if (!p) return "not a polynomial";
  return WriteFactorization(Factorize(*p));
}

TEST(Factorization, WritesTheFactorsInTheirOrder) {
  const struct {
    const char* text;
    const char* factored;
  } cases[] = {
      {"2xe3+0xe2+0x-16", "2(x-2)(x\u00b2+2x+4)"},
      {"1xe3-3xe2+3x-1", "(x-1)\u00b3"},
      {"6xe3+11xe2+6x+1", "(x+1)(2x+1)(3x+1)"},
      {"-2xe2+0x+8", "-2(x+2)(x-2)"},
      {"3xe4-6xe3-9xe2+0x+0", "3x\u00b2(x+1)(x-3)"},
      {"4xe2-4x+1", "(2x-1)\u00b2"},
      {"1xe2+0x+1", "x\u00b2+1"},
      // lone factors, the content alone, signs
      {"1x-2", "x-2"},
      {"-1x+2", "-(x-2)"},
      {"-1xe2-1", "-(x\u00b2+1)"},
      {"3x", "3x"},
      {"-x", "-x"},
      {"xe5", "x\u2075"},
      {"7", "7"},
      {"-1", "-1"},
      {"0xe2+0x+0", "0"},
      {"5-5", "0"},
      {"2xe2+4", "2(x\u00b2+2)"},
      // equal degrees: coefficients from the highest power, smaller first
      {"1xe4+1xe3+3xe2+2x+2", "(x\u00b2+2)(x\u00b2+x+1)"},
      {"1xe4-4", "(x\u00b2-2)(x\u00b2+2)"},
      // roots before the rest, -r before +r, repeated roots raised
      {"1xe4-2xe3+0xe2+2x-1", "(x+1)(x-1)\u00b3"},
      {"1xe1e2-1", "(x+1)(x-1)(x\u00b2-x+1)(x\u00b2+1)(x\u00b2+x+1)(x\u2074-x\u00b2+1)"},
      {"1xe2+0x-1000000000000000000000000000000000000",
       "(x+1000000000000000000)(x-1000000000000000000)"},
      // a two-digit multiplicity
      {"1xe1e2", "x\u00b9\u00b2"},
  };
  for (const auto& c : cases) EXPECT_EQ(Factored(c.text), c.factored) << c.text;
}

TEST(Factorization, RefusesWhatItCannotFactorInAMoment) {
  // Degree past the bound.
  Polynomial high(kMaxFactorDegree + 2);
  high.front() = -1;
  high.back() = 1;
  // Polynomial too long for the degree.
  Polynomial wide{mpz_class(1) << 5000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  // A Swinnerton-Dyer polynomial: irreducible, but it splits into 128
  // factors modulo every prime, which FLINT takes seconds to recombine.
  Flint swinnertonDyer;
  fmpz_poly_swinnerton_dyer(swinnertonDyer.get(), 8);
  for (const Polynomial& p : {high, wide, swinnertonDyer.ToPolynomial()}) {
    try {
      Factorize(p);
      ADD_FAILURE() << "degree " << Degree(p) << " was factored";
    } catch (const EngineError& e) {
      EXPECT_EQ(e.number(), kOverflow);
    }
  }
  // The child stopped at the deadline is reaped: no child of ours is left.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(Factorization, ManyRootsAndHighMultiplicities) {
  // (x-1)(x-2)...(x-65): more local factors than FLINT is trusted with, all
  // of them roots, which are taken out first.
  Flint product;
  fmpz_poly_one(product.get());
  Flint linear;
  std::vector<mpz_class> expected;
  for (long r = 1; r <= 65; ++r) {
    fmpz_poly_set_coeff_si(linear.get(), 1, 1);
    fmpz_poly_set_coeff_si(linear.get(), 0, -r);
    fmpz_poly_mul(product.get(), product.get(), linear.get());
    expected.push_back(r);
  }
  EXPECT_EQ(IntegerRoots(Factorize(product.ToPolynomial())), expected);

  // (x-2)^100 (x+3)^100 (x^2+1)^3
  Flint a(Polynomial{-6, 1, 1}), b(Polynomial{1, 0, 1}), power, cube;
  fmpz_poly_pow(power.get(), a.get(), 100);
  fmpz_poly_pow(cube.get(), b.get(), 3);
  fmpz_poly_mul(power.get(), power.get(), cube.get());
  EXPECT_EQ(WriteFactorization(Factorize(power.ToPolynomial())),
            "(x-2)\u00b9\u2070\u2070(x+3)\u00b9\u2070\u2070(x\u00b2+1)\u00b3");
}

// Polynomials built from planted factors: content * prod (x - r)^m * prod g^k
// for irreducible g of known shape.
class PlantedFactors : public ::testing::Test {
protected:
  std::mt19937_64 random{20261208};

  mpz_class Between(long low, long high) {
    return mpz_class(std::uniform_int_distribution<long>(low, high)(random));
  }
  mpz_class Large() {
    // up to 40 digits
    mpz_class v = 0;
    for (int i = 0; i < 4; ++i) v = v * 10000000000L + Between(0, 9999999999L);
    return v + 1;
  }
  // Irreducible over the integers: x^2 + k (k > 0), x^3 - k with k
  // between two cubes, the Eisenstein polynomial a x^d + p(...) for a
  // prime p dividing every other coefficient, p^2 not the constant, and
  // v x - u for a rational root u/v in lowest terms.
  FactorPower Irreducible() {
    switch (Between(0, 3).get_si()) {
      case 0:
        return {{Between(1, 50), 0, 1}, 1};
      case 1: {
        const long cube = Between(1, 20).get_si();
        return {{-(cube * cube * cube + Between(1, 3 * cube * cube).get_si()), 0, 0, 1}, 1};
      }
      case 2: {
        const mpz_class v = Between(2, 9);
        mpz_class u;
        do {
          u = Between(-40, 40);
        } while (gcd(u, v) != 1);
        return {{-u, v}, 1};
      }
      default: {
        const int degree = int(Between(2, 6).get_si());
        const mpz_class p = 7;
        Polynomial g(std::size_t(degree) + 1);
        for (int i = 0; i < degree; ++i) g[std::size_t(i)] = p * Between(-5, 5);
        g[0] = p * (7 * Between(-3, 3) + Between(1, 6));  // p divides, p^2 does not
        g[std::size_t(degree)] = Between(1, 6);           // p does not divide
        return {g, 1};
      }
    }
  }
};

Polynomial Product(const Polynomial& a, const Polynomial& b) {
  Flint fa(a), fb(b), product;
  fmpz_poly_mul(product.get(), fa.get(), fb.get());
  return product.ToPolynomial();
}

Polynomial Power(const Polynomial& a, unsigned k) {
  Polynomial out{1};
  for (unsigned i = 0; i < k; ++i) out = Product(out, a);
  return out;
}

bool Primitive(const Polynomial& f) {
  mpz_class gcd;
  for (const mpz_class& c : f) mpz_gcd(gcd.get_mpz_t(), gcd.get_mpz_t(), c.get_mpz_t());
  return gcd == 1;
}

TEST(Factorization, ManyFactorsModuloEveryPrime) {
  // (2x+3)(2x+5)...(2x+131), rational roots checked all at once, and
  // (x^2+1)(x^2+2)...(x^2+45), about 65 factors modulo a prime: both
  // factor completely.
  Polynomial linear{1}, quadratic{1};
  std::vector<Polynomial> linearFactors, quadraticFactors;
  for (long k = 1; k <= 65; ++k) linearFactors.push_back({2 * k + 1, 2});
  for (long k = 1; k <= 45; ++k) quadraticFactors.push_back({k, 0, 1});
  for (const Polynomial& f : linearFactors) linear = Product(linear, f);
  for (const Polynomial& f : quadraticFactors) quadratic = Product(quadratic, f);
  for (const auto& [p, factors] : {std::pair{linear, linearFactors}, std::pair{quadratic, quadraticFactors}}) {
    std::vector<Polynomial> found;
    for (const FactorPower& g : Factorize(p).factors) found.push_back(g.factor);
    EXPECT_EQ(found, factors);
  }
}

TEST_F(PlantedFactors, FactorsMultiplyBackAndMatchThePlantedOnes) {
  for (int round = 0; round < 150; ++round) {
    mpz_class content = Between(1, 12);
    if (Between(0, 1) == 0) content = -content;
    std::vector<mpz_class> roots;
    const int rootCount = int(Between(0, 5).get_si());
    for (int i = 0; i < rootCount; ++i) roots.push_back(round % 3 == 0 ? Large() * (Between(0, 1) * 2 - 1) : Between(-9, 9));
    std::vector<FactorPower> others;
    const int otherCount = int(Between(0, 3).get_si());
    for (int i = 0; i < otherCount; ++i) {
      FactorPower g = Irreducible();
      g.multiplicity = unsigned(Between(1, 3).get_si());
      others.push_back(g);
    }

    Polynomial p{content};
    for (const mpz_class& r : roots) p = Product(p, {-r, 1});
    for (const FactorPower& g : others) p = Product(p, Power(g.factor, g.multiplicity));

    const Factorization f = Factorize(p);
    SCOPED_TRACE(WritePolynomial(p) + " = " + WriteFactorization(f));

    // the product of the factors gives the polynomial back
    Polynomial back{f.content};
    for (const FactorPower& g : f.factors) back = Product(back, Power(g.factor, g.multiplicity));
    EXPECT_EQ(back, p);

    // content: the sign of the leading coefficient; every factor primitive
    // with a positive leading coefficient
    EXPECT_EQ(sgn(f.content), sgn(content));
    for (const FactorPower& g : f.factors) {
      EXPECT_TRUE(Primitive(g.factor));
      EXPECT_GT(g.factor.back(), 0);
    }

    // the integer roots are the planted ones, in their order
    std::vector<mpz_class> planted = roots;
    std::sort(planted.begin(), planted.end(), RootOrder);
    EXPECT_EQ(IntegerRoots(f), planted);

    // the other factors are the planted irreducible ones, merged
    std::vector<FactorPower> expected;
    for (FactorPower g : others) {
      mpz_class gcd;
      for (const mpz_class& c : g.factor) mpz_gcd(gcd.get_mpz_t(), gcd.get_mpz_t(), c.get_mpz_t());
      for (mpz_class& c : g.factor) c /= gcd;
      const auto same = std::find_if(expected.begin(), expected.end(),
                                     [&](const FactorPower& e) { return e.factor == g.factor; });
      if (same != expected.end()) {
        same->multiplicity += g.multiplicity;
      } else {
        expected.push_back(g);
      }
    }
    std::vector<FactorPower> found;
    for (const FactorPower& g : f.factors) {
      if (!(g.factor.size() == 2 && g.factor[1] == 1)) found.push_back(g);
    }
    ASSERT_EQ(found.size(), expected.size());
    for (const FactorPower& g : expected) {
      const auto match = std::find_if(found.begin(), found.end(), [&](const FactorPower& e) {
        return e.factor == g.factor && e.multiplicity == g.multiplicity;
      });
      EXPECT_NE(match, found.end()) << WritePolynomial(g.factor);
    }
    // and they stand in their order
    for (std::size_t i = 1; i < found.size(); ++i) {
      const Polynomial& a = found[i - 1].factor;
      const Polynomial& b = found[i].factor;
      const bool ordered = a.size() < b.size() ||
                           (a.size() == b.size() && std::lexicographical_compare(a.rbegin(), a.rend(),
                                                                                 b.rbegin(), b.rend()));
      EXPECT_TRUE(ordered) << WritePolynomial(a) << " before " << WritePolynomial(b);
    }
  }
}

TEST(PolynomialText, WritesEachPowerOnceHighestFirst) {
  const struct {
    Polynomial coeffs;  // lowest power first
    const char* text;
  } cases[] = {
      {{-16, 0, 0, 2}, "2x\u00b3-16"},
      {{0, -1}, "-x"},
      {{1, 1}, "x+1"},
      {{-1, 0, -1}, "-x\u00b2-1"},
      {{0}, "0"},
      {{}, "0"},
      {{5, 0, 0}, "5"},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}, "3x\u00b9\u2070"},
  };
  for (const auto& c : cases) EXPECT_EQ(WritePolynomial(c.coeffs), c.text);
}

std::vector<Polynomial> Sorted(std::vector<Polynomial> polys) {
  std::sort(polys.begin(), polys.end());
  return polys;
}

TEST(IrreducibleFactors, SmallRestsAreFactoredWithoutAChild) {
  // A passed deadline stops only the child: a rest small enough is factored
  // anyway; a larger one is refused then, and factored by the child when
  // there is time.
  const auto passed = std::chrono::steady_clock::now() - std::chrono::seconds(1);
  const mpz_class bits128 = mpz_class(1) << 127;
  std::vector<Polynomial> quadratics;  // x^2 + k, k = 1..7
  for (long k = 1; k <= 7; ++k) quadratics.push_back({k, 0, 1});
  const std::vector<Polynomial> six(quadratics.begin(), quadratics.begin() + 6);
  const struct {
    std::vector<Polynomial> factors;
    bool inProcess;
  } cases[] = {
      {{{1, 0, 0, 0, 1}}, true},
      {{{1, 0, 2}, {1, 0, 3}}, true},
      {{{1, 0, 1}, {bits128, 0, 1}}, true},
      {{{1, 0, 1}, {2 * bits128, 0, 1}}, false},  // a coefficient of 129 bits
      {six, true},                                // degree 12
      {quadratics, false},                        // degree 14
  };
  for (const auto& c : cases) {
    Polynomial rest{1};
    for (const Polynomial& g : c.factors) rest = Product(rest, g);
    SCOPED_TRACE(WritePolynomial(rest));
    if (c.inProcess) {
      EXPECT_EQ(Sorted(IrreducibleFactors(rest, passed)), Sorted(c.factors));
      continue;
    }
    EXPECT_THROW(IrreducibleFactors(rest, passed), EngineError);
    const auto later = std::chrono::steady_clock::now() + 10 * kFactorBudget;
    EXPECT_EQ(Sorted(IrreducibleFactors(rest, later)), Sorted(c.factors));
  }
}

}  // namespace
}  // namespace factorix
