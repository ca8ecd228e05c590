#include "engine/factor/Factorization.h"

#include <gmp.h>
#include <flint/fmpz_poly_factor.h>
#include <flint/nmod_poly.h>
#include <flint/nmod_poly_factor.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

#include "engine/core/EngineError.h"
#include "engine/poly/IntegerRoots.h"
#include "engine/core/RootOrder.h"
#include "engine/factor/FlintConversion.h"

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
void CheckSize(const Polynomial& p) {
  const int degree = Degree(p);
  if (degree > kMaxFactorDegree) throw EngineError(kOverflow);
  std::size_t bits = 0;
  for (const mpz_class& c : p) bits = std::max(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  if (static_cast<unsigned long>(degree) * bits > kMaxFactorBits) throw EngineError(kOverflow);
}

// The number of irreducible factors of the squarefree `f` modulo a prime
// that divides neither its leading coefficient nor its discriminant; the
// fewer of two such primes. FLINT's recombination of these is what takes
// time when there are many. The count comes from the distinct-degree
// factorisation alone: the factors of degree d multiply to a polynomial of
// degree d times their number. Small primes keep it quick.
long FactorsModPrime(const fmpz_poly_struct* f) {
  // The primes tried are the first kPrimesTried above kPrimesAbove; the
  // count is taken modulo the first kPrimesCounted that suit.
  constexpr mp_limb_t kPrimesAbove = 60;
  constexpr int kPrimesTried = 40;
  constexpr int kPrimesCounted = 2;
  long fewest = -1;
  int found = 0;
  mp_limb_t p = kPrimesAbove;
  std::vector<slong> degrees(static_cast<std::size_t>(fmpz_poly_degree(f)) + 1);
  for (int tries = 0; tries < kPrimesTried && found < kPrimesCounted; ++tries) {
    p = n_nextprime(p, 1);
    NmodPoly reduced(p), derivative(p), gcd(p);
    fmpz_poly_get_nmod_poly(reduced.get(), f);
    if (nmod_poly_degree(reduced.get()) == fmpz_poly_degree(f)) {
      nmod_poly_derivative(derivative.get(), reduced.get());
      nmod_poly_gcd(gcd.get(), reduced.get(), derivative.get());
      if (nmod_poly_degree(gcd.get()) == 0) {
        nmod_poly_make_monic(reduced.get(), reduced.get());
        nmod_poly_factor_t groups;
        nmod_poly_factor_init(groups);
        slong* degree = degrees.data();
        nmod_poly_factor_distinct_deg(groups, reduced.get(), &degree);
        long count = 0;
        for (slong i = 0; i < groups->num; ++i) count += nmod_poly_degree(groups->p + i) / degree[i];
        nmod_poly_factor_clear(groups);
        fewest = fewest < 0 ? count : std::min(fewest, count);
        ++found;
      }
    }
  }
  return fewest;  // -1 only if every prime tried divided the discriminant
}

// Whether FLINT may factor the squarefree `f` in a moment. Below degree
// kFewFactorsDegree there are too few factors for their recombination to
// take time.
void CheckFactorsModPrime(const fmpz_poly_struct* f) {
  constexpr slong kFewFactorsDegree = 4;
  if (fmpz_poly_degree(f) < kFewFactorsDegree) return;
  const long count = FactorsModPrime(f);
  if (count < 0 || count > kMaxFactorsModPrime) throw EngineError(kOverflow);
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

// The irreducible factors of the squarefree `f` (primitive, positive
// leading coefficient, degree >= 1), each primitive with a positive leading
// coefficient and the given multiplicity.
std::vector<FactorPower> FactorSquarefree(const Polynomial& f, unsigned multiplicity) {
  if (Degree(f) == 1) return {FactorPower{f, multiplicity}};
  FmpzPoly poly;
  SetFlint(poly, f);
  CheckFactorsModPrime(poly.get());
  FlintFactors factors;
  fmpz_poly_factor(factors.get(), poly.get());
  std::vector<FactorPower> out;
  for (slong i = 0; i < factors.get()->num; ++i) {
    FactorPower power{ToPolynomial(factors.get()->p + i), multiplicity};
    if (!power.factor.empty() && power.factor.back() < 0) {
      for (mpz_class& c : power.factor) c = -c;
    }
    out.push_back(std::move(power));
  }
  return out;
}

// Time the engine's root finder may take for one squarefree part.
constexpr std::chrono::milliseconds kRootsBudget{500};

// The integer roots of the squarefree `f` (constant term nonzero), from the
// engine's root finder; none when it runs out of time, and then FLINT finds
// them among the factors.
std::vector<mpz_class> SquarefreeRoots(const Polynomial& f) {
  try {
    return IntegerRootsDividing(f, f.front(), std::chrono::steady_clock::now() + kRootsBudget);
  } catch (const EngineError&) {
    return {};
  }
}

}  // namespace

bool IsRootFactor(const Polynomial& f) { return f.size() == 2 && f[1] == 1; }

Factorization Factorize(Polynomial p) {
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

  // Each squarefree part of multiplicity e: its integer roots first, then
  // FLINT for what is left. Roots missed there come back from FLINT as
  // factors x - r.
  std::vector<FactorPower> roots, others;
  FmpzPoly primitive;
  SetFlint(primitive, p);
  FlintFactors parts;
  fmpz_poly_factor_squarefree(parts.get(), primitive.get());
  for (slong i = 0; i < parts.get()->num; ++i) {
    Polynomial part = ToPolynomial(parts.get()->p + i);
    const auto multiplicity = static_cast<unsigned>(parts.get()->exp[i]);
    if (part.back() < 0) {
      for (mpz_class& c : part) c = -c;
    }
    for (const mpz_class& r : SquarefreeRoots(part)) {
      part = DivideByRoot(part, r);
      roots.push_back(FactorPower{{-r, 1}, multiplicity});
    }
    if (Degree(part) < 1) continue;
    for (FactorPower& factor : FactorSquarefree(part, multiplicity))
      (IsRootFactor(factor.factor) ? roots : others).push_back(std::move(factor));
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
