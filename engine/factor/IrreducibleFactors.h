#pragma once

#include <chrono>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// The irreducible factors of the primitive square-free f (degree >= 2, no
// rational root), each primitive with a positive leading coefficient, from
// FLINT's fmpz_poly_factor.
//
// FLINT's time there follows neither the degree nor the size alone: the
// product of 200 quadratics x^2 + k takes a few milliseconds, x^360 - 1
// seconds, and its calls cannot be interrupted. So FLINT runs in a child
// process of its own, a new image of this program (safe from a process
// with threads), bounded to 256 MB more than it takes at start, and killed
// at `deadline`; then, or when the child fails, this throws
// EngineError(kOverflow). Polynomials of degree 2 and 3 are irreducible here
// (a reducible one has a rational root); those of degree up to 12 with
// coefficients of up to 128 bits take FLINT about a millisecond at most,
// far less than starting the child, and are factored in this process
// whatever the deadline.
std::vector<Polynomial> IrreducibleFactors(const Polynomial& f, std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
