#include "engine/core/EngineError.h"
#include "engine/text/DecimalNumber.h"
#include "engine/text/Number.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

// q * m + a against GMP, for multipliers of every length the division
// meets, either sign, and addends that nearly cancel the product (the
// result then changes sign or sheds its top limbs).
TEST(DecimalNumber, MultiplyAddAgreesWithGmp) {
  gmp_randclass random(gmp_randinit_mt);
  random.seed(2026);
  std::mt19937 pick(7);
  std::vector<std::uint32_t> scratch;
  for (int round = 0; round < 3000; ++round) {
    const mpz_class q0 = random.get_z_bits(1 + pick() % 600) * (pick() % 2 ? 1 : -1);
    const mpz_class m = random.get_z_bits(1 + pick() % 160) * (pick() % 2 ? 1 : -1);
    mpz_class a = random.get_z_bits(1 + pick() % 700) * (pick() % 2 ? 1 : -1);
    if (pick() % 3 == 0) a = -q0 * m + random.get_z_bits(pick() % 40) * (pick() % 2 ? 1 : -1);
    DecimalNumber q(q0.get_str());
    q.MultiplyAdd(DecimalNumber(m.get_str()), DecimalNumber(a.get_str()), scratch);
    std::string text;
    q.AppendPlain(text);
    ASSERT_EQ(text, mpz_class(q0 * m + a).get_str()) << q0 << " * " << m << " + " << a;
  }
}

}  // namespace
}  // namespace factorix
