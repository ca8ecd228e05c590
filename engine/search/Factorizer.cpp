#include "engine/search/Factorizer.h"

#include "engine/search/EllipticCurveMethod.h"
#include "engine/core/EngineError.h"
#include "engine/poly/Montgomery.h"
#include "engine/core/WideInt.h"

#include <algorithm>

namespace factorix {

namespace {

// Trial division runs through the primes below this bound.
constexpr std::uint32_t kTrialBound = 1u << 12;

const std::vector<std::uint32_t>& TrialPrimes() {
  static const std::vector<std::uint32_t> primes = [] {
    std::vector<bool> composite(kTrialBound, false);
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 2; i < kTrialBound; ++i) {
      if (composite[i]) continue;
      out.push_back(i);
      for (std::uint32_t j = i * i; j < kTrialBound; j += i) composite[j] = true;
    }
    return out;
  }();
  return primes;
}

// Deterministic Miller–Rabin for odd n > kTrialBound: these seven bases
// decide every n below 2^64.
bool IsPrimeWord(std::uint64_t n) {
  const Montgomery64 mont(n);
  std::uint64_t d = n - 1;
  int s = 0;
  while ((d & 1) == 0) {
    d >>= 1;
    ++s;
  }
  const std::uint64_t one = mont.One();
  const std::uint64_t minusOne = mont.Sub(0, one);
  for (const std::uint64_t base : {2ull, 325ull, 9375ull, 28178ull, 450775ull, 9780504ull,
                                   1795265022ull}) {
    const std::uint64_t a = base % n;
    if (a == 0) continue;
    // x = a^d
    std::uint64_t x = one;
    std::uint64_t b = mont.To(a);
    for (std::uint64_t e = d; e != 0; e >>= 1) {
      if (e & 1) x = mont.Mul(x, b);
      b = mont.Mul(b, b);
    }
    if (x == one || x == minusOne) continue;
    bool composite = true;
    for (int i = 1; i < s && composite; ++i) {
      x = mont.Mul(x, x);
      if (x == minusOne) composite = false;
    }
    if (composite) return false;
  }
  return true;
}

// Brent's variant of Pollard's rho over x -> x^2 + c, with the differences
// multiplied together and one gcd per batch. Returns a factor of n: n itself
// when the walk failed, 1 when it gave up after about `maxSteps` steps.
template <class Mont, class CheckTime>
typename Mont::Int BrentRho(const Mont& mont, std::uint64_t c, std::uint64_t maxSteps,
                            CheckTime checkTime) {
  using Int = typename Mont::Int;
  constexpr std::uint64_t kBatch = 128;
  const Int n = mont.Modulus();
  const Int add = mont.To(mont.FromMpz(static_cast<unsigned long>(c)));
  auto step = [&](Int v) { return mont.Add(mont.Mul(v, v), add); };

  Int y = mont.To(mont.FromMpz(2)), x = y, saved = y;
  Int product = mont.One();
  Int g = 1;
  for (std::uint64_t r = 1; g == 1; r *= 2) {
    if (r > maxSteps) return g;
    x = y;
    for (std::uint64_t i = 0; i < r; ++i) {
      y = step(y);
      if ((i & 0xffff) == 0xffff) checkTime();
    }
    for (std::uint64_t k = 0; k < r && g == 1; k += kBatch) {
      saved = y;
      const std::uint64_t count = std::min(kBatch, r - k);
      for (std::uint64_t i = 0; i < count; ++i) {
        y = step(y);
        product = mont.Mul(product, mont.Sub(x, y));
      }
      g = GcdOf(product, n);
      checkTime();
    }
  }
  if (g == n) {
    // The batch overshot: walk it again one gcd at a time.
    do {
      saved = step(saved);
      g = GcdOf(mont.Sub(x, saved), n);
    } while (g == 1);
  }
  return g;
}

}  // namespace

void Factorizer::CheckDeadline() const {
  if (Clock::now() > deadline_) throw EngineError(kOverflow);
}

