#pragma once

#include <gmpxx.h>

#include "engine/graph/ScaledValue.h"
#include "engine/poly/ArbTypes.h"

namespace factorix {

// An exact binary fraction: numerator * 2^exponent.
struct Dyadic {
  mpz_class numerator;
  long exponent = 0;
};

// The double nearest to `d`: ±infinity past the range of a double.
double ToDouble(const Dyadic& d);

// The scaled form of `value`, rounded to a double's precision.
ScaledValue FromArf(const arf_struct* value);

}  // namespace factorix
