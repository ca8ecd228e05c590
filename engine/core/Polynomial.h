#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <limits>
#include <vector>

// Dense polynomials with integer coefficients: p[i] multiplies x^i. A
// polynomial may hold zero coefficients at its top, as a text may write
// 0xe2; Trim drops them, and the zero polynomial trimmed is empty.
namespace factorix {

using Polynomial = std::vector<mpz_class>;

// Drops the zero coefficients of the highest powers.
void Trim(Polynomial& p);

// The highest power with a nonzero coefficient; -1 for the zero polynomial.
int Degree(const Polynomial& p);

// True when every coefficient is 0 (also for the empty polynomial).
bool IsZero(const Polynomial& p);

// p(x), by Horner's rule.
mpz_class ValueAt(const Polynomial& p, const mpz_class& x);

// No bound on the size of a quotient.
inline constexpr std::size_t kAnyQuotientBits = std::numeric_limits<std::size_t>::max();

// The quotient of p by (x - r) by Ruffini's rule, into `quotient`, whose
// numbers are reused: every coefficient of p takes part, zeros at the top
// included, so the quotient has p.size() - 1 coefficients (none when p has
// fewer than two). The remainder p(r) is dropped. For a root r the
// quotient's coefficients stay below the sum of |p[i]|; for a value that is
// no root they grow like r^i, so past `maxBits` bits in all (not counting
// the leading coefficient, p's own) it throws EngineError(kOverflow).
void DivideByRoot(const Polynomial& p, const mpz_class& r, Polynomial& quotient,
                  std::size_t maxBits = kAnyQuotientBits);

// The same quotient, returned.
Polynomial DivideByRoot(const Polynomial& p, const mpz_class& r);

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

  // The quotient as a polynomial, lowest power first.
  Polynomial QuotientCoefficients() const;
};

// Divides `dividend` (zeros at the top count as powers) by (x - root).
RuffiniTable DivideWithTable(const Polynomial& dividend, const mpz_class& root);

}  // namespace factorix
