#include "engine/poly/RootFinder.h"

#include "engine/core/EngineError.h"
#include "engine/poly/HenselLift.h"
#include "engine/poly/SmallPrimeField.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace factorix {

namespace {

int CompareMagnitude(const mpz_class& a, const mpz_class& b) {
  return mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
}

// residues[i] = f[i] mod modulus, in [0, modulus); residues has f's size.
// One reduction per prime group; each prime then reduces these small words.
void ReduceModulo(const Coefficients& f, std::uint32_t modulus, std::vector<std::uint32_t>& residues) {
  for (std::size_t i = 0; i < f.size(); ++i) {
    residues[i] = static_cast<std::uint32_t>(mpz_fdiv_ui(f[i].get_mpz_t(), modulus));
  }
}

// The least k with q^k > limit.
unsigned long PrecisionFor(std::uint32_t q, const mpz_class& limit) {
  unsigned long k = 1;
  mpz_class power = q;
  while (power <= limit) {
    power *= q;
    ++k;
  }
  return k;
}

// Cauchy: no root exceeds 1 + max |a_i / a_n| in absolute value; rounded down
// for integer roots.
mpz_class CauchyBound(const Coefficients& f) {
  mpz_class largest;
  for (std::size_t i = 0; i + 1 < f.size(); ++i) {
    if (CompareMagnitude(f[i], largest) > 0) largest = abs(f[i]);
  }
  mpz_class bound;
  mpz_fdiv_q(bound.get_mpz_t(), largest.get_mpz_t(), mpz_class(abs(f.back())).get_mpz_t());
  return bound + 1;
}

// Fujiwara: no root exceeds 2 max |a_(n-i) / a_n|^(1/i), the term for i = n
// taken of |a_0 / 2a_n|. Each root is rounded up, so the bound holds; it is
// far tighter than Cauchy's when the coefficients grow along the powers.
mpz_class FujiwaraBound(const Coefficients& f) {
  const int n = Degree(f);
  const mpz_class lead = abs(f.back());
  mpz_class largest = 0, ratio, root;
  for (int i = 1; i <= n; ++i) {
    const mpz_class& a = f[static_cast<std::size_t>(n - i)];
    if (a == 0) continue;
    const mpz_class denominator = i == n ? 2 * lead : lead;
    mpz_cdiv_q(ratio.get_mpz_t(), mpz_class(abs(a)).get_mpz_t(), denominator.get_mpz_t());
    if (mpz_root(root.get_mpz_t(), ratio.get_mpz_t(), static_cast<unsigned long>(i)) == 0) ++root;
    if (root > largest) largest = root;
  }
  return 2 * largest;
}

// Fujiwara's bound takes a k-th root per power; past this degree Cauchy's
// alone is used.
constexpr int kFujiwaraDegree = 64;

// How many primes the usual path tries: those that keep every root simple,
// and those that do not, before it gives up on them.
constexpr int kGoodPrimes = 3;
constexpr int kBadPrimes = 8;

// Steps of root finding modulo small primes that SimpleRoots may take
// (about a tenth of a second).
constexpr double kMaxSimpleRootsWork = 5e7;

// f without its factors of x; f trimmed.
Coefficients WithoutFactorsOfX(const Coefficients& f) {
  std::size_t low = 0;
  while (low < f.size() && f[low] == 0) ++low;
  return Coefficients(f.begin() + static_cast<std::ptrdiff_t>(low), f.end());
}

}  // namespace

RootFinder::RootFinder(Coefficients coeffs) : coeffs_(std::move(coeffs)) { Trim(coeffs_); }

std::vector<mpz_class> RootFinder::RootsDividing(const mpz_class& constant) const {
  if (coeffs_.empty() || constant == 0) return {};
  std::vector<mpz_class> roots = Roots(coeffs_, Filter{0, abs(constant)});
  std::sort(roots.begin(), roots.end(), [](const mpz_class& a, const mpz_class& b) {
    const int byMagnitude = CompareMagnitude(a, b);
    return byMagnitude != 0 ? byMagnitude < 0 : a < b;
  });
  return roots;
}

