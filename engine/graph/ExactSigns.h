#pragma once

#include <memory>
#include <vector>

#include "engine/graph/Dyadic.h"
#include "engine/graph/ScaledValue.h"
#include "engine/poly/ArbTypes.h"

namespace factorix {

// Exact signs of an integer polynomial at binary fractions: evaluated in
// ball arithmetic at 64 bits, then at higher precision (a quarter more at
// each level) while the ball still holds 0, up to a precision at which the
// evaluation is exact.
class ExactSigns {
public:
  // `g`: an integer polynomial of degree >= 1.
  explicit ExactSigns(const fmpz_poly_struct* g);
  ExactSigns(const ExactSigns&) = delete;
  ExactSigns& operator=(const ExactSigns&) = delete;

  // -1, 0 or +1: the sign of g(x).
  int At(const Dyadic& x);
  // g(x) with the exact sign and an approximate size (a few bits at least).
  ScaledValue ValueAt(const Dyadic& x);
  // The sign of g just right of x (of g'(x) when x is a simple root).
  int RightOf(const Dyadic& x);
  // The sign of g just left of x (of -g'(x) when x is a simple root).
  int LeftOf(const Dyadic& x);

private:
  // g or g' rounded to each level's precision, made when first needed.
  struct Rounded {
    FmpzPoly exact;
    std::vector<std::unique_ptr<ArbPoly>> balls;
    std::size_t lastLevel = 0;  // the level the last evaluation below the exact precision ended at
    ArbPoly& AtLevel(std::size_t level);
  };

  // g(x) (or g'(x)) as a ball that is exact, or excludes 0 with
  // `accuracy` bits at least.
  void Evaluate(Rounded& poly, const Dyadic& x, Arb& value, slong accuracy);
  int SignOf(Rounded& poly, const Dyadic& x);

  Rounded g_;
  Rounded derivative_;
};

}  // namespace factorix
