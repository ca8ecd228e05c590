#pragma once

#include <vector>

#include "engine/core/Deadline.h"
#include "engine/core/Polynomial.h"
#include "engine/graph/CurveFactors.h"

namespace factorix {

// A real root of an integer polynomial.
struct RealRoot {
  double value;           // the root rounded to a double (exact for a dyadic root)
  unsigned multiplicity;  // >= 1
};

// Every distinct real root of `p` (trimmed, not the zero polynomial),
// ascending, each with its multiplicity. Certified: the rational roots are
// exact (rounded to the nearest double), the square-free parts without one
// are isolated exactly with Descartes' rule of signs and each root is
// narrowed by exact signs until its interval rounds to one double. Throws
// EngineError(kOverflow) for a root beyond 1e300 in absolute value, or when
// `deadline` passes first.
std::vector<RealRoot> RealRoots(const Polynomial& p, Deadline deadline);
// The same from p's factors, already split.
std::vector<RealRoot> RealRoots(const CurveFactors& factors, Deadline deadline);

// The distinct real roots of p (its factors) below `low` and above `high`
// (low <= high), ascending, certified and narrowed as above. Each side is
// searched only beyond its limit, so that the roots between low and high
// cost little.
std::vector<double> RealRootsOutside(const CurveFactors& factors, double low, double high, Deadline deadline);

}  // namespace factorix
