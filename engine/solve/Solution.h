#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

#include "engine/core/Polynomial.h"
#include "engine/factor/Factorization.h"

// The worked solution of a polynomial with integer coefficients, as a
// student writes it: common factor, integer and rational candidates tried
// with the remainder theorem, Ruffini's tables, the last linear, quadratic
// or biquadratic equation, approximate roots where no exact form is at
// hand, and every root with its multiplicity. Only numbers: the words and
// the layout belong to whoever shows it.
//
// Polynomials here are trimmed: no zero at the top.
namespace factorix {

// x = rational + surd * sqrt(radicand), with the surd part times i when
// `imaginary`. The radicand is square-free as far as its small primes go
// (sqrt(12) is 2*sqrt(3)); a rational root has surd 0 and radicand 1.
struct ExactRoot {
  mpq_class rational;
  mpq_class surd;          // 0 for a rational number
  mpz_class radicand = 1;  // >= 2 for a real surd, >= 1 for an imaginary one
  bool imaginary = false;  // the surd part is surd * sqrt(radicand) * i
  bool IsRational() const { return surd == 0; }
};

// One root of the polynomial. `re` and `im` are exact when they are
// rational (an integer or rational root, the real part of a complex root
// from a quadratic). Otherwise they are the midpoints of an enclosure that
// Arb certifies: to 100 bits for an exact root, and for an approximate one
// close enough for 10 significant digits of each nonzero part and 6
// decimals (a real part below 2^-90 of the root's size is then 0). A root
// is real exactly when im == 0.
struct Root {
  std::optional<ExactRoot> exact;  // nullopt: known only approximately
  mpq_class re;
  mpq_class im;
  unsigned multiplicity = 1;
  bool IsReal() const { return im == 0; }
};

// Which part of the work a list of trials or a table belongs to.
enum class Stage {
  kLineRoot,       // the division by the root of a result line, which opens the work
  kIntegerRoots,   // integer candidates: the divisors of the constant term
  kRationalRoots,  // rational candidates p/q, q > 1 dividing the leading coefficient
};

// At most this many trials without a root are kept in one TrialsStep; the
// others are only counted.
inline constexpr std::size_t kMaxShownFailedTrials = 30;

// Candidates tried in order with the remainder theorem: the remainder of
// `polynomial` divided by (x - c) is polynomial(c).
struct TrialsStep {
  Stage stage = Stage::kIntegerRoots;
  Polynomial polynomial;
  // The first failed trials (at most kMaxShownFailedTrials), then the
  // root's trial (remainder 0) when this list finds one.
  std::vector<mpq_class> candidates;
  std::vector<mpq_class> remainders;  // remainders[i] belongs to candidates[i]
  std::size_t hiddenFailures = 0;     // failed trials not in `candidates`
  bool foundRoot = false;             // the last candidate is a root
};

// Ruffini's rule, every row from the highest power down:
//
//          | d[0]   d[1]          ...  d[n]
//     root |        root*q[0]     ...  root*q[n-1]
//     -----+------------------------------------
//            q[0]   q[1]          ...  | remainder
//
// Rational where the root is a fraction p/q. The factor taken out is
// (x - root) for an integer root and (qx - p) for p/q; the work goes on
// with `next`, the quotient divided by q (the quotient itself for an
// integer root), which has integer coefficients.
struct RuffiniStep {
  Stage stage = Stage::kIntegerRoots;
  mpq_class root;
  std::vector<mpq_class> dividend;  // n + 1: every power, zeros included
  std::vector<mpq_class> products;  // n, under dividend[1..n]
  std::vector<mpq_class> quotient;  // n: degree n - 1
  mpq_class remainder;              // 0
  Polynomial factor;           // x - r, or qx - p
  Polynomial next;             // what the work goes on with
};

// ax + b = 0, x = -b/a.
struct LinearStep {
  Polynomial polynomial;
  ExactRoot root;
};

// ax^2 + bx + c = 0 with its discriminant b^2 - 4ac: two real roots
// (discriminant > 0), one double root (= 0), or two complex ones (< 0),
// each in its simplest exact form: real roots ascending, complex ones
// with the negative imaginary part first.
struct QuadraticStep {
  Polynomial polynomial;
  mpz_class discriminant;
  std::vector<ExactRoot> roots;  // 2, or 1 for the double root
};

// ax^4 + bx^2 + c = 0 through t = x^2: at^2 + bt + c = 0 with its
// discriminant, its roots t, then x = +-sqrt(t) for each. x is exact when
// t is rational; otherwise those roots are approximations.
struct BiquadraticStep {
  Polynomial polynomial;  // degree 4, only even powers
  mpz_class discriminant;      // b^2 - 4ac of the quadratic in t
  std::vector<ExactRoot> t;    // 2, or 1 for a double t
  // x, for each t in turn: -sqrt(t), then +sqrt(t); multiplicity 2 each
  // for a double t. Exact when t is rational.
  std::vector<Root> roots;
};

// A factor without rational roots that has no exact form here: its real
// roots, certified and ascending, and how many of its roots are not real.
struct ApproximateStep {
  Polynomial polynomial;
  std::vector<Root> realRoots;  // exact == nullopt, im == 0
  std::size_t nonRealCount = 0;
};

// What is left, split into its irreducible factors over the integers; each
// factor then gets a step of its own. Only for the reader of the steps: the
// JSON form leaves it out.
struct SplitStep {
  Polynomial polynomial;  // = content * product of factors^multiplicity
  mpz_class content = 1;  // 1 but after a result line's root
  std::vector<FactorPower> factors;
};

using SolutionStep =
    std::variant<TrialsStep, RuffiniStep, LinearStep, QuadraticStep, BiquadraticStep, ApproximateStep, SplitStep>;

struct Solution {
  Polynomial polynomial;  // P, trimmed; empty for the zero polynomial
  // P = content * x^xPower * rest. The content carries the sign of P's
  // leading coefficient; content 1 and xPower 0 mean there is no common
  // factor to take out. From a result line's root: content 1, and xPower
  // the power of x the quotient still holds (0 but for a polynomial whose
  // constant term is 0).
  mpz_class content = 1;
  unsigned xPower = 0;
  Polynomial rest;
  std::vector<SolutionStep> steps;  // in the order they are written
  // Every root of P, each once with its multiplicity: the real ones
  // ascending, then the others by real part, then imaginary part.
  std::vector<Root> roots;
  Factorization factorization;  // of P over the integers
};

// Bounds past which a polynomial is too large to solve: those of
// Factorize (degree and degree times coefficient bits), and this many
// decimal digits in all the tables and trials together.
inline constexpr std::size_t kMaxSolutionDigits = 2000000;

// The whole solution of `p` (p[i] multiplies x^i; zeros at the top
// allowed), from the common factor on. Throws EngineError(kOverflow) when
// `p` passes the bounds, when a constant term or leading coefficient cannot
// be factored in time to list its candidates, or when the work would take
// more than about a second.
Solution Solve(Polynomial p);

// The solution from the root of a result line: P divided by (x - root)
// (whose only trial is P(root) = 0), then the same steps on the quotient.
// Throws EngineError(kInvalidCall) when `root` is not a root of `p`, and
// EngineError(kOverflow) as Solve does.
Solution SolveFromRoot(Polynomial p, const mpz_class& root);

}  // namespace factorix
