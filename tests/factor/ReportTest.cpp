#include "engine/EngineError.h"
#include "engine/factor/Report.h"

#include <gtest/gtest.h>

namespace factorix {
namespace {

TEST(Report, FactorizationOnOneLine) {
  EXPECT_EQ(FactorizationReport("2xe3+0xe2+0x-16"), "2(x-2)(x\u00b2+2x+4)\n");
  EXPECT_EQ(FactorizationReport("1xe2+0x+1"), "x\u00b2+1\n");
  EXPECT_EQ(FactorizationReport("2xe3+0xe2+0x-16+a"), std::nullopt);
  EXPECT_EQ(FactorizationReport("2x^3-16"), std::nullopt);
}

TEST(Report, RuffiniFromTheFirstLine) {
  EXPECT_EQ(RuffiniReport("1xe2+0x-1"),
            "P(x) = x\u00b2-1\n"
            "\n"
            "   |  1   0   -1\n"
            "-1 |     -1    1\n"
            "---+------------\n"
            "      1  -1 |  0\n"
            "Cociente: x-1\n"
            "Resto: 0\n"
            "\n"
            "  |  1   -1\n"
            "1 |       1\n"
            "--+--------\n"
            "     1 |  0\n"
            "Cociente: 1\n"
            "Resto: 0\n"
            "\n"
            "Factorizaci\u00f3n: (x+1)(x-1)\n");
  // no root: the polynomial and its factorisation
  EXPECT_EQ(RuffiniReport("1xe2+0x+1"), "P(x) = x\u00b2+1\n\nFactorizaci\u00f3n: x\u00b2+1\n");
  EXPECT_EQ(RuffiniReport("1xe2+0x+a-1"), std::nullopt);
}

TEST(Report, TooLargeToShow) {
  for (const char* text : {"1xe4e0e1-1", "1xe1e0e0e0e0-1"}) {
    try {
      RuffiniReport(text);
      ADD_FAILURE() << text;
    } catch (const EngineError& e) {
      EXPECT_EQ(e.number(), kOverflow);
    }
  }
}

}  // namespace
}  // namespace factorix
