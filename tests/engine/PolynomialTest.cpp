#include "engine/core/EngineError.h"
#include "engine/core/Polynomial.h"
#include "engine/poly/IntegerRoots.h"
#include "engine/text/FormulaTerms.h"
#include "tests/engine/BuildSpeed.h"
#include "tests/engine/TestPolynomials.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace factorix {
namespace {

using test::Times;

std::vector<std::string> Texts(const std::vector<mpz_class>& values) {
  std::vector<std::string> out;
  for (const mpz_class& v : values) out.push_back(v.get_str());
  return out;
}

// coeffs of a text, lowest power first, as decimal texts; "none" when the
// text is not in polynomial shape.
std::vector<std::string> ReadBack(const std::string& text) {
  const std::optional<Polynomial> p = ReadPolynomial(text);
  if (!p) return {"none"};
  return Texts(*p);
}

TEST(DensePolynomial, DivisionAgreesWithTheReference) {
  // quotient * (x - r) + p(r) = p, the table's rows are the same division,
  // and zeros at the top count as powers.
  std::mt19937_64 rng(16);
  for (int round = 0; round < 200; ++round) {
    Polynomial p(1 + rng() % 12);
    for (mpz_class& c : p) c = static_cast<long>(rng() % 2001) - 1000;
    if (rng() % 4 == 0) p.back() = 0;
    const mpz_class r = static_cast<long>(rng() % 41) - 20;
    const Polynomial q = DivideByRoot(p, r);
    ASSERT_EQ(q.size(), p.size() - 1);
    EXPECT_EQ(ValueAt(p, r), test::ValueAt(p, r));
    Polynomial back = q.empty() ? Polynomial{0} : Times(q, {-r, 1});
    back[0] += ValueAt(p, r);
    back.resize(p.size());
    EXPECT_EQ(back, p) << "round " << round;
    const RuffiniTable table = DivideWithTable(p, r);
    EXPECT_EQ(table.QuotientCoefficients(), q);
    EXPECT_EQ(table.remainder, ValueAt(p, r));
    Polynomial trimmed = p;
    Trim(trimmed);
    EXPECT_EQ(Degree(p), static_cast<int>(trimmed.size()) - 1);
  }
}

TEST(ReadPolynomial, ReadsSumsOfTerms) {
  const struct {
    const char* text;
    std::vector<std::string> coeffs;  // lowest power first
  } cases[] = {
      {"2xe3+0xe2+0x-16", {"-16", "0", "0", "2"}},
      {"xe2-x-6", {"-6", "-1", "1"}},
      {"-x", {"0", "-1"}},
      {"+5", {"5"}},
      {"12", {"12"}},
      {"5-5", {"0"}},
      {"1x+1x-4", {"-4", "2"}},         // repeated powers add up
      {"-4+1xe2", {"-4", "0", "1"}},    // any order
      {"3xe0+1", {"4"}},                // x^0 is the constant
      {"1xe1e2", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"}},
      {"007x", {"0", "7"}},
      {"", {"none"}},
      {"+", {"none"}},
      {"2x-", {"none"}},
      {"2xe2+3x+a", {"none"}},
      {"2*x", {"none"}},
      {"2x3", {"none"}},                 // a plain digit after x
      {"xe", {"none"}},
      // Exponents as the evaluator reads them: "^" and digits, plain digits
      // after a raised run, powers in a row.
      {"x^2", {"0", "0", "1"}},
      {"2x^3+0x^2+0x-16", {"-16", "0", "0", "2"}},
      {"1xe1^2-1", {"-1", "0", "1"}},
      {"1xe13-1", {"-1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"}},
      {"1x^2e2-1", {"-1", "0", "0", "0", "1"}},
      {"1x^0+1", {"2"}},
      {"x^", {"none"}},
      {"x^+2", {"none"}},
      {"x^2.5", {"none"}},
      {"(x-1)", {"none"}},
      {"2X-1", {"none"}},
      // A run of signs is the one sign the evaluator makes of it.
      {"--x-2", {"-2", "1"}},
      {"-+x+1", {"1", "-1"}},
      {"x--x-2", {"-2", "2"}},
      {"--x^2-4", {"-4", "0", "1"}},
      {"1-+-1", {"2"}},
      {"x+-", {"none"}},
      {"2e3", {"none"}},                 // raised digits only after x
      {"3r8;", {"none"}},
      {" 1x", {"none"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadBack(c.text), c.coeffs) << c.text;
  }
}

TEST(ReadPolynomial, BoundsTheDegree) {
  EXPECT_NO_THROW(ReadPolynomial("1xe1e0e0e0e0e0-1"));
  try {
    ReadPolynomial("1xe9e9e9e9e9e9e9e9e9-1");
    ADD_FAILURE() << "no error";
  } catch (const EngineError& e) {
    EXPECT_EQ(e.number(), kOverflow);
  }
}

std::vector<std::string> RootsOf(const std::string& text, const std::string& constant) {
  const std::optional<Polynomial> p = ReadPolynomial(text);
  if (!p) return {"none"};
  return Texts(IntegerRootsDividing(*p, mpz_class(constant)));
}

TEST(IntegerRoots, FindsExactlyTheRootsDividingTheConstant) {
  const struct {
    const char* text;
    const char* constant;
    std::vector<std::string> roots;
  } cases[] = {
      {"xe2+0x-1", "1", {"-1", "1"}},
      {"2xe3+0xe2+0x-16", "16", {"2"}},
      {"1xe2+0x+1", "1", {}},
      {"1xe2-2x+1", "1", {"1"}},                    // a double root counts once
      {"1xe3-3xe2+3x-1", "1", {"1"}},
      {"1xe4-8xe3+24xe2-32x+16", "16", {"2"}},      // (x-2)^4
      {"1xe5-4xe4-10xe3+26xe2-11x+30", "30", {"2", "-3", "5"}},
      {"1xe2+0x-4", "4", {"-2", "2"}},
      {"1xe2+0x-4", "3", {}},                       // roots must divide the constant
      {"1xe3-1xe2+0x+0", "5", {"1"}},               // x^2 (x-1): 0 is no candidate
      {"3x-6", "6", {"2"}},
      {"3x-5", "5", {}},
      {"-1x+0", "7", {}},
      {"7", "7", {}},
      {"1xe3-1000001xe2-1000001x-1000002", "1000002", {"1000002"}},
      {"16384xe3+0xe2+0x-16384000000000001000000", "16384000000000001000000", {}},
      {"1xe2+0x-100000000000000000000000000000000000000", "100000000000000000000000000000000000000",
       {"-10000000000000000000", "10000000000000000000"}},
      // (x-1)^2 (x+2)^2 (x-3): repeated factors on every prime
      {"1xe5-1xe4-9xe3+5xe2+16x-12", "12", {"1", "-2", "3"}},
      // (x^2+1)^2 (x-7)
      {"1xe5-7xe4+2xe3-14xe2+1x-7", "7", {"7"}},
      // ((x^2-2)(x^2-3)(x^2-6))^2 (x-5)^2 (x+7): a multiple root modulo every prime
      {"1xe1e5-3xe1e4-67xe1e3+241xe1e2+1183xe1e1-4429xe1e0-9549xe9+36367xe8+40968xe7-"
       "157464xe6-96552xe5+373176xe4+117936xe3-457488xe2-58320x+226800",
       "226800", {"5", "-7"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RootsOf(c.text, c.constant), c.roots) << c.text;
  }
}


// The reference: every ± divisor of the constant tried in turn.
std::vector<mpz_class> BruteForceRoots(const std::vector<mpz_class>& p, long constant) {
  std::vector<mpz_class> roots;
  const long n = constant < 0 ? -constant : constant;
  for (long d = 1; d <= n; ++d) {
    if (n % d != 0) continue;
    for (const long r : {-d, d}) {
      if (test::ValueAt(p, r) == 0) roots.emplace_back(r);
    }
  }
  return roots;
}

TEST(IntegerRoots, AgreeWithTryingEveryDivisor) {
  std::mt19937_64 rng(20240611);
  auto pick = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(rng); };
  for (int round = 0; round < 600; ++round) {
    // A leading factor, some chosen roots (repeats allowed), and a factor of
    // random coefficients that may or may not bring roots of its own.
    std::vector<mpz_class> p{pick(1, 3) * (pick(0, 1) ? 1 : -1)};
    const int rootCount = static_cast<int>(pick(0, 4));
    for (int k = 0; k < rootCount; ++k) p = Times(p, {mpz_class(-pick(-25, 25)), 1});
    std::vector<mpz_class> extra;
    const int extraDegree = static_cast<int>(pick(0, 3));
    for (int k = 0; k <= extraDegree; ++k) extra.emplace_back(pick(-6, 6));
    if (extra.back() == 0) extra.back() = 1;
    p = Times(p, extra);
    if (pick(0, 3) == 0) p = Times(p, extra);  // a repeated factor
    while (p.size() > 1 && p.back() == 0) p.pop_back();
    if (p.size() == 1 && p[0] == 0) continue;

    // The constant: the polynomial's own when it has one, a random one otherwise
    // or now and then, to check the divisibility filter.
    long constant = p[0].get_si();
    if (constant == 0 || pick(0, 3) == 0) constant = pick(1, 5000) * (pick(0, 1) ? 1 : -1);

    const std::vector<mpz_class> expected = BruteForceRoots(p, constant);
    const std::vector<mpz_class> found = IntegerRootsDividing(p, mpz_class(constant));
    ASSERT_EQ(Texts(found), Texts(expected)) << "round " << round;
  }
}

// Hundreds of distinct large roots: two of them meet modulo nearly every
// prime below the square of their number, so the primes must not be tried
// one by one. In an optimised build all of them are found in under half a
// second; one prime after another took several seconds, and the deadline
// leaves room for a loaded machine.
TEST(IntegerRoots, ManyLargeRootsMeetModuloSmallPrimes) {
  std::mt19937_64 rng(20261208);
  std::vector<mpz_class> planted;
  std::vector<mpz_class> p{1};
  for (int k = 0; k < 300; ++k) {
    mpz_class r = mpz_class(rng() >> 1) * mpz_class(rng() >> 1) + 1;
    if (k % 2 == 1) r = -r;
    planted.push_back(r);
    p = Times(p, {-r, 1});
  }
  std::sort(planted.begin(), planted.end(), [](const mpz_class& a, const mpz_class& b) {
    const int byMagnitude = cmp(abs(a), abs(b));
    return byMagnitude != 0 ? byMagnitude < 0 : a < b;
  });
  const auto deadline = std::chrono::steady_clock::now() + test::kGenerousBudget;
  EXPECT_EQ(Texts(IntegerRootsDividing(p, abs(p[0]), deadline)), Texts(planted));
}

// Many roots lifted together beside a factor without roots, x^2 + 3, that
// is lifted with them; a leading coefficient other than 1.
TEST(IntegerRoots, ManyRootsBesideAFactorWithoutRoots) {
  std::vector<mpz_class> planted;
  std::vector<mpz_class> p{3, 0, 5};
  for (long k = 1; k <= 24; ++k) {
    const mpz_class r = (mpz_class(1000000000000000) * k + 7) * (k % 2 == 0 ? 1 : -1);
    planted.push_back(r);
    p = Times(p, {-r, 1});
  }
  EXPECT_EQ(Texts(IntegerRootsDividing(p, abs(p[0]))), Texts(planted));
}

// The benchmark rows with a constant: the roots found and how long they take.
TEST(IntegerRoots, BenchmarkRows) {
  const struct {
    const char* name;
    const char* text;
    std::vector<std::string> roots;
  } rows[] = {
      {"c01", "2xe3+0xe2+0x-16", {"2"}},
      {"c02", "1xe2+0x-1", {"-1", "1"}},
      {"c03", "1xe5-4xe4-10xe3+26xe2-11x+30", {"2", "-3", "5"}},
      {"c04", "1xe5-1025xe4-997969xe3+1022968825xe2-6985832x+7160832000", {"-999", "1000", "1024"}},
      {"c05",
       "1xe5-1048596xe4-999965028431xe3+1048561319884619816xe2+1999930056858x-"
       "2097122639765045248",
       {"-999983", "1000003", "1048576"}},
      {"c06",
       "1xe5-123456858xe4-999999935481481187xe3+123456781086419826074074863xe2+"
       "123456781086419826197531722x+123456782086419761555556051",
       {"123456789", "-999999937", "1000000007"}},
      {"c07", "1xe5-999999xe4-1999999xe3+999998000000xe2+999999000000x+1000000000000",
       {"-1000", "1000", "1000000"}},
      {"c08", "1xe4-31622775xe3-31622716xe2-1000001922558289x-1000001922558349",
       {"-1", "31622777"}},
      {"c09",
       "1xe5+3814697003480xe4-1000003814697003480xe3+1000003814697003480xe2-"
       "1000003814697003481x+1000000000000000000",
       {"1", "262144", "-3814697265625"}},
      {"c10",
       "1xe1e0-100000000000043xe9+1200000000000366xe8+600000000000256xe7-"
       "6870000000002089xe6-13000000000013690000000003225xe5+"
       "156000000000118980000000022081xe4+78000000000037930000000006128xe3-"
       "845000000000700310000000133761xe2-1014000000000832380000000158958x-"
       "936000000000743760000000140616",
       {"-2", "3", "12", "100000000000031"}},
      {"c11", "3xe4-7xe3+0xe2+5x+963761198400", {}},
      {"c12", "1xe6+0xe5-2xe4+11xe3+0xe2+3x+897612484786617600", {}},
  };
  for (const auto& row : rows) {
    const std::optional<Polynomial> p = ReadPolynomial(row.text);
    ASSERT_TRUE(p.has_value()) << row.name;
    const mpz_class constant = abs((*p)[0]);
    EXPECT_EQ(Texts(IntegerRootsDividing(*p, constant)), row.roots) << row.name;

    constexpr int kRuns = 2000;
    const auto start = std::chrono::steady_clock::now();
    std::size_t sink = 0;
    for (int run = 0; run < kRuns; ++run) sink += IntegerRootsDividing(*p, constant).size();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    std::printf("  %s: %zu roots, %.1f us per call\n", row.name, sink / kRuns, spent.count() / kRuns);
  }
}

}  // namespace
}  // namespace factorix
