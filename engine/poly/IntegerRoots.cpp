#include "engine/poly/IntegerRoots.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <cstddef>

#include "engine/core/EngineError.h"
#include "engine/core/RootOrder.h"
#include "engine/poly/FlintTypes.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// The primes tried start just above 2^10. The work modulo a prime grows
// with its bits (x^p is found by squaring), and on the benchmark's
// polynomials a prime this small is several times faster than one near
// 2^62 even with the lifting it needs; a prime that divides the leading
// coefficient or makes two roots meet is simply passed over.
constexpr mp_limb_t kPrimesFrom = mp_limb_t{1} << 10;

// Primes that leave a root of f repeated before f's square-free part is
// taken over the integers; a square-free f meets such a prime only where
// two of its roots meet modulo it, or the prime divides a slope.
constexpr int kRepeatedBeforeSquareFreePart = 2;

// A prime with at most this many roots is taken at once; otherwise up to
// kPrimesCompared primes are tried and the one with the fewest roots kept,
// since every root modulo the prime is lifted and checked.
constexpr std::size_t kFewRoots = 8;

// When the bound on the roots is at most 2^kFewCandidateBits, the integer
// candidates below it are checked exactly one by one: cheaper than any
// work modulo a prime on a polynomial of high degree such as x^100000 - 1.
constexpr ulong kFewCandidateBits = 5;
constexpr int kPrimesCompared = 3;

// Where doubling the prime stops; the primes above it are taken one by one
// (n_nextprime aborts past the largest prime of a limb).
constexpr mp_limb_t kLargestDoubledPrime = mp_limb_t{1} << 40;

void CheckDeadline(Clock::time_point deadline) {
  if (Clock::now() > deadline) throw EngineError(kOverflow);
}

slong Length(const fmpz_poly_struct* f) { return fmpz_poly_length(f); }

// Reduces f modulo the prime of `fp`; true when the reduction keeps f's
// degree (the prime does not divide the leading coefficient).
bool KeepsDegree(const fmpz_poly_struct* f, NmodPoly& fp) {
  fmpz_poly_get_nmod_poly(fp.get(), f);
  return nmod_poly_degree(fp.get()) == fmpz_poly_degree(f);
}

// `out` = fp modulo x^p - x, of degree below p: x^k for k >= 1 becomes
// x^(1 + (k - 1) mod (p - 1)), which has the same value at every element
// of Z/pZ. A polynomial of any degree thus has its roots modulo p found on
// one of degree below p, after work linear in its length.
void ReduceOnField(const NmodPoly& fp, NmodPoly& out) {
  const mp_limb_t p = fp.get()->mod.n;
  const slong length = nmod_poly_length(fp.get());
  if (static_cast<mp_limb_t>(length) <= p) {
    nmod_poly_set(out.get(), fp.get());
    return;
  }
  const mp_limb_t* c = fp.get()->coeffs;  // length > p >= 2 coefficients
  std::vector<mp_limb_t> folded(c, c + 1);  // the constant stays where it is
  folded.resize(p, 0);
  for (slong k = 1; k < length; ++k) {
    const std::size_t at = 1 + static_cast<std::size_t>(static_cast<mp_limb_t>(k - 1) % (p - 1));
    folded[at] = n_addmod(folded[at], c[k], p);
  }
  nmod_poly_zero(out.get());
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (folded[i] != 0) nmod_poly_set_coeff_ui(out.get(), static_cast<slong>(i), folded[i]);
  }
}

