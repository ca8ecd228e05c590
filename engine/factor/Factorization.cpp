#include "engine/factor/Factorization.h"

#include <gmp.h>
#include <flint/fmpz_poly_factor.h>
#include <flint/nmod_poly.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <cstddef>

#include "engine/EngineError.h"
#include "engine/RootFinder.h"
#include "engine/factor/FlintPolynomial.h"

namespace factorix {

namespace {

// Holds an fmpz_poly_factor_t for its lifetime.
class FlintFactors {
public:
  FlintFactors() { fmpz_poly_factor_init(factors_); }
  ~FlintFactors() { fmpz_poly_factor_clear(factors_); }
  FlintFactors(const FlintFactors&) = delete;
  FlintFactors& operator=(const FlintFactors&) = delete;
  fmpz_poly_factor_struct* get() { return factors_; }

private:
  fmpz_poly_factor_t factors_;
};

// Refuses what FLINT could not factor in a moment.
void CheckSize(const Coefficients& p) {
  const int degree = Degree(p);
  if (degree > kMaxFactorDegree) throw EngineError(kOverflow);
  std::size_t bits = 0;
  for (const mpz_class& c : p) bits = std::max(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  if (static_cast<unsigned long>(degree) * bits > kMaxFactorBits) throw EngineError(kOverflow);
}

// The number of irreducible factors of the squarefree `f` modulo a prime
// that divides neither its leading coefficient nor its discriminant; the
// fewest over a few such primes. FLINT's recombination of these is what
// takes time when there are many.
long FactorsModPrime(const fmpz_poly_struct* f) {
  long fewest = -1;
  int found = 0;
  mp_limb_t p = 1u << 16;
  for (int tries = 0; tries < 40 && found < 3; ++tries) {
    p = n_nextprime(p, 1);
    nmod_poly_t reduced, derivative, gcd;
    nmod_poly_init(reduced, p);
    nmod_poly_init(derivative, p);
    nmod_poly_init(gcd, p);
    fmpz_poly_get_nmod_poly(reduced, f);
    if (nmod_poly_degree(reduced) == fmpz_poly_degree(f)) {
      nmod_poly_derivative(derivative, reduced);
      nmod_poly_gcd(gcd, reduced, derivative);
      if (nmod_poly_degree(gcd) == 0) {
        nmod_poly_factor_t factors;
        nmod_poly_factor_init(factors);
        nmod_poly_factor(factors, reduced);
        const long count = factors->num;
        nmod_poly_factor_clear(factors);
        fewest = fewest < 0 ? count : std::min(fewest, count);
        ++found;
      }
    }
    nmod_poly_clear(reduced);
    nmod_poly_clear(derivative);
    nmod_poly_clear(gcd);
  }
  return fewest;  // -1 only if every prime tried divided the discriminant
}

// Whether FLINT may factor `f` (primitive, degree >= 2, no integer roots).
void CheckFactorsModPrime(const fmpz_poly_struct* f) {
  FlintFactors squarefree;
  fmpz_poly_factor_squarefree(squarefree.get(), f);
  for (slong i = 0; i < squarefree.get()->num; ++i) {
    const fmpz_poly_struct* part = squarefree.get()->p + i;
    if (fmpz_poly_degree(part) < 4) continue;
    const long count = FactorsModPrime(part);
    if (count < 0 || count > kMaxFactorsModPrime) throw EngineError(kOverflow);
  }
}

// Coefficients compared from the highest power down.
bool ComesBefore(const FactorPower& a, const FactorPower& b) {
  if (a.factor.size() != b.factor.size()) return a.factor.size() < b.factor.size();
  for (std::size_t i = a.factor.size(); i-- > 0;) {
    if (a.factor[i] != b.factor[i]) return a.factor[i] < b.factor[i];
  }
  return false;
}

// The factors of `f` (primitive, positive leading coefficient, degree >= 1,
// no integer roots), each primitive with a positive leading coefficient.
std::vector<FactorPower> FactorWithoutRoots(const Coefficients& f) {
  if (Degree(f) == 1) return {FactorPower{f, 1}};
  FlintPolynomial poly(f);
  CheckFactorsModPrime(poly.get());
  FlintFactors factors;
  fmpz_poly_factor(factors.get(), poly.get());
  std::vector<FactorPower> out;
  for (slong i = 0; i < factors.get()->num; ++i) {
    FactorPower power{ToCoefficients(factors.get()->p + i), static_cast<unsigned>(factors.get()->exp[i])};
    if (!power.factor.empty() && power.factor.back() < 0) {
      for (mpz_class& c : power.factor) c = -c;
    }
    out.push_back(std::move(power));
  }
  std::sort(out.begin(), out.end(), ComesBefore);
  return out;
}

}  // namespace

bool RootOrder(const mpz_class& a, const mpz_class& b) {
  const int magnitude = mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
  if (magnitude != 0) return magnitude < 0;
  return a < b;
}

Factorization Factorize(Coefficients p) {
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

  // the other integer roots divide the constant term
  if (p.size() > 1) {
    std::vector<mpz_class> roots = RootFinder(p).RootsDividing(p.front());
    std::sort(roots.begin(), roots.end(), RootOrder);
    for (const mpz_class& r : roots) {
      unsigned multiplicity = 0;
      while (p.size() > 1 && IsRoot(p, r)) {
        p = DivideByRoot(p, r);
        ++multiplicity;
      }
      if (multiplicity > 0) out.factors.push_back(FactorPower{{-r, 1}, multiplicity});
    }
  }

  if (p.size() > 1) {
    std::vector<FactorPower> rest = FactorWithoutRoots(p);
    out.factors.insert(out.factors.end(), rest.begin(), rest.end());
  }
  return out;
}

std::vector<mpz_class> IntegerRoots(const Factorization& factorization) {
  std::vector<mpz_class> roots;
  for (const FactorPower& power : factorization.factors) {
    if (power.factor.size() != 2 || power.factor[1] != 1) continue;
    roots.insert(roots.end(), power.multiplicity, -power.factor[0]);
  }
  std::stable_sort(roots.begin(), roots.end(), RootOrder);
  return roots;
}

}  // namespace factorix
