#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/eval/ExpressionCode.h"
#include "engine/eval/NonZeroPair.h"

namespace factorix {

// A quick proof that an expression is not 0 at a whole-number variable.
//
// It applies to code made of integer literals, the variable, undeclared
// identifiers (0), unary minus, "+", "-", "*", "/" and powers with a literal
// non-negative integer exponent: the value is then a fraction, and its
// residue modulo a prime is computed in a few machine operations, each
// division as a product by an inverse. A residue other than 0 proves the
// value is not 0, provided no divisor was 0 modulo the prime (then no
// exact divisor is 0 and the residue is the fraction's); a divisor 0
// modulo the prime proves nothing. Such code can otherwise only fail by
// overflow, so the proof is accepted only while upper bounds on the sizes
// of the numerator and the denominator of every intermediate value stay
// within kMaxValueBits: then the exact evaluation would raise
// nothing either.
//
// Such code is a polynomial in the variable when it divides only by
// constants. When its degree is small it is expanded once, modulo each
// prime, so that a residue costs one Horner pass; -m and +m share the
// powers of m^2 through the even and odd parts.
class ModularFilter {
public:
  // Highest degree in the variable that the code is expanded to, as
  // coefficients modulo each prime; beyond it the code itself is run for
  // every residue.
  static constexpr std::size_t kMaxExpandedDegree = 64;

  explicit ModularFilter(const ExpressionCode& code);

  bool applicable() const { return applicable_; }
  std::size_t steps() const { return steps_.size(); }
  // Whether the code was expanded into coefficients (see kMaxExpandedDegree).
  bool expanded() const { return !poly1_.empty(); }

  // True when the value at `variable` is certainly not 0 and evaluating it
  // exactly would raise no error. False means: evaluate exactly.
  bool ProvesNonZero(const mpz_class& variable);

  // Every variable asked about from now on is at most `largest` in
  // magnitude: the bound on the sizes of the intermediate values is then
  // checked once, at that size, rather than searched for over all sizes
  // (a pass over the code for each bit of a 62-bit search). A larger
  // variable is evaluated exactly.
  void LimitVariables(const mpz_class& largest);

  // ProvesNonZero for the variables -m and +m at once; m >= 0.
  NonZeroPair ProvesNonZeroPair(std::uint64_t m);
  NonZeroPair ProvesNonZeroPair(const mpz_class& m);

private:
  template <typename Field>
  std::uint64_t Residue(std::uint64_t variable, const std::vector<std::uint64_t>& literals) const;
  template <typename Field>
  std::vector<std::uint64_t> Expand(const std::vector<std::uint64_t>& literals) const;
  // The residues at r and at -r (r in [0, p)).
  template <typename Field>
  void ResiduePair(std::uint64_t r, const std::vector<std::uint64_t>& poly,
                   const std::vector<std::uint64_t>& literals, std::uint64_t& minus, std::uint64_t& plus) const;
  template <typename Field>
  std::uint64_t ResidueAt(std::uint64_t r, const std::vector<std::uint64_t>& poly,
                          const std::vector<std::uint64_t>& literals) const;
  // Whether every intermediate value stays within kMaxValueBits by
  // the size bound when log2 of the variable's magnitude is at most `size`
  // (in kSizeUnitsPerBit).
  bool BoundHolds(std::size_t size) const;
  // The size below which every size passes BoundHolds, largestSize_ + 1
  // when all up to it pass: what safeBelow_ holds once it is found.
  std::size_t SafeSizeLimit() const;
  // Whether the bound allows a proof for a variable of this size.
  bool SafeFor(std::size_t size);
  // ProvesNonZeroPair for an m of this size whose residues modulo the two
  // primes are r1 and r2.
  NonZeroPair ProvesNonZeroPair(std::size_t size, std::uint64_t r1, std::uint64_t r2);

  struct Step {
    Opcode op;
    std::uint32_t operand;  // literal index, or the exponent of a Power
  };
  std::vector<Step> steps_;  // Power's exponent literal folded into the Power
  std::vector<std::uint64_t> literals1_, literals2_;  // residues per prime
  // Coefficient i multiplies variable^i, per prime; trailing zeros dropped,
  // so an expansion to 0 holds the one coefficient 0. Empty: not expanded.
  std::vector<std::uint64_t> poly1_, poly2_;
  std::vector<std::size_t> literalBits_;  // in kSizeUnitsPerBit
  std::size_t maxStack_ = 0;
  bool applicable_ = false;
  // The proof is accepted for variables of a size below this (0: never);
  // nullopt until the first proof asked for after LimitVariables.
  std::optional<std::size_t> safeBelow_;
  std::size_t largestSize_;  // of any variable asked about
  mutable std::vector<std::uint64_t> stack_;
};

}  // namespace factorix
