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
// values from `values` (of p, told p's real roots). `roots` are p's real roots, as RealRoots gives
// them. The multiple roots are stationary points, and P' changes sign
// between each two neighbouring roots: one point there is narrowed by the
// signs of P' to a 2^-30 part of the gap, far below a pixel. When the roots
// are all of p's roots (their multiplicities make up the degree), that is
// every stationary point. Otherwise there may be more between two roots,
// which are not all sought: where one of a few points of the gap is higher
// than the one found, a turning point next to it is narrowed too, so that
// the y-range shows the gap's highest hump. The roots
// of P' beyond the outermost roots, or all of them when p has no real root,
// are isolated exactly. Throws EngineError(kOverflow) when `deadline`
// passes first.
std::vector<StationaryPoint> StationaryPoints(const Polynomial& p, const std::vector<RealRoot>& roots,
                                              CurveEvaluator& values, Deadline deadline);

}  // namespace factorix
