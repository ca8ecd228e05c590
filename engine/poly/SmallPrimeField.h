#pragma once

#include "engine/core/WideInt.h"

#include <cstdint>
#include <vector>

namespace factorix {

// Residues of a polynomial modulo a small prime, lowest power first.
using Residues = std::vector<std::uint32_t>;

// Arithmetic modulo a prime q < 2^15, so that a product of two residues plus
// a residue fits 32 bits; reductions use a precomputed reciprocal instead of
// a division.
class SmallPrimeField {
public:
  explicit SmallPrimeField(std::uint32_t q);

  std::uint32_t Prime() const { return q_; }

  // a mod q for any 32-bit a.
  std::uint32_t Mod(std::uint32_t a) const {
    const std::uint64_t low = reciprocal_ * a;
    return static_cast<std::uint32_t>((static_cast<uint128>(low) * q_) >> 64);
  }

  // The residues of a polynomial given its residues modulo a multiple of q.
  Residues Reduce(const std::vector<std::uint32_t>& residues) const;

  // f(x) and f'(x); x < q.
  std::uint32_t Eval(const Residues& f, std::uint32_t x) const;
  std::uint32_t EvalDerivative(const Residues& f, std::uint32_t x) const;

  // a^-1 for a nonzero a < q.
  std::uint32_t Inverse(std::uint32_t a) const;

  // Every x in [0, q) with f(x) = 0, ascending; f's leading residue nonzero.
  Residues Roots(const Residues& f) const;

private:
  std::uint32_t q_;
  std::uint64_t reciprocal_;  // 2^64 / q rounded up
};

// Consecutive primes from 11 on whose product stays below 2^32, so that one
// division of a big coefficient gives its residues for the whole group.
struct PrimeGroup {
  std::uint32_t product;
  std::vector<std::uint32_t> primes;
};

// The groups, covering every prime from 11 to 2^15.
const std::vector<PrimeGroup>& SmallPrimeGroups();

}  // namespace factorix
