#pragma once

#include <arb.h>
#include <gmpxx.h>

// Between GMP's rationals and Arb's balls.
namespace factorix {

// The exact value of the ball's midpoint (a binary fraction).
mpq_class Midpoint(const arb_t x);

// `out` = q, rounded to `prec` bits.
void SetRational(arb_t out, const mpq_class& q, slong prec);

}  // namespace factorix
