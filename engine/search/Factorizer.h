#pragma once

#include <gmpxx.h>

#include <chrono>
#include <vector>

namespace factorix {

// One prime of a factorisation with its exponent.
struct PrimePower {
  mpz_class prime;
  unsigned long exponent = 0;
};

// Prime factorisation on FLINT against a wall-clock deadline. A number of
// one word is factored outright; a larger one loses its primes below
// 27449 by trial division, and what is left is settled, each step only
// where FLINT's time for it stays well inside the budget: a probable-prime
// test (BPSW), a perfect power, a complete factorisation of a part of a few
// words, or the elliptic-curve method for factors of 20 to 40 bits.
// FLINT's calls cannot be interrupted, so these size limits, not the
// deadline, bound each of them.
class Factorizer {
public:
  using Clock = std::chrono::steady_clock;

  explicit Factorizer(Clock::time_point deadline) : deadline_(deadline) {}

  // The primes of |n| in ascending order with their exponents; empty for 0
  // and 1. Throws EngineError(kOverflow) when the deadline passes first, or
  // for a part without small primes that none of the steps above settles.
  std::vector<PrimePower> Factor(const mpz_class& n) const;

  // Largest part, in bits, tested for primality or as a perfect power
  // (a probable-prime test of this size takes about half a second).
  static constexpr unsigned long kMaxPrimeTestBits = 6144;
  // Largest part, in bits, that FLINT factors completely (a product of two
  // primes of this size takes about 0.2 s).
  static constexpr unsigned long kMaxSplitBits = 128;
  // Largest part, in bits, searched with curves; the factors they look for
  // are smaller the larger the part (CurveFactorBits), so that each search
  // takes well under a tenth of a second.
  static constexpr unsigned long kMaxCurveBits = 2048;

private:
  Clock::time_point deadline_;
};

}  // namespace factorix
