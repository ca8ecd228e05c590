#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/search/Factorizer.h"
#include "engine/solve/Solution.h"

// The candidates for the roots of a polynomial and their trials with the
// remainder theorem: ±d for the divisors d of the constant term, ascending
// d, -d before +d; then ±p/q in lowest terms, p dividing the constant term
// and q > 1 the leading coefficient, ascending p/q, - before +.
namespace factorix {

// The same numbers as fractions with denominator 1.
std::vector<mpq_class> AsFractions(const std::vector<mpz_class>& numbers);

using SolveClock = std::chrono::steady_clock;

// Most candidates of one kind a list may hold; a number with more divisors
// than this (or more pairs p/q) ends the work with kOverflow, as the search
// does for its own list.
inline constexpr std::size_t kMaxCandidates = 2000000;

// A whole number >= 1 kept with its primes, so that its divisors can be
// listed, and the number divided by one of them, without factoring again.
class FactoredNumber {
public:
  // Factors |n| (nonzero). Throws EngineError(kOverflow) when that cannot be
  // done before `deadline`.
  FactoredNumber(const mpz_class& n, SolveClock::time_point deadline);

  const mpz_class& value() const { return value_; }
  // Divides by `d`, which divides value().
  void Divide(const mpz_class& d);
  // The divisors up to `bound`, ascending. Throws kOverflow past
  // kMaxCandidates of them or past `deadline`.
  std::vector<mpz_class> DivisorsUpTo(const mpz_class& bound, SolveClock::time_point deadline) const;
  // How many divisors value() has that share no prime with `other`.
  mpz_class DivisorsPrimeTo(const mpz_class& other) const;

private:
  mpz_class value_;
  std::vector<PrimePower> primes_;  // ascending; exponents may drop to 0
};

// The trials of the integer candidates of `q` (q(0) != 0, whose constant
// term `constant` is) from `from` on, `from` included, up to `root`, the
// first remaining integer root of q in the candidates' order (none: every
// candidate left fails). The step holds no candidate when none is left.
TrialsStep IntegerTrials(const Polynomial& q, const FactoredNumber& constant, const mpz_class& from,
                         const std::optional<mpz_class>& root, SolveClock::time_point deadline);

// The same for the rational candidates p/q with q > 1, from `from` on
// (nullopt: from the first), up to the first remaining root that is not an
// integer.
TrialsStep RationalTrials(const Polynomial& q, const FactoredNumber& constant, const FactoredNumber& leading,
                          const std::optional<mpq_class>& from, const std::optional<mpq_class>& root,
                          SolveClock::time_point deadline);

// True when `a` comes before `b` among the candidates: by absolute value,
// -v before +v.
bool CandidateOrder(const mpq_class& a, const mpq_class& b);

// q(v) for a rational v, exactly.
mpq_class ValueAtRational(const Polynomial& q, const mpq_class& v);

}  // namespace factorix
