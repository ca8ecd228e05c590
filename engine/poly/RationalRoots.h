#pragma once

#include <chrono>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// The rational roots u/v of f (degree >= 1, f(0) != 0), each once, as the
// primitive linear factor v x - u with v > 0, in no particular order. Found
// as the integer roots are: roots modulo a prime where they are simple,
// lifted until lc(f) times the root, an integer below lc(f) times the bound
// on the roots, can be read off, and checked by exact division. Throws
// EngineError(kOverflow) when `deadline` passes first.
std::vector<Polynomial> RationalRootFactors(const Polynomial& f, std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
