#include "engine/search/Factorizer.h"

#include <flint/ulong_extras.h>

#include <algorithm>

#include "engine/core/EngineError.h"
#include "engine/poly/FlintTypes.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

void CheckDeadline(Clock::time_point deadline) {
  if (Clock::now() > deadline) throw EngineError(kOverflow);
}

// The size of factor, in bits, that the curves look for in a part of
// `bits` bits (up to Factorizer::kMaxCurveBits): FLINT takes about 60 ms
// for each pair of sizes below.
slong CurveFactorBits(flint_bitcnt_t bits) {
  struct CurveSize {
    flint_bitcnt_t partBits;  // largest part, in bits
    slong factorBits;         // factor looked for, in bits
  };
  constexpr CurveSize kSizes[] = {{256, 40}, {512, 32}};
  constexpr slong kLargePartFactorBits = 20;  // for parts up to kMaxCurveBits
  for (const CurveSize& size : kSizes) {
    if (bits <= size.partBits) return size.factorBits;
  }
  return kLargePartFactorBits;
}

// Appends `prime` with `exponent` to `out`.
void Append(const fmpz* prime, unsigned long exponent, std::vector<PrimePower>& out) {
  PrimePower power;
  fmpz_get_mpz(power.prime.get_mpz_t(), prime);
  power.exponent = exponent;
  out.push_back(std::move(power));
}

// Appends the primes of `factors`, except its last `leaveOut` entries,
// each exponent multiplied by `times`.
void AppendAll(fmpz_factor_struct* factors, slong leaveOut, unsigned long times, std::vector<PrimePower>& out) {
  for (slong i = 0; i + leaveOut < factors->num; ++i) Append(factors->p + i, factors->exp[i] * times, out);
}

// Splits `part` (> 1, free of primes below the trial bound) into primes,
// each taken `times` times; `withCurves` is false once the curves have run.
void SplitPart(const fmpz* part, unsigned long times, bool withCurves, Clock::time_point deadline,
               std::vector<PrimePower>& out) {
  CheckDeadline(deadline);
  const flint_bitcnt_t bits = fmpz_bits(part);
  if (bits <= Factorizer::kMaxSplitBits) {
    FmpzFactors factors;
    fmpz_factor(factors.get(), part);
    AppendAll(factors.get(), 0, times, out);
    return;
  }
  if (bits <= Factorizer::kMaxPrimeTestBits) {
    if (fmpz_is_probabprime(part)) {
      Append(part, times, out);
      return;
    }
    Fmpz root;
    if (const int k = fmpz_is_perfect_power(root.get(), part); k > 1) {
      SplitPart(root.get(), times * static_cast<unsigned long>(k), withCurves, deadline, out);
      return;
    }
  }
  if (withCurves && bits <= Factorizer::kMaxCurveBits) {
    FmpzFactors factors;
    if (fmpz_factor_smooth(factors.get(), part, CurveFactorBits(bits), 0)) {
      AppendAll(factors.get(), 0, times, out);
      return;
    }
    // The last entry is the part still unfactored.
    const slong last = factors.get()->num - 1;
    if (last >= 0 && !fmpz_equal(factors.get()->p + last, part)) {
      AppendAll(factors.get(), 1, times, out);
      SplitPart(factors.get()->p + last, times * factors.get()->exp[last], false, deadline, out);
      return;
    }
  }
  throw EngineError(kOverflow);
}

// Sorts by prime and adds up the exponents of a prime found twice.
std::vector<PrimePower> Merged(std::vector<PrimePower> powers) {
  std::sort(powers.begin(), powers.end(),
            [](const PrimePower& a, const PrimePower& b) { return a.prime < b.prime; });
  std::vector<PrimePower> out;
  for (PrimePower& p : powers) {
    if (!out.empty() && out.back().prime == p.prime) {
      out.back().exponent += p.exponent;
    } else {
      out.push_back(std::move(p));
    }
  }
  return out;
}

}  // namespace

std::vector<PrimePower> Factorizer::Factor(const mpz_class& n) const {
  Fmpz m;
  fmpz_set_mpz(m.get(), n.get_mpz_t());
  fmpz_abs(m.get(), m.get());
  std::vector<PrimePower> out;
  if (fmpz_cmp_ui(m.get(), 1) <= 0) return out;
  if (fmpz_bits(m.get()) <= FLINT_BITS) {
    FmpzFactors factors;
    fmpz_factor(factors.get(), m.get());
    AppendAll(factors.get(), 0, 1, out);
    return out;
  }
  // Trial division; unless it finishes, its last entry is the rest.
  FmpzFactors factors;
  if (fmpz_factor_trial(factors.get(), m.get(), FLINT_FACTOR_TRIAL_PRIMES)) {
    AppendAll(factors.get(), 0, 1, out);
    return Merged(std::move(out));
  }
  const slong last = factors.get()->num - 1;
  AppendAll(factors.get(), 1, 1, out);
  SplitPart(factors.get()->p + last, factors.get()->exp[last], true, deadline_, out);
  return Merged(std::move(out));
}

}  // namespace factorix
