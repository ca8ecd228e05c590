#include "engine/graph/ExactSigns.h"

#include <algorithm>
#include <cstdlib>

namespace factorix {
namespace {

constexpr slong kStartPrecision = 64;  // bits

// A precision at which evaluating `poly` at `x` rounds nothing: the bits of
// the largest coefficient plus degree times the bits of x's numerator, with
// room to spare.
slong ExactPrecision(const fmpz_poly_struct* poly, const Dyadic& x) {
  const slong degree = fmpz_poly_degree(poly);
  const slong coefficientBits = std::abs(fmpz_poly_max_bits(poly));
  const slong xBits = static_cast<slong>(mpz_sizeinbase(x.numerator.get_mpz_t(), 2));
  return coefficientBits + (degree + 1) * (xBits + 1) + 64;
}

}  // namespace

ExactSigns::ExactSigns(const fmpz_poly_struct* g) {
  fmpz_poly_set(g_.get(), g);
  fmpz_poly_derivative(derivative_.get(), g);
  arb_poly_set_fmpz_poly(gBalls_.get(), g_.get(), kStartPrecision);
  arb_poly_set_fmpz_poly(derivativeBalls_.get(), derivative_.get(), kStartPrecision);
}

int ExactSigns::At(const Dyadic& x) { return SignOf(g_.get(), gBalls_, x); }

int ExactSigns::RightOf(const Dyadic& x) {
  const int sign = At(x);
  return sign != 0 ? sign : SignOf(derivative_.get(), derivativeBalls_, x);
}

int ExactSigns::LeftOf(const Dyadic& x) {
  const int sign = At(x);
  return sign != 0 ? sign : -SignOf(derivative_.get(), derivativeBalls_, x);
}

int ExactSigns::SignOf(const fmpz_poly_struct* poly, ArbPoly& balls, const Dyadic& x) {
  if (fmpz_poly_is_zero(poly)) return 0;
  Fmpz numerator, exponent;
  fmpz_set_mpz(numerator.get(), x.numerator.get_mpz_t());
  fmpz_set_si(exponent.get(), x.exponent);
  Arb point, value;
  arb_set_fmpz_2exp(point.get(), numerator.get(), exponent.get());

  arb_poly_evaluate(value.get(), balls.get(), point.get(), kStartPrecision);
  const slong exact = ExactPrecision(poly, x);
  ArbPoly finer;
  for (slong precision = 2 * kStartPrecision; arb_contains_zero(value.get()) && !arb_is_zero(value.get());
       precision *= 2) {
    const slong used = std::min(precision, exact);
    arb_poly_set_fmpz_poly(finer.get(), poly, used);
    arb_poly_evaluate(value.get(), finer.get(), point.get(), used);
    if (used == exact) break;
  }
  if (arb_is_zero(value.get())) return 0;
  return arb_is_positive(value.get()) ? 1 : -1;
}

}  // namespace factorix
