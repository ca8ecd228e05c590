#include "engine/graph/Dyadic.h"

namespace factorix {

double ToDouble(const Dyadic& d) {
  Fmpz numerator, exponent;
  fmpz_set_mpz(numerator.get(), d.numerator.get_mpz_t());
  fmpz_set_si(exponent.get(), d.exponent);
  Arf value;
  arf_set_fmpz_2exp(value.get(), numerator.get(), exponent.get());
  return arf_get_d(value.get(), ARF_RND_NEAR);
}

ScaledValue FromArf(const arf_struct* value) {
  if (arf_is_zero(value)) return {};
  const slong exponent = arf_abs_bound_lt_2exp_si(value);
  Arf significand;
  arf_mul_2exp_si(significand.get(), value, -exponent);
  return {arf_get_d(significand.get(), ARF_RND_NEAR), exponent};
}

}  // namespace factorix
