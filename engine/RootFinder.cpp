#include "engine/RootFinder.h"

#include "engine/EngineError.h"
#include "engine/HenselLift.h"
#include "engine/SmallPrimeField.h"

#include <algorithm>
#include <cstddef>

namespace factorix {

namespace {

int CompareMagnitude(const mpz_class& a, const mpz_class& b) {
  return mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
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
  mpz_fdiv_q(bound.get_mpz_t(), largest.get_mpz_t(), f.back().get_mpz_t());
  return abs(bound) + 1;
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

// How many primes are tried: those that keep every root simple, and those
// that do not, before giving up on them.
constexpr int kGoodPrimes = 3;
constexpr int kBadPrimes = 4;

}  // namespace

RootFinder::RootFinder(Coefficients coeffs) : coeffs_(std::move(coeffs)) { Trim(coeffs_); }

std::vector<mpz_class> RootFinder::RootsDividing(const mpz_class& constant) const {
  std::vector<mpz_class> roots;
  if (coeffs_.empty() || constant == 0) return roots;

  // Nonzero roots only: take the factors of x out.
  std::size_t low = 0;
  while (coeffs_[low] == 0) ++low;
  const Coefficients f(coeffs_.begin() + static_cast<std::ptrdiff_t>(low), coeffs_.end());
  if (Degree(f) < 1) return roots;

  // Every nonzero integer root divides f(0) as well as the constant.
  mpz_class g;
  mpz_gcd(g.get_mpz_t(), f[0].get_mpz_t(), constant.get_mpz_t());
  mpz_class bound = CauchyBound(f);
  if (Degree(f) <= kFujiwaraDegree) bound = std::min(bound, FujiwaraBound(f));
  bound = std::min(bound, g);

  if (bound == 1 || Degree(f) == 1) {
    for (const long r : {-1L, 1L}) {
      if (IsRoot(f, r)) roots.emplace_back(r);
    }
    if (Degree(f) == 1 && roots.empty() && mpz_divisible_p(f[0].get_mpz_t(), f[1].get_mpz_t())) {
      // a x + b: the root -b/a when a divides b.
      mpz_class r;
      mpz_divexact(r.get_mpz_t(), f[0].get_mpz_t(), f[1].get_mpz_t());
      r = -r;
      if (CompareMagnitude(r, bound) <= 0 && mpz_divisible_p(g.get_mpz_t(), r.get_mpz_t())) {
        roots.push_back(r);
      }
    }
    return roots;
  }

  std::optional<std::vector<mpz_class>> lifted = Lifted(f, bound, g, false);
  if (!lifted) {
    // Every tried prime left a multiple root: most likely f has a repeated
    // factor. Its square-free part has the same roots, all simple.
    if (Degree(f) > kMaxSquareFreeDegree) throw EngineError(kOverflow);
    const Coefficients s = SquareFreePart(f);
    lifted = Degree(s) < 1 ? std::vector<mpz_class>{} : Lifted(s, bound, g, true);
  }
  roots = std::move(*lifted);
  std::sort(roots.begin(), roots.end(), [](const mpz_class& a, const mpz_class& b) {
    const int byMagnitude = CompareMagnitude(a, b);
    return byMagnitude != 0 ? byMagnitude < 0 : a < b;
  });
  return roots;
}

std::optional<std::vector<mpz_class>> RootFinder::Lifted(const Coefficients& f,
                                                         const mpz_class& bound,
                                                         const mpz_class& divisorOf,
                                                         bool squareFree) const {
  std::vector<mpz_class> roots;

  // Pick, among a few primes that keep every root simple, the one with the
  // fewest roots; a prime without any proves at once that there is none.
  std::uint32_t bestPrime = 0;
  Residues bestRoots, bestInverses;
  int good = 0;
  int bad = 0;
  std::vector<std::uint32_t> groupResidues(f.size());
  for (const PrimeGroup& group : SmallPrimeGroups()) {
    for (std::size_t i = 0; i < f.size(); ++i) {
      groupResidues[i] = static_cast<std::uint32_t>(mpz_fdiv_ui(f[i].get_mpz_t(), group.product));
    }
    for (const std::uint32_t q : group.primes) {
      const SmallPrimeField field(q);
      const Residues fq = field.Reduce(groupResidues);
      if (fq.back() == 0) continue;  // q divides the leading coefficient
      Residues rq = field.Roots(fq);
      if (rq.empty()) return roots;
      Residues inverses;
      for (const std::uint32_t r : rq) {
        const std::uint32_t slope = field.EvalDerivative(fq, r);
        if (slope == 0) break;
        inverses.push_back(field.Inverse(slope));
      }
      if (inverses.size() != rq.size()) {
        // A multiple root modulo q cannot be lifted.
        if (++bad == kBadPrimes && good == 0 && !squareFree) return std::nullopt;
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
  if (bestPrime == 0) {
    // Every small prime divides the discriminant (or the leading
    // coefficient): only a constructed polynomial of huge size gets here.
    if (squareFree) throw EngineError(kOverflow);
    return std::nullopt;
  }

  // Lifted past twice the bound, the symmetric residue is the root itself.
  const unsigned long k = PrecisionFor(bestPrime, 2 * bound);
  for (std::size_t i = 0; i < bestRoots.size(); ++i) {
    mpz_class r = HenselLift(f, bestPrime, bestRoots[i], bestInverses[i], k);
    if (r == 0 || CompareMagnitude(r, bound) > 0) continue;
    if (!mpz_divisible_p(divisorOf.get_mpz_t(), r.get_mpz_t())) continue;
    if (IsRoot(f, r)) roots.push_back(std::move(r));
  }
  return roots;
}

}  // namespace factorix
