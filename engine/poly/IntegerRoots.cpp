#include "engine/poly/IntegerRoots.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "engine/core/EngineError.h"
#include "engine/core/RootOrder.h"
#include "engine/poly/FlintTypes.h"
#include "engine/poly/JointLift.h"
#include "engine/poly/ModularRoots.h"
#include "engine/poly/SparseTerms.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// When the bound on the roots is at most 2^kFewCandidateBits, the integer
// candidates below it are checked exactly one by one: cheaper than any
// work modulo a prime on a polynomial of high degree such as x^100000 - 1.
constexpr ulong kFewCandidateBits = 5;

// Terms up to which a polynomial of one-word coefficients is short.
constexpr slong kShortLength = 32;

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
  // A short polynomial of small numbers is checked exactly at once: the
  // test modulo primes would cost as much.
  const bool filtered = fmpz_poly_length(f) > kShortLength || fmpz_poly_max_limbs(f) > 1;
  const std::optional<RootFilter> filter = filtered ? std::optional<RootFilter>(terms) : std::nullopt;
  std::vector<mpz_class> found;
  Fmpz r;
  for (ulong m = 1; m < (ulong{1} << bound); ++m) {
    if (!mpz_divisible_ui_p(divisorOf.get_mpz_t(), m)) continue;
    for (const slong sign : {-1L, 1L}) {
      fmpz_set_si(r.get(), sign * static_cast<slong>(m));
      if ((!filter || filter->MayBeRoot(r.get())) && terms.IsRoot(r.get(), deadline)) {
        found.emplace_back(sign * static_cast<long>(m));
      }
    }
  }
  return found;  // already in the search's order
}

// Whether g is a multiple of the monic m. Of the same degree, g must be
// its leading coefficient times m, which costs a product per coefficient
// where a division would cost far more.
bool IsMultipleOfMonic(const fmpz_poly_struct* g, const fmpz_poly_struct* m) {
  if (fmpz_poly_length(m) != fmpz_poly_length(g)) {
    FmpzPoly quotient;
    return fmpz_poly_divides(quotient.get(), g, m) != 0;
  }
  Fmpz term;
  const fmpz* lead = fmpz_poly_lead(g);
  for (slong i = 0; i < fmpz_poly_length(g); ++i) {
    fmpz_mul(term.get(), lead, m->coeffs + i);
    if (!fmpz_equal(term.get(), g->coeffs + i)) return false;
  }
  return true;
}

// The candidates (distinct) that are roots of g, checked exactly. Many
// are checked at once: their product divides g when each of them is a
// root, and one division costs far less than a pass over g for each.
std::vector<mpz_class> ExactRoots(const fmpz_poly_struct* g, const SparseTerms& terms,
                                  const std::vector<mpz_class>& candidates, Clock::time_point deadline) {
  if (candidates.size() > kFewRoots) {
    std::vector<Polynomial> factors;
    factors.reserve(candidates.size());
    for (const mpz_class& candidate : candidates) factors.push_back({-candidate, 1});
    FmpzPoly product;
    MultiplyOut(factors, product);
    if (IsMultipleOfMonic(g, product.get())) return candidates;
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
std::vector<mpz_class> LiftedRoots(const fmpz_poly_struct* g, const SimpleRootsModulo& modular, const fmpz* divides,
                                   Clock::time_point deadline) {
  const ulong boundBits = std::min(RootBoundBits(g), static_cast<ulong>(fmpz_bits(divides)));
  const RootLifter lifter(g, modular.prime, boundBits);
  const SparseTerms terms(g);
  const RootFilter filter(terms);
  std::vector<mpz_class> candidates;
  Fmpz r;
  for (mpz_class& lifted : lifter.LiftAll(modular.roots, deadline)) {
    fmpz_set_mpz(r.get(), lifted.get_mpz_t());
    if (fmpz_is_zero(r.get()) || !fmpz_divisible(divides, r.get()) || !filter.MayBeRoot(r.get())) continue;
    candidates.push_back(std::move(lifted));
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
  const SimpleRootsModulo modular = FindSimpleRoots(f.get(), part, g, deadline);
  if (modular.roots.empty()) return {};
  Fmpz divides;
  fmpz_set_mpz(divides.get(), divisorOf.get_mpz_t());
  return LiftedRoots(g, modular, divides.get(), deadline);
}

}  // namespace factorix
