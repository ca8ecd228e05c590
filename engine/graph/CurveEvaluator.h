#pragma once

#include <memory>
#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

class PolynomialValues;  // one square-free part

// The values of an integer polynomial P at doubles, with the exact sign and
// a relative error of at most about d 2^-20 (d the degree), whatever their
// size. P is evaluated as c g1^e1 g2^e2 ..., its square-free parts: near a
// multiple root the parts lose far fewer digits to cancellation than P's
// own coefficients would.
class CurveEvaluator {
public:
  explicit CurveEvaluator(const Polynomial& p);
  ~CurveEvaluator();
  CurveEvaluator(const CurveEvaluator&) = delete;
  CurveEvaluator& operator=(const CurveEvaluator&) = delete;

  // P(x) for a finite x.
  ScaledValue At(double x);

private:
  struct Part {
    std::unique_ptr<PolynomialValues> values;
    unsigned multiplicity;
  };

  ScaledValue content_;  // c, signed; 0 for the zero polynomial
  std::vector<Part> parts_;
};

}  // namespace factorix
