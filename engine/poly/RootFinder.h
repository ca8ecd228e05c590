#pragma once

#include "engine/poly/IntegerPolynomial.h"

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace factorix {

// Finds the integer roots of a polynomial over Z without trying candidates
// one by one: it finds the roots modulo a small prime q, lifts each simple one
// q-adically (Newton–Hensel) until q^k exceeds twice a bound on the roots,
// and keeps the lifted values that are exact roots.
class RootFinder {
public:
  // coeffs[i] multiplies x^i; trailing zeros are allowed.
  explicit RootFinder(Coefficients coeffs);

  // The nonzero integer roots that divide `constant`, ordered by absolute
  // value with -r before +r. Empty for the zero polynomial or a zero constant.
  // Throws EngineError(kOverflow) for a polynomial with repeated factors
  // that have roots modulo every small prime tried, and whose degree and
  // root bound are too large to settle with the small primes in time.
  std::vector<mpz_class> RootsDividing(const mpz_class& constant) const;

private:
  // What the roots must satisfy besides being roots.
  struct Filter {
    mpz_class bound;      // |r| <= bound
    mpz_class divisorOf;  // r divides it
  };

  // The roots of f (trimmed, degree >= 1) that pass the filter, each once,
  // in no particular order.
  std::vector<mpz_class> Roots(Coefficients f, const Filter& filter) const;

  // The roots from one prime that keeps every root simple, the one with the
  // fewest roots among a few; nullopt when the first primes tried all leave
  // a multiple root, which a repeated root of f always does.
  std::optional<std::vector<mpz_class>> FromOnePrime(const Coefficients& f,
                                                     const Filter& filter) const;

  // Every root r with f'(r) != 0, lifted from whichever prime keeps it simple:
  // primes are taken until their product exceeds every possible |f'(r)|.
  // Throws kOverflow when that would take too long.
  std::vector<mpz_class> SimpleRoots(const Coefficients& f, const Filter& filter) const;

  // The root lifted from r0 modulo q, when it is one and passes the filter.
  std::optional<mpz_class> Candidate(const Coefficients& f, const Filter& filter, std::uint32_t q,
                                     std::uint32_t r0, std::uint32_t inverseSlope) const;

  Coefficients coeffs_;
};

}  // namespace factorix
