#pragma once

#include <memory>
#include <vector>

#include "engine/core/Deadline.h"
#include "engine/core/Polynomial.h"
#include "engine/graph/CurveFactors.h"
#include "engine/graph/RealRoots.h"
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
  // P'(x) / P(x) for a finite x that is not a root, to a few digits: the
  // sum of each factor's share (m / (x - r) for a known root r). Its sign
  // is that of P' P, certain away from where it changes.
  double LogDerivativeAt(double x);
  // P's real roots, as RealRoots gives them. When they are all of its
  // roots, P = lc (x - r1)^m1 ..., and the values away from every root
  // come from that product in doubles, each r within two units in the last
  // place of the true root.
  void TakeRealRoots(const std::vector<RealRoot>& roots);
  // Whether the roots last taken are all of P's roots.
  bool AllRootsReal() const { return !allRoots_.empty(); }
  // P's factors, for finding its roots without splitting it again.
  const CurveFactors& Factors() const { return factors_; }

private:
  struct Part {
    std::unique_ptr<PolynomialValues> values;
    std::unique_ptr<PolynomialValues> slopes;  // of the factor's derivative
    unsigned multiplicity;
  };

  // P(x) from the product over the roots; false when x is too close to one
  // for the stated accuracy.
  bool ProductValue(double x, ScaledValue& value) const;

  CurveFactors factors_;
  ScaledValue content_;  // c, signed; 0 for the zero polynomial
  ScaledValue leading_;  // lc(P)
  std::vector<Part> parts_;
  std::vector<RealRoot> allRoots_;  // empty unless they are all of P's roots
};

}  // namespace factorix
