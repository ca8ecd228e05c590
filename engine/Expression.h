#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/Value.h"

namespace factorix {

struct ExpressionCode;
class ExactMachine;
class ModularFilter;

// An expression read once and evaluated as often as needed, optionally for
// many values of one whole-number variable. Not thread-safe: evaluation
// reuses its own scratch numbers so that it allocates nothing per operation.
class Expression {
public:
  // Bound on the bits of a numerator or a denominator; a result beyond it
  // raises kOverflow before it is computed.
  static constexpr std::size_t kMaxBits = std::size_t{1} << 20;
  // Bound on the nesting of parentheses; deeper raises kOverflow.
  static constexpr int kMaxDepth = 200;

  // Reads `text` in the evaluator's grammar (see Evaluator.h). When
  // `variableMarker` is not '\0', that character is a primary that stands for
  // the variable; otherwise it is outside the grammar like any other.
  // Throws SyntaxError or EngineError(kOverflow) for too deep a nesting.
  static Expression Compile(std::string_view text, char variableMarker = '\0');

  Expression(Expression&&) noexcept;
  Expression& operator=(Expression&&) noexcept;
  ~Expression();

  bool UsesVariable() const;

  // The value with the variable set to `variable`. Throws EngineError.
  Value Evaluate(const mpz_class& variable);
  Value Evaluate();  // variable 0

  // Whether the value at `variable` compares equal to 0 (see
  // Value::IsZero). Same errors as Evaluate, but much faster when a cheap
  // modular check can prove the value non-zero (see ModularFilter).
  bool IsZeroAt(const mpz_class& variable);

  // From now on an evaluation that is still running, or starts, after
  // `deadline` throws kOverflow, so that no text can keep a search busy
  // without end. The clock is read only now and then: expect an overshoot
  // of some milliseconds. nullopt (the default) means no deadline.
  void SetDeadline(std::optional<std::chrono::steady_clock::time_point> deadline);

  // Tells IsZeroAt that the variables it will be given have at most `bits`
  // bits, so that the size bound of its fast path is worked out once here
  // instead of whenever a longer variable comes. Optional.
  void PrepareForVariableBits(std::size_t bits);

private:
  Expression();
  std::unique_ptr<ExpressionCode> code_;
  std::unique_ptr<ExactMachine> exact_;
  std::unique_ptr<ModularFilter> filter_;
};

}  // namespace factorix
