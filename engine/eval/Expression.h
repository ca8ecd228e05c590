#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/eval/NonZeroPair.h"
#include "engine/eval/Value.h"

namespace factorix {

struct ExpressionCode;
class ExactMachine;
class ModularFilter;

// An expression read once and evaluated as often as needed, optionally for
// many values of one whole-number variable. Not thread-safe: evaluation
// reuses its own scratch numbers so that it allocates nothing per operation.
class Expression {
public:
  // Reads `text` in the evaluator's grammar (see ExpressionParser.h). When
  // `variableMarker` is not '\0', that character is a primary that stands for
  // the variable; otherwise it is outside the grammar like any other.
  // Throws SyntaxError, or EngineError(kOverflow) for too deep a nesting or
  // too long a text (see EvaluatorLimits.h).
  static Expression Compile(std::string_view text, char variableMarker = '\0');

  Expression(Expression&&) noexcept;
  Expression& operator=(Expression&&) noexcept;
  ~Expression();

  bool UsesVariable() const;

  // The value with the variable set to `variable`, exact: numbers are
  // rationals, and only a power with a non-integer exponent gives a double.
  // Errors (EngineError with its number): kDivisionByZero; kInvalidCall for
  // 0 to a negative power or a negative base to a non-integer power;
  // kOverflow for a numerator or denominator beyond kMaxValueBits bits
  // (found before the number is built) or a double that is infinite or not
  // a number. Nothing else is thrown but std::bad_alloc.
  Value Evaluate(const mpz_class& variable);
  Value Evaluate();  // variable 0

  // Whether the value at `variable` compares equal to 0 (see
  // Value::IsZero). Same errors as Evaluate, but much faster when a cheap
  // modular check can prove the value non-zero (see ModularFilter).
  bool IsZeroAt(const mpz_class& variable);

  // The quick check of IsZeroAt alone, for the variables -m and +m at once
  // (m >= 0): `minus` or `plus` is true when that value is proven non-zero,
  // where IsZeroAt would return false and raise nothing. False means: ask
  // IsZeroAt. Raises only kOverflow, when the deadline has passed.
  NonZeroPair ProveNonZeroPair(std::uint64_t m);
  NonZeroPair ProveNonZeroPair(const mpz_class& m);

  // Every variable asked about from now on is at most `largest` in
  // magnitude, so that the quick check is prepared for those sizes only.
  void LimitVariables(const mpz_class& largest);

  // From now on an evaluation that is still running, or starts, after
  // `deadline` throws kOverflow, so that no text can keep a search busy
  // without end. The clock is read only now and then: expect an overshoot
  // of some milliseconds. nullopt (the default) means no deadline.
  void SetDeadline(std::optional<std::chrono::steady_clock::time_point> deadline);

private:
  Expression();
  std::unique_ptr<ExpressionCode> code_;
  std::unique_ptr<ExactMachine> exact_;
  std::unique_ptr<ModularFilter> filter_;
};

}  // namespace factorix
