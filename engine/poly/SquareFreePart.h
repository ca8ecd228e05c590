#pragma once

#include <chrono>

#include "engine/poly/FlintTypes.h"

namespace factorix {

// The square-free part of f (degree >= 1): a primitive polynomial whose
// roots are those of f, each simple. Found from its images modulo primes
// near 2^62, put together by the Chinese remainder theorem until they stop
// changing, and proven by two exact divisions (see SquareFreePart.cpp), so
// that its cost follows the size of the part rather than that of
// gcd(f, f'): (x - M)^400 takes four primes. Throws EngineError(kOverflow)
// when `deadline` passes first.
void SquareFreePart(const fmpz_poly_struct* f, FmpzPoly& part, std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
