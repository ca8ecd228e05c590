#include "engine/graph/Dyadic.h"

#include "engine/poly/ArbTypes.h"

namespace factorix {

double ToDouble(const Dyadic& d) {
  Fmpz numerator, exponent;
  fmpz_set_mpz(numerator.get(), d.numerator.get_mpz_t());
  fmpz_set_si(exponent.get(), d.exponent);
  Arf value;
  arf_set_fmpz_2exp(value.get(), numerator.get(), exponent.get());
  return arf_get_d(value.get(), ARF_RND_NEAR);
}

}  // namespace factorix
