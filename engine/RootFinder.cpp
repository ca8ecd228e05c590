#include "engine/RootFinder.h"

#include "engine/EngineError.h"

#include <algorithm>
#include <cstddef>

namespace factorix {

namespace {

using Residues = std::vector<std::uint32_t>;

// The odd primes below 2^15 from 11 on, the moduli the finder works with.
const std::vector<std::uint32_t>& SmallPrimes() {
  static const std::vector<std::uint32_t> primes = [] {
    constexpr std::uint32_t kLimit = 1u << 15;
    std::vector<bool> composite(kLimit, false);
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 2; i < kLimit; ++i) {
      if (composite[i]) continue;
      if (i >= 11) out.push_back(i);
      for (std::uint32_t j = i * i; j < kLimit; j += i) composite[j] = true;
    }
    return out;
  }();
  return primes;
}

// Polynomials modulo a prime q < 2^15, so that a product of two residues
// and a residue still fits in 32 bits.
class ModQ {
public:
  explicit ModQ(std::uint32_t q) : q_(q) {}

  Residues Reduce(const Coefficients& f) const {
    Residues out(f.size());
    for (std::size_t i = 0; i < f.size(); ++i) {
      out[i] = static_cast<std::uint32_t>(mpz_fdiv_ui(f[i].get_mpz_t(), q_));
    }
    return out;
  }

  std::uint32_t Eval(const Residues& f, std::uint32_t x) const {
    std::uint32_t v = 0;
    for (std::size_t i = f.size(); i-- > 0;) v = (v * x + f[i]) % q_;
    return v;
  }

  // f'(x) for the residues of f.
  std::uint32_t EvalDerivative(const Residues& f, std::uint32_t x) const {
    std::uint32_t v = 0;
    for (std::size_t i = f.size(); i-- > 1;) {
      v = (v * x + static_cast<std::uint32_t>(i % q_) * f[i] % q_) % q_;
    }
    return v;
  }