std::vector<mpz_class> RootFinder::Roots(Coefficients f, const Filter& outer) const {
  // Nonzero roots only: take the factors of x out.
  f = WithoutFactorsOfX(f);
  if (Degree(f) < 1) return {};

  // Every nonzero integer root divides f(0); none exceeds the bounds.
  Filter filter;
  mpz_gcd(filter.divisorOf.get_mpz_t(), f[0].get_mpz_t(), outer.divisorOf.get_mpz_t());
  filter.bound = CauchyBound(f);
  if (Degree(f) <= kFujiwaraDegree) filter.bound = std::min(filter.bound, FujiwaraBound(f));
  filter.bound = std::min(filter.bound, filter.divisorOf);
  if (outer.bound != 0) filter.bound = std::min(filter.bound, outer.bound);

  std::vector<mpz_class> roots;
  if (filter.bound == 1 || Degree(f) == 1) {
    for (const long r : {-1L, 1L}) {
      if (IsRoot(f, r)) roots.emplace_back(r);
    }
    if (Degree(f) == 1 && roots.empty() && mpz_divisible_p(f[0].get_mpz_t(), f[1].get_mpz_t())) {
      // a x + b: the root -b/a when a divides b.
      mpz_class r;
      mpz_divexact(r.get_mpz_t(), f[0].get_mpz_t(), f[1].get_mpz_t());
      r = -r;
      if (CompareMagnitude(r, filter.bound) <= 0 &&
          mpz_divisible_p(filter.divisorOf.get_mpz_t(), r.get_mpz_t())) {
        roots.push_back(r);
      }
    }
    return roots;
  }

  if (std::optional<std::vector<mpz_class>> simple = FromOnePrime(f, filter)) return *simple;

  // Most likely a repeated root. Such a root is also a root of f': find
  // those first, then divide them out, as often as they divide.
  Coefficients rest = f;
  for (mpz_class& r : Roots(Derivative(f), filter)) {
    if (!IsRoot(rest, r)) continue;
    do {
      rest = DivideByRoot(rest, r);
    } while (Degree(rest) >= 1 && IsRoot(rest, r));
    roots.push_back(std::move(r));
  }
  // What is left has only simple integer roots; the primes that leave a
  // multiple root now come from repeated factors without integer roots.
  if (Degree(rest) >= 1) {
    std::optional<std::vector<mpz_class>> simple = FromOnePrime(rest, filter);
    if (!simple) simple = SimpleRoots(rest, filter);
    for (mpz_class& r : *simple) roots.push_back(std::move(r));
  }
  return roots;
}

std::optional<std::vector<mpz_class>> RootFinder::FromOnePrime(const Coefficients& f,
                                                               const Filter& filter) const {
  std::vector<mpz_class> roots;
  std::uint32_t bestPrime = 0;
  Residues bestRoots, bestInverses;
  int good = 0;
  int bad = 0;
  std::vector<std::uint32_t> groupResidues(f.size());
  for (const PrimeGroup& group : SmallPrimeGroups()) {
    ReduceModulo(f, group.product, groupResidues);
    for (const std::uint32_t q : group.primes) {
      const SmallPrimeField field(q);
      const Residues fq = field.Reduce(groupResidues);
      if (fq.back() == 0) continue;  // q divides the leading coefficient
      Residues rq = field.Roots(fq);
      // No root modulo q: none over Z either.
      if (rq.empty()) return roots;
      Residues inverses;
      for (const std::uint32_t r : rq) {
        const std::uint32_t slope = field.EvalDerivative(fq, r);
        if (slope == 0) break;
        inverses.push_back(field.Inverse(slope));
      }
      if (inverses.size() != rq.size()) {
        if (++bad == kBadPrimes && good == 0) return std::nullopt;
        continue;
      }
      if (bestPrime == 0 || rq.size() < bestRoots.size()) {
        bestPrime = q;
        bestRoots = std::move(rq);
        bestInverses = std::move(inverses);
      }
      if (++good == kGoodPrimes) break;
    }
    if (good == kGoodPrimes) break;
  }
  if (bestPrime == 0) return std::nullopt;

  // Every integer root is a simple root modulo bestPrime, so it is among
  // the lifts.
  for (std::size_t i = 0; i < bestRoots.size(); ++i) {
    if (auto r = Candidate(f, filter, bestPrime, bestRoots[i], bestInverses[i])) {
      roots.push_back(std::move(*r));
    }
  }
  return roots;
}

