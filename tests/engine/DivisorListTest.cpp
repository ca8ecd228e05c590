#include "engine/search/DivisorList.h"
#include "engine/core/EngineError.h"
#include "engine/search/Factorizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace factorix {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> ListOf(const std::string& p) {
  DivisorList list;
  list.ObtenerDivisores(p);
  return list.Divisores;
}

TEST(DivisorList, ListsDivisorsAscending) {
  const struct {
    const char* p;
    std::vector<std::string> divisors;
  } cases[] = {
      {"12", {"1", "2", "3", "4", "6", "12"}},
      {"1", {"1"}},
      {"7", {"1", "7"}},
      {"0", {}},
      {"000", {}},
      {"16", {"1", "2", "4", "8", "16"}},
      {"+36", {"1", "2", "3", "4", "6", "9", "12", "18", "36"}},
      {"-10", {"1", "2", "5", "10"}},
      {"4294967311", {"1", "4294967311"}},
      {"18446744073709551557", {"1", "18446744073709551557"}},  // the largest prime below 2^64
      {"18446744073709551616", {}},                              // 2^64: checked for its size below
      {"1500000000000068500000000000481",
       {"1", "1000000000000037", "1500000000000013", "1500000000000068500000000000481"}},
  };
  for (const auto& c : cases) {
    if (std::string(c.p) == "18446744073709551616") {
      const std::vector<std::string> list = ListOf(c.p);
      ASSERT_EQ(list.size(), 65u);
      EXPECT_EQ(list[64], c.p);
      EXPECT_EQ(list[63], "9223372036854775808");
      continue;
    }
    EXPECT_EQ(ListOf(c.p), c.divisors) << c.p;
  }
}

int ErrorOf(DivisorList& list, const std::string& p) {
  try {
    list.ObtenerDivisores(p);
  } catch (const EngineError& e) {
    return e.number();
  }
  return kNoError;
}

TEST(DivisorList, ErrorsKeepThePreviousList) {
  const struct {
    std::string p;
    int error;
  } cases[] = {
      {"3x", kTypeMismatch},
      {"", kTypeMismatch},
      {"1e5", kTypeMismatch},
      {"2.5", kTypeMismatch},
      {" 7", kTypeMismatch},
      {std::string(100001, '7'), kOverflow},
      // The first 21 primes multiplied: 2^21 divisors, too many to list.
      {"40729680599249024150621323470", kOverflow},
      // 10^1000 + 1: far too large a part without small primes.
      {"1" + std::string(999, '0') + "1", kOverflow},
  };
  // 2^300000: only 300001 divisors, but together billions of digits.
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 2, 300000);
  for (const auto& c : cases) {
    DivisorList list;
    list.ObtenerDivisores("12");
    EXPECT_EQ(ErrorOf(list, c.p), c.error) << c.p.substr(0, 40);
    EXPECT_EQ(list.Divisores, (std::vector<std::string>{"1", "2", "3", "4", "6", "12"}));
  }
  DivisorList list;
  EXPECT_EQ(ErrorOf(list, power.get_str()), kOverflow);
}

TEST(DivisorList, AgreesWithTrialDivision) {
  std::mt19937_64 rng(97);
  std::vector<unsigned long> values{1, 2, 720720, 999983, 1000000, 994009 /* 997^2 */, 524288};
  for (int i = 0; i < 1000; ++i) values.push_back(1 + rng() % 1000000);
  DivisorList list;
  for (const unsigned long n : values) {
    // Trial division up to the square root, each divisor with its partner.
    std::vector<unsigned long> small, large;
    for (unsigned long d = 1; d * d <= n; ++d) {
      if (n % d != 0) continue;
      small.push_back(d);
      if (d * d != n) large.push_back(n / d);
    }
    std::vector<std::string> expected;
    for (const unsigned long d : small) expected.push_back(std::to_string(d));
    for (auto it = large.rbegin(); it != large.rend(); ++it) expected.push_back(std::to_string(*it));
    list.ObtenerDivisores(std::to_string(n));
    ASSERT_EQ(list.Divisores, expected) << n;
  }
}

