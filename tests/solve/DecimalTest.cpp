#include "engine/solve/Decimal.h"

#include <gtest/gtest.h>

namespace factorix {
namespace {

struct DecimalRow {
  const char* value;  // a rational, "p/q"
  const char* significant10;
  const char* fixed6;
};

// Rounding half away from zero, a carry into a new digit, no exponent, no
// sign on a zero.
constexpr DecimalRow kRows[] = {
    {"2", "2", "2.000000"},
    {"-1/2", "-0.5", "-0.500000"},
    {"1/3", "0.3333333333", "0.333333"},
    {"-2/3", "-0.6666666667", "-0.666667"},
    {"99999999995/10", "10000000000", "9999999999.500000"},
    {"-1/20000000", "-0.00000005", "0.000000"},
    {"123456789012345/1000", "123456789000", "123456789012.345000"},
    {"1/1000000000000000000000", "0.000000000000000000001", "0.000000"},
    {"0", "0", "0.000000"},
};

TEST(Decimal, SignificantAndFixed) {
  for (const DecimalRow& row : kRows) {
    mpq_class value(row.value);
    value.canonicalize();
    EXPECT_EQ(SignificantDecimal(value, 10), row.significant10) << row.value;
    EXPECT_EQ(FixedDecimal(value, 6), row.fixed6) << row.value;
  }
}

}  // namespace
}  // namespace factorix
