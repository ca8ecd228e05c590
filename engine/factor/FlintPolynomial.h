#pragma once

#include <gmp.h>
#include <flint/fmpz_poly.h>

#include "engine/IntegerPolynomial.h"

namespace factorix {

// Owns one FLINT polynomial over the integers and converts it to and from
// the engine's dense coefficients (coeffs[i] multiplies x^i). FLINT aborts
// on impossible allocations: callers bound the degree and the sizes before
// they build one.
class FlintPolynomial {
public:
  FlintPolynomial();
  explicit FlintPolynomial(const Coefficients& coeffs);
  ~FlintPolynomial();
  FlintPolynomial(const FlintPolynomial&) = delete;
  FlintPolynomial& operator=(const FlintPolynomial&) = delete;

  fmpz_poly_struct* get() { return poly_; }
  const fmpz_poly_struct* get() const { return poly_; }

  // Trimmed coefficients; empty for the zero polynomial.
  Coefficients ToCoefficients() const;

private:
  fmpz_poly_t poly_;
};

// Trimmed coefficients of a FLINT polynomial.
Coefficients ToCoefficients(const fmpz_poly_struct* poly);

}  // namespace factorix
