#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/factor/Factorization.h"

namespace factorix {

// The steps behind the result line of `root`: `p` divided by (x - root),
// then each quotient by its next integer root in the order of the roots,
// each repeated root as often as it divides, until no integer root is left
// or the quotient is a constant. `factorization` is that of `p`. Stops after
// the first table when `root` is no root. Empty for the zero polynomial.
std::vector<RuffiniTable> RuffiniSteps(const Polynomial& p, const mpz_class& root,
                                       const Factorization& factorization);

}  // namespace factorix
