#pragma once

#include <gmpxx.h>

namespace factorix {

// An exact binary fraction: numerator * 2^exponent.
struct Dyadic {
  mpz_class numerator;
  long exponent = 0;
};

// The double nearest to `d`: ±infinity past the range of a double.
double ToDouble(const Dyadic& d);

}  // namespace factorix
