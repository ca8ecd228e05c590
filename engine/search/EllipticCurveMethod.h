#pragma once

#include "engine/poly/Montgomery.h"

#include <gmpxx.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace factorix {

// Lenstra's elliptic-curve method on Montgomery curves B y^2 = x^3 + A x^2 + x
// in X:Z coordinates, with Suyama's curves (which have a point of order 12 or
// so built in), a stage 1 up to B1 and a baby-step giant-step stage 2 up to
// B2. Finds a factor of about p digits in time growing like exp(sqrt(p)),
// so a 20-digit factor of a 40-digit number takes a fraction of a second,
// where Pollard's rho would take many seconds.
class EllipticCurveMethod {
public:
  // `checkTime` is called every few thousand multiplications; it throws to
  // abandon the search.
  explicit EllipticCurveMethod(std::function<void()> checkTime) : checkTime_(std::move(checkTime)) {}

  // A nontrivial factor of the odd composite modulus of `mod`, which has no
  // small prime factor and is no perfect power. Runs until it finds one or
  // `checkTime` throws.
  template <class Mod>
  mpz_class FindFactor(const Mod& mod);

private:
  // Stage bounds and how many curves to run with them before moving on.
  struct Level {
    std::uint32_t b1;
    std::uint32_t b2;
    int curves;
  };
  static constexpr Level kLevels[] = {
      {2000, 150000, 25},      // factors of about 15 digits
      {11000, 1100000, 90},    // about 20 digits
      {50000, 5000000, 300},   // about 25 digits, and on until the deadline
  };
  // Giant step of stage 2: 2·3·5·7·11.
  static constexpr std::uint32_t kGiant = 2310;

  template <class Int>
  struct Point {
    Int x, z;
  };

  // The factor found with the curve of parameter sigma: 1 when none, the
  // modulus itself when every prime came out at once.
  template <class Mod>
  mpz_class TryCurve(const Mod& mod, std::uint64_t sigma, const Level& level);

  // Primes below `limit`, as a table indexed by the number.
  const std::vector<bool>& PrimeTable(std::uint32_t limit);

  std::function<void()> checkTime_;
  std::vector<bool> isPrime_;
};

template <class Mod>
mpz_class EllipticCurveMethod::FindFactor(const Mod& mod) {
  const mpz_class n = ToMpz(mod.Modulus());
  std::uint64_t sigma = 6;  // Suyama's parametrisation wants sigma > 5
  for (std::size_t l = 0;; l = std::min(l + 1, std::size(kLevels) - 1)) {
    const Level& level = kLevels[l];
    for (int c = 0; c < level.curves; ++c) {
      const mpz_class g = TryCurve(mod, sigma++, level);
      if (g != 1 && g != n) return g;
    }
  }
}

