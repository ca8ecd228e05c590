#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace factorix {

// One prime of a factorisation with its exponent.
struct PrimePower {
  mpz_class prime;
  unsigned exponent = 0;
};

// Prime factorisation against a wall-clock deadline: trial division by the
// small primes, then a strong probable-prime test, Pollard–Brent rho and,
// for factors of more than about ten digits, the elliptic-curve method (in
// Montgomery arithmetic on one or two machine words below 2^128, with GMP
// above).
class Factorizer {
public:
  using Clock = std::chrono::steady_clock;

  explicit Factorizer(Clock::time_point deadline) : deadline_(deadline) {}

  // The primes of |n| in ascending order with their exponents; empty for 0
  // and 1. Throws EngineError(kOverflow) when the deadline passes first, or
  // at once for a part without small primes too large to split in time.
  std::vector<PrimePower> Factor(const mpz_class& n);

  // Cofactors left after trial division above this many bits are refused.
  static constexpr unsigned long kMaxCofactorBits = 2048;

private:
  // Splits n > 1, free of primes below the trial bound, into primes.
  void Split(const mpz_class& n, std::vector<mpz_class>& primes);
  void SplitWord(std::uint64_t n, std::vector<mpz_class>& primes);

  // A nontrivial factor of the word-sized composite n, or 0 when none was
  // found with the polynomial x^2 + c.
  std::uint64_t RhoWord(std::uint64_t n, std::uint64_t c);

  // A nontrivial factor of the composite modulus of `mod` (Montgomery128 or
  // GmpModulus), which is no perfect power.
  template <class Mod>
  mpz_class FindFactor(const Mod& mod);

  // Steps of rho before the curves take over.
  static constexpr std::uint64_t kRhoSteps = 1u << 16;

  // Throws kOverflow past the deadline.
  void CheckDeadline() const;

  Clock::time_point deadline_;
};

}  // namespace factorix
