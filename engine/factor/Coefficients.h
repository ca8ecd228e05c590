#pragma once

#include <gmpxx.h>

#include <vector>

// Dense polynomials over the integers: coeffs[i] multiplies x^i, and a
// trimmed polynomial has a nonzero last coefficient (the zero polynomial is
// the empty vector).
namespace factorix {

using Coefficients = std::vector<mpz_class>;

// Drops the zero coefficients of the highest powers.
void Trim(Coefficients& p);

// Degree of a trimmed polynomial; -1 for the zero polynomial.
int Degree(const Coefficients& p);

// p / (x - r) for a root r of the trimmed p, by Ruffini's rule.
Coefficients DivideByRoot(const Coefficients& p, const mpz_class& r);

// True when r (nonzero) is a root of the trimmed p, decided by dividing p
// by (x - r) from the constant upwards: every step must divide exactly, so
// the numbers involved stay below the sum of |coefficients|.
bool IsRoot(const Coefficients& p, const mpz_class& r);

}  // namespace factorix
