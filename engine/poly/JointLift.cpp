#include "engine/poly/JointLift.h"

#include <unordered_map>

#include "engine/poly/FlintConversion.h"

namespace factorix {

namespace {

void MultiplyOut(const std::vector<Polynomial>& factors, std::size_t begin, std::size_t end, FmpzPoly& out) {
  if (end - begin == 1) {
    SetFlint(out, factors[begin]);
    return;
  }
  FmpzPoly right;
  const std::size_t middle = begin + (end - begin) / 2;
  MultiplyOut(factors, begin, middle, out);
  MultiplyOut(factors, middle, end, right);
  fmpz_poly_mul(out.get(), out.get(), right.get());
}

// g's factors modulo p: x - r for every root, then g / (lc (x - r)...)
// when it is not constant, each monic. False when gp has a repeated factor.
bool LocalFactors(const NmodPoly& gp, const std::vector<mp_limb_t>& roots, NmodPolyFactors& local) {
  const mp_limb_t p = gp.get()->mod.n;
  NmodPoly slope(p), common(p);
  nmod_poly_derivative(slope.get(), gp.get());
  nmod_poly_gcd(common.get(), gp.get(), slope.get());
  if (nmod_poly_degree(common.get()) != 0) return false;
  NmodPoly factor(p), product(p), cofactor(p), remainder(p);
  for (const mp_limb_t r : roots) {
    nmod_poly_zero(factor.get());
    nmod_poly_set_coeff_ui(factor.get(), 1, 1);
    nmod_poly_set_coeff_ui(factor.get(), 0, r == 0 ? 0 : p - r);
    nmod_poly_factor_insert(local.get(), factor.get(), 1);
  }
  nmod_poly_product_roots_nmod_vec(product.get(), roots.data(), static_cast<slong>(roots.size()));
  nmod_poly_divrem(cofactor.get(), remainder.get(), gp.get(), product.get());
  if (!nmod_poly_is_zero(remainder.get())) return false;  // some r is no root
  if (nmod_poly_degree(cofactor.get()) >= 1) {
    nmod_poly_make_monic(cofactor.get(), cofactor.get());
    nmod_poly_factor_insert(local.get(), cofactor.get(), 1);
  }
  return true;
}

}  // namespace

void MultiplyOut(const std::vector<Polynomial>& factors, FmpzPoly& out) { MultiplyOut(factors, 0, factors.size(), out); }

std::optional<std::vector<mpz_class>> LiftTogether(const fmpz_poly_struct* g, mp_limb_t p,
                                                   const std::vector<mp_limb_t>& roots, slong exponent) {
  const slong degree = fmpz_poly_degree(g);
  if (roots.size() < 2 || exponent < 2 || p < 2 || degree < 2) return std::nullopt;
  Fmpz modulus;
  fmpz_set_ui(modulus.get(), p);
  fmpz_pow_ui(modulus.get(), modulus.get(), static_cast<ulong>(exponent));
  if (static_cast<ulong>(degree) * fmpz_bits(modulus.get()) > kMostJointLiftSize) return std::nullopt;
  NmodPoly gp(p);
  fmpz_poly_get_nmod_poly(gp.get(), g);
  if (nmod_poly_degree(gp.get()) != degree) return std::nullopt;  // FLINT needs lc invertible
  NmodPolyFactors local;
  if (!LocalFactors(gp, roots, local)) return std::nullopt;

  FmpzPolyFactors lifted;
  fmpz_poly_hensel_lift_once(lifted.get(), g, local.get(), exponent);
  // The lifted factors come in the tree's order: each x + c is matched to
  // its root by c's residue modulo p.
  std::unordered_map<mp_limb_t, std::size_t> place;
  for (std::size_t i = 0; i < roots.size(); ++i) place.emplace(roots[i], i);
  std::vector<mpz_class> out(roots.size());
  std::vector<bool> filled(roots.size(), false);
  Fmpz r;
  for (slong i = 0; i < lifted.get()->num; ++i) {
    const fmpz_poly_struct* factor = lifted.get()->p + i;
    if (fmpz_poly_degree(factor) != 1 || !fmpz_is_one(factor->coeffs + 1)) continue;
    fmpz_neg(r.get(), factor->coeffs);
    fmpz_smod(r.get(), r.get(), modulus.get());
    const auto at = place.find(fmpz_fdiv_ui(r.get(), p));
    if (at == place.end() || filled[at->second]) return std::nullopt;
    fmpz_get_mpz(out[at->second].get_mpz_t(), r.get());
    filled[at->second] = true;
  }
  for (const bool f : filled) {
    if (!f) return std::nullopt;
  }
  return out;
}

}  // namespace factorix