std::vector<PrimePower> Factorizer::Factor(const mpz_class& value) {
  mpz_class n = abs(value);
  std::vector<mpz_class> primes;
  if (n <= 1) return {};

  // Trial division; once n fits a word it goes on in machine arithmetic.
  const std::vector<std::uint32_t>& small = TrialPrimes();
  std::size_t next = 0;
  mpz_class prime;
  for (; next < small.size() && !mpz_fits_ulong_p(n.get_mpz_t()); ++next) {
    if (mpz_divisible_ui_p(n.get_mpz_t(), small[next])) {
      prime = static_cast<unsigned long>(small[next]);
      const mp_bitcnt_t times = mpz_remove(n.get_mpz_t(), n.get_mpz_t(), prime.get_mpz_t());
      for (mp_bitcnt_t i = 0; i < times; ++i) primes.push_back(prime);
    }
  }
  if (mpz_fits_ulong_p(n.get_mpz_t())) {
    std::uint64_t m = mpz_get_ui(n.get_mpz_t());
    for (; next < small.size() && m > 1; ++next) {
      const std::uint32_t p = small[next];
      if (static_cast<std::uint64_t>(p) * p > m) break;  // what is left is 1 or a prime
      while (m % p == 0) {
        primes.emplace_back(static_cast<unsigned long>(p));
        m /= p;
      }
    }
    n = static_cast<unsigned long>(m);
  }
  if (n > 1) {
    if (mpz_sizeinbase(n.get_mpz_t(), 2) > kMaxCofactorBits) throw EngineError(kOverflow);
    Split(n, primes);
  }

  std::sort(primes.begin(), primes.end());
  std::vector<PrimePower> result;
  for (const mpz_class& p : primes) {
    if (result.empty() || result.back().prime != p) result.push_back({p, 0});
    ++result.back().exponent;
  }
  return result;
}

void Factorizer::Split(const mpz_class& n, std::vector<mpz_class>& primes) {
  if (mpz_fits_ulong_p(n.get_mpz_t())) {
    SplitWord(mpz_get_ui(n.get_mpz_t()), primes);
    return;
  }
  CheckDeadline();
  if (mpz_probab_prime_p(n.get_mpz_t(), 25) != 0) {
    primes.push_back(n);
    return;
  }
  // A perfect power splits into equal parts: rho is poor at those.
  if (mpz_perfect_power_p(n.get_mpz_t()) != 0) {
    mpz_class root;
    for (unsigned long k = mpz_sizeinbase(n.get_mpz_t(), 2); k >= 2; --k) {
      if (mpz_root(root.get_mpz_t(), n.get_mpz_t(), k) != 0) {
        for (unsigned long i = 0; i < k; ++i) Split(root, primes);
        return;
      }
    }
  }
  const mpz_class factor = FitsWide(n) ? FindFactor(Montgomery128(ToWide(n))) : FindFactor(GmpModulus(n));
  Split(factor, primes);
  Split(n / factor, primes);
}

template <class Mod>
mpz_class Factorizer::FindFactor(const Mod& mod) {
  // Rho finds the factors of up to about ten digits soonest; the curves
  // take over for the larger ones.
  const mpz_class n = ToMpz(mod.Modulus());
  for (std::uint64_t c = 1; c <= 2; ++c) {
    const mpz_class g = ToMpz(BrentRho(mod, c, kRhoSteps, [this] { CheckDeadline(); }));
    if (g != 1 && g != n) return g;
  }
  return EllipticCurveMethod([this] { CheckDeadline(); }).FindFactor(mod);
}

void Factorizer::SplitWord(std::uint64_t n, std::vector<mpz_class>& primes) {
  if (n == 1) return;
  // n has no prime below the trial bound, or none below its square root.
  if (n < static_cast<std::uint64_t>(kTrialBound) * kTrialBound || IsPrimeWord(n)) {
    primes.emplace_back(static_cast<unsigned long>(n));
    return;
  }
  std::uint64_t factor = 0;
  for (std::uint64_t c = 1; factor == 0; ++c) factor = RhoWord(n, c);
  SplitWord(factor, primes);
  SplitWord(n / factor, primes);
}

std::uint64_t Factorizer::RhoWord(std::uint64_t n, std::uint64_t c) {
  const std::uint64_t f = BrentRho(Montgomery64(n), c, UINT64_MAX, [this] { CheckDeadline(); });
  return f == n ? 0 : f;
}

}  // namespace factorix
