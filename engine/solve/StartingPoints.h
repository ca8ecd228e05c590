#pragma once

#include <chrono>
#include <complex>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

using ExtendedComplex = std::complex<long double>;

// Approximations of every root of `f` (degree n >= 1, f(0) != 0) for the
// certified stage to start from: n points on circles whose radii come from
// the Newton polygon of log|f[i]|, moved by Aberth's iteration in long
// double (64-bit mantissa, exponents up to about ±16000) until they settle
// or `deadline` passes. Empty when the coefficients span more than long
// double can hold; then `PolygonStart` alone is what there is.
std::vector<ExtendedComplex> AberthRoots(const Polynomial& f, std::chrono::steady_clock::time_point deadline);

// The starting points of Aberth's iteration, as (log2 of the radius,
// angle) pairs so that any size can be written: n of them.
struct PolarPoint {
  double log2Radius;
  double angle;
};
std::vector<PolarPoint> PolygonStart(const Polynomial& f);

}  // namespace factorix
