#pragma once

#include <gmpxx.h>

#include <chrono>
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

// Bounds past which a polynomial is too large to factor here: they keep
// the work on the coefficients, and FLINT's memory, small. FLINT's time
// also grows with the number of factors modulo a prime, in ways no bound
// foresees, so it runs under kFactorBudget instead (see IrreducibleFactors).
inline constexpr int kMaxFactorDegree = 400;
inline constexpr unsigned long kMaxFactorBits = 400000;  // degree * bits of the largest coefficient

// Wall time one factorisation may take.
inline constexpr std::chrono::milliseconds kFactorBudget{1000};

// Factors `p` (coeffs[i] multiplies x^i; trailing zeros allowed): the
// content, the factors of its rational roots, then the rest from FLINT.
// Throws EngineError(kOverflow) when it passes one of the bounds above, or
// when `deadline` (by default kFactorBudget from now) passes first.
Factorization Factorize(Polynomial p);
Factorization Factorize(Polynomial p, std::chrono::steady_clock::time_point deadline);

// The integer roots, each as often as it divides, ascending |r| with -r
// before +r: read from the factors x - r.
std::vector<mpz_class> IntegerRoots(const Factorization& factorization);

// True for x - r: the factor of an integer root r.
bool IsRootFactor(const Polynomial& f);

}  // namespace factorix