// The list for a large constant: strictly ascending, every entry a divisor,
// and as many entries as the factorisation says.
void ExpectWholeList(const std::vector<std::string>& list, const mpz_class& n, std::size_t count) {
  ASSERT_EQ(list.size(), count);
  mpz_class previous = 0;
  for (const std::string& text : list) {
    const mpz_class d(text);
    ASSERT_GT(d, previous) << text;
    ASSERT_TRUE(mpz_divisible_p(n.get_mpz_t(), d.get_mpz_t())) << text;
    previous = d;
  }
  EXPECT_EQ(previous, n);
}

TEST(DivisorList, LargeConstants) {
  const struct {
    const char* n;
    std::size_t count;
  } cases[] = {
      {"1000000000000000000", 361},                  // 2^18 5^18
      {"897612484786617600", 103680},                // highly composite
      {"963761198400", 6720},
      {"936000000000743760000000140616", 48},        // 2^3 3^2 and two 15-digit primes
      {"1361129467683753853853498429727072845824", 131},  // 2^130, past two words
  };
  for (const auto& c : cases) {
    DivisorList list;
    const auto start = Clock::now();
    list.ObtenerDivisores(c.n);
    const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
    std::printf("  %s: %zu divisors in %.2f ms\n", c.n, list.Divisores.size(), spent.count());
    ExpectWholeList(list.Divisores, mpz_class(c.n), c.count);

    std::vector<std::string> asTexts;
    for (const mpz_class& d : ListDivisors(mpz_class(c.n), Clock::now() + DivisorList::kBudget)) {
      asTexts.push_back(d.get_str());
    }
    EXPECT_EQ(asTexts, list.Divisores) << c.n;
  }
}

TEST(DivisorList, LargePrimesAreListed) {
  // Mersenne primes of 2203 and 4253 bits, alone and times 6: a large part
  // left after trial division is tested for primality before it is refused.
  for (const unsigned long exponent : {2203UL, 4253UL}) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 2, exponent);
    p -= 1;
    EXPECT_EQ(ListOf(p.get_str()), (std::vector<std::string>{"1", p.get_str()})) << exponent;
    const mpz_class n = 6 * p;
    EXPECT_EQ(ListOf(n.get_str()),
              (std::vector<std::string>{"1", "2", "3", "6", p.get_str(), mpz_class(2 * p).get_str(),
                                        mpz_class(3 * p).get_str(), n.get_str()}))
        << exponent;
  }
}

TEST(DivisorList, HardConstantEndsWithinTheBudget) {
  // A 1000-bit number made of two 500-bit primes.
  gmp_randclass random(gmp_randinit_default);
  random.seed(1000);
  mpz_class p, q;
  mpz_class a = random.get_z_bits(500), b = random.get_z_bits(500);
  mpz_setbit(a.get_mpz_t(), 499);
  mpz_setbit(b.get_mpz_t(), 499);
  mpz_nextprime(p.get_mpz_t(), a.get_mpz_t());
  mpz_nextprime(q.get_mpz_t(), b.get_mpz_t());

  DivisorList list;
  list.ObtenerDivisores("6");
  const auto start = Clock::now();
  EXPECT_EQ(ErrorOf(list, mpz_class(p * q).get_str()), kOverflow);
  const auto spent = Clock::now() - start;
  EXPECT_LT(spent, 3 * DivisorList::kBudget);
  EXPECT_EQ(list.Divisores, (std::vector<std::string>{"1", "2", "3", "6"}));

  try {
    ListDivisors(p * q, Clock::now() + std::chrono::milliseconds(50));
    ADD_FAILURE() << "no error";
  } catch (const EngineError& e) {
    EXPECT_EQ(e.number(), kOverflow);
  }
}

