#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/eval/ExpressionCode.h"
#include "engine/eval/Value.h"

namespace factorix {

// Runs compiled code exactly. Its operand slots live as long as the machine,
// so that after the first run the numbers reuse their storage instead of
// allocating at every operation.
class ExactMachine {
public:
  using Deadline = std::chrono::steady_clock::time_point;

  explicit ExactMachine(const ExpressionCode& code);

  // Runs the code with the variable set to `variable` (0 when null). Throws
  // EngineError as described at Expression::Evaluate, and kOverflow when the
  // deadline has passed.
  void Run(const mpz_class* variable);

  // Work counted in operations plus the machine words of big operands; the
  // clock is read only every kWorkBetweenClockReads units. The search adds
  // the work of its quick checks here too.
  void AddWork(std::uint64_t units);
  void SetDeadline(std::optional<Deadline> deadline) { deadline_ = deadline; }

  // The result of the last successful Run.
  Value Result() const;
  bool ResultIsZero() const;

private:
  static constexpr std::uint64_t kWorkBetweenClockReads = 1 << 16;
  // Operands of at most this many machine words in all cost about one
  // instruction, which the count of instructions covers already.
  static constexpr std::size_t kShortOperandLimbs = 8;

  using Kind = Value::Kind;
  // One operand. Empty, Boolean and Rational keep their arithmetic value in
  // q (canonical: Empty is 0, True -1); Real keeps it in real.
  struct Slot {
    Kind kind = Kind::Empty;
    mpq_class q;
    double real = 0.0;
  };

  void Add(Slot& a, const Slot& b, bool subtract);
  void Multiply(Slot& a, const Slot& b);
  void Divide(Slot& a, const Slot& b);
  void Power(Slot& a, const Slot& b);
  void Equal(Slot& a, const Slot& b);
  void RealResult(Slot& a, double value);
  double ToDouble(const Slot& s) const;
  static void CheckSize(const Slot& a);
  void CountWork(const Slot& a, const Slot& b);

  const ExpressionCode& code_;
  std::vector<Slot> stack_;
  mpq_class scratch_;  // for exact comparisons with doubles
  std::optional<Deadline> deadline_;
  std::uint64_t work_ = 0;  // since the clock was last read
};

}  // namespace factorix
