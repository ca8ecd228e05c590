#pragma once

#include <string>

#include "engine/core/Polynomial.h"
#include "engine/factor/Factorization.h"

// Polynomials and factorisations written for people, in UTF-8: exponents as
// raised (superscript) digits, each power once, highest first, no term with
// the coefficient 0 and no coefficient ±1 before x.
namespace factorix {

// How a written polynomial raises its exponents: as Unicode superscript
// digits, or in the formula pad's encoding, "e" before each raised digit.
enum class Exponents { kSuperscript, kPadText };

// "²" for 2, "¹²" for 12; "e2", "e1e2" in the pad's encoding.
std::string Superscript(unsigned exponent, Exponents style = Exponents::kSuperscript);

// 2x³-16, x²+2x+4, -x, 7; "0" for the zero polynomial. coeffs[i]
// multiplies x^i; trailing zeros allowed.
std::string WritePolynomial(const Polynomial& coeffs, Exponents style = Exponents::kSuperscript);

// 2(x-2)(x²+2x+4), -2(x+2)(x-2), 3x²(x+1)(x-3), (2x-1)², x²+1: the content
// when it is not 1 ("-" for -1), then every factor in parentheses with its
// multiplicity raised; the factor x stands without parentheses, and so does
// a lone factor with multiplicity 1 and no content. A constant polynomial
// is its number.
std::string WriteFactorization(const Factorization& factorization, Exponents style = Exponents::kSuperscript);

}  // namespace factorix
