#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/factor/Coefficients.h"
#include "engine/factor/Factorization.h"

namespace factorix {

// One division by (x - root) with Ruffini's rule, as it is written in class,
// every row from the highest power down:
//
//          | d[0]   d[1]          d[2]          ...  d[n]
//     root |        root*q[0]     root*q[1]     ...  root*q[n-1]
//     -----+-----------------------------------------------------
//            q[0]   q[1]          q[2]          ...  | remainder
//
// with q[0] = d[0], q[k] = d[k] + root*q[k-1] and remainder = d[n] +
// root*q[n-1], the value of the dividend at root.
struct RuffiniTable {
  mpz_class root;
  std::vector<mpz_class> dividend;   // n + 1 coefficients, every power, zeros included
  std::vector<mpz_class> products;   // n: root times the quotient's value before, under dividend[1..n]
  std::vector<mpz_class> quotient;   // n coefficients, degree n - 1
  mpz_class remainder;

  // Coefficients of the quotient, coeffs[i] multiplying x^i.
  Coefficients QuotientCoefficients() const;
};

// Divides `dividend` (coeffs[i] multiplies x^i, trimmed, degree >= 1) by
// (x - root).
RuffiniTable DivideWithTable(const Coefficients& dividend, const mpz_class& root);

// The steps behind the result line of `root`: `p` divided by (x - root),
// then each quotient by its next integer root in the order of the roots,
// each repeated root as often as it divides, until no integer root is left
// or the quotient is a constant. `factorization` is that of `p`. Stops after
// the first table when `root` is no root. Empty for the zero polynomial.
std::vector<RuffiniTable> RuffiniSteps(const Coefficients& p, const mpz_class& root,
                                       const Factorization& factorization);

}  // namespace factorix
