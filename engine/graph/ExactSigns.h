#pragma once

#include "engine/poly/ArbTypes.h"
#include "engine/graph/Dyadic.h"

namespace factorix {

// Exact signs of an integer polynomial at binary fractions: evaluated in
// ball arithmetic at 64 bits, then at twice the precision while the ball
// still holds 0, up to a precision at which the evaluation is exact.
class ExactSigns {
public:
  // `g`: an integer polynomial of degree >= 1.
  explicit ExactSigns(const fmpz_poly_struct* g);
  ExactSigns(const ExactSigns&) = delete;
  ExactSigns& operator=(const ExactSigns&) = delete;

  // -1, 0 or +1: the sign of g(x).
  int At(const Dyadic& x);
  // The sign of g just right of x (of g'(x) when x is a simple root).
  int RightOf(const Dyadic& x);
  // The sign of g just left of x (of -g'(x) when x is a simple root).
  int LeftOf(const Dyadic& x);

private:
  int SignOf(const fmpz_poly_struct* poly, ArbPoly& balls, const Dyadic& x);

  FmpzPoly g_;
  FmpzPoly derivative_;
  ArbPoly gBalls_;           // g rounded to kStartPrecision bits
  ArbPoly derivativeBalls_;  // g' rounded to kStartPrecision bits
};

}  // namespace factorix