TEST(Factorizer, SplitsIntoPrimePowers) {
  const struct {
    const char* n;
    std::vector<std::pair<std::string, unsigned long>> factors;
  } cases[] = {
      {"1", {}},
      {"0", {}},
      {"-12", {{"2", 2}, {"3", 1}}},
      {"4096", {{"2", 12}}},
      {"16752649", {{"4093", 2}}},                      // square of a trial prime
      {"18446744030759878681", {{"4294967291", 2}}},    // square of a large word prime
      {"1000000000000000000000000000000000000000000000000000000000000", {{"2", 60}, {"5", 60}}},
      {"2305843009213693951", {{"2305843009213693951", 1}}},  // 2^61 - 1
      // A cube of a prime above 2^64.
      {"6277101735386680777106801733124266500526464379673737431189", {{"18446744073709551629", 3}}},
  };
  for (const auto& c : cases) {
    std::vector<std::pair<std::string, unsigned long>> found;
    for (const PrimePower& f : Factorizer(Clock::now() + DivisorList::kBudget).Factor(mpz_class(c.n))) {
      found.emplace_back(f.prime.get_str(), f.exponent);
    }
    EXPECT_EQ(found, c.factors) << c.n;
  }
}

TEST(Factorizer, SplitsRandomProductsOfKnownPrimes) {
  // Two to four primes of 13 bits or more, repeats allowed, within 128 bits:
  // trial division, then FLINT on the part left.
  gmp_randclass random(gmp_randinit_default);
  random.seed(4242);
  std::mt19937_64 rng(4242);
  for (int round = 0; round < 60; ++round) {
    std::vector<mpz_class> primes;
    mpz_class n = 1;
    const int count = 2 + static_cast<int>(rng() % 3);
    for (int k = 0; k < count; ++k) {
      mpz_class p, start = random.get_z_bits(13 + rng() % static_cast<unsigned>(110 / count - 12));
      mpz_nextprime(p.get_mpz_t(), start.get_mpz_t());
      primes.push_back(p);
      n *= p;
      if (rng() % 4 == 0 && mpz_sizeinbase(n.get_mpz_t(), 2) + mpz_sizeinbase(p.get_mpz_t(), 2) <= 128) {
        primes.push_back(p);
        n *= p;
      }
    }
    std::sort(primes.begin(), primes.end());
    std::vector<mpz_class> found;
    try {
      for (const PrimePower& f : Factorizer(Clock::now() + std::chrono::seconds(20)).Factor(n)) {
        for (unsigned long i = 0; i < f.exponent; ++i) found.push_back(f.prime);
      }
    } catch (const EngineError& e) {
      FAIL() << "error " << e.number() << " for " << n.get_str();
    }
    ASSERT_EQ(found, primes) << n.get_str();
  }
}

TEST(Factorizer, SplitsHardProducts) {
  // Parts past what is factored outright: two primes of 64 bits, and
  // 2^200 + 1, whose small factors the curves find before the rest is
  // seen to be prime. The deadline is generous, so that a slow machine
  // does not fail the check.
  const struct {
    const char* n;
    std::vector<std::string> primes;
  } cases[] = {
      {"340282366920938460843936948965011886881", {"18446744073709551533", "18446744073709551557"}},
      {"1606938044258990275541962092341162602522202993782792835301377",  // 2^200 + 1
       {"257", "1601", "25601", "82471201", "4278255361", "432363203127002885506543172618401"}},
  };
  for (const auto& c : cases) {
    const auto start = Clock::now();
    std::vector<std::string> found;
    for (const PrimePower& f : Factorizer(start + std::chrono::seconds(20)).Factor(mpz_class(c.n))) {
      found.push_back(f.prime.get_str());
    }
    const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
    std::printf("  %s split in %.1f ms\n", c.n, spent.count());
    EXPECT_EQ(found, c.primes);
  }
}

}  // namespace
}  // namespace factorix