// The distinct roots of fp (nonzero) in [0, p).
std::vector<mp_limb_t> RootsModulo(const NmodPoly& fp) {
  const mp_limb_t p = fp.get()->mod.n;
  NmodPoly reduced(p);
  ReduceOnField(fp, reduced);
  std::vector<mp_limb_t> roots;
  if (nmod_poly_is_zero(reduced.get())) {
    // fp vanishes on all of Z/pZ.
    for (mp_limb_t r = 0; r < p; ++r) roots.push_back(r);
    return roots;
  }
  if (nmod_poly_degree(reduced.get()) < 1) return roots;
  NmodPolyFactors factors;
  nmod_poly_roots(factors.get(), reduced.get(), 0);
  roots.reserve(static_cast<std::size_t>(factors.get()->num));
  for (slong i = 0; i < factors.get()->num; ++i) {
    // Each factor is the monic x - r.
    const mp_limb_t c = nmod_poly_get_coeff_ui(factors.get()->p + i, 0);
    roots.push_back(c == 0 ? 0 : p - c);
  }
  return roots;
}

// True when every root of fp is simple: fp' does not vanish there.
bool AllSimple(const NmodPoly& fp, const std::vector<mp_limb_t>& roots) {
  const mp_limb_t p = fp.get()->mod.n;
  NmodPoly slope(p), reduced(p);
  nmod_poly_derivative(slope.get(), fp.get());
  ReduceOnField(slope, reduced);
  return std::none_of(roots.begin(), roots.end(),
                      [&](mp_limb_t r) { return nmod_poly_evaluate_nmod(reduced.get(), r) == 0; });
}

// f / gcd(f, f'): the same roots, each simple. f has degree >= 1.
void SquareFreePart(const fmpz_poly_struct* f, FmpzPoly& part) {
  FmpzPoly derivative, common;
  fmpz_poly_derivative(derivative.get(), f);    // nonzero: f has degree >= 1
  fmpz_poly_gcd(common.get(), f, derivative.get());
  fmpz_poly_div(part.get(), f, common.get());  // common divides f, and is nonzero
}

// b such that every root r of f (degree >= 1) has |r| < 2^b, from Fujiwara's
// bound 2 max |a_(n-i) / a_n|^(1/i) taken on the coefficients' bit lengths.
ulong RootBoundBits(const fmpz_poly_struct* f) {
  const slong n = fmpz_poly_degree(f);
  const slong leadBits = static_cast<slong>(fmpz_bits(fmpz_poly_lead(f)));
  slong largest = 0;
  for (slong i = 1; i <= n; ++i) {
    const fmpz* a = f->coeffs + (n - i);
    if (fmpz_is_zero(a)) continue;
    // |a / lead| < 2^(bits(a) - leadBits + 1); its i-th root below 2^ceil(that / i).
    const slong excess = static_cast<slong>(fmpz_bits(a)) - leadBits + 1;
    if (excess > 0) largest = std::max(largest, (excess + i - 1) / i);
  }
  return static_cast<ulong>(largest + 1);
}

// value = f(r) mod m and slope = f'(r) mod m, by Horner's rule.
void EvaluateModulo(const fmpz_poly_struct* f, const fmpz* r, const fmpz* m, fmpz* value, fmpz* slope) {
  fmpz_zero(value);
  fmpz_zero(slope);
  for (slong i = Length(f) - 1; i >= 0; --i) {
    fmpz_mul(slope, slope, r);
    fmpz_add(slope, slope, value);
    fmpz_mod(slope, slope, m);
    fmpz_mul(value, value, r);
    fmpz_add(value, value, f->coeffs + i);
    fmpz_mod(value, value, m);
  }
}

// Lifts the simple root r modulo p to a root modulo a power of p with more
// than `bits` + 1 bits (Newton's iteration, doubling the precision each
// step), and leaves r as the residue of least absolute value. False when
// the slope is not invertible (r is then no simple root).
bool Lift(const fmpz_poly_struct* f, mp_limb_t p, ulong bits, fmpz* r, Clock::time_point deadline) {
  Fmpz modulus, value, slope, inverse;
  fmpz_set_ui(modulus.get(), p);
  while (fmpz_bits(modulus.get()) < bits + 2) {
    CheckDeadline(deadline);
    fmpz_mul(modulus.get(), modulus.get(), modulus.get());
    EvaluateModulo(f, r, modulus.get(), value.get(), slope.get());
    if (!fmpz_invmod(inverse.get(), slope.get(), modulus.get())) return false;
    fmpz_mul(value.get(), value.get(), inverse.get());
    fmpz_sub(r, r, value.get());
    fmpz_mod(r, r, modulus.get());
  }
  fmpz_smod(r, r, modulus.get());
  return true;
}

