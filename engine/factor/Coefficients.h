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

// True for x - r: the factor of an integer root r.
bool IsRootFactor(const Coefficients& f);

}  // namespace factorix
