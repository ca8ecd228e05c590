#pragma once

#include <vector>

#include "engine/graph/ArbTypes.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

// The values of one integer polynomial at doubles, with the exact sign and
// a relative error below 2^-20, whatever their size: in double precision
// with a running error bound where that bound allows, otherwise in ball
// arithmetic from the precision the last value needed, doubled until the
// ball is narrow enough.
class PolynomialValues {
public:
  explicit PolynomialValues(const fmpz_poly_struct* p);
  PolynomialValues(const PolynomialValues&) = delete;
  PolynomialValues& operator=(const PolynomialValues&) = delete;

  // p(x) for a finite x.
  ScaledValue At(double x);

private:
  // False when the double path cannot vouch for the value; `log2Bound` is
  // then log2 of the sum of |terms|, or 0 when that overflowed.
  bool FastValue(double x, ScaledValue& value, double& log2Bound) const;
  ScaledValue BallValue(double x, double log2Bound);

  FmpzPoly poly_;
  std::vector<double> coefficients_;  // highest power first; empty when one does not fit a double
  ArbPoly balls_;                     // the polynomial at the first ball precision
  double lastLog2_ = 0;               // log2 |value| of the last value from balls
};

}  // namespace factorix