// True when r (nonzero) is a root of f, decided by dividing f by (x - r)
// from the constant upwards: f = (x - r) q gives q_i = (q_(i-1) - a_i) / r,
// which must divide exactly at every step and end at the leading
// coefficient; the numbers stay below the sum of |a_i|.
bool IsRoot(const fmpz_poly_struct* f, const fmpz* r) {
  Fmpz q, t;
  for (slong i = 0; i + 1 < Length(f); ++i) {
    fmpz_sub(t.get(), q.get(), f->coeffs + i);
    if (!fmpz_divisible(t.get(), r)) return false;
    fmpz_divexact(q.get(), t.get(), r);
  }
  return fmpz_equal(q.get(), fmpz_poly_lead(f));
}

// Appends the integer roots of a1 x + a0 (a1 nonzero) to `roots`.
void LinearRoots(const mpz_class& a1, const mpz_class& a0, std::vector<mpz_class>& roots) {
  if (!mpz_divisible_p(a0.get_mpz_t(), a1.get_mpz_t())) return;
  mpz_class r;
  mpz_divexact(r.get_mpz_t(), a0.get_mpz_t(), a1.get_mpz_t());
  roots.push_back(-r);
}

// Appends the integer roots of a2 x^2 + a1 x + a0 (a2 nonzero), each once:
// (-a1 ± s) / 2 a2 where s is the square root of the discriminant.
void QuadraticRoots(const mpz_class& a2, const mpz_class& a1, const mpz_class& a0,
                    std::vector<mpz_class>& roots) {
  const mpz_class discriminant = a1 * a1 - 4 * a2 * a0;
  if (sgn(discriminant) < 0 || !mpz_perfect_square_p(discriminant.get_mpz_t())) return;
  mpz_class s;
  mpz_sqrt(s.get_mpz_t(), discriminant.get_mpz_t());
  LinearRoots(2 * a2, a1 - s, roots);
  if (s != 0) LinearRoots(2 * a2, a1 + s, roots);
}

}  // namespace

