#pragma once

#include <memory>
#include <vector>

#include "engine/core/Deadline.h"
#include "engine/core/Polynomial.h"
#include "engine/graph/CurveFactors.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

class PolynomialValues;  // one square-free part

// The values of an integer polynomial P at doubles, with the exact sign and
// a relative error of at most about d 2^-20 (d the degree), whatever their
// size. P is evaluated factor by factor, as CurveFactors splits it: near a
// root, and a multiple one above all, the factors lose far fewer digits to
// cancellation than P's own coefficients would. Throws
// EngineError(kOverflow) when `deadline` passes before P is split.
class CurveEvaluator {
public:
  explicit CurveEvaluator(const Polynomial& p, Deadline deadline = Deadline::max());
  ~CurveEvaluator();
  CurveEvaluator(const CurveEvaluator&) = delete;
  CurveEvaluator& operator=(const CurveEvaluator&) = delete;

  // P(x) for a finite x.
  ScaledValue At(double x);
  // P's factors, for finding its roots without splitting it again.
  const CurveFactors& Factors() const { return factors_; }

private:
  struct Part {
    std::unique_ptr<PolynomialValues> values;
    unsigned multiplicity;
  };

  CurveFactors factors_;
  ScaledValue content_;  // c, signed; 0 for the zero polynomial
  std::vector<Part> parts_;
};

}  // namespace factorix
