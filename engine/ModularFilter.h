#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ExpressionCode.h"

namespace factorix {

// A quick proof that an expression is not 0 at a whole-number variable.
//
// It applies to code made of integer literals, the variable, undeclared
// identifiers (0), unary minus, "+", "-", "*" and powers with a literal
// non-negative integer exponent: the value is then a whole number, and its
// residue modulo a prime is computed in a few machine operations. A residue
// other than 0 proves the value is not 0. Such code can only fail by
// overflow, so the proof is accepted only while an upper bound on the size
// of every intermediate value stays within Expression::kMaxBits: then the
// exact evaluation would raise nothing either.
class ModularFilter {
public:
  explicit ModularFilter(const ExpressionCode& code);

  bool applicable() const { return applicable_; }
  std::size_t steps() const { return steps_.size(); }

  // True when the value at `variable` is certainly not 0 and evaluating it
  // exactly would raise no error. False means: evaluate exactly.
  bool ProvesNonZero(const mpz_class& variable);

  // Works out whether the proof is safe for variables of up to `bits` bits.
  // ProvesNonZero calls it by itself when a longer variable comes.
  void Prepare(std::size_t bits);

private:
  template <typename Field>
  std::uint64_t Residue(std::uint64_t variable, const std::vector<std::uint64_t>& literals) const;

  struct Step {
    Opcode op;
    std::uint32_t operand;  // literal index, or the exponent of a Power
  };
  std::vector<Step> steps_;  // Power's exponent literal folded into the Power
  std::vector<std::uint64_t> literals1_, literals2_;  // residues per prime
  std::vector<std::size_t> literalBits_;
  std::size_t maxStack_ = 0;
  bool applicable_ = false;
  bool prepared_ = false;
  std::size_t preparedBits_ = 0;
  bool safe_ = false;
  mutable std::vector<std::uint64_t> stack_;
};

}  // namespace factorix
