#include "engine/solve/ArbNumbers.h"

#include <flint/fmpq.h>

namespace factorix {

mpq_class Midpoint(const arb_t x) {
  fmpz_t mantissa, exponent;
  fmpz_init(mantissa);
  fmpz_init(exponent);
  arf_get_fmpz_2exp(mantissa, exponent, arb_midref(x));
  mpz_class m;
  fmpz_get_mpz(m.get_mpz_t(), mantissa);
  const slong e = fmpz_get_si(exponent);
  fmpz_clear(mantissa);
  fmpz_clear(exponent);
  mpq_class out(m);
  if (e >= 0) {
    mpq_mul_2exp(out.get_mpq_t(), out.get_mpq_t(), static_cast<mp_bitcnt_t>(e));
  } else {
    mpq_div_2exp(out.get_mpq_t(), out.get_mpq_t(), static_cast<mp_bitcnt_t>(-e));
  }
  return out;
}

void SetRational(arb_t out, const mpq_class& q, slong prec) {
  fmpq_t value;
  fmpq_init(value);
  fmpq_set_mpq(value, q.get_mpq_t());
  arb_set_fmpq(out, value, prec);
  fmpq_clear(value);
}

}  // namespace factorix
