#include "engine/graph/CurveFactors.h"

#include "engine/poly/FlintConversion.h"
#include "engine/poly/RationalRoots.h"

namespace factorix {
namespace {

constexpr ulong kSievePrimes[] = {11, 13, 17, 19, 23, 29, 31, 37};

// True when g has no root modulo one of a few small primes that do not
// divide its leading coefficient, and so no rational root: a root u/v has
// v dividing lc(g), so it has an image modulo every such prime. Most
// polynomials without a rational root are told apart this way at a small
// part of the cost of searching for one.
bool NoRationalRootBySieve(const fmpz_poly_struct* g) {
  for (ulong prime : kSievePrimes) {
    if (fmpz_fdiv_ui(fmpz_poly_lead(g), prime) == 0) continue;
    NmodPoly image(prime);
    fmpz_poly_get_nmod_poly(image.get(), g);
    bool anyRoot = false;
    for (ulong x = 0; x < prime && !anyRoot; ++x) anyRoot = nmod_poly_evaluate_nmod(image.get(), x) == 0;
    if (!anyRoot) return true;
  }
  return false;
}

// The rational roots of g (g(0) != 0, degree >= 1) as primitive linear
// factors v x - u. When g(x) = H(x^k), they are the k-th roots of H's
// rational roots that are rational, found on H, of degree k times smaller.
std::vector<Polynomial> RationalRoots(const fmpz_poly_struct* g, Deadline deadline) {
  if (NoRationalRootBySieve(g)) return {};
  const ulong k = fmpz_poly_deflation(g);
  if (k < 2) return RationalRootFactors(ToPolynomial(g), deadline);
  FmpzPoly h;
  fmpz_poly_deflate(h.get(), g, k);
  std::vector<Polynomial> roots;
  for (const Polynomial& factor : RationalRootFactors(ToPolynomial(h.get()), deadline)) {
    mpz_class u = factor[0] < 0 ? mpz_class(-factor[0]) : mpz_class(factor[0]), v = factor[1];  // |root| = u / v
    const bool negative = factor[0] > 0;
    if (negative && k % 2 == 0) continue;
    if (mpz_root(u.get_mpz_t(), u.get_mpz_t(), k) == 0 || mpz_root(v.get_mpz_t(), v.get_mpz_t(), k) == 0) continue;
    roots.push_back({negative ? mpz_class(u) : mpz_class(-u), v});
    if (k % 2 == 0) roots.push_back({u, v});
  }
  return roots;
}

// Moves the rational roots of the square-free `g` (g(0) != 0, degree >= 1)
// into `factors` as linear factors and leaves g divided by them.
void SplitRationalRoots(FmpzPoly& g, unsigned multiplicity, Deadline deadline, CurveFactors& factors) {
  const std::vector<Polynomial> roots = RationalRoots(g.get(), deadline);
  if (roots.empty()) return;
  FmpzPoly product, linear, quotient;
  fmpz_poly_one(product.get());
  for (const Polynomial& root : roots) {
    SetFlint(linear, root);
    fmpz_poly_mul(product.get(), product.get(), linear.get());
  }
  // The division proves the roots: g stays whole, its roots sought as the
  // rest's, should it not divide.
  if (!fmpz_poly_divides(quotient.get(), g.get(), product.get())) return;
  for (const Polynomial& root : roots) factors.linear.push_back({-root[0], root[1], multiplicity});
  fmpz_poly_swap(g.get(), quotient.get());
}

}  // namespace

void FactorForCurve(const Polynomial& p, Deadline deadline, CurveFactors& factors, bool rationalRoots) {
  FmpzPoly poly;
  SetFlint(poly, p);
  if (fmpz_poly_is_zero(poly.get())) return;
  FmpzPolyFactors squareFree;
  fmpz_poly_factor_squarefree(squareFree.get(), poly.get());
  fmpz_get_mpz(factors.content.get_mpz_t(), &squareFree.get()->c);
  for (slong i = 0; i < squareFree.get()->num; ++i) {
    const auto multiplicity = static_cast<unsigned>(squareFree.get()->exp[i]);
    auto part = std::make_unique<FmpzPoly>();
    fmpz_poly_set(part->get(), squareFree.get()->p + i);
    if (fmpz_is_zero(part->get()->coeffs)) {
      factors.linear.push_back({0, 1, multiplicity});
      fmpz_poly_shift_right(part->get(), part->get(), 1);
    }
    if (fmpz_poly_degree(part->get()) < 1) continue;
    if (rationalRoots) SplitRationalRoots(*part, multiplicity, deadline, factors);
    if (fmpz_poly_degree(part->get()) >= 1) factors.parts.push_back({std::move(part), multiplicity});
  }
}

}  // namespace factorix
