#pragma once

#include <gmpxx.h>

#include <optional>

#include "app/SolutionSheet.h"
#include "engine/core/Polynomial.h"

// The sheet of «Resolución paso a paso» for `polynomial` (read once from a
// sum of terms): from `root` on, the root of a result line, or the whole
// solution when there is none. Throws EngineError(kOverflow) when the work
// is too large to find or to show.
SolutionSheet BuildSheet(const factorix::Polynomial& polynomial, const std::optional<mpz_class>& root);
