#include "engine/text/Division.h"
#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"
#include "engine/text/RaisedExponent.h"
#include "engine/text/Tidy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace factorix {
namespace {

int ErrorOf(const std::string& root, const std::string& text) {
  try {
    Dividir(root, text);
  } catch (const EngineError& e) {
    return e.number();
  }
  return kNoError;
}

struct DivisionCase {
  const char* text;
  const char* root;
  const char* quotient;
};

void PrintTo(const DivisionCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" by x-" << c.root;
}

class DivisionTable : public testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionTable, GivesTheQuotient) {
  EXPECT_EQ(Dividir(GetParam().root, GetParam().text), GetParam().quotient);
}

INSTANTIATE_TEST_SUITE_P(
    OrdinaryShape, DivisionTable,
    testing::Values(
        DivisionCase{"2xe3+0xe2+0x-16", "2", "+2xe2+4xe1+8xe0"},
        DivisionCase{"1xe2+5x+6", "-2", "+1xe1+3xe0"},
        DivisionCase{"1xe2-5x+6", "2", "+1xe1-3xe0"},
        DivisionCase{"1xe3-2xe2+1x-2", "2", "+1xe2+0xe1+1xe0"},
        DivisionCase{"-1xe2+0x+1", "1", "-1xe1-1xe0"},
        DivisionCase{"xe2+0x-1", "1", "+1xe1+1xe0"},
        DivisionCase{"2x-4", "2", "+2xe0"},
        DivisionCase{"+2x-4", "2", "+2xe0"},
        DivisionCase{"5-5", "5", ""},
        DivisionCase{"5-5", "-1", ""},
        // The leading coefficient keeps the text the user typed.
        DivisionCase{"007xe2-14x+0", "2", "+007xe1+0xe0"},
        DivisionCase{"-0xe2+1x-1", "1", "-0xe1+1xe0"},
        // Not a root: the quotient is still given, the remainder dropped.
        DivisionCase{"1xe2+0x+1", "1", "+1xe1+1xe0"},
        // Exact beyond double precision.
        DivisionCase{"1xe3-1000001xe2-1000001x-1000002", "1000002", "+1xe2+1xe1+1xe0"},
        DivisionCase{"1xe2+0x-100000000000000000000000000000000000000", "10000000000000000000",
                     "+1xe1+10000000000000000000xe0"},
        // Carries and borrows across nine-digit groups.
        DivisionCase{"1xe2+999999999x-1000000000", "1", "+1xe1+1000000000xe0"},
        DivisionCase{"1xe2-1000000000x+999999999", "1", "+1xe1-999999999xe0"},
        DivisionCase{"1xe2-1x-999999999000000000", "1000000000", "+1xe1+999999999xe0"},
        DivisionCase{"1xe2-1000000000000000000x+0", "1000000000000000000", "+1xe1+0xe0"}));

INSTANTIATE_TEST_SUITE_P(
    PowersReadFromTheText, DivisionTable,
    testing::Values(
        // A missing power counts 0.
        DivisionCase{"1xe3-8", "2", "+1xe2+2xe1+4xe0"},
        DivisionCase{"5xe7+1x-6", "1", "+5xe6+5xe5+5xe4+5xe3+5xe2+5xe1+6xe0"},
        // Repeated powers add up, any order is read.
        DivisionCase{"1x+1x-4", "2", "+2xe0"},
        DivisionCase{"3x+1xe2-10", "2", "+1xe1+5xe0"},
        // x^0 written out is part of the constant.
        DivisionCase{"1xe2+3xe0-4", "1", "+1xe1+1xe0"},
        DivisionCase{"3xe0-3", "1", ""},
        // Each power is the one the evaluator reads: "^" and digits, plain
        // digits after a raised run, powers in a row multiplied.
        DivisionCase{"2x^3+0x^2+0x-16", "2", "+2xe2+4xe1+8xe0"},
        DivisionCase{"1x^3-8", "2", "+1xe2+2xe1+4xe0"},
        DivisionCase{"1xe13-1", "1",
                     "+1xe1e2+1xe1e1+1xe1e0+1xe9+1xe8+1xe7+1xe6+1xe5+1xe4+1xe3+1xe2+1xe1+1xe0"},
        DivisionCase{"1x^2e2-16", "2", "+1xe3+2xe2+4xe1+8xe0"},
        // Exponents of two or more digits come out as runs of raised digits.
        DivisionCase{"1xe1e1-1", "1",
                     "+1xe1e0+1xe9+1xe8+1xe7+1xe6+1xe5+1xe4+1xe3+1xe2+1xe1+1xe0"},
        DivisionCase{"1xe1e2+0x-1", "1",
                     "+1xe1e1+1xe1e0+1xe9+1xe8+1xe7+1xe6+1xe5+1xe4+1xe3+1xe2+1xe1+1xe0"}));

