#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// One irreducible factor over the integers and how many times it divides.
struct FactorPower {
  Polynomial factor;  // trimmed, primitive, positive leading coefficient
  unsigned multiplicity = 1;
};

// The complete factorisation of a polynomial over the integers:
// content * product of factor^multiplicity.
struct Factorization {
  // The gcd of the coefficients, with the sign of the leading coefficient;
  // for a constant polynomial the constant itself (0 for the zero polynomial,
  // which has no factors).
  mpz_class content;
  // In the order they are written: first the factors x - r of the integer
  // roots, ascending |r| with -r before +r; then the others by ascending
  // degree, equal degrees by their coefficients from the highest power down,
  // the smaller first.
  std::vector<FactorPower> factors;
};

// Bounds past which a polynomial is too large to factor here: FLINT's time
// grows with the degree, the size of the coefficients and the number of
// factors modulo a prime, and it cannot be interrupted.
inline constexpr int kMaxFactorDegree = 400;
inline constexpr unsigned long kMaxFactorBits = 400000;  // degree * bits of the largest coefficient
inline constexpr long kMaxFactorsModPrime = 64;          // of the part without integer roots

// Factors `p` (coeffs[i] multiplies x^i; trailing zeros allowed). Throws
// EngineError(kOverflow) when it passes one of the bounds above.
Factorization Factorize(Polynomial p);

// The integer roots, each as often as it divides, ascending |r| with -r
// before +r: read from the factors x - r.
std::vector<mpz_class> IntegerRoots(const Factorization& factorization);

// True for x - r: the factor of an integer root r.
bool IsRootFactor(const Polynomial& f);

}  // namespace factorix
