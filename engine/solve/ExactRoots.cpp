#include "engine/solve/ExactRoots.h"

#include <acb.h>
#include <arb.h>
#include <flint/ulong_extras.h>

#include <cstdint>

#include "engine/core/EngineError.h"
#include "engine/poly/ArbTypes.h"
#include "engine/solve/ArbNumbers.h"

namespace factorix {

namespace {

// Primes tried by division before anything else.
constexpr unsigned long kTrialPrimesBelow = 1 << 12;

// Takes every square of `prime` out of `rest` into `root`.
void TakeSquares(mpz_class& rest, mpz_class& root, const mpz_class& prime) {
  const mpz_class square = prime * prime;
  while (mpz_divisible_p(rest.get_mpz_t(), square.get_mpz_t())) {
    rest /= square;
    root *= prime;
  }
}

// Bits of working precision that leave `bits` of relative accuracy after
// the sum of a rational and a surd that nearly cancel: doubled until Arb
// says so, from a start that covers the numbers' own sizes.
constexpr slong kWantedBits = 100;
constexpr slong kMaxBits = slong{1} << 20;



// Sets `out` to rational + surd * sqrt(radicand) at `prec` bits.
void SetSurd(arb_t out, const mpq_class& rational, const mpq_class& surd, const mpz_class& radicand, slong prec) {
  Arb term;
  Fmpz d;
  fmpz_set_mpz(d.get(), radicand.get_mpz_t());
  arb_sqrt_fmpz(out, d.get(), prec);
  SetRational(term.get(), surd, prec);
  arb_mul(out, out, term.get(), prec);
  SetRational(term.get(), rational, prec);
  arb_add(out, out, term.get(), prec);
}

// The working precision to start from for the numbers of `root`.
slong StartingBits(const ExactRoot& root) {
  const auto bits = [](const mpz_class& n) { return static_cast<slong>(mpz_sizeinbase(n.get_mpz_t(), 2)); };
  return kWantedBits + 32 + bits(root.radicand) + bits(root.rational.get_num()) + bits(root.rational.get_den()) +
         bits(root.surd.get_num()) + bits(root.surd.get_den());
}

// rational + surd * sqrt(radicand), or its surd part alone, to kWantedBits.
mpq_class SurdValue(const mpq_class& rational, const mpq_class& surd, const mpz_class& radicand) {
  Arb value;
  ExactRoot sizes{rational, surd, radicand, false};
  for (slong prec = StartingBits(sizes);; prec *= 2) {
    if (prec > kMaxBits) throw EngineError(kOverflow);
    SetSurd(value.get(), rational, surd, radicand, prec);
    if (arb_rel_accuracy_bits(value.get()) >= kWantedBits) break;
  }
  return Midpoint(value.get());
}


// rational - size * sqrt(radicand) and rational + size * sqrt(radicand)
// (times i on the surd when imaginary), rational when the radicand is 1 and
// the roots are real.
std::vector<ExactRoot> PlusMinus(const mpq_class& rational, const mpq_class& size, const mpz_class& radicand,
                                 bool imaginary) {
  ExactRoot minus, plus;
  minus.rational = plus.rational = rational;
  if (radicand == 1 && !imaginary) {
    minus.rational -= size;
    plus.rational += size;
  } else {
    minus.surd = -size;
    plus.surd = size;
    minus.radicand = plus.radicand = radicand;
    minus.imaginary = plus.imaginary = imaginary;
  }
  return {minus, plus};
}

}  // namespace

SquareSplit SplitSquares(const mpz_class& n) {
  SquareSplit split;
  split.rest = n;
  for (unsigned long p = 2; p < kTrialPrimesBelow; p = n_nextprime(p, 1)) TakeSquares(split.rest, split.root, p);
  if (mpz_perfect_square_p(split.rest.get_mpz_t())) {
    mpz_class root;
    mpz_sqrt(root.get_mpz_t(), split.rest.get_mpz_t());
    split.root *= root;
    split.rest = 1;
  } else if (mpz_fits_ulong_p(split.rest.get_mpz_t())) {
    n_factor_t factors;
    n_factor_init(&factors);
    n_factor(&factors, mpz_get_ui(split.rest.get_mpz_t()), 0);
    for (int i = 0; i < factors.num; ++i) TakeSquares(split.rest, split.root, mpz_class(factors.p[i]));
  }
  return split;
}

mpz_class Discriminant(const mpz_class& a, const mpz_class& b, const mpz_class& c) { return b * b - 4 * a * c; }

std::vector<ExactRoot> QuadraticRoots(const mpz_class& a, const mpz_class& b, const mpz_class& c) {
  const mpz_class discriminant = Discriminant(a, b, c);
  const mpq_class vertex = Fraction(-b, 2 * a);
  if (discriminant == 0) return {RationalRoot(vertex)};
  // sqrt|discriminant| / 2|a| = root / 2|a| * sqrt(rest)
  const SquareSplit split = SplitSquares(abs(discriminant));
  return PlusMinus(vertex, Fraction(split.root, 2 * abs(a)), split.rest, discriminant < 0);
}

std::vector<ExactRoot> SquareRoots(const mpq_class& t) {
  // sqrt(p/q) = sqrt(pq) / q
  const SquareSplit split = SplitSquares(abs(t.get_num()) * t.get_den());
  return PlusMinus(0, Fraction(split.root, t.get_den()), split.rest, t < 0);
}

std::vector<Root> ApproximateSquareRoots(const ExactRoot& t) {
  Acb owner;
  Arb signOwner;
  acb_struct* value = owner.get();
  arb_struct* sign = signOwner.get();
  for (slong prec = StartingBits(t);; prec *= 2) {
    if (prec > kMaxBits) throw EngineError(kOverflow);
    if (t.imaginary) {
      SetRational(acb_realref(value), t.rational, prec);
      SetSurd(acb_imagref(value), 0, t.surd, t.radicand, prec);
    } else {
      SetSurd(acb_realref(value), t.rational, t.surd, t.radicand, prec);
      arb_zero(acb_imagref(value));
      arb_set(sign, acb_realref(value));
      if (arb_contains_zero(sign)) continue;  // not yet known to be positive or negative
    }
    acb_sqrt(value, value, prec);
    const bool realDone = arb_is_zero(acb_realref(value)) || arb_rel_accuracy_bits(acb_realref(value)) >= kWantedBits;
    const bool imagDone = arb_is_zero(acb_imagref(value)) || arb_rel_accuracy_bits(acb_imagref(value)) >= kWantedBits;
    if (realDone && imagDone) break;
  }
  Root plus;
  plus.re = Midpoint(acb_realref(value));
  plus.im = Midpoint(acb_imagref(value));
  if (!t.imaginary) {
    // sqrt of a positive number is real, of a negative one imaginary.
    if (arb_is_positive(sign)) {
      plus.im = 0;
    } else {
      plus.re = 0;
    }
  }
  Root minus = plus;
  minus.re = -plus.re;
  minus.im = -plus.im;
  return {minus, plus};
}

mpq_class Fraction(const mpz_class& numerator, const mpz_class& denominator) {
  mpq_class out;
  mpz_set(mpq_numref(out.get_mpq_t()), numerator.get_mpz_t());
  mpz_set(mpq_denref(out.get_mpq_t()), denominator.get_mpz_t());
  mpq_canonicalize(out.get_mpq_t());
  return out;
}

ExactRoot RationalRoot(const mpq_class& value) {
  ExactRoot root;
  root.rational = value;
  return root;
}

bool operator==(const ExactRoot& a, const ExactRoot& b) {
  return a.rational == b.rational && a.surd == b.surd && a.radicand == b.radicand && a.imaginary == b.imaginary;
}

Root ToRoot(const ExactRoot& root) {
  Root out;
  out.exact = root;
  if (root.IsRational()) {
    out.re = root.rational;
  } else if (root.imaginary) {
    out.re = root.rational;
    out.im = root.radicand == 1 ? root.surd : SurdValue(0, root.surd, root.radicand);
  } else {
    out.re = SurdValue(root.rational, root.surd, root.radicand);
  }
  return out;
}

}  // namespace factorix
