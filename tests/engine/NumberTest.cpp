#include "engine/core/EngineError.h"
#include "engine/text/Number.h"

#include <gtest/gtest.h>

#include <string>

namespace factorix {
namespace {

int ErrorOf(const std::string& text) {
  try {
    ToNumber(text);
  } catch (const EngineError& e) {
    return e.number();
  }
  return kNoError;
}

TEST(Number, ReadsSignedWholeNumbers) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"0", "0"},
      {"+0", "0"},
      {"-0", "0"},
      {"007", "7"},
      {"-16", "-16"},
      {"+12", "12"},
      {"123456789012345678901234567890", "123456789012345678901234567890"},
      {"-18446744073709551617", "-18446744073709551617"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToText(ToNumber(c.text)), c.expected) << c.text;
  }
}

TEST(Number, RejectsAnythingButSignAndDigits) {
  for (const char* text : {"", "3x", "1e5", "2.5", " 7", "7 ", "+", "-", "--1", "+-1",
                           "1,5", "0x10", "&H10", "١"}) {
    EXPECT_EQ(ErrorOf(text), kTypeMismatch) << text;
  }
  EXPECT_EQ(ErrorOf(std::string("1\0002", 3)), kTypeMismatch);
}

TEST(Number, GuardsTheLength) {
  EXPECT_EQ(ErrorOf(std::string(100000, '9')), kNoError);
  EXPECT_EQ(ErrorOf("-" + std::string(100001, '1')), kOverflow);
  // A text that is no number at all is a mismatch, however long.
  EXPECT_EQ(ErrorOf(std::string(200000, '1') + "x"), kTypeMismatch);
}

TEST(Number, TextRoundTrip) {
  mpz_class big("-987654321987654321987654321987654321");
  EXPECT_EQ(ToNumber(ToText(big)), big);
  EXPECT_EQ(ToText(mpz_class(-5)), "-5");
  EXPECT_EQ(ToText(mpz_class(0)), "0");
}

}  // namespace
}  // namespace factorix
