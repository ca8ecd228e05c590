#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"
#include "engine/text/Terms.h"
#include "tests/reference/TextHelpers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace factorix {
namespace {

struct CountCase {
  const char* text;
  int expected;
};

TEST(Terms, CountsEveryVariableAndNothingElse) {
  const CountCase cases[] = {
      {"3xe3+0xe2+0x-6", 3},
      {"5xe7+1x-6", 2},    // the exponent is not a term
      {"12", 0},
      {"", 0},
      {"3Xe2+2X-1", 0},    // uppercase is not the variable
      {"xxx", 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ObtenerNumTerminos(c.text, 'x'), c.expected) << c.text;
  }
}

struct TermCase {
  const char* text;
  int number;
  const char* expected;
};

TEST(Terms, ReadsCoefficientWithItsOwnSign) {
  const TermCase cases[] = {
      {"3xe3+0xe2+0x-6", 1, "3"},
      {"3xe3+0xe2+0x-6", 2, "+0"},
      {"3xe3+0xe2+0x-6", 3, "+0"},
      {"-2xe2+5x+12", 1, "-2"},
      {"-2xe2+5x+12", 2, "+5"},
      {"xe2-x-6", 1, "1"},       // left-out coefficient of the first term
      {"xe2-x-6", 2, "-1"},      // left-out coefficient keeps its sign
      {"4xe2+x+1", 2, "+1"},
      {"+xe2-6", 1, "+1"},
      {"007xe2+1", 1, "007"},    // returned exactly as written
      {"3xe3+0xe2+0x-6", 0, "3"},   // 1 or less reads term 1
      {"3xe3+0xe2+0x-6", -5, "3"},
      {"2a+3bx-1", 1, "+3b"},    // no validation: whatever stands there
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ObtenerTermino(c.text, c.number, 'x'), c.expected)
        << c.text << " term " << c.number;
  }
}

TEST(Terms, TermBeyondTheCountDoesNotCrash) {
  EXPECT_EQ(ObtenerTermino("2x-1", 2, 'x'), "");
  EXPECT_EQ(ObtenerTermino("2x-1", 1000, 'x'), "");
  EXPECT_EQ(ObtenerTermino("", 1, 'x'), "");
  EXPECT_EQ(ObtenerTermino("12", 1, 'x'), "");
}

struct ConstantCase {
  const char* text;
  const char* withSign;  // nullptr: throws kInvalidCall
  const char* withoutSign;
};

TEST(Terms, ConstantIsEverythingAfterTheLastSign) {
  const ConstantCase cases[] = {
      {"3xe3+0xe2+0x-6", "-6", "6"},
      {"-2xe2+5x+12", "+12", "12"},
      {"12", nullptr, "12"},
      {"", nullptr, ""},
      {"2xe2+3x", "+3x", "3x"},
      {"2x-", "-", ""},
      {"5-5", "-5", "5"},
      {"1-2+3", "+3", "3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ObtenerIndependiente(c.text, false), c.withoutSign) << c.text;
    if (c.withSign != nullptr) {
      EXPECT_EQ(ObtenerIndependiente(c.text, true), c.withSign) << c.text;
    } else {
      try {
        ObtenerIndependiente(c.text, true);
        ADD_FAILURE() << "no error for " << c.text;
      } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), kInvalidCall) << c.text;
      }
    }
  }
}

TEST(Terms, SinSignosDropsOperatorsOnly) {
  EXPECT_EQ(reference::SinSignos("2*3/4+5-6"), "23456");
  EXPECT_EQ(reference::SinSignos("+-*/"), "");
  EXPECT_EQ(reference::SinSignos("1xe2"), "1xe2");
}

}  // namespace
}  // namespace factorix

namespace factorix {
namespace {

TEST(FormulaTerms, ReadsEveryTermAsTheTermReadersDo) {
  // The search reads the text once; each term must come out as the term
  // readers give it, and the constant as ObtenerIndependiente does.
  static const char kAlphabet[] = "0123456789xxxxee+-+-^*/()a ";
  std::mt19937_64 rng(1105);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const std::size_t length = rng() % 30;
    for (std::size_t i = 0; i < length; ++i) text += kAlphabet[rng() % (sizeof kAlphabet - 1)];
    const FormulaTerms reading(text);
    ASSERT_EQ(static_cast<int>(reading.terms().size()), ObtenerNumTerminos(text, 'x')) << text;
    for (std::size_t k = 0; k < reading.terms().size(); ++k) {
      EXPECT_EQ(reading.terms()[k].Coefficient(), ObtenerTermino(text, static_cast<int>(k) + 1, 'x'))
          << text << " term " << k + 1;
    }
    EXPECT_EQ(reading.Constant(false), ObtenerIndependiente(text, false)) << text;
  }
}

}  // namespace
}  // namespace factorix
