#include "engine/core/EngineError.h"
#include "engine/factor/PolynomialText.h"
#include "engine/factor/Work.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace factorix {
namespace {

std::vector<std::string> Texts(const std::vector<mpz_class>& values) {
  std::vector<std::string> out;
  for (const mpz_class& v : values) out.push_back(v.get_str());
  return out;
}

TEST(Ruffini, OneTableAsWrittenInClass) {
  const RuffiniTable table = DivideWithTable({-16, 0, 0, 2}, 2);
  EXPECT_EQ(Texts(table.dividend), (std::vector<std::string>{"2", "0", "0", "-16"}));
  EXPECT_EQ(Texts(table.products), (std::vector<std::string>{"4", "8", "16"}));
  EXPECT_EQ(Texts(table.quotient), (std::vector<std::string>{"2", "4", "8"}));
  EXPECT_EQ(table.remainder, 0);
  EXPECT_EQ(WritePolynomial(table.QuotientCoefficients()), "2x\u00b2+4x+8");
}

// The roots of the tables of the line of `root` in `text`, then the last
// quotient.
std::vector<std::string> Steps(const std::string& text, long root) {
  const Work work = ShowWork(*ReadTerms(text), mpz_class(root));
  std::vector<std::string> out;
  for (const RuffiniTable& table : work.steps) {
    EXPECT_EQ(table.remainder, 0) << text;
    out.push_back(table.root.get_str());
  }
  if (!work.steps.empty()) out.push_back(WritePolynomial(work.steps.back().QuotientCoefficients()));
  return out;
}

TEST(Ruffini, StepsFollowTheLineThenTheRootsInOrder) {
  using V = std::vector<std::string>;
  const struct {
    const char* text;
    long root;
    V steps;
  } cases[] = {
      {"2xe3+0xe2+0x-16", 2, V{"2", "2x\u00b2+4x+8"}},
      {"1xe2+0x-1", 1, V{"1", "-1", "1"}},
      {"1xe2+0x-1", -1, V{"-1", "1", "1"}},
      // (x-1)^2 (x+1) (x-2): the line's root first, then -1, 1, 1, 2
      {"1xe4-3xe3+1xe2+3x-2", 2, V{"2", "-1", "1", "1", "1"}},
      {"1xe4-3xe3+1xe2+3x-2", 1, V{"1", "-1", "1", "2", "1"}},
      // stops at a quotient without integer roots
      {"1xe5-4xe4-10xe3+26xe2-11x+30", -3, V{"-3", "2", "5", "x\u00b2+1"}},
      // content stays in the last quotient
      {"-2xe2+0x+8", 2, V{"2", "-2", "-2"}},
      // 0 is a root of a quotient when the polynomial's constant is 0
      {"1xe3-1xe2+0x+0", 1, V{"1", "0", "0", "1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Steps(c.text, c.root), c.steps) << c.text << " at " << c.root;
}

TEST(Ruffini, NothingToShowForTheZeroPolynomialOrWithoutARoot) {
  const Work zero = ShowWork(*ReadTerms("0xe2+0x+5-5"), mpz_class(5));
  EXPECT_TRUE(zero.steps.empty());
  EXPECT_EQ(WriteFactorization(zero.factorization), "0");
  const Work none = ShowWork(*ReadTerms("1xe2+0x+1"), std::nullopt);
  EXPECT_TRUE(none.steps.empty());
}

TEST(Ruffini, TooLargeToShow) {
  // x^400 - 1 has every factor within bounds, but 400 columns of
  // 100-digit numbers times many steps would not be.
  for (const char* text : {"1xe4e0e1-1", "1xe1e0e0e0e0-1"}) {
    try {
      ShowWork(*ReadTerms(text), mpz_class(1));
      ADD_FAILURE() << text << " was shown";
    } catch (const EngineError& e) {
      EXPECT_EQ(e.number(), kOverflow);
    }
  }
}

TEST(Ruffini, OnlySumsOfTermsHaveWorkToShow) {
  EXPECT_TRUE(ReadTerms("2xe3+0xe2+0x-16"));
  EXPECT_TRUE(ReadTerms("5"));
  EXPECT_FALSE(ReadTerms("2xe3+0xe2+0x-16+a"));
  EXPECT_TRUE(ReadTerms("2x^3-16"));  // the caret key writes powers too
  EXPECT_FALSE(ReadTerms("2*x-4"));
  EXPECT_FALSE(ReadTerms(""));
  EXPECT_FALSE(ReadTerms("1xe9e9e9e9e9e9-1"));  // beyond the reader's degree
}

}  // namespace
}  // namespace factorix
