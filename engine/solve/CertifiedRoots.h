#pragma once

#include <gmpxx.h>

#include <chrono>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// A root known to lie within `radius` of re + im·i; im is exactly 0 for a
// root proven real.
struct CertifiedRoot {
  mpq_class re;
  mpq_class im;
  double radius = 0;  // an upper bound
};

// Every root of the square-free `f` (integer coefficients, degree >= 1,
// f(0) != 0), each isolated in a disc that ball arithmetic (Arb) proves to
// hold exactly one root; a disc centred on the real line holds a real root.
// Starting points come from Aberth's iteration in extended precision, then
// Newton's steps in ball arithmetic narrow each disc until the root is
// known to 10 significant digits in each nonzero part and to 6 decimals
// (a real part below 2^-90 of the root's size is given as 0).
//
// Order: the real roots ascending, then the others in conjugate pairs,
// the one with a positive imaginary part first. Throws EngineError(kOverflow)
// when `deadline` passes first. Every call into Arb works on at most the
// degree and precision reached so far, so none runs for long.
std::vector<CertifiedRoot> CertifiedRoots(const Polynomial& f, std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
