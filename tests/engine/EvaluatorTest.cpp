#include "tests/reference/Evaluator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/core/EngineError.h"
#include "engine/eval/SyntaxError.h"

namespace factorix {
namespace {

// What an expression gives, in one comparable text: "q:7/2" a rational,
// "r:2" a double, "b:True" a Boolean, "empty" Empty, "error:11" an error
// number, "syntax@3" a syntax error at that offset.
std::string Outcome(const std::string& text) {
  try {
    const Value v = reference::Evaluator().Eval(text);
    switch (v.kind()) {
      case Value::Kind::Empty:
        return "empty";
      case Value::Kind::Boolean:
        return "b:" + v.ToString();
      case Value::Kind::Rational:
        return "q:" + v.ToString();
      case Value::Kind::Real:
        return "r:" + v.ToString();
    }
  } catch (const SyntaxError& e) {
    EXPECT_EQ(e.number(), kSyntax);
    return "syntax@" + std::to_string(e.position());
  } catch (const EngineError& e) {
    EXPECT_NE(e.number(), kSyntax) << "a syntax error must carry its offset";
    return "error:" + std::to_string(e.number());
  }
  return "?";
}

struct EvalCase {
  const char* text;
  const char* outcome;
};

void PrintTo(const EvalCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class EvaluatorTable : public testing::TestWithParam<EvalCase> {};

TEST_P(EvaluatorTable, GivesValueOrError) { EXPECT_EQ(Outcome(GetParam().text), GetParam().outcome); }

INSTANTIATE_TEST_SUITE_P(
    Values, EvaluatorTable,
    testing::Values(
        // What the search hands over for 2xe3+0xe2+0x-16 at +2 and xe2+0x-1 at -1.
        EvalCase{"2*(2)^3+0*(2)^2+0*(2)-16", "q:0"}, EvalCase{"(-1)^2+0*(-1)-1", "q:0"},
        EvalCase{"1+2*3", "q:7"}, EvalCase{"(1+2)*3", "q:9"}, EvalCase{"10-4-3", "q:3"},
        EvalCase{"2*(2)^3", "q:16"},
        // A power binds tighter than a minus sign, and chains to the left.
        EvalCase{"-(2)^2", "q:-4"}, EvalCase{"-2^2", "q:-4"}, EvalCase{"(-2)^2", "q:4"},
        EvalCase{"2^3^2", "q:64"}, EvalCase{"2^-1", "q:1/2"}, EvalCase{"2^-3^2", "q:1/64"},
        EvalCase{"2^+3", "q:8"}, EvalCase{"--3", "q:3"}, EvalCase{"+-+3", "q:-3"},
        EvalCase{"2--1", "q:3"}, EvalCase{"2*-3", "q:-6"}, EvalCase{"-2*-2", "q:4"},
        // Exact rationals.
        EvalCase{"1/3*3", "q:1"}, EvalCase{"1/3+1/6", "q:1/2"}, EvalCase{"7/2", "q:7/2"},
        EvalCase{"2.5*2", "q:5"}, EvalCase{"0.1+0.2=0.3", "b:True"}, EvalCase{"1.50", "q:3/2"},
        EvalCase{"007", "q:7"}, EvalCase{"(1/2)^-2", "q:4"}, EvalCase{"(-2)^-3", "q:-1/8"},
        EvalCase{"(2/3)^2-4/9", "q:0"},
        EvalCase{"897612484786617600*897612484786617600/897612484786617600", "q:897612484786617600"},
        // Comparison: the lowest precedence, True is -1.
        EvalCase{"2=2", "b:True"}, EvalCase{"1=2", "b:False"}, EvalCase{"1=1=1", "b:False"},
        EvalCase{"1=1=-1", "b:True"}, EvalCase{"1+1=2", "b:True"}, EvalCase{"(1=1)*3", "q:-3"},
        EvalCase{"3=3.0", "b:True"},
        // Undeclared variables are Empty, which counts as 0.
        EvalCase{"a", "empty"}, EvalCase{"abc_1", "empty"}, EvalCase{"-a", "q:0"},
        EvalCase{"a+1", "q:1"}, EvalCase{"a*b_2", "q:0"}, EvalCase{"a=0", "b:True"},
        EvalCase{"a^0", "q:1"}, EvalCase{"0^0", "q:1"}, EvalCase{"0^5", "q:0"},
        // Powers of 0 and 1 with exponents of any size need no room.
        EvalCase{"(-1)^1000000000001", "q:-1"}, EvalCase{"1^99999999999999999999", "q:1"},
        EvalCase{"(-1)^-99999999999999999998", "q:1"}, EvalCase{"0^99999999999999999999", "q:0"},
        // Only a non-integer exponent leads to double precision.
        EvalCase{"4^0.5", "r:2"}, EvalCase{"2^0.5", "r:1.4142135623730951"},
        EvalCase{"4^0.5=2", "b:True"}, EvalCase{"(2^0.5)^2=2", "b:False"},
        EvalCase{"(2^0.5)^2-2=0", "b:False"}, EvalCase{"4^0.5-2", "r:0"},
        EvalCase{"(-8)^(4^0.5)", "r:64"},
        // Blanks between tokens.
        EvalCase{" 1 +\t2 ", "q:3"}, EvalCase{"((((1))))", "q:1"}));

INSTANTIATE_TEST_SUITE_P(
    SyntaxErrors, EvaluatorTable,
    testing::Values(EvalCase{";", "syntax@0"}, EvalCase{"2a", "syntax@1"}, EvalCase{"**", "syntax@0"},
                    EvalCase{"2**3", "syntax@2"}, EvalCase{"(1", "syntax@2"}, EvalCase{"1)", "syntax@1"},
                    EvalCase{")", "syntax@0"}, EvalCase{"", "syntax@0"}, EvalCase{"  ", "syntax@2"},
                    EvalCase{"()", "syntax@1"}, EvalCase{"2.", "syntax@1"}, EvalCase{".5", "syntax@0"},
                    EvalCase{"1+", "syntax@2"}, EvalCase{"a(2)", "syntax@1"}, EvalCase{"2 3", "syntax@2"},
                    EvalCase{"1.2.3", "syntax@3"}, EvalCase{"1;2", "syntax@1"}, EvalCase{"2^", "syntax@2"},
                    EvalCase{"=1", "syntax@0"}, EvalCase{"1==1", "syntax@2"}, EvalCase{"2/*(3)", "syntax@2"},
                    EvalCase{"x@", "syntax@1"},  // the search's variable marker means nothing here
                    EvalCase{"\xc3\xb1", "syntax@0"}, EvalCase{"_a", "syntax@0"},
                    EvalCase{"2^*(3)", "syntax@2"}, EvalCase{"3x", "syntax@1"}));

INSTANTIATE_TEST_SUITE_P(
    RunTimeErrors, EvaluatorTable,
    testing::Values(EvalCase{"1/0", "error:11"}, EvalCase{"1/(1-1)", "error:11"}, EvalCase{"1/a", "error:11"},
                    EvalCase{"0/0", "error:11"}, EvalCase{"2^0.5/0", "error:11"},
                    EvalCase{"0^-1", "error:5"}, EvalCase{"a^-2", "error:5"}, EvalCase{"(-8)^0.5", "error:5"},
                    EvalCase{"(-8)^(1/3)", "error:5"}, EvalCase{"0^-0.5", "error:5"},
                    EvalCase{"(-8)^(2^0.5*2^0.5)", "error:5"},  // 2.0000000000000004
                    // Sizes beyond the bound are refused before they are built.
                    EvalCase{"9^999999999", "error:6"}, EvalCase{"2^1048576", "error:6"},
                    EvalCase{"(1/2)^1048576", "error:6"}, EvalCase{"10^400000", "error:6"},
                    EvalCase{"2^(2^30)", "error:6"}, EvalCase{"2^99999999999999999999", "error:6"},
                    EvalCase{"(-3)^-99999999999999999999", "error:6"},
                    EvalCase{"(2^0.5)^5000", "error:6"}, EvalCase{"10^400^0.5", "error:6"}));

TEST(Evaluator, ValuesJustWithinTheSizeBoundAreExact) {
  const Value v = reference::Evaluator().Eval("2^1048575-2^1048575");
  EXPECT_TRUE(v.IsZero());
  // One bit more, and only the product is refused.
  EXPECT_EQ(Outcome("2^1048575*2"), "error:6");
  EXPECT_EQ(Outcome("2^1048575/2^1048575"), "q:1");
}

TEST(Evaluator, LongLiteralsAreBoundLikeOtherNumbers) {
  EXPECT_EQ(Outcome("1" + std::string(400000, '0')), "error:6");
  EXPECT_EQ(Outcome("0." + std::string(320000, '0') + "1"), "error:6");
  // Zeros that do not change the value cost nothing.
  EXPECT_EQ(Outcome(std::string(400000, '0') + "12.5" + std::string(400000, '0')), "q:25/2");
}

TEST(Evaluator, NestingIsBoundedInsteadOfOverflowingTheStack) {
  const std::string open(100000, '(');
  EXPECT_EQ(Outcome(open), "error:6");
  EXPECT_EQ(Outcome(open + "1" + std::string(100000, ')')), "error:6");
  const std::string deepest = std::string(200, '(') + "1" + std::string(200, ')');
  EXPECT_EQ(Outcome(deepest), "q:1");
  EXPECT_EQ(Outcome("(" + deepest + ")"), "error:6");
  // Signs are not nested calls: any number of them is fine.
  EXPECT_EQ(Outcome(std::string(100000, '-') + "1"), "q:1");
  EXPECT_EQ(Outcome("2^" + std::string(99999, '-') + "1"), "q:1/2");
}

TEST(Evaluator, NulInsideTheTextIsASyntaxError) {
  EXPECT_EQ(Outcome(std::string("1\0+2", 4)), "syntax@1");
}

}  // namespace
}  // namespace factorix
