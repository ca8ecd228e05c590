// What --factorizar and --ruffini print, and Ruffini's tables as text.
#include "report/WorkReport.h"

#include <gtest/gtest.h>

#include "engine/core/EngineError.h"
#include "report/RuffiniTableText.h"

namespace factorix {
namespace {

using Lines = std::vector<std::string>;

std::optional<std::string> FactorizationLine(std::string_view text) {
  const std::optional<QString> line = WorkReport::factorizationLine(text);
  if (!line) return std::nullopt;
  return line->toStdString();
}

std::optional<Lines> RuffiniLines(std::string_view text) {
  const std::optional<QStringList> lines = WorkReport::ruffiniLines(text);
  if (!lines) return std::nullopt;
  Lines out;
  for (const QString& line : *lines) out.push_back(line.toStdString());
  return out;
}

TEST(Report, OneTableAsWrittenInClass) {
  EXPECT_EQ(RuffiniTableText("2", {"2", "0", "0", "-16"}, {"4", "8", "16"}, {"2", "4", "8"}, "0").toStdString(),
            "  |  2  0  0   -16\n"
            "2 |     4  8    16\n"
            "--+---------------\n"
            "     2  4  8 |   0\n");
  // A remainder other than 0 is shown as it is; fractions take their width.
  EXPECT_EQ(RuffiniTableText("-5", {"1", "-2"}, {"-5"}, {"1"}, "-7").toStdString(),
            "   |  1   -2\n"
            "-5 |      -5\n"
            "---+--------\n"
            "      1 | -7\n");
  EXPECT_EQ(RuffiniTableText("1/2", {"2", "-1", "1"}, {"1", "0"}, {"2", "0"}, "1").toStdString(),
            "    |  2  -1   1\n"
            "1/2 |      1   0\n"
            "----+-----------\n"
            "       2   0 | 1\n");
}

TEST(Report, FactorizationOnOneLineInThePadsEncoding) {
  EXPECT_EQ(FactorizationLine("2xe3+0xe2+0x-16"), "2(x-2)(xe2+2x+4)");
  EXPECT_EQ(FactorizationLine("1xe3-3xe2+3x-1"), "(x-1)e3");
  EXPECT_EQ(FactorizationLine("1xe1e2"), "xe1e2");
  EXPECT_EQ(FactorizationLine("1xe2+0x+1"), "xe2+1");
  EXPECT_EQ(FactorizationLine("2x^3-16"), "2(x-2)(xe2+2x+4)");
  EXPECT_EQ(FactorizationLine("2*x-4"), std::nullopt);
}

TEST(Report, RuffiniFromTheFirstLine) {
  EXPECT_EQ(RuffiniLines("1xe2+0x-1"), (Lines{"P(x) = x\u00b2-1",
                                             "",
                                             "   |  1   0   -1",
                                             "-1 |     -1    1",
                                             "---+------------",
                                             "      1  -1 |  0",
                                             "Cociente: x-1",
                                             "Resto: 0",
                                             "",
                                             "  |  1   -1",
                                             "1 |       1",
                                             "--+--------",
                                             "     1 |  0",
                                             "Cociente: 1",
                                             "Resto: 0",
                                             "",
                                             "Factorizaci\u00f3n: (x+1)(x-1)"}));
  // no root: the polynomial and its factorisation
  EXPECT_EQ(RuffiniLines("1xe2+0x+1"), (Lines{"P(x) = x\u00b2+1", "", "Factorizaci\u00f3n: x\u00b2+1"}));
  EXPECT_EQ(RuffiniLines("1xe2+0x+a-1"), std::nullopt);
}

TEST(Report, TooLargeToShow) {
  // Too large to factor or to show, and (the last two) beyond the powers
  // the reader takes: a sum of terms all the same, never "no polynomial".
  for (const char* text : {"1xe4e0e1-1", "1xe1e0e0e0e0-1", "1xe1e0e0e0e0e0e0-1xe1e0e0e0e0e0e0+12-12",
                           "1x^99999999999999999999-1"}) {
    for (const bool ruffini : {false, true}) {
      try {
        if (ruffini) {
          RuffiniLines(text);
        } else {
          FactorizationLine(text);
        }
        ADD_FAILURE() << text << (ruffini ? " (Ruffini)" : "");
      } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), kOverflow) << text;
      }
    }
  }
}

}  // namespace
}  // namespace factorix
