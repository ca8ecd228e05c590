#include "engine/text/Tidy.h"

#include <gtest/gtest.h>

#include <ostream>

namespace factorix {
namespace {

struct TidyCase {
  const char* quotient;
  const char* tidied;
};

void PrintTo(const TidyCase& c, std::ostream* os) { *os << '"' << c.quotient << '"'; }

class TidyTable : public testing::TestWithParam<TidyCase> {};

TEST_P(TidyTable, TidiesOnlyLonePowersZeroAndOne) {
  EXPECT_EQ(Chunga(GetParam().quotient), GetParam().tidied);
}

INSTANTIATE_TEST_SUITE_P(
    Quotients, TidyTable,
    testing::Values(
        TidyCase{"+2xe2+4xe1+8xe0", "+2xe2+4x+8"},
        TidyCase{"+1xe1-1xe0", "+1x-1"},
        TidyCase{"+1xe2+0xe1+1xe0", "+1xe2+0x+1"},  // zero and unit coefficients stay
        TidyCase{"+2xe0", "+2"},
        TidyCase{"", ""},
        // Raised exponents of two digits are not read as 1 or 0.
        TidyCase{"+1xe1e0+0xe9+2xe1+3xe0", "+1xe1e0+0xe9+2x+3"},
        TidyCase{"+3xe1e1+1xe1e0+0xe9", "+3xe1e1+1xe1e0+0xe9"},
        TidyCase{"+1xe1e2e0-7xe1e0e1", "+1xe1e2e0-7xe1e0e1"},
        // A plain digit after "xe1" also begins a longer exponent.
        TidyCase{"+3xe11+1xe10+0xe9", "+3xe11+1xe10+0xe9"},
        // A leading raised 0 before another raised digit is kept.
        TidyCase{"+1xe0e5", "+1xe0e5"},
        TidyCase{"-5xe0-6xe1", "-5-6x"},
        TidyCase{"xe1", "x"},
        TidyCase{"Xe1+Xe0", "Xe1+Xe0"}));  // case-sensitive

}  // namespace
}  // namespace factorix
