#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>
#include <vector>

namespace factorix {

// A polynomial with integer coefficients; coeffs[i] multiplies x^i. May hold
// trailing zeros; IsZero() when every coefficient is 0.
struct Polynomial {
  std::vector<mpz_class> coeffs;
  bool IsZero() const;
};

// Reads a formula text that is a sum of terms, each [sign]digits or
// [sign][digits]x with an optional exponent read as the evaluator reads it
// (a run of raised digits and the plain digits after it, or "^" and digits;
// see ReadExponent). Repeated powers add up. Returns nullopt for any other
// text (letters, parentheses, "*", "/", "=", roots, ...). A power above
// kMaxDegree, or a coefficient longer than a number may be, throws
// EngineError(kOverflow).
std::optional<Polynomial> ReadPolynomial(std::string_view text);

}  // namespace factorix
