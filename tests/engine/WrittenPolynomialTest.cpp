#include "engine/text/WrittenPolynomial.h"
#include "tests/engine/TestPolynomials.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace factorix {
namespace {

using Status = WrittenPolynomial::Status;
using test::DenseText;

TEST(WrittenPolynomial, ReadsTheFormsPeopleWrite) {
  const struct {
    const char* text;
    const char* padText;
  } cases[] = {
      {"x^3 - 8", "1xe3+0xe2+0x-8"},
      {"−16 + 2x³", "2xe3+0xe2+0x-16"},
      {"X**3-8", "1xe3+0xe2+0x-8"},
      {"x²–1", "1xe2+0x-1"},
      {"6 + 11x + 6x^2 + x^3", "1xe3+6xe2+11x+6"},
      {"P(x) = 2·x^2 - 8 = 0", "2xe2+0x-8"},
      {"p (x) =\tx ^ 1 2 - 1 000", "1xe1e2+0xe1e1+0xe1e0+0xe9+0xe8+0xe7+0xe6+0xe5+0xe4+0xe3+0xe2+0x-1000"},
      {"x¹⁰ + x", "1xe1e0+0xe9+0xe8+0xe7+0xe6+0xe5+0xe4+0xe3+0xe2+1x+0"},
      {"1xe3+0xe2+0x-8", "1xe3+0xe2+0x-8"},  // the pad's own text
      {"xe12", "1xe1e2+0xe1e1+0xe1e0+0xe9+0xe8+0xe7+0xe6+0xe5+0xe4+0xe3+0xe2+0x+0"},
      {"x + 2x - 3 + x^0", "3x-2"},           // a power twice adds up
      {"-x^2 + x^2 + 4", "4"},                // the leading power cancels
      {"0x^5 - x", "-1x+0"},
      {"x", "1x+0"},
      {" - 5 ", "-5"},                        // a constant is its number
      {"x - x", "0"},                         // and the zero polynomial 0
      {"\u00A0x\u202F+\u20091\r\n", "1x+1"},  // no-break and thin spaces, a line end
      {"x^2+1=000", "1xe2+0x+1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const WrittenPolynomial read = ReadWrittenPolynomial(c.text);
    EXPECT_EQ(read.status, Status::kRead);
    EXPECT_EQ(read.padText, c.padText);
  }
}

TEST(WrittenPolynomial, NamesTheFirstCharacterItCannotRead) {
  const struct {
    const char* text;
    std::size_t position;  // 1-based, in characters
    const char* character;
  } cases[] = {
      {"hola", 1, "h"},
      {"x^2 - 5y", 8, "y"},
      {"√x", 1, "√"},
      {"x²−1 = 5", 8, "5"},
      {"x^2 + -3", 7, "-"},
      {"x^-1", 3, "-"},
      {"2*3", 3, "3"},
      {"2x*3", 4, "3"},
      {"2.5x", 2, "."},
      {"x^2 x", 5, "x"},
      {"(x-1)(x+1)", 1, "("},
      {"P(y) = x", 3, "y"},
      {"f(X)=3*x⋅", 9, "⋅"},
      {"x\xff+1", 2, "\uFFFD"},   // a byte that is no UTF-8
      {"x^999999999 + y", 15, "y"},  // unreadable wins over too large
      // The text ends where more was needed: one past its last character.
      {"", 1, ""},
      {" \t ", 4, ""},
      {"2x +", 5, ""},
      {"x^", 3, ""},
      {"xe", 3, ""},
      {"x^2 =", 6, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const WrittenPolynomial read = ReadWrittenPolynomial(c.text);
    EXPECT_EQ(read.status, Status::kUnreadable);
    EXPECT_EQ(read.position, c.position);
    EXPECT_EQ(read.character, c.character);
    EXPECT_EQ(read.padText, "");
  }
}

TEST(WrittenPolynomial, StaysWithinTheEnginesBounds) {
  const WrittenPolynomial highest = ReadWrittenPolynomial("x^100000 - 1");
  ASSERT_EQ(highest.status, Status::kRead);
  EXPECT_EQ(highest.padText.rfind("1xe1e0e0e0e0e0+0xe9e9e9e9e9+", 0), 0u);
  EXPECT_EQ(ReadWrittenPolynomial("x^100001 - 1").status, Status::kTooLarge);
  EXPECT_EQ(ReadWrittenPolynomial("x^99999999999999999999").status, Status::kTooLarge);
  EXPECT_EQ(ReadWrittenPolynomial("x - " + std::string(100001, '7')).status, Status::kTooLarge);
  EXPECT_EQ(ReadWrittenPolynomial("x - " + std::string(100000, '7')).status, Status::kRead);
}

// The pad's text with its raised digits as the superscripts a reader sees.
std::string Visible(const std::string& padText) {
  static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text;
  for (std::size_t i = 0; i < padText.size(); ++i) {
    if (padText[i] == 'e') {
      text += kSuperscripts[padText[++i] - '0'];
    } else {
      text += padText[i];
    }
  }
  return text;
}

// Random polynomials written in random ways (terms shuffled and split, every
// spelling of sign, product and power, blanks) read back as their dense pad
// text; so do the pad text itself and the way the pad shows it.
TEST(WrittenPolynomial, AnyWritingReadsAsThePadText) {
  std::mt19937 random(20260419);
  auto pick = [&random](std::initializer_list<const char*> choices) {
    return *(choices.begin() + std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random));
  };
  for (int round = 0; round < 2000; ++round) {
    const std::size_t degree = std::uniform_int_distribution<std::size_t>(1, 14)(random);
    test::Coefficients coeffs(degree + 1);
    std::vector<std::pair<std::size_t, long>> terms;  // power, coefficient, in writing order
    for (std::size_t power = 0; power <= degree; ++power) {
      long value = std::uniform_int_distribution<long>(-30, 30)(random);
      if (power == degree && value == 0) value = 1;
      coeffs[power] = value;
      if (value == 0 && random() % 2) continue;
      const long part = power == degree ? 0 : std::uniform_int_distribution<long>(-3, 3)(random);
      terms.emplace_back(power, value - part);
      if (part != 0) terms.emplace_back(power, part);
    }
    std::shuffle(terms.begin(), terms.end(), random);

    std::string text = pick({"", "", "P(x) = ", "f(X)="});
    for (const auto& [power, value] : terms) {
      text += value < 0 ? pick({"-", "−", "–", " - "}) : pick({"+", " + ", "+"});
      const long size = value < 0 ? -value : value;
      if (power == 0) {
        text += std::to_string(size);
        continue;
      }
      if (size != 1 || random() % 2) text += std::to_string(size) + pick({"", "", "*", "·", " "});
      text += pick({"x", "X"});
      if (power == 1) continue;
      const std::string exponent = std::to_string(power);
      const std::string style = pick({"^", "**", "sup", "e"});
      if (style == "sup") {
        text += Visible(RaisedExponentText(static_cast<int>(power)));
      } else if (style == "e") {
        text += RaisedExponentText(static_cast<int>(power));
      } else {
        text += style + exponent;
      }
    }
    text += pick({"", "", " = 0", "=0"});

    const std::string padText = DenseText(coeffs);
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadWrittenPolynomial(text).padText, padText);
    EXPECT_EQ(PadPolynomialText(coeffs), padText);
    EXPECT_EQ(ReadWrittenPolynomial(padText).padText, padText);
    EXPECT_EQ(ReadWrittenPolynomial(Visible(padText)).padText, padText);
  }
}

}  // namespace
}  // namespace factorix
