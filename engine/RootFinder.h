#pragma once

#include "engine/IntegerPolynomial.h"

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace factorix {

// Finds the integer roots of a polynomial over Z without trying candidates
// one by one: it finds the roots modulo a small prime q, lifts each simple one
// q-adically (Newton–Hensel) until q^k exceeds twice a bound on the roots,
// and keeps the lifted values that are exact roots.
class RootFinder {
public:
  // coeffs[i] multiplies x^i; trailing zeros are allowed.
  explicit RootFinder(Coefficients coeffs);

  // The nonzero integer roots that divide `constant`, ordered by absolute
  // value with -r before +r. Empty for the zero polynomial or a zero constant.
  // Throws EngineError(kOverflow) in the pathological cases it does not
  // decide: a repeated factor in a polynomial of degree above
  // kMaxSquareFreeDegree, or a discriminant that every small prime divides.
  std::vector<mpz_class> RootsDividing(const mpz_class& constant) const;

  // Highest degree whose square-free part is worked out over Z.
  static constexpr int kMaxSquareFreeDegree = 400;

private:
  // The roots in [-bound, bound] that divide `divisorOf`, of the trimmed
  // polynomial f with f(0) != 0 and degree >= 1. When `squareFree` is false
  // and the first primes tried all leave a multiple root, it returns nullopt:
  // f most likely has a repeated factor.
  std::optional<std::vector<mpz_class>> Lifted(const Coefficients& f, const mpz_class& bound,
                                               const mpz_class& divisorOf, bool squareFree) const;

  Coefficients coeffs_;
};

}  // namespace factorix
