#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

#include "engine/poly/FlintTypes.h"
#include "engine/poly/SparseTerms.h"

// The roots of an integer polynomial modulo a prime and their lifting to
// a power of it: what the integer and the rational root finders share.
namespace factorix {

// A prime with at most this many roots is taken at once; otherwise a few
// primes are tried and the one with the fewest roots kept, since every
// root modulo the prime is lifted and checked.
inline constexpr std::size_t kFewRoots = 8;

// b such that every root r of f (degree >= 1) has |r| < 2^b, from Fujiwara's
// bound 2 max |a_(n-i) / a_n|^(1/i) taken on the coefficients' bit lengths.
ulong RootBoundBits(const fmpz_poly_struct* f);

// A prime modulo which every root of g is simple, and those roots in
// [0, prime).
struct SimpleRootsModulo {
  mp_limb_t prime = 0;
  std::vector<mp_limb_t> roots;  // empty: none modulo the prime, so none at all
};

// SimpleRootsModulo for g, where g is f (degree >= 1) or, when f has
// repeated factors, its square-free part, left in `part` with g pointed at
// it. Throws EngineError(kOverflow) when `deadline` passes first.
SimpleRootsModulo FindSimpleRoots(const fmpz_poly_struct* f, FmpzPoly& part, const fmpz_poly_struct*& g,
                                  std::chrono::steady_clock::time_point deadline);

// Lifts simple roots of g modulo `prime` to a power of it with more than
// `bits` + 1 bits, by Newton's iteration doubling the precision each step.
// g's coefficients, which may be far longer, are reduced modulo the last
// power once for all the roots, since every step works modulo a divisor
// of it. g must outlive the lifter.
class RootLifter {
public:
  RootLifter(const fmpz_poly_struct* g, mp_limb_t prime, ulong bits);
  ~RootLifter();
  RootLifter(const RootLifter&) = delete;
  RootLifter& operator=(const RootLifter&) = delete;

  // Lifts r (a simple root modulo the prime, in [0, prime)) and leaves it
  // as the residue of least absolute value modulo modulus(). False when a
  // slope is not invertible (r is then no simple root). Throws
  // EngineError(kOverflow) when `deadline` passes first.
  bool Lift(fmpz* r, std::chrono::steady_clock::time_point deadline) const;

  // Lifts each of `roots` as Lift does, in their order, leaving out those
  // whose lift fails. More than kFewRoots roots of a polynomial of
  // moderate size are lifted together (see LiftTogether).
  std::vector<mpz_class> LiftAll(const std::vector<mp_limb_t>& roots,
                                 std::chrono::steady_clock::time_point deadline) const;

  const fmpz* modulus() const { return modulus_; }

private:
  const fmpz_poly_struct* g_;
  mp_limb_t prime_;
  slong exponent_ = 1;  // modulus_ = prime_^exponent_
  fmpz_t modulus_;
  fmpz_poly_t reduced_;  // g modulo modulus_
  std::optional<SparseTerms> terms_;  // of reduced_
};

}  // namespace factorix
