#pragma once

#include "engine/poly/IntegerPolynomial.h"

#include <gmpxx.h>

#include <cstdint>

namespace factorix {

// Lifts r0, a simple root of f modulo the odd prime q, to the root of f
// modulo q^k by Newton's iteration, doubling the precision at every step,
// and returns it in the symmetric range (-q^k/2, q^k/2]. `inverseSlope` is
// f'(r0)^-1 mod q. The steps whose modulus fits a machine word run in
// Montgomery arithmetic, the rest on GMP numbers.
mpz_class HenselLift(const Coefficients& f, std::uint32_t q, std::uint32_t r0,
                     std::uint32_t inverseSlope, unsigned long k);

}  // namespace factorix
