#include <gtest/gtest.h>

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/search/DivisorList.h"
#include "engine/core/EngineError.h"
#include "engine/eval/EvaluatorLimits.h"
#include "engine/eval/Expression.h"
#include "engine/eval/ExpressionParser.h"
#include "engine/eval/FormulaExpression.h"
#include "engine/eval/ModularFilter.h"
#include "engine/search/ResultWriter.h"
#include "engine/search/SearchPaths.h"
#include "engine/text/FormulaTerms.h"
#include "engine/text/Terms.h"

namespace factorix {
namespace {

// The quick check may clear a candidate only where the exact value is not 0
// and its evaluation raises nothing; it must clear -m and +m alike, for
// words and GMP numbers alike.

mpz_class Word(std::uint64_t v) { return mpz_class(static_cast<unsigned long>(v)); }

// The exact verdict at v: "zero", "non-zero" or "error N".
std::string ExactVerdict(Expression& e, const mpz_class& v) {
  try {
    return e.Evaluate(v).IsZero() ? "zero" : "non-zero";
  } catch (const EngineError& err) {
    return "error " + std::to_string(err.number());
  }
}

// Checks both overloads of ProveNonZeroPair at m against the exact values
// at -m and +m; returns how many of the two were cleared.
int ExpectProofsHold(Expression& e, std::uint64_t m, const std::string& text) {
  const NonZeroPair word = e.ProveNonZeroPair(m);
  const NonZeroPair big = e.ProveNonZeroPair(Word(m));
  EXPECT_EQ(word.minus, big.minus) << text << " at -" << m;
  EXPECT_EQ(word.plus, big.plus) << text << " at " << m;
  if (word.minus) {
    EXPECT_EQ(ExactVerdict(e, -Word(m)), "non-zero") << text << " at -" << m;
  }
  if (word.plus) {
    EXPECT_EQ(ExactVerdict(e, Word(m)), "non-zero") << text << " at " << m;
  }
  return int{word.minus} + int{word.plus};
}

// A random expression in the marker "@" that the quick check covers, now and
// then with a piece it does not (a division, a comparison, a fractional
// power), so that both sides of the check are exercised.
std::string RandomExpression(std::mt19937_64& rng, int depth) {
  static const char* kLiterals[] = {"0",  "1",  "2",  "7",  "1000003",
                                    "2305843009213693951",  // 2^61 - 1
                                    "4611686018427387847",  // 2^62 - 57
                                    "18446744073709551615", "340282366920938463463374607431768211457"};
  static const char* kExponents[] = {"0", "1", "2", "3", "5", "8", "17", "33", "64", "65", "200"};
  if (depth <= 0 || rng() % 4 == 0) {
    switch (rng() % 5) {
      case 0:
      case 1:
        return "@";
      case 2:
        return "a";
      default:
        return kLiterals[rng() % std::size(kLiterals)];
    }
  }
  const std::string a = RandomExpression(rng, depth - 1);
  switch (rng() % 16) {
    case 0:
    case 1:
    case 2:
      return "(" + a + "+" + RandomExpression(rng, depth - 1) + ")";
    case 3:
    case 4:
    case 5:
      return "(" + a + "-" + RandomExpression(rng, depth - 1) + ")";
    case 6:
    case 7:
    case 8:
      return "(" + a + "*" + RandomExpression(rng, depth - 1) + ")";
    case 9:
    case 10:
      return "(" + a + ")^" + kExponents[rng() % std::size(kExponents)];
    case 11:
      return "-" + a;
    case 12:
      return "(" + a + "/2)";
    case 13:
      return "(" + a + "=" + RandomExpression(rng, depth - 1) + ")";
    case 14:
      return "(" + a + ")^0.5";
    default:
      return "(" + a + ")^2";
  }
}

TEST(NonZeroProof, HoldsOnRandomExpressionsAndTheirRoots) {
  std::mt19937_64 rng(7031);
  const std::vector<std::uint64_t> fixed = {0,
                                            1,
                                            2,
                                            3,
                                            1000003,
                                            (std::uint64_t{1} << 61) - 1,
                                            (std::uint64_t{1} << 61),
                                            (std::uint64_t{1} << 62) - 57,
                                            std::uint64_t{0xffffffffffffffff},
                                            897612484786617600};
  int cleared = 0, roots = 0, rootsSeen = 0;
  for (int round = 0; round < 600; ++round) {
    const std::string f = RandomExpression(rng, 1 + static_cast<int>(rng() % 4));
    std::vector<std::uint64_t> ms = fixed;
    for (int k = 0; k < 4; ++k) ms.push_back(rng() >> (rng() % 64));

    // f itself, and f shifted so that a random candidate r (or -r) is a root.
    const std::uint64_t r = ms[rng() % ms.size()];
    const bool negativeRoot = rng() % 2;
    std::vector<std::string> texts = {f};
    try {
      Expression plain = Expression::Compile(f, '@');
      const mpz_class at = negativeRoot ? mpz_class(-Word(r)) : Word(r);
      const Value v = plain.Evaluate(at);
      if (v.kind() == Value::Kind::Rational) texts.push_back(f + "-(" + v.rational().get_str() + ")");
    } catch (const EngineError&) {
    }
    for (std::size_t t = 0; t < texts.size(); ++t) {
      std::optional<Expression> e;
      try {
        e.emplace(Expression::Compile(texts[t], '@'));
      } catch (const EngineError&) {
        continue;
      }
      for (const std::uint64_t m : ms) cleared += ExpectProofsHold(*e, m, texts[t]);
      if (t == 1) {
        ++rootsSeen;
        // The value at the root is exactly 0 (or an error): never cleared.
        const NonZeroPair p = e->ProveNonZeroPair(r);
        EXPECT_FALSE(negativeRoot ? p.minus : p.plus) << texts[t] << " at the root " << (negativeRoot ? "-" : "")
                                                      << r;
        if (ExactVerdict(*e, negativeRoot ? mpz_class(-Word(r)) : Word(r)) == "zero") ++roots;
      }
    }
  }
  // The mix must clear most candidates and hold real roots.
  EXPECT_GT(cleared, 5000);
  EXPECT_GT(roots, 200);
  EXPECT_GT(rootsSeen, 300);
}

TEST(NonZeroProof, ClearsNothingWhereTheExactValueMayOverflow) {
  // x^50000 fits the bound of 2^20 bits up to a variable near 2^20.97:
  // below it the proof holds, up to 2^20 as well (the bound follows log2 of
  // the variable, not its length); past it the exact evaluation decides,
  // raising the overflow where it really happens.
  Expression e = Expression::Compile("@^50000-@^50000+1", '@');
  for (const std::uint64_t fits : {std::uint64_t{(1u << 20) - 1}, std::uint64_t{1} << 20, std::uint64_t{2000000}}) {
    const NonZeroPair small = e.ProveNonZeroPair(fits);
    EXPECT_TRUE(small.minus && small.plus) << fits;
    EXPECT_FALSE(e.IsZeroAt(-mpz_class(fits))) << fits;
  }
  const NonZeroPair near = e.ProveNonZeroPair(std::uint64_t{2090000});
  EXPECT_FALSE(near.minus || near.plus);
  EXPECT_THROW(e.IsZeroAt(mpz_class(2090000)), EngineError);
  const NonZeroPair far = e.ProveNonZeroPair(std::uint64_t{3} << 20);
  EXPECT_FALSE(far.minus || far.plus);
  EXPECT_THROW(e.IsZeroAt(mpz_class(3) << 20), EngineError);
  // The bound holds per length: after a longer variable, shorter ones are
  // still cleared.
  EXPECT_TRUE(e.ProveNonZeroPair(std::uint64_t{5}).plus);
}

struct PairCase {
  const char* text;
  const char* m;
  bool minus;  // expected proof at -m
  bool plus;   // expected proof at +m
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << '"' << c.text << "\" at ±" << c.m; }

class NonZeroPairTable : public testing::TestWithParam<PairCase> {};

TEST_P(NonZeroPairTable, ClearsExactlyTheNonZeroSide) {
  const PairCase& c = GetParam();
  Expression e = Expression::Compile(c.text, '@');
  const NonZeroPair p = e.ProveNonZeroPair(mpz_class(c.m));
  EXPECT_EQ(p.minus, c.minus);
  EXPECT_EQ(p.plus, c.plus);
  const mpz_class m(c.m);
  if (m.fits_ulong_p()) {
    const NonZeroPair w = e.ProveNonZeroPair(std::uint64_t{m.get_ui()});
    EXPECT_EQ(w.minus, c.minus);
    EXPECT_EQ(w.plus, c.plus);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, NonZeroPairTable,
    testing::Values(
        // Odd and even parts: x^3 - 8 has the root 2 only, x^2 - 4 both.
        PairCase{"@^3-8", "2", true, false}, PairCase{"@^3+8", "2", false, true},
        PairCase{"@^2-4", "2", false, false}, PairCase{"@^2+@-6", "3", false, true},
        PairCase{"@^2+@-6", "2", true, false}, PairCase{"a*@+5-5", "9", false, false},
        // Values that are multiples of the moduli are not 0 all the same;
        // where both residues vanish the exact evaluation decides.
        PairCase{"@*2305843009213693951", "1", true, true},
        PairCase{"@*2305843009213693951*4611686018427387847", "1", false, false},
        PairCase{"@-4611686018427387847", "4611686018427387847", true, false},
        PairCase{"@^2-4611686018427387847^2", "4611686018427387847", false, false},
        PairCase{"@+18446744073709551615", "18446744073709551615", false, true},
        // Degrees past the expansion are run step by step, with the same answers.
        PairCase{"@^65-2^65", "2", true, false}, PairCase{"(@^2)^40-3^80", "3", false, false},
        // There a sum or a difference of residues must wrap around the
        // modulus: 2^65 leaves 16 modulo 2^61 - 1, so these add 16 and
        // p - 16, or take 16 from 1, on the way to 0.
        PairCase{"@^65+(0-2^65)", "2", true, false}, PairCase{"(0-2^65)+@^65", "2", true, false},
        PairCase{"(1-@^65)+(2^65-1)", "2", true, false},
        PairCase{"(1-@^65)*(1-@^65)-(2^65-1)^2", "2", true, false},
        PairCase{"@^3-27", "340282366920938463463374607431768211457", true, true},
        // Divisions: a divisor 0 modulo a prime proves nothing there, 0
        // exactly nothing at all; the denominator counts in the size bound
        // (2^20 bits).
        PairCase{"@/2+1", "5", true, true}, PairCase{"@/2-@/2", "5", false, false},
        PairCase{"(@-5)/3", "5", true, false}, PairCase{"@/(@-5)+1", "5", true, false},
        PairCase{"1/(@-2305843009213693951)+1", "2305843009213693951", true, false},
        PairCase{"(1/@^25000)^2+1", "1048575", true, true}, PairCase{"(1/@^30000)^2+1", "1048575", false, false},
        // Code the check does not cover is always left to the exact evaluation.
        PairCase{"(@=1)+2", "5", false, false}, PairCase{"@^-1+1", "5", false, false}));

struct ExpansionCase {
  const char* text;
  bool expanded;
};

void PrintTo(const ExpansionCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ExpansionTable : public testing::TestWithParam<ExpansionCase> {};

TEST_P(ExpansionTable, ExpandsOnlyUpToTheDegreeBound) {
  const ExpressionCode code = ExpressionParser(GetParam().text, '@', kMaxNestingDepth).Parse();
  const ModularFilter filter(code);
  EXPECT_TRUE(filter.applicable());
  EXPECT_EQ(filter.expanded(), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(Degrees, ExpansionTable,
                         testing::Values(ExpansionCase{"@^64", true}, ExpansionCase{"@^65", false},
                                         ExpansionCase{"(@^8)^8", true}, ExpansionCase{"(@+1)^33*@^31", true},
                                         ExpansionCase{"(@+1)^33*@^32", false},
                                         ExpansionCase{"(@-@)^100", true},  // 0 to any power is 0
                                         ExpansionCase{"a", true}, ExpansionCase{"2^4000000000", true},
                                         ExpansionCase{"@^4294967295", false},
                                         // Divisions by constants only, not 0 modulo the primes.
                                         ExpansionCase{"@/2+@^2/3", true}, ExpansionCase{"1/@", false},
                                         ExpansionCase{"@/(2-2)", false}));

// The search as it was before the quick check: the divisor texts, every
// candidate evaluated exactly, -d before +d.
SearchResult ReferenceSearch(const std::string& text) {
  SearchResult result;
  try {
    DivisorList list;
    list.ObtenerDivisores(ObtenerIndependiente(text, false));
    if (list.Divisores.empty()) return result;
    Expression e = FormulaExpression::Compile(text);
    const FormulaTerms reading(text);
    ResultWriter writer(reading, result);
    for (const std::string& d : list.Divisores) {
      for (const mpz_class& candidate : {mpz_class(-mpz_class(d)), mpz_class(d)}) {
        if (e.Evaluate(candidate).IsZero()) writer.AddRoot(candidate);
      }
    }
  } catch (const EngineError& err) {
    result.error = err.number();
  } catch (...) {
    result.error = kOverflow;
  }
  return result;
}

void ExpectSameAsReference(const std::string& text) {
  const SearchResult expected = ReferenceSearch(text);
  const SearchResult got = SearchGeneral(text);
  EXPECT_EQ(got.lines, expected.lines) << text;
  EXPECT_EQ(got.roots, expected.roots) << text;
  EXPECT_EQ(got.error, expected.error) << text;
  EXPECT_EQ(got.lastLineUnfinished, expected.lastLineUnfinished) << text;
}

TEST(NonZeroProof, SearchFindsWhatEvaluatingEveryCandidateFinds) {
  // Constants within a word, at its edge and beyond it; roots among the
  // largest divisors; a letter keeps every text on the evaluated path.
  const std::vector<std::string> texts = {
      "1xe2+a-18446744073709551616",                     // 2^64: roots ±2^32
      "1x+a-18446744073709551615",                       // 2^64 - 1: the root itself
      "1xe3+a+18446744073709551615",                     // no root
      "1xe2+0x+a-340282366920938463463374607431768211456",  // 2^128: roots ±2^64
      "2xe3+ax-16", "1xe4-2xe2+a+1", "ax+a-720720",        // 720720 x 2: every candidate
      "1xe6+0xe5-2xe4+11xe3+0xe2+3x+a+720720",
      "1xe5e0e0e0e0+a-524288",   // x^50000: cleared up to 2^19
      "1xe5e0e0e0e0+a-6291456",  // past 2^20 the exact value overflows
      "1x/x+a-36", "1xe0.5+a-36", "1x=6+a-36", "1xe2+a-1.5", "1xe2+a-",
      // Divisions by constants (a "/" before "x" reads as "/*(", a syntax
      // error): roots, none, and a divisor 0.
      "1x/2+a-18", "1xe3/5+a-40", "1xe2/4-1x/2+a-6", "2x/3+a-4", "1xe2/0+a-4",
      "1xe9e9e9/1+a-720720"};
  for (const std::string& text : texts) ExpectSameAsReference(text);
}

TEST(NonZeroProof, SearchAgreesOnRandomFormulasWithLetters) {
  std::mt19937_64 rng(99173);
  const char* constants[] = {"720720", "36", "1", "18446744073709551615", "18446744073709551616",
                             "1180591620717411303424", "4611686018427387847", "999983"};
  const char* pieces[] = {"x", "xe2", "xe3", "xe5", "xe1e3", "a", "ax", "xe6e5", "xe2e1"};
  int withLines = 0;
  for (int round = 0; round < 150; ++round) {
    std::string text;
    const int terms = 1 + static_cast<int>(rng() % 4);
    for (int t = 0; t < terms; ++t) {
      if (t > 0 || rng() % 2) text += rng() % 2 ? "+" : "-";
      if (rng() % 2) text += std::to_string(rng() % 40);
      text += pieces[rng() % std::size(pieces)];
    }
    text += "+a";
    text += rng() % 2 ? "+" : "-";
    text += constants[rng() % std::size(constants)];
    const SearchResult expected = ReferenceSearch(text);
    if (!expected.lines.empty()) ++withLines;
    ExpectSameAsReference(text);
  }
  EXPECT_GT(withLines, 10);
}

}  // namespace
}  // namespace factorix
