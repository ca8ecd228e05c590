#include "engine/poly/IntegerRoots.h"

#include <flint/fmpz_vec.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <cstddef>

#include "engine/core/EngineError.h"
#include "engine/core/RootOrder.h"
#include "engine/poly/FlintTypes.h"
#include "engine/poly/SparseTerms.h"
#include "engine/poly/SquareFreePart.h"

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

// Lifts the simple root r modulo p to a root modulo a power of p with more
// than `bits` + 1 bits (Newton's iteration, doubling the precision each
// step), and leaves r as the residue of least absolute value. False when
// the slope is not invertible (r is then no simple root).
bool Lift(const SparseTerms& f, mp_limb_t p, ulong bits, fmpz* r, Clock::time_point deadline) {
  Fmpz modulus, value, slope, inverse;
  fmpz_set_ui(modulus.get(), p);
  while (fmpz_bits(modulus.get()) < bits + 2) {
    CheckDeadline(deadline);
    fmpz_mul(modulus.get(), modulus.get(), modulus.get());
    f.ValueAndSlopeModulo(r, modulus.get(), value.get(), slope.get());
    if (!fmpz_invmod(inverse.get(), slope.get(), modulus.get())) return false;
    fmpz_mul(value.get(), value.get(), inverse.get());
    fmpz_sub(r, r, value.get());
    fmpz_mod(r, r, modulus.get());
  }
  fmpz_smod(r, r, modulus.get());
  return true;
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

// The roots of f (degree >= 3) below 2^bound in absolute value that divide
// `divisorOf`, when the bound is small enough to try them all: each is
// tested modulo two primes before it is checked exactly.
std::vector<mpz_class> FewCandidateRoots(const fmpz_poly_struct* f, ulong bound, const mpz_class& divisorOf,
                                         Clock::time_point deadline) {
  const SparseTerms terms(f);
  const RootFilter filter(terms);
  std::vector<mpz_class> found;
  Fmpz r;
  for (ulong m = 1; m < (ulong{1} << bound); ++m) {
    if (!mpz_divisible_ui_p(divisorOf.get_mpz_t(), m)) continue;
    for (const slong sign : {-1L, 1L}) {
      fmpz_set_si(r.get(), sign * static_cast<slong>(m));
      if (filter.MayBeRoot(r.get()) && terms.IsRoot(r.get(), deadline)) {
        found.emplace_back(sign * static_cast<long>(m));
      }
    }
  }
  return found;  // already in the search's order
}

// A prime modulo which every root of g is simple, with those roots, where g
// is f or, when f has repeated factors, its square-free part (left in
// `part`, and g pointed at it). Empty roots when f has none modulo the
// prime, and so none over the integers.
mp_limb_t PrimeWithSimpleRoots(const fmpz_poly_struct* f, FmpzPoly& part, const fmpz_poly_struct*& g,
                               std::vector<mp_limb_t>& best, Clock::time_point deadline) {
  int repeated = 0, compared = 0;
  mp_limb_t prime = kPrimesFrom, bestPrime = 0;
  for (;;) {
    CheckDeadline(deadline);
    prime = n_nextprime(prime, 1);
    NmodPoly gp(prime);
    if (!KeepsDegree(g, gp)) continue;
    std::vector<mp_limb_t> roots = RootsModulo(gp);
    if (roots.empty()) {
      best.clear();
      return prime;
    }
    if (!AllSimple(gp, roots)) {
      // A repeated root modulo p: of a repeated factor of f (then every
      // prime shows one), or of two roots that meet modulo p.
      if (g == f) {
        if (++repeated == kRepeatedBeforeSquareFreePart) {
          SquareFreePart(f, part, deadline);
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
    if (best.size() <= kFewRoots || ++compared == kPrimesCompared) return bestPrime;
  }
}

// The candidates (distinct) that are roots of g, checked exactly. Many
// are checked at once: their product divides g when each of them is a
// root, and one division costs far less than a pass over g for each.
std::vector<mpz_class> ExactRoots(const fmpz_poly_struct* g, const SparseTerms& terms,
                                  const std::vector<mpz_class>& candidates, Clock::time_point deadline) {
  if (candidates.size() > kFewRoots) {
    FmpzPoly product, quotient;
    fmpz* values = _fmpz_vec_init(static_cast<slong>(candidates.size()));
    for (std::size_t i = 0; i < candidates.size(); ++i) fmpz_set_mpz(values + i, candidates[i].get_mpz_t());
    fmpz_poly_product_roots_fmpz_vec(product.get(), values, static_cast<slong>(candidates.size()));
    _fmpz_vec_clear(values, static_cast<slong>(candidates.size()));
    if (fmpz_poly_divides(quotient.get(), g, product.get())) return candidates;
  }
  std::vector<mpz_class> found;
  Fmpz r;
  for (const mpz_class& candidate : candidates) {
    fmpz_set_mpz(r.get(), candidate.get_mpz_t());
    if (terms.IsRoot(r.get(), deadline)) found.push_back(candidate);
  }
  return found;
}

// The integer roots of g that divide `divides` among the lifts of its
// simple roots `roots` modulo `prime`: every integer root is one of them
// once they carry more than twice the bound on the roots.
std::vector<mpz_class> LiftedRoots(const fmpz_poly_struct* g, mp_limb_t prime, const std::vector<mp_limb_t>& roots,
                                   const fmpz* divides, Clock::time_point deadline) {
  const ulong boundBits = std::min(RootBoundBits(g), static_cast<ulong>(fmpz_bits(divides)));
  // Every step of the lifting works modulo a divisor of the last modulus,
  // so g's coefficients, which may be far longer, are reduced modulo it once
  // for all the roots instead of at every step of every root.
  Fmpz lastModulus;
  fmpz_set_ui(lastModulus.get(), prime);
  while (fmpz_bits(lastModulus.get()) < boundBits + 2) fmpz_mul(lastModulus.get(), lastModulus.get(), lastModulus.get());
  FmpzPoly reduced;
  fmpz_poly_scalar_mod_fmpz(reduced.get(), g, lastModulus.get());
  const SparseTerms reducedTerms(reduced.get()), terms(g);
  const RootFilter filter(terms);
  std::vector<mpz_class> candidates;
  Fmpz r;
  for (const mp_limb_t r0 : roots) {
    fmpz_set_ui(r.get(), r0);
    if (!Lift(reducedTerms, prime, boundBits, r.get(), deadline)) continue;
    if (fmpz_is_zero(r.get()) || !fmpz_divisible(divides, r.get()) || !filter.MayBeRoot(r.get())) continue;
    fmpz_get_mpz(candidates.emplace_back().get_mpz_t(), r.get());
  }
  std::vector<mpz_class> found = ExactRoots(g, terms, candidates, deadline);
  SortInRootOrder(found);
  return found;
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
  if (high - low <= 3) {
    // Degree 1 or 2: the roots in closed form.
    std::vector<mpz_class> found;
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
  const ulong bound = RootBoundBits(f.get());
  if (bound <= kFewCandidateBits) return FewCandidateRoots(f.get(), bound, divisorOf, deadline);

  FmpzPoly part;
  const fmpz_poly_struct* g = f.get();
  std::vector<mp_limb_t> roots;
  const mp_limb_t prime = PrimeWithSimpleRoots(f.get(), part, g, roots, deadline);
  if (roots.empty()) return {};
  Fmpz divides;
  fmpz_set_mpz(divides.get(), divisorOf.get_mpz_t());
  return LiftedRoots(g, prime, roots, divides.get(), deadline);
}

}  // namespace factorix
