// Fuzz target: arbitrary bytes as an expression for the script evaluator.
// Every text must give a value or a numbered engine error, within the size
// bounds, and the evaluator's forms must agree with each other:
//  - a syntax error is a SyntaxError whose offset lies within the text;
//  - a real value is finite, a rational value is in lowest terms;
//  - the compiled form gives the same value or the same error as Eval;
//  - with "x" as the variable, the fast zero test IsZeroAt agrees with the
//    full evaluation at a few whole numbers, small and large.
#include "engine/core/EngineError.h"
#include "tests/reference/Evaluator.h"
#include "engine/eval/Expression.h"
#include "engine/eval/SyntaxError.h"
#include "engine/eval/Value.h"
#include "tests/fuzz/FuzzCheck.h"

#include <gmpxx.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using factorix::Value;
using factorix::fuzz::Check;

// A value, or the number of the error that took its place.
using Outcome = std::variant<Value, int>;

template <typename F>
Outcome Run(std::string_view text, F&& evaluate) {
  try {
    return evaluate();
  } catch (const factorix::SyntaxError& e) {
    Check(e.number() == factorix::kSyntax, "SyntaxError with another number");
    Check(e.position() <= text.size(), "syntax error offset beyond the text");
    return e.number();
  } catch (const factorix::EngineError& e) {
    Check(e.number() != factorix::kSyntax, "syntax error thrown without its offset");
    Check(e.number() != factorix::kNoError, "engine error numbered 0");
    return e.number();
  }
}

void CheckValue(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Real:
      Check(std::isfinite(v.real()), "infinite or NaN value");
      break;
    case Value::Kind::Rational: {
      const mpq_class& q = v.rational();
      Check(sgn(q.get_den()) > 0, "rational with a denominator that is not positive");
      mpz_class g;
      mpz_gcd(g.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
      Check(g == 1, "rational not in lowest terms");
      break;
    }
    case Value::Kind::Empty:
    case Value::Kind::Boolean:
      break;
  }
  (void)v.ToString();
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
  if (a.index() != b.index()) return false;
  if (const int* n = std::get_if<int>(&a)) return *n == std::get<int>(b);
  const Value& va = std::get<Value>(a);
  const Value& vb = std::get<Value>(b);
  if (va.kind() != vb.kind()) return false;
  switch (va.kind()) {
    case Value::Kind::Empty: return true;
    case Value::Kind::Boolean: return va.boolean() == vb.boolean();
    case Value::Kind::Rational: return va.rational() == vb.rational();
    case Value::Kind::Real:
      return va.real() == vb.real() || (std::isnan(va.real()) && std::isnan(vb.real()));
  }
  return false;
}

std::string Describe(const Outcome& o) {
  if (const int* n = std::get_if<int>(&o)) return "error " + std::to_string(*n);
  return std::get<Value>(o).ToString();
}

// IsZeroAt(v) against Evaluate(v).IsZero() for one variable value.
void CheckZeroTest(factorix::Expression& fast, factorix::Expression& full, std::string_view text,
                   const mpz_class& v) {
  const Outcome exact = Run(text, [&] { return full.Evaluate(v); });
  std::optional<int> fastError;
  bool fastZero = false;
  try {
    fastZero = fast.IsZeroAt(v);
  } catch (const factorix::EngineError& e) {
    fastError = e.number();
  }
  if (const int* n = std::get_if<int>(&exact)) {
    Check(fastError == *n, "IsZeroAt and Evaluate disagree on the error", Describe(exact));
  } else {
    Check(!fastError, "IsZeroAt throws where Evaluate gives a value", Describe(exact));
    Check(fastZero == std::get<Value>(exact).IsZero(), "IsZeroAt and Evaluate disagree on zero",
          Describe(exact));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const Outcome direct = Run(text, [&] { return factorix::reference::Evaluator().Eval(text); });
  if (const Value* v = std::get_if<Value>(&direct)) CheckValue(*v);

  const Outcome compiled = Run(text, [&] { return factorix::Expression::Compile(text).Evaluate(); });
  Check(SameOutcome(direct, compiled), "Eval and the compiled form disagree",
        Describe(direct) + " / " + Describe(compiled));

  std::optional<factorix::Expression> fast;
  std::optional<factorix::Expression> full;
  try {
    fast.emplace(factorix::Expression::Compile(text, 'x'));
    full.emplace(factorix::Expression::Compile(text, 'x'));
  } catch (const factorix::EngineError&) {
    return 0;
  }
  static const mpz_class kVariables[] = {mpz_class(1), mpz_class(-2), mpz_class(0),
                                         mpz_class("-1000000007"),
                                         mpz_class("897612484786617600")};
  for (const mpz_class& v : kVariables) CheckZeroTest(*fast, *full, text, v);
  return 0;
}
