#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/ExpressionCode.h"
#include "engine/Value.h"

namespace factorix {

// Runs compiled code exactly. Its operand slots live as long as the machine,
// so that after the first run the numbers reuse their storage instead of
// allocating at every operation.
class ExactMachine {
public:
  explicit ExactMachine(const ExpressionCode& code);

  // Runs the code with the variable set to `variable` (0 when null). Throws
  // EngineError as described in Evaluator.h.
  void Run(const mpz_class* variable);

  // The result of the last successful Run.
  Value Result() const;
  bool ResultIsZero() const;

private:
  enum class Kind { Empty, Boolean, Rational, Real };
  // One operand. Empty, Boolean and Rational keep their arithmetic value in
  // num/den (den > 0, gcd 1: Empty is 0/1, True -1/1); Real keeps it in real.
  struct Slot {
    Kind kind = Kind::Empty;
    mpz_class num;
    mpz_class den = 1;
    double real = 0.0;
  };

  void Add(Slot& a, const Slot& b, bool subtract);
  void Multiply(Slot& a, const Slot& b);
  void Divide(Slot& a, const Slot& b);
  void Power(Slot& a, const Slot& b);
  void Equal(Slot& a, const Slot& b);
  void RealResult(Slot& a, double value);
  double ToDouble(const Slot& s);
  void Reduce(Slot& a);           // gcd and sign of a rational slot
  static void CheckSize(const Slot& a);

  const ExpressionCode& code_;
  std::vector<Slot> stack_;
  mpz_class t1_, t2_;  // scratch
  mpq_class q_;        // scratch for exact comparisons with doubles
};

}  // namespace factorix