template <class Mod>
mpz_class EllipticCurveMethod::TryCurve(const Mod& mod, std::uint64_t sigma, const Level& level) {
  using Int = typename Mod::Int;
  using P = Point<Int>;
  const mpz_class n = ToMpz(mod.Modulus());

  // Suyama: u = s^2 - 5, v = 4s, start at (u^3 : v^3), and
  // (A + 2) / 4 = (v - u)^3 (3u + v) / (16 u^3 v).
  const mpz_class s = static_cast<unsigned long>(sigma);
  const mpz_class u = s * s - 5, v = 4 * s;
  const mpz_class vu = v - u;
  const mpz_class numerator = vu * vu * vu * (3 * u + v) % n;
  const mpz_class denominator = 16 * u * u * u * v % n;
  mpz_class inverse;
  if (mpz_invert(inverse.get_mpz_t(), denominator.get_mpz_t(), n.get_mpz_t()) == 0) {
    return GcdOf(denominator, n);
  }
  const Int a24 = mod.To(mod.FromMpz(numerator * inverse));

  auto dbl = [&](const P& p) {
    const Int sum = mod.Add(p.x, p.z), diff = mod.Sub(p.x, p.z);
    const Int ss = mod.Mul(sum, sum), dd = mod.Mul(diff, diff);
    const Int t = mod.Sub(ss, dd);  // 4xz
    return P{mod.Mul(ss, dd), mod.Mul(t, mod.Add(dd, mod.Mul(a24, t)))};
  };
  // p + q from p, q and p - q.
  auto add = [&](const P& p, const P& q, const P& difference) {
    const Int a = mod.Mul(mod.Sub(p.x, p.z), mod.Add(q.x, q.z));
    const Int b = mod.Mul(mod.Add(p.x, p.z), mod.Sub(q.x, q.z));
    const Int plus = mod.Add(a, b), minus = mod.Sub(a, b);
    return P{mod.Mul(difference.z, mod.Mul(plus, plus)), mod.Mul(difference.x, mod.Mul(minus, minus))};
  };
  // k·p by the Montgomery ladder, k >= 1.
  auto times = [&](const P& p, std::uint64_t k) {
    P r0 = p, r1 = dbl(p);
    for (int bit = 62 - __builtin_clzll(k); bit >= 0; --bit) {
      if ((k >> bit) & 1) {
        r0 = add(r1, r0, p);
        r1 = dbl(r1);
      } else {
        r1 = add(r0, r1, p);
        r0 = dbl(r0);
      }
    }
    return r0;
  };

  const std::vector<bool>& isPrime = PrimeTable(level.b2 + kGiant);
  P q{mod.To(mod.FromMpz(u * u * u)), mod.To(mod.FromMpz(v * v * v))};

  // Stage 1: q = (product of every prime power up to B1) · q.
  int sinceCheck = 0;
  for (std::uint32_t p = 2; p <= level.b1; ++p) {
    if (!isPrime[p]) continue;
    std::uint64_t power = p;
    while (power * p <= level.b1) power *= p;
    q = times(q, power);
    if (++sinceCheck % 128 == 0) checkTime_();
  }
  mpz_class g = GcdOf(ToMpz(mod.From(q.z)), n);
  if (g != 1) return g;

  // Stage 2: one more prime p in (B1, B2] shows as [m·D]q = ±[j]q for
  // p = m·D ± j, that is x_mD·z_j - x_j·z_mD = 0 modulo the factor.
  std::vector<P> baby;  // [j]q for the odd j < D/2 prime to D
  std::vector<std::uint32_t> babyIndex;
  {
    const P twice = dbl(q);
    baby.push_back(q);
    babyIndex.push_back(1);
    P previous = q;                // [j-2]q
    P current = add(twice, q, q);  // [j]q
    for (std::uint32_t j = 3; j < kGiant / 2; j += 2) {
      if (j % 3 != 0 && j % 5 != 0 && j % 7 != 0 && j % 11 != 0) {
        baby.push_back(current);
        babyIndex.push_back(j);
      }
      const P next = add(current, twice, previous);
      previous = current;
      current = next;
    }
  }
  const P step = times(q, kGiant);
  const std::uint64_t mFirst = std::max<std::uint64_t>(1, level.b1 / kGiant);
  P giant = times(q, mFirst * kGiant);            // [m·D]q
  P following = times(q, (mFirst + 1) * kGiant);  // [(m+1)·D]q
  Int product = mod.One();
  for (std::uint64_t m = mFirst; m * kGiant <= std::uint64_t{level.b2} + kGiant; ++m) {
    const std::uint64_t centre = m * kGiant;
    for (std::size_t i = 0; i < baby.size(); ++i) {
      const std::uint64_t above = centre + babyIndex[i], below = centre - babyIndex[i];
      const bool wanted = (above <= level.b2 && above > level.b1 && isPrime[above]) ||
                          (below <= level.b2 && below > level.b1 && isPrime[below]);
      if (!wanted) continue;
      const Int term = mod.Sub(mod.Mul(giant.x, baby[i].z), mod.Mul(baby[i].x, giant.z));
      product = mod.Mul(product, term);
    }
    const P after = add(following, step, giant);
    giant = following;
    following = after;
    if (m % 16 == 0) checkTime_();
  }
  return GcdOf(ToMpz(mod.From(product)), n);
}

}  // namespace factorix
