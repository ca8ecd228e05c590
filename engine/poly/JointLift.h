#pragma once

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/poly/FlintTypes.h"

namespace factorix {

// Lifts the simple roots `roots` of g modulo the prime p (distinct, in
// [0, p), at least two) together to roots modulo p^exponent, by lifting
// g's factorisation modulo p, into the x - r and one cofactor without
// roots, along a product tree: one pass for all the roots instead of a
// pass over g for each. Returns them in the order of `roots`, each as its
// residue of least absolute value. nullopt where this does not apply: g
// modulo p loses its degree or has a repeated factor, or g is too large
// for one uninterruptible call (degree times the modulus's bits past
// kMostJointLiftSize).
std::optional<std::vector<mpz_class>> LiftTogether(const fmpz_poly_struct* g, mp_limb_t p,
                                                   const std::vector<mp_limb_t>& roots, slong exponent);

// Bits of the modulus times g's degree up to which LiftTogether takes g:
// the lift of degree 400 to 130 bits takes about 25 ms.
inline constexpr ulong kMostJointLiftSize = ulong{1} << 21;

// The product of the polynomials `factors` (at least one), two halves at
// a time, so that the numbers grow evenly.
void MultiplyOut(const std::vector<Polynomial>& factors, FmpzPoly& out);

}  // namespace factorix
