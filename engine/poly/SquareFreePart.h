#pragma once

#include <chrono>

#include "engine/poly/FlintTypes.h"

namespace factorix {

// The square-free part of f (degree >= 1): a primitive polynomial whose
// roots are those of f, each simple. Of gcd(f, f') and f / gcd(f, f'),
// both are rebuilt from their images modulo primes near 2^62 by the Chinese
// remainder theorem, and the first whose images stop changing and that two
// exact divisions prove right gives the part (see SquareFreePart.cpp), so
// that the cost follows the smaller of the two rather than the gcd over the
// integers: (x - M)^400 takes four primes. Throws EngineError(kOverflow)
// when `deadline` passes first, or at once past degree 20000, where the
// work modulo one prime alone would take too long.
void SquareFreePart(const fmpz_poly_struct* f, FmpzPoly& part, std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
