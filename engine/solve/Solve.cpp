#include "engine/solve/Solution.h"

#include "engine/core/EngineError.h"

namespace factorix {

// The procedure lands in the next commits; until then every polynomial is
// refused as too large, which callers already handle.
Solution Solve(DensePolynomial) { throw EngineError(kOverflow); }

Solution SolveFromRoot(DensePolynomial, const mpz_class&) { throw EngineError(kOverflow); }

}  // namespace factorix
