#pragma once

#include "engine/core/Polynomial.h"
#include "engine/poly/FlintTypes.h"

// Between the dense coefficients and FLINT's polynomials. FLINT aborts on
// impossible allocations: callers bound the degree and the sizes first.
namespace factorix {

// Sets `poly` to `coeffs`.
void SetFlint(FmpzPoly& poly, const Polynomial& coeffs);

// Trimmed coefficients of a FLINT polynomial.
Polynomial ToPolynomial(const fmpz_poly_struct* poly);

}  // namespace factorix
