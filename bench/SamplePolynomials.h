#pragma once

#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix::bench {

// Degree `degree`, every coefficient a digit in [-9, 9] drawn from `seed`;
// callers set the ends they need. Coefficients from the constant up.
Polynomial RandomDigits(int degree, unsigned seed);

// (x - r1)(x - r2)... times `rest`.
Polynomial WithRoots(const std::vector<long>& roots, Polynomial rest);

// from, from + 1, ..., to.
std::vector<long> Range(long from, long to);

}  // namespace factorix::bench
