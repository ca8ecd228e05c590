#pragma once

#include <gmpxx.h>

#include <memory>
#include <vector>

#include "engine/core/Deadline.h"
#include "engine/core/Polynomial.h"
#include "engine/poly/FlintTypes.h"

namespace factorix {

// P as c (v1 x - u1)^m1 ... g1^e1 g2^e2 ...: its rational roots u/v as
// primitive linear factors, and the rest as square-free parts without a
// rational root. The roots of the linear factors are known exactly, and
// only the parts are left to isolate; each factor is also evaluated on its
// own, losing far fewer digits near a root than P's coefficients would.
struct CurveFactors {
  struct Linear {
    mpz_class u, v;  // v x - u, v > 0, gcd(u, v) = 1
    unsigned multiplicity;
  };
  struct Part {
    std::unique_ptr<FmpzPoly> poly;  // degree >= 1, square-free, primitive, no root 0 (nor a rational one)
    unsigned multiplicity;
  };

  mpz_class content;            // signed; 0 for the zero polynomial
  std::vector<Linear> linear;   // in no particular order
  std::vector<Part> parts;
};

// The factors of `p` (trimmed); without `rationalRoots`, only the root 0 is
// split off and the parts keep their other rational roots. Throws
// EngineError(kOverflow) when `deadline` passes first.
void FactorForCurve(const Polynomial& p, Deadline deadline, CurveFactors& factors, bool rationalRoots = true);

}  // namespace factorix