  // Every x in [0, q) with f(x) = 0, ascending. f's leading residue is
  // nonzero. Past the first deg+1 points the values come from the forward
  // differences, one addition per order and point.
  Residues Roots(const Residues& f) const {
    Residues roots;
    const std::size_t d = f.size() - 1;
    if (d + 1 >= q_) {
      for (std::uint32_t x = 0; x < q_; ++x) {
        if (Eval(f, x) == 0) roots.push_back(x);
      }
      return roots;
    }
    Residues diff(d + 1);
    for (std::size_t j = 0; j <= d; ++j) diff[j] = Eval(f, static_cast<std::uint32_t>(j));
    for (std::size_t k = 1; k <= d; ++k) {
      for (std::size_t j = d; j >= k; --j) diff[j] = (diff[j] + q_ - diff[j - 1]) % q_;
    }
    // diff[k] now holds the k-th difference at x = 0.
    for (std::uint32_t x = 0; x < q_; ++x) {
      if (diff[0] == 0) roots.push_back(x);
      for (std::size_t k = 0; k < d; ++k) {
        const std::uint32_t s = diff[k] + diff[k + 1];
        diff[k] = s >= q_ ? s - q_ : s;
      }
    }
    return roots;
  }

private:
  std::uint32_t q_;
};

int CompareMagnitude(const mpz_class& a, const mpz_class& b) {
  return mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
}

// f(r) and f'(r) modulo m, by Horner's rule.
void EvalWithDerivative(const Coefficients& f, const mpz_class& r, const mpz_class& m,
                        mpz_class& value, mpz_class& slope) {
  value = 0;
  slope = 0;
  for (std::size_t i = f.size(); i-- > 0;) {
    // slope = slope * r + value; value = value * r + f[i]
    mpz_mul(slope.get_mpz_t(), slope.get_mpz_t(), r.get_mpz_t());
    mpz_add(slope.get_mpz_t(), slope.get_mpz_t(), value.get_mpz_t());
    mpz_fdiv_r(slope.get_mpz_t(), slope.get_mpz_t(), m.get_mpz_t());
    mpz_mul(value.get_mpz_t(), value.get_mpz_t(), r.get_mpz_t());
    mpz_add(value.get_mpz_t(), value.get_mpz_t(), f[i].get_mpz_t());
    mpz_fdiv_r(value.get_mpz_t(), value.get_mpz_t(), m.get_mpz_t());
  }
}

// Lifts the simple root r0 of f modulo q to the root modulo q^k, doubling
// the precision at every Newton step, and returns it in the symmetric range.
mpz_class Lift(const Coefficients& f, std::uint32_t q, std::uint32_t r0, unsigned long k) {
  // The precisions, from k down to 1 by halving (rounded up).
  std::vector<unsigned long> steps;
  for (unsigned long e = k; e > 1; e = (e + 1) / 2) steps.push_back(e);
  mpz_class r = r0;
  mpz_class m, value, slope, inverse;
  for (std::size_t s = steps.size(); s-- > 0;) {
    mpz_ui_pow_ui(m.get_mpz_t(), q, steps[s]);
    EvalWithDerivative(f, r, m, value, slope);
    // slope is a unit modulo q, hence modulo m.
    mpz_invert(inverse.get_mpz_t(), slope.get_mpz_t(), m.get_mpz_t());
    r -= value * inverse;
    mpz_fdiv_r(r.get_mpz_t(), r.get_mpz_t(), m.get_mpz_t());
  }
  mpz_ui_pow_ui(m.get_mpz_t(), q, k);
  if (2 * r > m) r -= m;
  return r;
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

// 1 + max |a_i / a_n| rounded down: no root is larger in absolute value.
mpz_class CauchyBound(const Coefficients& f) {
  mpz_class largest;
  for (std::size_t i = 0; i + 1 < f.size(); ++i) {
    if (CompareMagnitude(f[i], largest) > 0) largest = abs(f[i]);
  }
  mpz_class lead = abs(f.back());
  mpz_class bound;
  mpz_fdiv_q(bound.get_mpz_t(), largest.get_mpz_t(), lead.get_mpz_t());
  return bound + 1;
}

// How many primes are tried: those that keep every root simple, and those
// that do not, before giving up on them.
constexpr int kGoodPrimes = 4;
constexpr int kBadPrimes = 4;

}  // namespace

RootFinder::RootFinder(Coefficients coeffs) : coeffs_(std::move(coeffs)) { Trim(coeffs_); }

std::vector<mpz_class> RootFinder::RootsDividing(const mpz_class& constant) const {
  std::vector<mpz_class> roots;
  if (coeffs_.empty() || constant == 0) return roots;

  // Nonzero roots only: take the factors of x out.
  std::size_t low = 0;
  while (coeffs_[low] == 0) ++low;
  Coefficients f(coeffs_.begin() + static_cast<std::ptrdiff_t>(low), coeffs_.end());
  if (Degree(f) < 1) return roots;

  // Every nonzero integer root divides f(0) as well as the constant.
  mpz_class g;
  mpz_gcd(g.get_mpz_t(), f[0].get_mpz_t(), constant.get_mpz_t());
  mpz_class bound = CauchyBound(f);
  if (g < bound) bound = g;

  if (bound == 1 || Degree(f) == 1) {
    for (const long r : {-1L, 1L}) {
      if (IsRoot(f, r)) roots.emplace_back(r);
    }
    if (Degree(f) == 1 && roots.empty()) {
      // a x + b: the root -b/a when a divides b.
      mpz_class r;
      if (mpz_divisible_p(f[0].get_mpz_t(), f[1].get_mpz_t())) {
        mpz_divexact(r.get_mpz_t(), f[0].get_mpz_t(), f[1].get_mpz_t());
        r = -r;
        if (r != 0 && CompareMagnitude(r, bound) <= 0 && mpz_divisible_p(g.get_mpz_t(), r.get_mpz_t())) {
          roots.push_back(r);
        }
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
  const mpz_class limit = 2 * bound;

  // Pick, among a few primes that keep every root simple, the one with the
  // fewest roots; a prime without any proves at once that there is none.
  std::uint32_t bestPrime = 0;
  Residues bestRoots;
  int good = 0;
  int bad = 0;
  for (const std::uint32_t q : SmallPrimes()) {
    const ModQ mod(q);
    const Residues fq = mod.Reduce(f);
    if (fq.back() == 0) continue;  // q divides the leading coefficient
    Residues rq = mod.Roots(fq);
    if (rq.empty()) return roots;
    const bool simple = std::all_of(rq.begin(), rq.end(),
                                    [&](std::uint32_t r) { return mod.EvalDerivative(fq, r) != 0; });
    if (!simple) {
      if (++bad == kBadPrimes && good == 0 && !squareFree) return std::nullopt;
      continue;
    }
    if (bestPrime == 0 || rq.size() < bestRoots.size()) {
      bestPrime = q;
      bestRoots = std::move(rq);
    }
    if (++good == kGoodPrimes) break;
  }
  if (bestPrime == 0) {
    // Every small prime divides the discriminant (or the leading
    // coefficient): only a constructed polynomial of huge size gets here.
    if (squareFree) throw EngineError(kOverflow);
    return std::nullopt;
  }

  const unsigned long k = PrecisionFor(bestPrime, limit);
  for (const std::uint32_t r0 : bestRoots) {
    mpz_class r = Lift(f, bestPrime, r0, k);
    if (r == 0 || CompareMagnitude(r, bound) > 0) continue;
    if (!mpz_divisible_p(divisorOf.get_mpz_t(), r.get_mpz_t())) continue;
    if (IsRoot(f, r)) roots.push_back(std::move(r));
  }
  return roots;
}

}  // namespace factorix