// A run of signs before a term gives it the sign the evaluator gives it:
// each "-" in the run turns it.
INSTANTIATE_TEST_SUITE_P(
    SignRuns, DivisionTable,
    testing::Values(DivisionCase{"--x-2", "2", "+1xe0"}, DivisionCase{"-+x+1", "1", "-1xe0"},
                    DivisionCase{"x--x-2", "1", "+2xe0"}, DivisionCase{"--x^2-4", "-2", "+1xe1-2xe0"},
                    DivisionCase{"---3x+6", "2", "-3xe0"}, DivisionCase{"1xe2+-+3x+2", "1", "+1xe1-2xe0"}));

TEST(Division, ErrorsOfTheTextAndTheRoot) {
  const struct {
    const char* text;
    const char* root;
    int error;
  } cases[] = {
      {"2xe2+3x", "1", kTypeMismatch},       // no constant: "+3x" is no number
      {"2xe2+3x-", "1", kTypeMismatch},      // ends with a sign
      {"-4+1xe2", "2", kTypeMismatch},       // the constant must come last
      {"2ax-2", "1", kTypeMismatch},         // leading coefficient not a number
      {"1xe2+2.5x-1", "1", kTypeMismatch},
      {"1x-1", "", kTypeMismatch},
      {"1x-1", "1.0", kTypeMismatch},
      {"1,2x+3", "1", kTypeMismatch},
      {"1x", "1", kInvalidCall},             // no sign: no constant with a sign
      {"5", "5", kInvalidCall},
      {"a-b", "1", kTypeMismatch},
      {"1xe9e9e9e9e9e9e9e9e9-1", "1", kOverflow},  // absurd degree
      {"1xe1e0e0e0e0e1-1", "1", kOverflow},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(c.root, c.text), c.error) << c.text << " / " << c.root;
  }
  EXPECT_EQ(ErrorOf("1", "1xe1e0e0e0e0e0-1"), kNoError);  // the largest degree allowed
  // Not a root, and the quotient's coefficients grow like 2^i: refused
  // before they take gigabytes.
  EXPECT_EQ(ErrorOf("2", "1xe1e0e0e0e0e0-1"), kOverflow);
}

TEST(RaisedExponent, WritesAndReadsRuns) {
  const struct {
    int exponent;
    const char* run;
  } cases[] = {{0, "e0"}, {1, "e1"}, {9, "e9"}, {10, "e1e0"}, {12, "e1e2"}, {100000, "e1e0e0e0e0e0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(RaisedExponentText(c.exponent), c.run);
    std::size_t pos = 0;
    const std::string text = std::string(c.run) + "e+";
    EXPECT_EQ(ReadRaisedExponent(text, pos), c.exponent);
    EXPECT_EQ(pos, std::string(c.run).size()) << "stops before an \"e\" without a digit";
  }
  std::size_t pos = 1;
  EXPECT_EQ(ReadRaisedExponent("x3", pos), std::nullopt);
  EXPECT_EQ(pos, 1u);
}

}  // namespace
}  // namespace factorix