std::vector<mpz_class> RootFinder::SimpleRoots(const Coefficients& f, const Filter& filter) const {
  // |f'(r)| <= sum of i |a_i| bound^(i-1) for |r| <= bound. A simple root
  // has f'(r) != 0, so not every prime of a product above that divides it.
  // Finding the roots modulo q takes about q·deg steps: refuse a polynomial
  // that would need more than kMaxSimpleRootsWork of them.
  const double boundBits = static_cast<double>(mpz_sizeinbase(filter.bound.get_mpz_t(), 2));
  double coefficientBits = 0;
  for (const mpz_class& a : f) {
    coefficientBits = std::max(coefficientBits, static_cast<double>(mpz_sizeinbase(a.get_mpz_t(), 2)));
  }
  const double degree = Degree(f);
  const double slopeBits = coefficientBits + 2 * std::log2(degree + 1) + degree * boundBits;
  double coveredBits = 0, work = 0;
  for (const PrimeGroup& group : SmallPrimeGroups()) {
    for (const std::uint32_t q : group.primes) {
      if (coveredBits > slopeBits) break;
      coveredBits += std::log2(q);
      work += q * (degree + 1);
    }
  }
  if (coveredBits <= slopeBits || work > kMaxSimpleRootsWork) throw EngineError(kOverflow);
  mpz_class slopeBound = 0;
  for (std::size_t i = f.size() - 1; i >= 1; --i) {
    slopeBound = slopeBound * filter.bound + abs(f[i]) * static_cast<unsigned long>(i);
  }

  std::vector<mpz_class> roots;
  mpz_class product = 1;
  std::vector<std::uint32_t> groupResidues(f.size());
  for (const PrimeGroup& group : SmallPrimeGroups()) {
    ReduceModulo(f, group.product, groupResidues);
    for (const std::uint32_t q : group.primes) {
      const SmallPrimeField field(q);
      const Residues fq = field.Reduce(groupResidues);
      if (fq.back() == 0) continue;
      for (const std::uint32_t r0 : field.Roots(fq)) {
        const std::uint32_t slope = field.EvalDerivative(fq, r0);
        if (slope == 0) continue;  // left to the other primes
        if (auto r = Candidate(f, filter, q, r0, field.Inverse(slope))) roots.push_back(std::move(*r));
      }
      product *= q;
      if (product > slopeBound) {
        // Roots found from several primes come once.
        std::sort(roots.begin(), roots.end());
        roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
        return roots;
      }
    }
  }
  throw EngineError(kOverflow);  // not reached: the size check above
}

std::optional<mpz_class> RootFinder::Candidate(const Coefficients& f, const Filter& filter,
                                               std::uint32_t q, std::uint32_t r0,
                                               std::uint32_t inverseSlope) const {
  // Lifted past twice the bound, the symmetric residue is the root itself.
  const unsigned long k = PrecisionFor(q, 2 * filter.bound);
  mpz_class r = HenselLift(f, q, r0, inverseSlope, k);
  if (r == 0 || CompareMagnitude(r, filter.bound) > 0) return std::nullopt;
  if (!mpz_divisible_p(filter.divisorOf.get_mpz_t(), r.get_mpz_t())) return std::nullopt;
  if (!IsRoot(f, r)) return std::nullopt;
  return r;
}

}  // namespace factorix
