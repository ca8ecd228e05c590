#include "engine/poly/RationalRoots.h"

#include "engine/poly/FlintConversion.h"
#include "engine/poly/FlintTypes.h"
#include "engine/poly/JointLift.h"
#include "engine/poly/ModularRoots.h"
#include "engine/poly/SparseTerms.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// v x - u for the root u/v, from w = lc * root (an integer): u/v = w / lc in
// lowest terms, v > 0.
Polynomial LinearFactor(const fmpz* w, const fmpz* lead) {
  Fmpz common, u, v;
  fmpz_gcd(common.get(), w, lead);
  if (fmpz_sgn(lead) < 0) fmpz_neg(common.get(), common.get());
  fmpz_divexact(u.get(), w, common.get());
  fmpz_divexact(v.get(), lead, common.get());
  Polynomial factor(2);
  fmpz_get_mpz(factor[0].get_mpz_t(), u.get());
  factor[0] = -factor[0];
  fmpz_get_mpz(factor[1].get_mpz_t(), v.get());
  return factor;
}

void SetLinear(FmpzPoly& poly, const Polynomial& factor) {
  fmpz_poly_zero(poly.get());
  fmpz_poly_set_coeff_mpz(poly.get(), 0, factor[0].get_mpz_t());
  fmpz_poly_set_coeff_mpz(poly.get(), 1, factor[1].get_mpz_t());
}

// The candidates that divide g. Many are checked at once: their product
// divides g when each does (they are coprime), and one division costs far
// less than one for each.
std::vector<Polynomial> ExactFactors(const fmpz_poly_struct* g, std::vector<Polynomial> candidates) {
  FmpzPoly product, quotient;
  if (candidates.size() > kFewRoots) {
    MultiplyOut(candidates, product);
    if (fmpz_poly_divides(quotient.get(), g, product.get())) return candidates;
  }
  std::vector<Polynomial> found;
  for (Polynomial& factor : candidates) {
    SetLinear(product, factor);
    if (fmpz_poly_divides(quotient.get(), g, product.get())) found.push_back(std::move(factor));
  }
  return found;
}

}  // namespace

std::vector<Polynomial> RationalRootFactors(const Polynomial& f, Clock::time_point deadline) {
  FmpzPoly poly;
  SetFlint(poly, f);
  FmpzPoly part;
  const fmpz_poly_struct* g = poly.get();
  const SimpleRootsModulo modular = FindSimpleRoots(poly.get(), part, g, deadline);
  if (modular.roots.empty()) return {};

  // lc * root is an integer below |lc| 2^bound: lifted past twice that, it
  // is the residue of least absolute value of lc times the lifted root.
  const fmpz* lead = fmpz_poly_lead(g);
  const RootLifter lifter(g, modular.prime, fmpz_bits(lead) + RootBoundBits(g));
  const SparseTerms terms(g);
  const RootFilter filter(terms);
  std::vector<Polynomial> candidates;
  Fmpz w;
  for (const mpz_class& r : lifter.LiftAll(modular.roots, deadline)) {
    fmpz_set_mpz(w.get(), r.get_mpz_t());
    fmpz_mul(w.get(), w.get(), lead);
    fmpz_smod(w.get(), w.get(), lifter.modulus());
    if (fmpz_is_zero(w.get())) continue;
    Polynomial factor = LinearFactor(w.get(), lead);
    if (filter.MayBeRootOf(factor[0], factor[1])) candidates.push_back(std::move(factor));
  }
  return ExactFactors(g, std::move(candidates));
}

}  // namespace factorix
