#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/text/Polynomial.h"

namespace factorix {

// The nonzero integer roots of `p` that divide `constant` (nonzero), in the
// search's candidate order: by absolute value, -r before +r. `p` must not be
// identically zero. Throws EngineError(kOverflow) only for a constructed
// polynomial too large to settle in time (see RootFinder).
std::vector<mpz_class> IntegerRootsDividing(const Polynomial& p, const mpz_class& constant);

}  // namespace factorix
