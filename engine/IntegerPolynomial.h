#pragma once

#include <gmpxx.h>

#include <vector>

// Dense polynomials over the integers: coeffs[i] multiplies x^i, and a
// trimmed polynomial has a nonzero last coefficient (the zero polynomial is
// the empty vector). Small helpers for the root finder.
namespace factorix {

using Coefficients = std::vector<mpz_class>;

// Drops the zero coefficients of the highest powers.
void Trim(Coefficients& p);

// Degree of a trimmed polynomial; -1 for the zero polynomial.
int Degree(const Coefficients& p);

// The derivative.
Coefficients Derivative(const Coefficients& p);

// p divided by the gcd of its coefficients, with a positive leading
// coefficient. p trimmed and nonzero.
Coefficients PrimitivePart(const Coefficients& p);

// The primitive greatest common divisor of a and b over Z[x] (leading
// coefficient positive), by the primitive remainder sequence. Both trimmed
// and nonzero.
Coefficients PrimitiveGcd(const Coefficients& a, const Coefficients& b);

// a / b for a b that divides a exactly over Z[x]; both trimmed, b nonzero.
Coefficients ExactQuotient(const Coefficients& a, const Coefficients& b);

// The square-free part p / gcd(p, p'), primitive. p trimmed, degree >= 1.
Coefficients SquareFreePart(const Coefficients& p);

// True when r is a root of the trimmed p, decided by dividing p by (x - r)
// from the constant upwards: every step must divide exactly, and the numbers
// involved stay below the sum of |coefficients|. r nonzero.
bool IsRoot(const Coefficients& p, const mpz_class& r);

}  // namespace factorix
