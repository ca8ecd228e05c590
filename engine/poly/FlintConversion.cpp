#include "engine/poly/FlintConversion.h"

#include <cstddef>

namespace factorix {

void SetFlint(FmpzPoly& poly, const Polynomial& coeffs) {
  fmpz_poly_zero(poly.get());
  fmpz_poly_fit_length(poly.get(), static_cast<slong>(coeffs.size()));
  Fmpz value;
  for (std::size_t i = 0; i < coeffs.size(); ++i) {
    fmpz_set_mpz(value.get(), coeffs[i].get_mpz_t());
    fmpz_poly_set_coeff_fmpz(poly.get(), static_cast<slong>(i), value.get());
  }
}

Polynomial ToPolynomial(const fmpz_poly_struct* poly) {
  const slong length = fmpz_poly_length(poly);
  Polynomial out(static_cast<std::size_t>(length));
  for (slong i = 0; i < length; ++i) fmpz_get_mpz(out[static_cast<std::size_t>(i)].get_mpz_t(), poly->coeffs + i);
  Trim(out);
  return out;
}

}  // namespace factorix