namespace factorix {
namespace {

// A formula text for coeffs (lowest power first) in the ordinary shape: every
// power written, decreasing, the constant last with its sign.
std::string OrdinaryText(const std::vector<mpz_class>& coeffs) {
  std::string text;
  for (std::size_t i = coeffs.size(); i-- > 0;) {
    const std::string value = coeffs[i].get_str();
    if (coeffs[i] >= 0 && i + 1 != coeffs.size()) text += '+';
    text += value;
    if (i >= 1) text += 'x';
    if (i >= 2) text += RaisedExponentText(static_cast<int>(i));
  }
  return text;
}

// A text for the same polynomial with terms split, shuffled, and powers
// missing; the constant still last.
std::string ScrambledText(const std::vector<mpz_class>& coeffs, std::mt19937_64& rng) {
  std::vector<std::pair<int, mpz_class>> terms;
  for (std::size_t i = 1; i < coeffs.size(); ++i) {
    if (coeffs[i] == 0 && rng() % 2 == 0) continue;  // leave the power out
    if (rng() % 3 == 0) {                            // write it as two terms
      const mpz_class part = mpz_class(static_cast<long>(rng() % 21) - 10);
      terms.emplace_back(static_cast<int>(i), part);
      terms.emplace_back(static_cast<int>(i), coeffs[i] - part);
    } else {
      terms.emplace_back(static_cast<int>(i), coeffs[i]);
    }
  }
  std::shuffle(terms.begin(), terms.end(), rng);
  std::string text;
  for (const auto& [power, c] : terms) {
    if (c >= 0) text += '+';
    text += c.get_str();
    text += 'x';
    if (power != 1 || rng() % 2 == 0) text += RaisedExponentText(power);
  }
  if (coeffs[0] >= 0) text += '+';
  text += coeffs[0].get_str();
  return text;
}

mpz_class Evaluate(const std::vector<mpz_class>& p, const mpz_class& x) {
  mpz_class v;
  for (std::size_t i = p.size(); i-- > 0;) v = v * x + p[i];
  return v;
}

// quotient * (x - r) + P(r) must give back P.
void ExpectQuotientRebuilds(const std::vector<mpz_class>& p, const mpz_class& r,
                            const std::string& text) {
  const std::string quotient = Dividir(r.get_str(), text);
  const std::optional<Polynomial> q = ReadPolynomial(quotient);
  ASSERT_TRUE(q.has_value()) << quotient;
  std::vector<mpz_class> rebuilt(p.size());
  for (std::size_t i = 0; i < q->size(); ++i) {
    rebuilt[i + 1] += (*q)[i];
    rebuilt[i] -= r * (*q)[i];
  }
  rebuilt[0] += Evaluate(p, r);
  EXPECT_EQ(rebuilt, p) << text << " / " << r.get_str() << " -> " << quotient;
  // One term for every power below the degree.
  EXPECT_EQ(q->size(), p.size() - 1) << quotient;
  // The line's quotient is the tidied one, written at once.
  std::string tidied = "(";
  Dividend(FormulaTerms(text)).AppendTidiedQuotient(r, tidied, Dividend::kMaxQuotientBytes);
  EXPECT_EQ(tidied, "(" + Chunga(quotient)) << text;
}

TEST(Division, QuotientIsWrittenUpToItsBoundInBytes) {
  // By 2, x^8300 + x - (2^8300 + 2) has a quotient of 10.4 million digits,
  // past the ten million the division once stopped at: written whole, down
  // to its constant 2^8299 + 1.
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 2, 8300);
  const std::string quotient =
      Dividend(FormulaTerms("x^8300+x-" + mpz_class(power + 2).get_str())).Divide(mpz_class(2));
  EXPECT_GT(quotient.size(), std::size_t{10400000});
  const std::string constant = "+" + mpz_class(power / 2 + 1).get_str() + "xe0";
  EXPECT_EQ(quotient.substr(quotient.size() - constant.size()), constant);
  // "+1xe2+0x+1" takes 10 bytes: a bound below refuses it.
  const Dividend small(FormulaTerms("xe3-2xe2+1x-2"));
  for (const std::size_t bound : {std::size_t{10}, std::size_t{9}, std::size_t{0}}) {
    const bool fits = bound >= 10;
    EXPECT_EQ(small.TidiedQuotientFits(mpz_class(2), bound), fits) << bound;
    std::string out;
    try {
      small.AppendTidiedQuotient(mpz_class(2), out, bound);
      EXPECT_EQ(out, "+1xe2+0x+1") << bound;
      EXPECT_TRUE(fits) << bound;
    } catch (const EngineError& e) {
      EXPECT_FALSE(fits) << bound;
      EXPECT_EQ(e.number(), kOverflow);
    }
  }
}

TEST(Division, QuotientTimesFactorPlusRemainderGivesThePolynomial) {
  std::mt19937_64 rng(7031);
  gmp_randclass big(gmp_randinit_default);
  big.seed(7031);
  for (int round = 0; round < 300; ++round) {
    const int degree = 1 + static_cast<int>(rng() % 14);
    std::vector<mpz_class> p(static_cast<std::size_t>(degree) + 1);
    const unsigned long bits = 1 + rng() % 120;
    for (mpz_class& c : p) {
      c = big.get_z_bits(bits);
      if (rng() % 2 == 0) c = -c;
      if (rng() % 4 == 0) c = 0;
    }
    if (p.back() == 0) p.back() = 1;
    // Roots short enough to divide in decimal, and longer ones.
    mpz_class r = big.get_z_bits(1 + rng() % (round % 3 == 0 ? 900 : 70)) + 1;
    if (rng() % 2 == 0) r = -r;

    ExpectQuotientRebuilds(p, r, OrdinaryText(p));
    ExpectQuotientRebuilds(p, r, ScrambledText(p, rng));
  }
}

}  // namespace
}  // namespace factorix