std::vector<mpz_class> IntegerRootsDividing(const Polynomial& p, const mpz_class& constant,
                                            Clock::time_point deadline) {
  if (constant == 0) return {};
  // f is p without its factors of x: 0 is never a candidate.
  std::size_t low = 0;
  while (low < p.size() && p[low] == 0) ++low;
  std::size_t high = p.size();
  while (high > low && p[high - 1] == 0) --high;
  if (high - low < 2) return {};  // zero, or a constant times a power of x

  // Every nonzero root divides both f's constant and the search's constant.
  mpz_class divisorOf;
  mpz_gcd(divisorOf.get_mpz_t(), p[low].get_mpz_t(), constant.get_mpz_t());
  std::vector<mpz_class> found;
  if (high - low <= 3) {
    // Degree 1 or 2: the roots in closed form.
    const mpz_class* a = p.data() + low;
    if (high - low == 2) {
      LinearRoots(a[1], a[0], found);
    } else {
      QuadraticRoots(a[2], a[1], a[0], found);
    }
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&](const mpz_class& r) {
                                 return !mpz_divisible_p(divisorOf.get_mpz_t(), r.get_mpz_t());
                               }),
                found.end());
    SortInRootOrder(found);
    return found;
  }

  FmpzPoly f;
  fmpz_poly_fit_length(f.get(), static_cast<slong>(high - low));
  for (std::size_t i = low; i < high; ++i) {
    fmpz_poly_set_coeff_mpz(f.get(), static_cast<slong>(i - low), p[i].get_mpz_t());
  }
  Fmpz divides;
  fmpz_set_mpz(divides.get(), divisorOf.get_mpz_t());

  // Candidates this few are checked one by one: below 2^kFewCandidateBits,
  // the divisors of divisorOf that the bound on the roots allows.
  const ulong bound = RootBoundBits(f.get());
  if (bound <= kFewCandidateBits) {
    Fmpz r;
    for (ulong m = 1; m < (ulong{1} << bound); ++m) {
      if (!mpz_divisible_ui_p(divisorOf.get_mpz_t(), m)) continue;
      for (const slong sign : {-1L, 1L}) {
        fmpz_set_si(r.get(), sign * static_cast<slong>(m));
        if (IsRoot(f.get(), r.get())) found.emplace_back(sign * static_cast<long>(m));
      }
    }
    return found;  // already in the search's order
  }

  // A prime modulo which every root of g is simple, where g is f or, when
  // f has repeated factors, its square-free part.
  FmpzPoly part;
  const fmpz_poly_struct* g = f.get();
  int repeated = 0, compared = 0;
  mp_limb_t prime = kPrimesFrom, bestPrime = 0;
  std::vector<mp_limb_t> best;
  for (;;) {
    CheckDeadline(deadline);
    prime = n_nextprime(prime, 1);
    NmodPoly gp(prime);
    if (!KeepsDegree(g, gp)) continue;
    std::vector<mp_limb_t> roots = RootsModulo(gp);
    if (roots.empty()) return {};  // no root modulo p: none over the integers
    if (!AllSimple(gp, roots)) {
      // A repeated root modulo p: of a repeated factor of f (then every
      // prime shows one), or of two roots that meet modulo p.
      if (g == f.get()) {
        if (++repeated == kRepeatedBeforeSquareFreePart) {
          SquareFreePart(f.get(), part);
          g = part.get();
        }
      } else {
        // g is square-free, so two of its roots meet modulo p. With n roots
        // that happens modulo most primes below about n^2: the next prime
        // tried is twice as large, rather than the next one up.
        if (prime < kLargestDoubledPrime) prime = std::min(2 * prime, kLargestDoubledPrime);
      }
      continue;
    }
    if (bestPrime == 0 || roots.size() < best.size()) {
      bestPrime = prime;
      best = std::move(roots);
    }
    if (best.size() <= kFewRoots || ++compared == kPrimesCompared) break;
  }

  // Every integer root is a simple root modulo bestPrime, so it is among the
  // lifted values once they carry more than twice the bound on the roots.
  const ulong boundBits = std::min(RootBoundBits(g), static_cast<ulong>(fmpz_bits(divides.get())));
  // Every step of the lifting works modulo a divisor of the last modulus,
  // so g's coefficients, which may be far longer, are reduced modulo it once
  // for all the roots instead of at every step of every root.
  Fmpz lastModulus;
  fmpz_set_ui(lastModulus.get(), bestPrime);
  while (fmpz_bits(lastModulus.get()) < boundBits + 2) fmpz_mul(lastModulus.get(), lastModulus.get(), lastModulus.get());
  FmpzPoly reduced;
  fmpz_poly_scalar_mod_fmpz(reduced.get(), g, lastModulus.get());
  Fmpz r;
  for (const mp_limb_t r0 : best) {
    fmpz_set_ui(r.get(), r0);
    if (!Lift(reduced.get(), bestPrime, boundBits, r.get(), deadline)) continue;
    if (fmpz_is_zero(r.get()) || !fmpz_divisible(divides.get(), r.get())) continue;
    if (!IsRoot(g, r.get())) continue;
    mpz_class root;
    fmpz_get_mpz(root.get_mpz_t(), r.get());
    found.push_back(std::move(root));
  }
  SortInRootOrder(found);
  return found;
}

}  // namespace factorix
