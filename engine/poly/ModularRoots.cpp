#include "engine/poly/ModularRoots.h"

#include <flint/ulong_extras.h>

#include <algorithm>

#include "engine/core/EngineError.h"
#include "engine/poly/JointLift.h"
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

// Primes compared for the fewest roots when the first has many.
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

// True when fp' vanishes at some root of fp in [0, p): when gcd(fp, fp'),
// both taken on the field, has a root there. Where two simple roots of an
// integer polynomial meet modulo p this costs a gcd and the roots of a
// polynomial of low degree, instead of all of fp's roots.
bool HasRepeatedRoot(const NmodPoly& fp) {
  const mp_limb_t p = fp.get()->mod.n;
  NmodPoly slope(p), value(p), slopeValue(p), common(p);
  nmod_poly_derivative(slope.get(), fp.get());
  ReduceOnField(fp, value);
  ReduceOnField(slope, slopeValue);
  nmod_poly_gcd(common.get(), value.get(), slopeValue.get());
  if (nmod_poly_is_zero(common.get())) return true;  // both vanish on all of Z/pZ
  return nmod_poly_degree(common.get()) >= 1 && !RootsModulo(common).empty();
}

}  // namespace

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

SimpleRootsModulo FindSimpleRoots(const fmpz_poly_struct* f, FmpzPoly& part, const fmpz_poly_struct*& g,
                                  Clock::time_point deadline) {
  int repeated = 0, compared = 0;
  mp_limb_t prime = kPrimesFrom;
  SimpleRootsModulo best;
  for (;;) {
    CheckDeadline(deadline);
    prime = n_nextprime(prime, 1);
    NmodPoly gp(prime);
    if (!KeepsDegree(g, gp)) continue;
    if (HasRepeatedRoot(gp)) {
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
    std::vector<mp_limb_t> roots = RootsModulo(gp);
    if (roots.empty()) return SimpleRootsModulo{prime, {}};
    // Modulo a prime where g splits into distinct linear factors, g most
    // likely splits over the integers too, and then every prime gives as
    // many roots: it is taken at once.
    const bool splits = static_cast<slong>(roots.size()) == fmpz_poly_degree(g);
    if (best.prime == 0 || roots.size() < best.roots.size()) best = SimpleRootsModulo{prime, std::move(roots)};
    if (splits || best.roots.size() <= kFewRoots || ++compared == kPrimesCompared) return best;
  }
}

RootLifter::RootLifter(const fmpz_poly_struct* g, mp_limb_t prime, ulong bits) : g_(g), prime_(prime) {
  fmpz_init(modulus_);
  fmpz_poly_init(reduced_);
  // The first square of squares of the prime with more than bits + 1 bits.
  fmpz_set_ui(modulus_, prime);
  while (fmpz_bits(modulus_) < bits + 2) {
    fmpz_mul(modulus_, modulus_, modulus_);
    exponent_ *= 2;
  }
  fmpz_poly_scalar_mod_fmpz(reduced_, g, modulus_);
  terms_.emplace(reduced_);
}

RootLifter::~RootLifter() {
  terms_.reset();
  fmpz_poly_clear(reduced_);
  fmpz_clear(modulus_);
}

bool RootLifter::Lift(fmpz* r, Clock::time_point deadline) const {
  Fmpz modulus, value, slope, inverse;
  fmpz_set_ui(modulus.get(), prime_);
  while (!fmpz_equal(modulus.get(), modulus_)) {
    CheckDeadline(deadline);
    fmpz_mul(modulus.get(), modulus.get(), modulus.get());
    terms_->ValueAndSlopeModulo(r, modulus.get(), value.get(), slope.get());
    if (!fmpz_invmod(inverse.get(), slope.get(), modulus.get())) return false;
    fmpz_mul(value.get(), value.get(), inverse.get());
    fmpz_sub(r, r, value.get());
    fmpz_mod(r, r, modulus.get());
  }
  fmpz_smod(r, r, modulus.get());
  return true;
}

std::vector<mpz_class> RootLifter::LiftAll(const std::vector<mp_limb_t>& roots, Clock::time_point deadline) const {
  if (roots.size() > kFewRoots) {
    CheckDeadline(deadline);
    if (std::optional<std::vector<mpz_class>> lifted = LiftTogether(g_, prime_, roots, exponent_)) return *lifted;
  }
  std::vector<mpz_class> lifted;
  Fmpz r;
  for (const mp_limb_t r0 : roots) {
    fmpz_set_ui(r.get(), r0);
    if (Lift(r.get(), deadline)) fmpz_get_mpz(lifted.emplace_back().get_mpz_t(), r.get());
  }
  return lifted;
}

}  // namespace factorix
