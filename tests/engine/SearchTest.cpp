#include "engine/search/Search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include <gmpxx.h>

#include "engine/core/EngineError.h"
#include "engine/search/ResultWriter.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {
namespace {

struct SearchCase {
  const char* text;
  std::vector<std::string> lines;
  int error;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class SearchTable : public testing::TestWithParam<SearchCase> {};

// Each line begins with the factor of the root given beside it.
void ExpectRootsOfTheLines(const SearchResult& r) {
  ASSERT_EQ(r.roots.size(), r.lines.size());
  for (std::size_t i = 0; i < r.lines.size(); ++i) {
    const std::string factor = std::string(r.roots[i] < 0 ? " (x+" : " (x-") + mpz_class(abs(r.roots[i])).get_str() + ")";
    EXPECT_EQ(r.lines[i].substr(0, factor.size()), factor) << "root " << r.roots[i].get_str();
  }
}

TEST_P(SearchTable, WritesOneLinePerRootInCandidateOrder) {
  const SearchResult r = Search(GetParam().text);
  EXPECT_EQ(r.lines, GetParam().lines);
  ExpectRootsOfTheLines(r);
  EXPECT_EQ(r.error, GetParam().error);
  EXPECT_FALSE(r.lastLineUnfinished);
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, SearchTable,
    testing::Values(
        SearchCase{"xe2+0x-1", {" (x+1) (+1x-1)", " (x-1) (+1x+1)"}, kNoError},
        SearchCase{"2xe3+0xe2+0x-16", {" (x-2) (+2xe2+4x+8)"}, kNoError},
        SearchCase{"1xe2+0x+1", {}, kNoError},
        SearchCase{"1xe2+1x+0", {}, kNoError},  // constant 0: no candidate at all
        SearchCase{"5", {}, kNoError},
        SearchCase{"5-5", {" (x+1) ()", " (x-1) ()", " (x+5) ()", " (x-5) ()"}, kNoError},
        SearchCase{"1xe2-2x+1", {" (x-1) (+1x-1)"}, kNoError},  // a double root, tried once
        SearchCase{"2xe2+3x", {}, kTypeMismatch},                // no constant term
        SearchCase{"", {}, kTypeMismatch},
        SearchCase{"1xe2", {}, kTypeMismatch},
        SearchCase{"1xe2+0x-", {}, kTypeMismatch},
        // Exact where double precision would not be: 1000002 is the only
        // root, and 16384x^3 - (10^22 + 10^6) has none, though in double
        // precision 10^6 would look like one.
        SearchCase{"1xe3-1000001xe2-1000001x-1000002", {" (x-1000002) (+1xe2+1x+1)"}, kNoError},
        SearchCase{"16384xe3+0xe2+0x-16384000000000001000000", {}, kNoError},
        // Degree 10, its exponent as a run of raised digits.
        SearchCase{"1xe1e0+0xe9+0xe8+0xe7+0xe6+0xe5+0xe4+0xe3+0xe2+0x-1024",
                   {" (x+2) (+1xe9-2xe8+4xe7-8xe6+16xe5-32xe4+64xe3-128xe2+256x-512)",
                    " (x-2) (+1xe9+2xe8+4xe7+8xe6+16xe5+32xe4+64xe3+128xe2+256x+512)"},
                   kNoError}));

INSTANTIATE_TEST_SUITE_P(
    OtherFormulas, SearchTable,
    testing::Values(
        // An undeclared letter counts 0, so the roots are those of x^2 - 1.
        SearchCase{"1xe2+a+0x-1", {" (x+1) (+1x-1)", " (x-1) (+1x+1)"}, kNoError},
        SearchCase{"2*x-4", {}, kSyntax},  // "2**(x)": a product sign too many
        SearchCase{"(x)-1", {}, kSyntax},
        SearchCase{"xe2+0x-1;", {}, kTypeMismatch},  // the constant "1;" is no number
        SearchCase{"1/0+x-1", {}, kDivisionByZero},
        SearchCase{"xe0.5-2", {}, kInvalidCall},  // (-1)^0.5 at the first candidate
        // 4^0.5 is exactly 2 in double precision: every candidate is a root.
        SearchCase{"4e0.5+0x-2", {" (x+1) (+0)", " (x-1) (+0)", " (x+2) (+0)", " (x-2) (+0)"}, kNoError},
        SearchCase{"2e999999999+x-4", {}, kOverflow},
        SearchCase{"xe3+a-xe2-4x+4", {" (x-1) (+1xe2+0x-4)", " (x+2) (+1xe2-3x+2)", " (x-2) (+1xe2+1x-2)"},
                   kNoError},
        SearchCase{"b+5-5", {" (x+1) ()", " (x-1) ()", " (x+5) ()", " (x-5) ()"}, kNoError}));

TEST(Search, StopsAtTheLineBoundWithOverflow) {
  // The value is 0 for every candidate: one line per candidate until the
  // 32768th, which is refused.
  for (const char* text : {"897612484786617600-897612484786617600", "a+897612484786617600-897612484786617600"}) {
    const SearchResult r = Search(text);
    ASSERT_EQ(r.lines.size(), kMaxLines) << text;
    ExpectRootsOfTheLines(r);
    EXPECT_EQ(r.error, kOverflow) << text;
    EXPECT_FALSE(r.lastLineUnfinished);
    EXPECT_EQ(r.lines[0], " (x+1) ()");
    EXPECT_EQ(r.lines[1], " (x-1) ()");
    EXPECT_EQ(r.lines[2], " (x+2) ()");
    // Line 32767 is -d for the 16384th divisor; its +d would be line 32768.
    EXPECT_EQ(r.lines.back().substr(0, 4), " (x+");
  }
}

TEST(Search, LinesStopBeforeTheirBytesPassTheCap) {
  // Every line here is 9 bytes, " (x+1) ()" to " (x-5) ()": a cap of 18
  // takes two lines and refuses the third, which adds nothing.
  const struct {
    std::size_t cap;
    std::size_t lines;
    int error;
  } rows[] = {{8, 0, kOverflow}, {9, 1, kOverflow}, {17, 1, kOverflow}, {18, 2, kOverflow},
              {35, 3, kOverflow}, {36, 4, kNoError}};
  const FormulaTerms reading("5-5");
  for (const auto& row : rows) {
    SearchResult result;
    ResultWriter writer(reading, result, ResultWriter::Clock::time_point::max(), row.cap);
    const int error = RunGuarded([&writer] {
      for (const long root : {-1, 1, -5, 5}) writer.AddRoot(mpz_class(root));
    });
    EXPECT_EQ(result.lines.size(), row.lines) << "cap " << row.cap;
    EXPECT_EQ(result.roots.size(), row.lines) << "cap " << row.cap;
    EXPECT_EQ(error, row.error) << "cap " << row.cap;
    EXPECT_FALSE(result.lastLineUnfinished);
  }
}

TEST(Search, QuotientPastTheCapDropsItsLineOrKeepsItsFactor) {
  // x^2 - 1: " (x+1) (+1x-1)" and " (x-1) (+1x+1)", 14 bytes each. A
  // quotient that would fit alone but not after the line before adds
  // nothing; one that fits no line at all leaves its factor.
  const struct {
    std::size_t cap;
    std::vector<std::string> lines;
    bool unfinished;
  } rows[] = {{28, {" (x+1) (+1x-1)", " (x-1) (+1x+1)"}, false},
              {27, {" (x+1) (+1x-1)"}, false},
              {13, {" (x+1)"}, true}};
  const FormulaTerms reading("xe2-1");
  for (const auto& row : rows) {
    SearchResult result;
    ResultWriter writer(reading, result, ResultWriter::Clock::time_point::max(), row.cap);
    const int error = RunGuarded([&writer] {
      for (const long root : {-1, 1}) writer.AddRoot(mpz_class(root));
    });
    EXPECT_EQ(result.lines, row.lines) << "cap " << row.cap;
    EXPECT_EQ(result.roots.size(), row.lines.size()) << "cap " << row.cap;
    EXPECT_EQ(error, row.lines.size() == 2 ? kNoError : kOverflow) << "cap " << row.cap;
    EXPECT_EQ(result.lastLineUnfinished, row.unfinished) << "cap " << row.cap;
  }
}

TEST(Search, LinesTakeAtMostSixtyFourMebibytes) {
  // x^50000 times 0: every one of the 240 divisors of 720720 is a root,
  // each line about 700 kB; the lines stop where the next would pass 64 MiB.
  const SearchResult r = Search("0xe5e0e0e0e0+720720-720720");
  ASSERT_EQ(r.error, kOverflow);
  ASSERT_FALSE(r.lines.empty());
  std::size_t bytes = 0;
  for (const std::string& line : r.lines) bytes += line.size();
  // The next line would be the next candidate's factor before the same
  // quotient: +d after -d, else -d' for the next divisor d'.
  std::vector<long> divisors;
  for (long d = 1; d <= 720720; ++d) {
    if (720720 % d == 0) divisors.push_back(d);
  }
  const long last = r.roots.back().get_si();
  const long next = last < 0 ? -last : *std::upper_bound(divisors.begin(), divisors.end(), last);
  const std::size_t nextBytes = r.lines.back().size() - std::to_string(std::labs(last)).size() +
                                std::to_string(next).size();
  constexpr std::size_t kSixtyFourMebibytes = std::size_t{64} << 20;
  EXPECT_LE(bytes, kSixtyFourMebibytes);
  EXPECT_GT(bytes + nextBytes, kSixtyFourMebibytes);
}

TEST(Search, FailedDivisionLeavesTheFactorAlone) {
  // a*x + x - 1 is 0 at 1 (a is Empty), but the coefficient "a" is no
  // number for the division.
  const SearchResult r = Search("ax+x-1");
  EXPECT_EQ(r.lines, std::vector<std::string>{" (x-1)"});
  EXPECT_EQ(r.roots, std::vector<mpz_class>{1});
  EXPECT_EQ(r.error, kTypeMismatch);
  EXPECT_TRUE(r.lastLineUnfinished);
}

TEST(Search, LinesBeforeAnErrorStay) {
  // 2^105 (x^2 - 1) with a term 0x^10000: the roots -1 and 1 come first;
  // at the last candidate, -2^105, the power x^10000 exceeds the size
  // bound and ends the search.
  const std::string k = mpz_class(mpz_class(1) << 105).get_str();
  const SearchResult r = Search(k + "xe2+a+0xe1e0e0e0e0-" + k);
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[0].substr(0, 15), " (x+1) (+0xe9e9");  // the quotient has degree 9999
  EXPECT_EQ(r.lines[1].substr(0, 15), " (x-1) (+0xe9e9");
  EXPECT_EQ(r.error, kOverflow);
  EXPECT_FALSE(r.lastLineUnfinished);
}

TEST(Search, DegreeBeyondTheReaderIsEvaluatedButNotDivided) {
  // x^100001 - 1 is too long for the polynomial reader; evaluated, 1 is a
  // root, but its quotient is beyond what the division writes.
  const SearchResult r = Search("xe1e0e0e0e0e1-1");
  EXPECT_EQ(r.lines, std::vector<std::string>{" (x-1)"});
  EXPECT_EQ(r.error, kOverflow);
  EXPECT_TRUE(r.lastLineUnfinished);
}

TEST(Search, OverlongExpressionIsRefusedBeforeItIsRead) {
  // Compiled, an expression takes about 100 bytes per byte of its text; a
  // text of megabytes that is no plain sum of terms ends with error 6 at
  // once instead of taking gigabytes. The same terms as a plain sum are
  // still searched.
  std::string terms;
  while (terms.size() < (std::size_t{3} << 20)) terms += "1x+";
  const SearchResult general = Search(terms + "a-1");
  EXPECT_TRUE(general.lines.empty());
  EXPECT_EQ(general.error, kOverflow);
  const SearchResult plain = Search(terms + "0-1");
  EXPECT_EQ(plain.error, kNoError);
}

TEST(Search, SameLinesOnASecondRun) {
  EXPECT_EQ(Search("xe2+0x-1").lines, Search("xe2+0x-1").lines);
}

}  // namespace
}  // namespace factorix
