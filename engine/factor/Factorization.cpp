#include "engine/factor/Factorization.h"

#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/core/EngineError.h"
#include "engine/core/RootOrder.h"
#include "engine/factor/IrreducibleFactors.h"
#include "engine/poly/FlintConversion.h"
#include "engine/poly/RationalRoots.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// Refuses what FLINT could not factor in a moment.
void CheckSize(const Polynomial& p) {
  const int degree = Degree(p);
  if (degree > kMaxFactorDegree) throw EngineError(kOverflow);
  std::size_t bits = 0;
  for (const mpz_class& c : p) bits = std::max(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  if (static_cast<unsigned long>(degree) * bits > kMaxFactorBits) throw EngineError(kOverflow);
}

// Factors compared by degree, then by their coefficients from the highest
// power down.
bool ComesBefore(const FactorPower& a, const FactorPower& b) {
  if (a.factor.size() != b.factor.size()) return a.factor.size() < b.factor.size();
  for (std::size_t i = a.factor.size(); i-- > 0;) {
    if (a.factor[i] != b.factor[i]) return a.factor[i] < b.factor[i];
  }
  return false;
}

// The factors of the squarefree `f` (primitive, positive leading
// coefficient, degree >= 1, f(0) != 0), each with the given multiplicity:
// those of its rational roots, then FLINT's for what is left.
void FactorSquarefree(const Polynomial& f, unsigned multiplicity, Clock::time_point deadline,
                      std::vector<FactorPower>& roots, std::vector<FactorPower>& others) {
  const std::vector<Polynomial> linear = RationalRootFactors(f, deadline);
  FmpzPoly rest, product, factor;
  SetFlint(rest, f);
  fmpz_poly_one(product.get());
  for (const Polynomial& l : linear) {
    SetFlint(factor, l);
    fmpz_poly_mul(product.get(), product.get(), factor.get());
    (IsRootFactor(l) ? roots : others).push_back(FactorPower{l, multiplicity});
  }
  fmpz_poly_div(rest.get(), rest.get(), product.get());  // exact: the factors divide f
  if (fmpz_poly_degree(rest.get()) < 1) return;
  for (Polynomial& g : IrreducibleFactors(ToPolynomial(rest.get()), deadline)) {
    others.push_back(FactorPower{std::move(g), multiplicity});
  }
}

}  // namespace

bool IsRootFactor(const Polynomial& f) { return f.size() == 2 && f[1] == 1; }

Factorization Factorize(Polynomial p) { return Factorize(std::move(p), Clock::now() + kFactorBudget); }

Factorization Factorize(Polynomial p, Clock::time_point deadline) {
  Trim(p);
  Factorization out;
  if (p.size() <= 1) {
    out.content = p.empty() ? mpz_class(0) : p.front();
    return out;
  }
  CheckSize(p);

  // content and primitive part, the leading coefficient made positive
  for (const mpz_class& c : p) mpz_gcd(out.content.get_mpz_t(), out.content.get_mpz_t(), c.get_mpz_t());
  if (p.back() < 0) out.content = -out.content;
  for (mpz_class& c : p) mpz_divexact(c.get_mpz_t(), c.get_mpz_t(), out.content.get_mpz_t());

  // the root 0: x divides once for every zero at the low end
  std::size_t zeros = 0;
  while (p[zeros] == 0) ++zeros;
  if (zeros > 0) {
    out.factors.push_back(FactorPower{{0, 1}, static_cast<unsigned>(zeros)});
    p.erase(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(zeros));
  }

  if (p.size() <= 1) return out;

  // Each squarefree part of multiplicity e: its rational roots first, then
  // FLINT for what is left.
  std::vector<FactorPower> roots, others;
  FmpzPoly primitive;
  SetFlint(primitive, p);
  FmpzPolyFactors parts;
  fmpz_poly_factor_squarefree(parts.get(), primitive.get());
  for (slong i = 0; i < parts.get()->num; ++i) {
    Polynomial part = ToPolynomial(parts.get()->p + i);
    if (part.back() < 0) {
      for (mpz_class& c : part) c = -c;
    }
    FactorSquarefree(part, static_cast<unsigned>(parts.get()->exp[i]), deadline, roots, others);
  }
  std::sort(roots.begin(), roots.end(),
            [](const FactorPower& a, const FactorPower& b) { return RootOrder(-a.factor[0], -b.factor[0]); });
  std::sort(others.begin(), others.end(), ComesBefore);
  out.factors.insert(out.factors.end(), roots.begin(), roots.end());
  out.factors.insert(out.factors.end(), others.begin(), others.end());
  return out;
}

std::vector<mpz_class> IntegerRoots(const Factorization& factorization) {
  std::vector<mpz_class> roots;
  for (const FactorPower& power : factorization.factors) {
    if (!IsRootFactor(power.factor)) continue;
    roots.insert(roots.end(), power.multiplicity, -power.factor[0]);
  }
  std::stable_sort(roots.begin(), roots.end(), RootOrder);
  return roots;
}

}  // namespace factorix
