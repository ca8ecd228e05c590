#pragma once

#include <vector>

#include "engine/core/Deadline.h"
#include "engine/core/Polynomial.h"
#include "engine/graph/CurveEvaluator.h"
#include "engine/graph/RealRoots.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

// A point where P' = 0: a turning point, or a flat point of inflection.
struct StationaryPoint {
  double x;
  ScaledValue y;  // P(x); exactly 0 at a multiple root
};

// The real stationary points of `p` (trimmed, degree >= 2), ascending, their
// values from `values` (of p). `roots` are p's real roots, as RealRoots gives
// them. When they are all of p's roots (their multiplicities make up the
// degree), P' has one simple root between each two neighbours and none but
// the multiple roots elsewhere: each is narrowed by the signs of P' to a
// 2^-30 part of its gap, far below a pixel. Otherwise the roots of P' are
// isolated exactly. Throws EngineError(kOverflow) when `deadline` passes
// first.
std::vector<StationaryPoint> StationaryPoints(const Polynomial& p, const std::vector<RealRoot>& roots,
                                              CurveEvaluator& values, Deadline deadline);

}  // namespace factorix
