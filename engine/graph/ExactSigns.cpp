#include "engine/graph/ExactSigns.h"

#include <algorithm>
#include <cstdlib>

namespace factorix {
namespace {

constexpr slong kStartPrecision = 64;  // bits
constexpr slong kValueAccuracy = 16;   // bits a value must have, for steps towards a root that gain more than one bit

// 64, 80, 96, 112, 128, 160, ...: four levels to each doubling, so that a
// point whose cancellation needs somewhat more than a power of two does not
// pay for twice as much.
slong LevelPrecision(std::size_t level) {
  const slong base = kStartPrecision << (level / 4);
  return base + base / 4 * static_cast<slong>(level % 4);
}

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

ArbPoly& ExactSigns::Rounded::AtLevel(std::size_t level) {
  while (balls.size() <= level) {
    balls.push_back(std::make_unique<ArbPoly>());
    arb_poly_set_fmpz_poly(balls.back()->get(), exact.get(), LevelPrecision(balls.size() - 1));
  }
  return *balls[level];
}

ExactSigns::ExactSigns(const fmpz_poly_struct* g) {
  fmpz_poly_set(g_.exact.get(), g);
  fmpz_poly_derivative(derivative_.exact.get(), g);
}

int ExactSigns::At(const Dyadic& x) { return SignOf(g_, x); }

ScaledValue ExactSigns::ValueAt(const Dyadic& x) {
  Arb value;
  Evaluate(g_, x, value, kValueAccuracy);
  return FromArf(arb_midref(value.get()));
}

int ExactSigns::RightOf(const Dyadic& x) {
  const int sign = At(x);
  return sign != 0 ? sign : SignOf(derivative_, x);
}

int ExactSigns::LeftOf(const Dyadic& x) {
  const int sign = At(x);
  return sign != 0 ? sign : -SignOf(derivative_, x);
}

int ExactSigns::SignOf(Rounded& poly, const Dyadic& x) {
  Arb value;
  Evaluate(poly, x, value, 0);
  if (arb_is_zero(value.get())) return 0;
  return arb_is_positive(value.get()) ? 1 : -1;
}

void ExactSigns::Evaluate(Rounded& poly, const Dyadic& x, Arb& value, slong accuracy) {
  arb_zero(value.get());
  if (fmpz_poly_is_zero(poly.exact.get())) return;
  Fmpz numerator, exponent;
  fmpz_set_mpz(numerator.get(), x.numerator.get_mpz_t());
  fmpz_set_si(exponent.get(), x.exponent);
  Arb point;
  arb_set_fmpz_2exp(point.get(), numerator.get(), exponent.get());

  // Points asked one after another are mostly close together, with a
  // similar loss to cancellation: start at the precision the last one needed.
  const slong exact = ExactPrecision(poly.exact.get(), x);
  for (std::size_t level = poly.lastLevel;; ++level) {
    const slong precision = LevelPrecision(level);
    if (precision >= exact) {
      ArbPoly balls;
      arb_poly_set_fmpz_poly(balls.get(), poly.exact.get(), exact);
      arb_poly_evaluate(value.get(), balls.get(), point.get(), exact);
      break;
    }
    arb_poly_evaluate(value.get(), poly.AtLevel(level).get(), point.get(), precision);
    if (arb_is_zero(value.get()) || (!arb_contains_zero(value.get()) && arb_rel_accuracy_bits(value.get()) >= accuracy)) {
      poly.lastLevel = level;
      break;
    }
  }
}

}  // namespace factorix
