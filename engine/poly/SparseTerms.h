#pragma once

#include <gmpxx.h>

#include <chrono>
#include <vector>

#include "engine/poly/FlintTypes.h"

namespace factorix {

// The nonzero terms of an integer polynomial f, so that one of high degree
// with few terms (x^100000 + a x + c) is evaluated in one step per term,
// raising the point to the gap between two terms, instead of one step per
// power. A dense polynomial costs what Horner's rule costs. Views f's
// coefficients: f must outlive this and stay unchanged.
class SparseTerms {
public:
  using Clock = std::chrono::steady_clock;

  explicit SparseTerms(const fmpz_poly_struct* f);

  // f(r) and f'(r) modulo m (m >= 1), each in [0, m).
  void ValueAndSlopeModulo(const fmpz* r, const fmpz* m, fmpz* value, fmpz* slope) const;

  // f(r) modulo the word prime p, from the residues `residues` of the terms
  // (see Residues) and r mod p.
  mp_limb_t ValueModulo(mp_limb_t r, mp_limb_t p, const std::vector<mp_limb_t>& residues) const;

  // The residues of the terms modulo p, in the order ValueModulo takes them.
  std::vector<mp_limb_t> Residues(mp_limb_t p) const;

  // Whether f(r) = 0 exactly, r nonzero. Found by dividing f by x - r from
  // the constant upwards (f = (x - r) q gives q_i = (q_(i-1) - a_i) / r,
  // which must divide exactly at every step and end at the leading
  // coefficient), a run of zero coefficients at once by a power of r. The
  // numbers stay below the sum of |a_i|. Throws EngineError(kOverflow) when
  // `deadline` passes first.
  bool IsRoot(const fmpz* r, Clock::time_point deadline) const;

private:
  struct Term {
    slong power;
    const fmpz* coefficient;  // nonzero
  };
  std::vector<Term> terms_;  // by descending power; empty for the zero polynomial
};

// A quick test that an integer is no root of f: f's value modulo two word
// primes. Building it reads every coefficient once; each test then costs
// what SparseTerms::ValueModulo costs, twice at most.
class RootFilter {
public:
  explicit RootFilter(const SparseTerms& terms);

  // False when f(r) is certainly not 0; true means: check exactly.
  bool MayBeRoot(const fmpz* r) const;

  // The same for the root -b/a of a x + b (a nonzero): false when it is
  // certainly no root of f.
  bool MayBeRootOf(const mpz_class& b, const mpz_class& a) const;

private:
  const SparseTerms& terms_;
  std::vector<mp_limb_t> residues_[2];
};

}  // namespace factorix
