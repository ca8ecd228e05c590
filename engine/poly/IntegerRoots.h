#pragma once

#include <gmpxx.h>

#include <chrono>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// The nonzero integer roots of `p` that divide `constant` (nonzero), each
// once, in the search's candidate order: by absolute value, -r before +r.
// Empty for the zero polynomial. Found on FLINT: the square-free part, its
// roots modulo a prime that keeps it square-free, lifted past a bound on the
// roots and checked exactly. Throws EngineError(kOverflow) when `deadline`
// passes first.
std::vector<mpz_class> IntegerRootsDividing(
    const Polynomial& p, const mpz_class& constant,
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

}  // namespace factorix
