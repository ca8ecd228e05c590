#pragma once

#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/graph/ArbTypes.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

// The values of an integer polynomial at doubles, with the exact sign and
// a relative error below 2^-20, whatever their size: in double precision
// with a running error bound where that bound allows, otherwise in ball
// arithmetic at growing precision.
class CurveEvaluator {
public:
  explicit CurveEvaluator(const Polynomial& p);
  CurveEvaluator(const CurveEvaluator&) = delete;
  CurveEvaluator& operator=(const CurveEvaluator&) = delete;

  // P(x) for a finite x.
  ScaledValue At(double x);

private:
  bool FastValue(double x, ScaledValue& value) const;
  ScaledValue BallValue(double x);

  FmpzPoly poly_;
  std::vector<double> coefficients_;  // highest power first; empty when one does not fit a double
  ArbPoly balls_;                     // the polynomial at the first ball precision
};

}  // namespace factorix
