// Hard inputs of the kinds the engine once refused or took too long on,
// each searched in a child process of its own: the result must be the
// expected one, within 256 MB (checked in optimised builds without
// sanitizers, whose instrumentation changes it). The time guard is a
// generous one here, so that a slow build or a loaded machine cannot turn
// a result into the guard's error; factorix-bench holds the 1 s figures.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/StressRun.h"
#include "tests/engine/BuildSpeed.h"
#include "tests/engine/TestPolynomials.h"

namespace factorix {
namespace {

using test::Coefficients;
using test::DenseText;
using test::PowerOfFactor;
using test::Times;

using test::kFullSpeed;
using test::kGenerousBudget;
using test::kInstrumented;

bench::Expectation Roots(std::vector<std::string> roots) {
  bench::Expectation e;
  e.kind = bench::Expectation::Kind::kRoots;
  e.roots = std::move(roots);
  return e;
}

bench::Expectation Error6() {
  bench::Expectation e;
  e.kind = bench::Expectation::Kind::kError;
  e.error = 6;
  return e;
}

bench::Expectation FirstLine(std::string line) {
  bench::Expectation e;
  e.kind = bench::Expectation::Kind::kFirstLine;
  e.firstLine = std::move(line);
  return e;
}

struct StressRow {
  std::string name;
  std::string text;
  bench::Expectation expected;
};

std::vector<StressRow> Rows() {
  std::vector<StressRow> rows;
  {
    // (x^64 + 1)(x - 1)(x - b): a degree past what bounds the roots cheaply.
    const mpz_class b("10000000000000000000000009");
    const Coefficients p = Times(Times(PowerOfFactor(1, 1), {-b, 1}), [] {
      Coefficients c(65);
      c[0] = 1;
      c[64] = 1;
      return c;
    }());
    rows.push_back({"degree 66, roots 1 and 10^25 + 9", DenseText(p), Roots({"1", b.get_str()})});
  }
  for (const int n : {65, 80}) {
    Coefficients p{1};
    std::vector<std::string> roots;
    for (long r = 1; r <= n; ++r) {
      p = Times(p, {mpz_class(n == 65 ? -r : r), 1});
      roots.push_back(std::to_string(n == 65 ? r : -r));
    }
    rows.push_back({"product of " + std::to_string(n) + " factors", DenseText(p), Roots(roots)});
  }
  rows.push_back({"(x-2)^200 (x+3)^200", DenseText(Times(PowerOfFactor(2, 200), PowerOfFactor(-3, 200))),
                  Roots({"2", "-3"})});
  rows.push_back({"(x+4)^300 (x-1)", DenseText(Times(PowerOfFactor(-4, 300), PowerOfFactor(1, 1))),
                  Roots({"1", "-4"})});
  {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "1x+";
    rows.push_back({"20000 terms of 1x", text + "0-20000", Roots({"1"})});
    std::string twice;
    for (int i = 0; i < 30000; ++i) twice += "+2x";
    rows.push_back({"30000 terms of 2x", twice + "-60000", Roots({"1"})});
  }
  rows.push_back({"zero polynomial of degree 10^4",
                  "1xe1e0e0e0e0-1xe1e0e0e0e0+897612484786617600-897612484786617600", Error6()});
  rows.push_back({"zero polynomial of degree 10^5", "1xe1e0e0e0e0e0-1xe1e0e0e0e0e0+720720-720720", Error6()});
  for (const int n : {10000, 20000}) {
    Coefficients p(static_cast<std::size_t>(n) + 1);
    p[0] = -1;
    p.back() = 1;
    rows.push_back({"x^" + std::to_string(n) + " - 1 written out", DenseText(p), Roots({"-1", "1"})});
  }
  // (x - 123456789)(x^99999 + 1): the highest degree, with a root far
  // beyond the bound of the sparse polynomials above.
  rows.push_back({"degree 10^5 with a large root", "1xe1e0e0e0e0e0-123456789xe9e9e9e9e9+1x-123456789",
                  Roots({"-1", "123456789"})});
  {
    // x^100000 + 6^99999 x - 2 6^100000: the root 6 of a sparse polynomial
    // under a small bound; its quotient has billions of digits, so the line
    // keeps the factor alone.
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 6, 99999);
    bench::Expectation six = Roots({"6"});
    six.error = 6;
    rows.push_back({"sparse degree 10^5, root 6",
                    "x^100000+" + power.get_str() + "x-" + mpz_class(12 * power).get_str(), six});
  }
  {
    // (x - M)^150 (x + M)^150 with M = 10^50 + 151: roots repeated modulo
    // every prime, and a square-free part far smaller than the gcd.
    const mpz_class m = mpz_class("100000000000000000000000000000000000000000000000000") + 151;
    rows.push_back({"(x-M)^150 (x+M)^150", DenseText(Times(PowerOfFactor(m, 150), PowerOfFactor(-m, 150))),
                    Roots({"-" + m.get_str(), m.get_str()})});
  }
  {
    // 60 distinct roots of 30 digits: lines of megabytes, the roots checked
    // at once.
    gmp_randclass random(gmp_randinit_mt);
    random.seed(60);
    std::vector<mpz_class> roots;
    Coefficients p{1};
    while (roots.size() < 60) {
      const mpz_class r = mpz_class("100000000000000000000000000000") * (1 + 8 * (roots.size() % 2)) +
                          random.get_z_bits(90);
      roots.push_back(roots.size() % 3 == 0 ? mpz_class(-r) : r);
      p = Times(p, {-roots.back(), 1});
    }
    std::sort(roots.begin(), roots.end(), [](const mpz_class& a, const mpz_class& b) {
      const int byMagnitude = mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
      return byMagnitude != 0 ? byMagnitude < 0 : a < b;
    });
    std::vector<std::string> texts;
    for (const mpz_class& r : roots) texts.push_back(r.get_str());
    rows.push_back({"60 distinct roots of 30 digits", DenseText(p), Roots(texts)});
  }
  {
    // Divisions on the general path, each candidate cleared modulo primes.
    std::string thousand = "x/1";
    for (int i = 1; i < 1000; ++i) thousand += "+x/1";
    rows.push_back({"x^999/1 on the general path", "x^999/1-897612484786617600", Roots({})});
    rows.push_back({"a thousand x/1", thousand + "-10953009486979560", Roots({})});
    // 1.2 MB of text: read and compiled in one pass, each candidate then
    // cleared by the expansion modulo primes.
    std::string many = "x/1";
    many.reserve(1200000);
    for (int i = 1; i < 300000; ++i) many += "+x/1";
    rows.push_back({"300000 x/1", many + "-10953009486979560", Roots({})});
  }
  {
    // A quotient of 10.4 million digits, well within the lines' 64 MB.
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 2, 8300);
    rows.push_back({"x^8300 + x - 2^8300 - 2", "x^8300+x-" + mpz_class(power + 2).get_str(), Roots({"2"})});
  }
  rows.push_back({"powers with a caret", "2x^3+0x^2+0x-16", FirstLine(" (x-2) (+2xe2+4x+8)")});
  rows.push_back({"a caret power with missing terms", "1x^3-8", FirstLine(" (x-2) (+1xe2+2x+4)")});
  return rows;
}

TEST(Stress, HardInputsEndWithTheirResultWithinTimeAndMemory) {
  for (const StressRow& row : Rows()) {
    const bench::ChildRun run =
        bench::RunInChild(row.text, row.expected, static_cast<unsigned>(2 * kGenerousBudget.count()),
                          kInstrumented ? 0 : 2048, kGenerousBudget);
    ASSERT_TRUE(run.finished) << row.name;
    EXPECT_TRUE(run.meets) << row.name << ": " << run.summary;
    std::printf("  %-36s %8.1f ms %7.1f MB  %s\n", row.name.c_str(), run.seconds * 1e3,
                static_cast<double>(run.peakKiB) / 1024.0, run.summary.substr(0, 60).c_str());
    if (kFullSpeed) {
      EXPECT_LE(run.peakKiB, 256 * 1024) << row.name;
    }
  }
}

}  // namespace
}  // namespace factorix
