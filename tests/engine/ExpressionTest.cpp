#include "engine/eval/Expression.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/core/EngineError.h"
#include "tests/reference/Evaluator.h"
#include "tests/reference/TextHelpers.h"
#include "engine/eval/FormulaExpression.h"

namespace factorix {
namespace {

struct RewriteCase {
  const char* formula;
  const char* candidate;
  const char* expression;
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << '"' << c.formula << '"'; }

class FormulaRewrite : public testing::TestWithParam<RewriteCase> {};

TEST_P(FormulaRewrite, GivesTheEvaluatorsText) {
  const RewriteCase& c = GetParam();
  EXPECT_EQ(reference::WithCandidate(FormulaExpression::ToExpressionText(c.formula), c.candidate),
            c.expression);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaRewrite,
    testing::Values(RewriteCase{"2xe3+0xe2+0x-16", "2", "2*(2)^3+0*(2)^2+0*(2)-16"},
                    RewriteCase{"xe2+0x-1", "-1", "(-1)^2+0*(-1)-1"},
                    RewriteCase{"-xe2", "2", "-(2)^2"}, RewriteCase{"+x+1", "3", "+(3)+1"},
                    RewriteCase{"5-5", "1", "5-5"}, RewriteCase{"", "1", ""},
                    // A run of raised digits is one exponent.
                    RewriteCase{"xe1e2+0x", "2", "(2)^12+0*(2)"}, RewriteCase{"xe12", "2", "(2)^12"},
                    RewriteCase{"xe1e0e0", "7", "(7)^100"}, RewriteCase{"xe1e", "2", "(2)^1^"},
                    RewriteCase{"xee2", "2", "(2)^^2"}, RewriteCase{"e", "1", "^"},
                    RewriteCase{"1e2", "1", "1^2"},
                    // Parentheses the user typed also get the product sign.
                    RewriteCase{"2(x+1)", "3", "2*(*(3)+1)"}, RewriteCase{"(x)", "1", "(*(1))"},
                    RewriteCase{"-(x)", "1", "-(*(1))"}, RewriteCase{"ax", "2", "a*(2)"},
                    RewriteCase{"x/x", "-5", "(-5)/*(-5)"},
                    // The marker itself in the formula stays outside the grammar.
                    RewriteCase{"x@", "2", "(2)?"}));

TEST(FormulaExpression, CompiledFormulaIsZeroExactlyAtItsRoots) {
  Expression e = FormulaExpression::Compile("2xe3+0xe2+0x-16");
  std::vector<int> roots;
  for (int v = -16; v <= 16; ++v) {
    if (e.IsZeroAt(mpz_class(v))) roots.push_back(v);
  }
  EXPECT_EQ(roots, std::vector<int>{2});
  EXPECT_EQ(e.Evaluate(mpz_class(-2)).ToString(), "-32");
}

// The reused compiled form against a fresh reading of the text with the
// candidate written in, and the fast zero test against the full value.
// Returns whether the formula had a value there.
bool ExpectSameAsFreshReading(const std::string& formula, const mpz_class& v) {
  const std::string text = reference::WithCandidate(FormulaExpression::ToExpressionText(formula),
                                                            "(" + v.get_str() + ")");
  std::string fresh, reused, zero;
  try {
    fresh = reference::Evaluator().Eval(text).ToString();
  } catch (const EngineError& e) {
    fresh = "error " + std::to_string(e.number());
  }
  // One compiled form per formula, reused for all its candidates.
  static std::string lastFormula;
  static std::optional<Expression> compiled;
  static int compileError = 0;
  if (formula != lastFormula) {
    lastFormula = formula;
    compiled.reset();
    compileError = 0;
    try {
      compiled.emplace(FormulaExpression::Compile(formula));
    } catch (const EngineError& e) {
      compileError = e.number();
    }
  }
  if (!compiled) {
    EXPECT_EQ("error " + std::to_string(compileError), fresh) << formula;
    return false;
  }
  try {
    reused = compiled->Evaluate(v).ToString();
  } catch (const EngineError& e) {
    reused = "error " + std::to_string(e.number());
  }
  try {
    zero = compiled->IsZeroAt(v) ? "zero" : "non-zero";
  } catch (const EngineError& e) {
    zero = "error " + std::to_string(e.number());
  }
  EXPECT_EQ(reused, fresh) << formula << " at " << v.get_str();
  if (fresh.rfind("error", 0) == 0) {
    EXPECT_EQ(zero, fresh) << formula << " at " << v.get_str();
    return false;
  }
  EXPECT_EQ(zero, reference::Evaluator().Eval(text).IsZero() ? "zero" : "non-zero") << formula << " at " << v.get_str();
  return true;
}

TEST(FormulaExpression, ReusedFormAgreesWithReadingEveryCandidateAfresh) {
  // Random formulas over the pad's characters that matter to arithmetic;
  // most are polynomials, some divide, compare, use letters, take a
  // fractional power, overflow, or do not read at all ("(" after a term).
  std::mt19937_64 rng(20240611);
  const char* pieces[] = {"x",  "xe2", "xe3",   "xe1e0", "2",   "17",   "a",  "xe0", "xe2",
                          "/2", "=0",  "xe9e9", "0.5",   "e0.5", "(x+1)", "x", "xe1"};
  const char* signs[] = {"+", "-", "+", "-", "*", ""};
  const mpz_class candidates[] = {mpz_class(-1), mpz_class(1), mpz_class(2), mpz_class(-3), mpz_class(0),
                                  mpz_class("1000000007"), mpz_class("-897612484786617600"),
                                  mpz_class("123456789012345678901234567890")};
  int values = 0, zeros = 0, total = 0;
  for (int round = 0; round < 400; ++round) {
    std::string formula;
    const int terms = 1 + static_cast<int>(rng() % 5);
    for (int t = 0; t < terms; ++t) {
      if (t > 0) formula += signs[rng() % std::size(signs)];
      if (rng() % 2) formula += std::to_string(rng() % 50);
      formula += pieces[rng() % std::size(pieces)];
    }
    for (const mpz_class& v : candidates) {
      ++total;
      if (ExpectSameAsFreshReading(formula, v)) {
        ++values;
        if (Expression::Compile(reference::WithCandidate(FormulaExpression::ToExpressionText(formula),
                                                                 "(" + v.get_str() + ")"))
                .Evaluate()
                .IsZero()) {
          ++zeros;
        }
      }
    }
  }
  // The mix must exercise values, zeros and errors alike.
  EXPECT_GT(values, total * 2 / 5);
  EXPECT_GT(zeros, 20);
  EXPECT_GT(total - values, total / 10);
}

TEST(Expression, FastZeroTestFallsBackWhenResiduesVanish) {
  // 2^61 - 1 and 2^62 - 57 are the moduli of the fast test; multiples of
  // them are not 0 all the same.
  Expression one = Expression::Compile("@*2305843009213693951", '@');
  EXPECT_FALSE(one.IsZeroAt(mpz_class(1)));
  Expression both = Expression::Compile("@*2305843009213693951*4611686018427387847", '@');
  EXPECT_FALSE(both.IsZeroAt(mpz_class(1)));
  EXPECT_TRUE(both.IsZeroAt(mpz_class(0)));
  Expression root = Expression::Compile("@^2-4611686018427387847^2", '@');
  EXPECT_TRUE(root.IsZeroAt(mpz_class("-4611686018427387847")));
  EXPECT_FALSE(root.IsZeroAt(mpz_class("4611686018427387846")));
}

TEST(Expression, FastZeroTestRaisesTheOverflowTheExactValueWould) {
  Expression e = Expression::Compile("@^100000-@^100000+1", '@');
  EXPECT_FALSE(e.IsZeroAt(mpz_class(2)));  // 200000 bits: within the bound
  // 2^1000000 fits, though the quick bound (11 bits a factor) says it may
  // not: the exact evaluation decides.
  EXPECT_FALSE(e.IsZeroAt(mpz_class(1024)));
  try {
    e.IsZeroAt(mpz_class(4096));  // 2^1200000: beyond the bound
    ADD_FAILURE() << "no overflow";
  } catch (const EngineError& err) {
    EXPECT_EQ(err.number(), kOverflow);
  }
  // An expression that has seen only small variables is not trusted with
  // a large one.
  Expression small = Expression::Compile("@^100000+1", '@');
  EXPECT_FALSE(small.IsZeroAt(mpz_class(-1)));
  EXPECT_THROW(small.IsZeroAt(mpz_class(1) << 20), EngineError);
}

TEST(Expression, DeadlineEndsALongEvaluation) {
  std::string text = "1";
  for (int i = 0; i < 40; ++i) text += "+3^661000*0";
  Expression e = Expression::Compile(text);
  EXPECT_EQ(e.Evaluate().ToString(), "1");  // no deadline: it takes its time
  e.SetDeadline(std::chrono::steady_clock::now());
  try {
    e.Evaluate();
    ADD_FAILURE() << "no overflow";
  } catch (const EngineError& err) {
    EXPECT_EQ(err.number(), kOverflow);
  }
  e.SetDeadline(std::nullopt);
  EXPECT_EQ(e.Evaluate().ToString(), "1");
}

TEST(Expression, VariableIsOnlyTheMarker) {
  Expression e = Expression::Compile("x+1", '@');
  EXPECT_FALSE(e.UsesVariable());
  EXPECT_EQ(e.Evaluate(mpz_class(5)).ToString(), "1");
  EXPECT_TRUE(Expression::Compile("2*(@)", '@').UsesVariable());
}

}  // namespace
}  // namespace factorix
