#include <gtest/gtest.h>

#include <gmpxx.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"
#include "engine/text/FormulaTerms.h"
#include "engine/search/Search.h"
#include "engine/search/SearchPaths.h"

namespace factorix {
namespace {

// The raised run of an exponent: "e1e2" for 12.
std::string Raised(int exponent) {
  std::string out;
  for (char c : std::to_string(exponent)) {
    out += 'e';
    out += c;
  }
  return out;
}

// coeffs[i] multiplies x^i; written as the pad stores it, every power
// present, the leading coefficient sometimes left out when it is 1.
std::string FormulaText(const std::vector<mpz_class>& coeffs, std::mt19937_64& rng) {
  std::string text;
  const int degree = static_cast<int>(coeffs.size()) - 1;
  for (int i = degree; i >= 0; --i) {
    const mpz_class& c = coeffs[static_cast<std::size_t>(i)];
    std::string sign = c < 0 ? "-" : "+";
    if (i == degree && c >= 0 && rng() % 2) sign.clear();
    text += sign;
    const mpz_class magnitude = abs(c);
    if (i == 0) {
      text += magnitude.get_str();
    } else {
      if (!(i == degree && magnitude == 1 && rng() % 3 == 0)) text += magnitude.get_str();
      text += 'x';
      if (i > 1) text += Raised(i);
    }
  }
  return text;
}

std::vector<mpz_class> Multiply(const std::vector<mpz_class>& a, const std::vector<mpz_class>& b) {
  std::vector<mpz_class> out(a.size() + b.size() - 1);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) out[i + j] += a[i] * b[j];
  }
  return out;
}

void ExpectSameResult(const SearchResult& a, const SearchResult& b, const std::string& text) {
  EXPECT_EQ(a.lines, b.lines) << text;
  EXPECT_EQ(a.roots, b.roots) << text;
  EXPECT_EQ(a.error, b.error) << text;
  EXPECT_EQ(a.lastLineUnfinished, b.lastLineUnfinished) << text;
}

TEST(SearchPaths, AgreeOnRandomPolynomials) {
  std::mt19937_64 rng(1234567);
  int withRoots = 0;
  for (int round = 0; round < 300; ++round) {
    // A product of linear factors with small roots and one random factor.
    std::vector<mpz_class> p{mpz_class(static_cast<long>(rng() % 7) - 3)};
    if (p[0] == 0) p[0] = 1;
    const int roots = static_cast<int>(rng() % 4);
    for (int k = 0; k < roots; ++k) {
      const long r = static_cast<long>(rng() % 41) - 20;
      p = Multiply(p, {mpz_class(-r), mpz_class(1)});
    }
    std::vector<mpz_class> extra(1 + rng() % 4);
    for (mpz_class& c : extra) c = static_cast<long>(rng() % 2001) - 1000;
    if (extra.back() == 0) extra.back() = 1;
    if (rng() % 4 == 0) extra[0] = 0;  // a constant 0 now and then
    p = Multiply(p, extra);
    const std::string text = FormulaText(p, rng);

    const FormulaTerms reading(text);
    ASSERT_TRUE(reading.polynomial()) << text;
    const SearchResult general = SearchGeneral(reading);
    ExpectSameResult(SearchPolynomial(reading), general, text);
    ExpectSameResult(Search(text), general, text);
    if (!general.lines.empty()) ++withRoots;
  }
  EXPECT_GT(withRoots, 100);
}

TEST(SearchPaths, AgreeOnLargeRoots) {
  // Roots near 10^9 and 2^40 with a constant the divisor list can still
  // walk; the quotients run to 30 digits and more.
  const std::vector<std::string> texts = {
      "1xe3-1000001xe2-1000001x-1000002",
      "1xe5-1025xe4-997969xe3+1022968825xe2-6985832x+7160832000",
      "1xe4+0xe3+0xe2+0x-1099511627776",
      "3xe4-7xe3+0xe2+5x+963761198400",
      "1xe2-2x+1",
      "-1xe3+0xe2+0x+1000000000000"};
  for (const std::string& text : texts) {
    const FormulaTerms reading(text);
    ASSERT_TRUE(reading.polynomial()) << text;
    ExpectSameResult(SearchPolynomial(reading), SearchGeneral(reading), text);
  }
}

TEST(SearchPaths, SlowEvaluationEndsWithOverflowAtTheBudget) {
  // Each candidate costs twenty powers 3^661000 (about a million bits
  // each), and 720720 has 240 divisors: minutes of work without a bound.
  std::string text;
  for (int i = 0; i < 20; ++i) text += "3e6e6e1e0e0e0*0+";
  text += "x-720720";
  const auto start = std::chrono::steady_clock::now();
  const SearchResult r = SearchGeneral(text, std::chrono::milliseconds(200));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(r.error, kOverflow);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 1500);
}

TEST(Search, RandomTextsOverThePadsKeysEndSoonWithAValidResult) {
  static const char kAlphabet[] = "0123456789012345678901234567890123456789eeeeexxxxx+-+-+-*/^=()abckmxyzr;";
  std::mt19937_64 rng(424242);
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration slowest{};
  std::string slowestText;
  int compared = 0;
  int tried = 0;  // searches that got past the constant term
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    const std::size_t length = 1 + rng() % 24;
    for (std::size_t i = 0; i < length; ++i) text += kAlphabet[rng() % (sizeof kAlphabet - 1)];
    // Half of them end in a constant, so that their candidates are tried.
    if (rng() % 2) {
      text += rng() % 2 ? '+' : '-';
      text += std::to_string(1 + rng() % 1000000);
    }

    const auto t0 = std::chrono::steady_clock::now();
    const SearchResult r = Search(text);
    const auto took = std::chrono::steady_clock::now() - t0;
    if (took > slowest) {
      slowest = took;
      slowestText = text;
    }

    EXPECT_TRUE(r.error == kNoError || r.error == kInvalidCall || r.error == kOverflow ||
                r.error == kDivisionByZero || r.error == kTypeMismatch || r.error == kSyntax)
        << text << " gave " << r.error;
    EXPECT_LE(r.lines.size(), kMaxLines) << text;
    for (const std::string& line : r.lines) {
      EXPECT_TRUE(line.rfind(" (x+", 0) == 0 || line.rfind(" (x-", 0) == 0) << text << ": " << line;
    }
    if (r.error != kTypeMismatch) ++tried;
    EXPECT_TRUE(!r.lastLineUnfinished || (r.error != kNoError && !r.lines.empty())) << text;

    // Where the text is a polynomial, the evaluated path must say the same,
    // unless it ran out of room where the polynomial needs none.
    std::optional<Polynomial> read;
    try {
      read = ReadPolynomial(text);
    } catch (const EngineError&) {
    }
    if (read) {
      const SearchResult general = SearchGeneral(text);
      if (general.error != kOverflow) {
        ExpectSameResult(r, general, text);
        ++compared;
      }
    }
  }
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  EXPECT_LT(duration_cast<milliseconds>(slowest).count(), 2000) << slowestText;
  EXPECT_LT(duration_cast<milliseconds>(std::chrono::steady_clock::now() - start).count(), 20000);
  EXPECT_GT(compared, 100);
  EXPECT_GT(tried, 1000);
}

}  // namespace
}  // namespace factorix
