#include "engine/factor/FlintPolynomial.h"

#include <cstddef>

namespace factorix {

FlintPolynomial::FlintPolynomial() { fmpz_poly_init(poly_); }

FlintPolynomial::FlintPolynomial(const Coefficients& coeffs) {
  fmpz_poly_init2(poly_, static_cast<slong>(coeffs.size()));
  fmpz_t value;
  fmpz_init(value);
  for (std::size_t i = 0; i < coeffs.size(); ++i) {
    fmpz_set_mpz(value, coeffs[i].get_mpz_t());
    fmpz_poly_set_coeff_fmpz(poly_, static_cast<slong>(i), value);
  }
  fmpz_clear(value);
}

FlintPolynomial::~FlintPolynomial() { fmpz_poly_clear(poly_); }

Coefficients FlintPolynomial::ToCoefficients() const { return factorix::ToCoefficients(poly_); }

Coefficients ToCoefficients(const fmpz_poly_struct* poly) {
  const slong length = fmpz_poly_length(poly);
  Coefficients out(static_cast<std::size_t>(length));
  for (slong i = 0; i < length; ++i) fmpz_get_mpz(out[static_cast<std::size_t>(i)].get_mpz_t(), poly->coeffs + i);
  Trim(out);
  return out;
}

}  // namespace factorix
