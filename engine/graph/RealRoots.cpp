#include "engine/graph/RealRoots.h"

#include <algorithm>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/graph/Descartes.h"
#include "engine/graph/ExactSigns.h"
#include "engine/graph/SignChange.h"

namespace factorix {
namespace {

constexpr double kLargestRoot = 1e300;
constexpr int kMostPowerSteps = 8;  // doubles from a computed k-th root to the one certified

double CheckedValue(double value) {
  if (!(std::abs(value) <= kLargestRoot)) throw EngineError(kOverflow);
  return value;
}

// True when `d` is a double exactly (and a normal one).
bool IsDouble(const Dyadic& d) {
  const long bits = static_cast<long>(mpz_sizeinbase(d.numerator.get_mpz_t(), 2));
  return bits <= 53 && d.exponent >= -1000 && d.exponent + bits <= 1000;
}

Dyadic ExactDyadic(double x) {
  int exponent = 0;
  const double significand = std::frexp(x, &exponent);
  return Dyadic{mpz_class(static_cast<long>(std::ldexp(significand, 53))), exponent - 53};
}

// x^k, exactly.
Dyadic PowerOf(double x, unsigned long k) {
  Dyadic power = ExactDyadic(x);
  mpz_pow_ui(power.numerator.get_mpz_t(), power.numerator.get_mpz_t(), k);
  power.exponent *= static_cast<long>(k);
  return power;
}

// The root in the open interval (lo, hi) (0 <= lo), which holds it alone,
// both ends doubles, narrowed until the ends are neighbouring doubles; the
// signs are those of g at x^k (k >= 1), g = H for G(x) = H(x^k).
double NarrowDoubles(ExactSigns& signs, unsigned long k, double lo, ScaledValue loValue, double hi, ScaledValue hiValue,
                     Deadline deadline) {
  const SignedValues g = [&signs, k](double x) { return signs.ValueAt(k == 1 ? ExactDyadic(x) : PowerOf(x, k)); };
  const int loSign = loValue.Sign() != 0 ? loValue.Sign() : signs.RightOf(k == 1 ? ExactDyadic(lo) : PowerOf(lo, k));
  return NarrowSignChange(g, lo, loValue, hi, hiValue, loSign, 0, deadline);
}

double NarrowDoubles(ExactSigns& signs, double lo, double hi, Deadline deadline) {
  return NarrowDoubles(signs, 1, lo, signs.ValueAt(ExactDyadic(lo)), hi, signs.ValueAt(ExactDyadic(hi)), deadline);
}

// The root in the open interval (lo, hi), which holds it alone, halved by
// exact signs until its ends round to the same or to neighbouring doubles.
double Narrow(ExactSigns& signs, Dyadic lo, Dyadic hi, Deadline deadline) {
  if (IsDouble(lo) && IsDouble(hi)) return NarrowDoubles(signs, ToDouble(lo), ToDouble(hi), deadline);
  const int loSign = signs.RightOf(lo);
  while (true) {
    const double loValue = ToDouble(lo), hiValue = ToDouble(hi);
    if (std::min(std::abs(loValue), std::abs(hiValue)) > kLargestRoot) throw EngineError(kOverflow);
    if (loValue == hiValue || std::nextafter(loValue, hiValue) == hiValue) break;
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    lo.numerator *= 2;
    hi.numerator *= 2;
    lo.exponent = hi.exponent = lo.exponent - 1;
    Dyadic middle{(lo.numerator + hi.numerator) / 2, lo.exponent};
    const int sign = signs.At(middle);
    if (sign == 0) return ToDouble(middle);
    (sign == loSign ? lo : hi) = std::move(middle);
  }
  return ToDouble(Dyadic{lo.numerator + hi.numerator, lo.exponent - 1});
}

// The sign of x^k - a, for doubles x >= 0 and a >= 0, exactly.
int ComparePower(double x, unsigned long k, const Dyadic& a) {
  const Dyadic d = ExactDyadic(x);
  mpz_class power, other = a.numerator;
  mpz_pow_ui(power.get_mpz_t(), d.numerator.get_mpz_t(), k);
  const long shift = d.exponent * static_cast<long>(k) - a.exponent;  // x^k = power 2^(shift + a.exponent)
  if (shift > 0) mpz_mul_2exp(power.get_mpz_t(), power.get_mpz_t(), static_cast<mp_bitcnt_t>(shift));
  if (shift < 0) mpz_mul_2exp(other.get_mpz_t(), other.get_mpz_t(), static_cast<mp_bitcnt_t>(-shift));
  return cmp(power, other);
}

// The double next to x towards `to` while `keepGoing` holds, a few steps at
// most (x being a correctly rounded power's near neighbour); NaN when more
// would be needed.
template <class Condition>
double StepWhile(double x, double to, Condition keepGoing) {
  for (int step = 0; step < kMostPowerSteps; ++step) {
    if (!keepGoing(x)) return x;
    x = std::nextafter(x, to);
  }
  return std::nan("");
}

// The positive root u^(1/k) of G(x) = H(x^k) from the root u of H, found in
// `found`, as a double; NaN when it cannot be certified this way. `signs`
// are H's: G's at half the cost or less.
double RootOfDeflated(ExactSigns& signs, unsigned long k, const RootInterval& found, Deadline deadline) {
  const Dyadic a{found.left, found.exponent}, b{found.left + 1, found.exponent};
  if (!IsDouble(a) || !IsDouble(b)) return std::nan("");
  const double inverse = 1.0 / static_cast<double>(k);
  const double guess = std::pow(ToDouble(a), inverse);
  constexpr double kUp = HUGE_VAL;
  if (found.exact) {  // u = a: bracket its k-th root between neighbouring doubles
    const int side = ComparePower(guess, k, a);
    if (side == 0) return guess;
    const double lo = side > 0 ? StepWhile(guess, 0, [&](double x) { return ComparePower(x, k, a) > 0; }) : guess;
    const double hi = side < 0 ? StepWhile(guess, kUp, [&](double x) { return ComparePower(x, k, a) < 0; }) : guess;
    if (std::isnan(lo) || std::isnan(hi) || std::nextafter(lo, hi) != hi) return std::nan("");
    return lo + (hi - lo) / 2;
  }
  // (lo, hi) within [a^(1/k), b^(1/k)], which holds one root of G; G
  // changes sign across it when it holds that root.
  const double lo = StepWhile(guess, kUp, [&](double x) { return ComparePower(x, k, a) < 0; });
  const double hi = StepWhile(std::pow(ToDouble(b), inverse), 0, [&](double x) { return ComparePower(x, k, b) > 0; });
  if (!(lo < hi)) return std::nan("");
  const ScaledValue loValue = signs.ValueAt(PowerOf(lo, k)), hiValue = signs.ValueAt(PowerOf(hi, k));
  if (loValue.Sign() == 0 || hiValue.Sign() == 0 || loValue.Sign() == hiValue.Sign()) return std::nan("");
  return NarrowDoubles(signs, k, lo, loValue, hi, hiValue, deadline);
}

// out = g(-x).
void Mirror(FmpzPoly& out, const fmpz_poly_struct* g) {
  fmpz_poly_set(out.get(), g);
  for (slong i = 1; i < fmpz_poly_length(g); i += 2) fmpz_neg(out.get()->coeffs + i, out.get()->coeffs + i);
}

// The nonzero real roots of the square-free G(x) = H(x^k), k >= 2
// (G(0) != 0), from those of H, of degree k times smaller; false, adding
// nothing, when a root cannot be certified this way.
bool AddDeflatedRoots(const fmpz_poly_struct* g, unsigned long k, unsigned multiplicity, Deadline deadline,
                      std::vector<RealRoot>& roots) {
  FmpzPoly mirrored, h;  // g(-x); H
  Mirror(mirrored, g);
  std::vector<RealRoot> found;
  // With k even, G is even and its negative roots mirror the positive ones.
  for (int side : k % 2 == 0 ? std::vector<int>{1} : std::vector<int>{1, -1}) {
    const fmpz_poly_struct* oneSide = side == 1 ? g : mirrored.get();
    fmpz_poly_deflate(h.get(), oneSide, k);
    ExactSigns signs(h.get());
    for (const RootInterval& interval : IsolatePositiveRoots(h.get(), deadline)) {
      const double root = RootOfDeflated(signs, k, interval, deadline);
      if (std::isnan(root)) return false;
      found.push_back({CheckedValue(side * root), multiplicity});
      if (k % 2 == 0) found.push_back({-found.back().value, multiplicity});
    }
  }
  roots.insert(roots.end(), found.begin(), found.end());
  return true;
}

// Adds the nonzero real roots of the square-free `g` (g(0) != 0).
void AddNonzeroRoots(const fmpz_poly_struct* g, unsigned multiplicity, Deadline deadline,
                     std::vector<RealRoot>& roots) {
  const ulong deflation = fmpz_poly_deflation(g);
  if (deflation >= 2 && AddDeflatedRoots(g, deflation, multiplicity, deadline, roots)) return;
  ExactSigns signs(g);
  FmpzPoly mirrored;  // g(-x), whose positive roots are g's negative ones
  Mirror(mirrored, g);

  for (int side : {1, -1}) {
    for (RootInterval& found : IsolatePositiveRoots(side == 1 ? g : mirrored.get(), deadline)) {
      Dyadic left{side * found.left, found.exponent};
      if (found.exact) {
        roots.push_back({CheckedValue(ToDouble(left)), multiplicity});
        continue;
      }
      Dyadic right{side * (found.left + 1), found.exponent};
      if (side == -1) std::swap(left, right);
      roots.push_back({CheckedValue(Narrow(signs, std::move(left), std::move(right), deadline)), multiplicity});
    }
  }
}

// u / v rounded to the nearest double: ±infinity past the range of one.
double RationalToDouble(const mpz_class& u, const mpz_class& v) {
  Fmpz numerator, denominator;
  fmpz_set_mpz(numerator.get(), u.get_mpz_t());
  fmpz_set_mpz(denominator.get(), v.get_mpz_t());
  Arf quotient;
  arf_fmpz_div_fmpz(quotient.get(), numerator.get(), denominator.get(), 53, ARF_RND_NEAR);
  return arf_get_d(quotient.get(), ARF_RND_NEAR);
}

constexpr int kLimitBits = 4;  // significant bits of a lower limit below 16
constexpr int kMostLimitExponent = 24;

// A binary fraction at most x with few bits: floor(x) from 16 up, else x
// rounded down to a sixteenth of its size, and to 2^-24 at the finest.
Dyadic LowerLimit(double x) {
  const int exponent = x == 0 ? 0 : std::ilogb(x);
  const int e = std::clamp(kLimitBits - exponent, 0, kMostLimitExponent);
  Dyadic limit{0, -e};
  mpz_set_d(limit.numerator.get_mpz_t(), std::floor(std::ldexp(x, e)));
  return limit;
}

// The positive roots of the square-free `g` (g(0) != 0) outside [lo, hi],
// narrowed to doubles; all of them when hi < 0, else 0 <= lo <= hi. Most
// often there is none above the outermost root of P, which one shift of g
// shows; the intervals inside [lo, hi] are left unsearched.
void AddRootsOutside(const fmpz_poly_struct* g, double lo, double hi, Deadline deadline, std::vector<double>& roots) {
  Unsearched skipped;
  if (hi >= 0) {
    skipped.from = ExactDyadic(lo);
    skipped.to = LowerLimit(hi);
    skipped.toEnd = NoRootAbove(g, skipped.to);
    if (skipped.toEnd && lo == 0) return;
  }
  ExactSigns signs(g);
  for (RootInterval& found : IsolatePositiveRoots(g, deadline, skipped)) {
    Dyadic left{std::move(found.left), found.exponent};
    const double root = found.exact ? ToDouble(left)
                                    : Narrow(signs, left, Dyadic{left.numerator + 1, found.exponent}, deadline);
    if (root < lo || root > hi || hi < 0) roots.push_back(CheckedValue(root));
  }
}
}  // namespace

std::vector<RealRoot> RealRoots(const CurveFactors& factors, Deadline deadline) {
  std::vector<RealRoot> roots;
  for (const CurveFactors::Linear& linear : factors.linear)
    roots.push_back({CheckedValue(RationalToDouble(linear.u, linear.v)), linear.multiplicity});
  for (const CurveFactors::Part& part : factors.parts)
    AddNonzeroRoots(part.poly->get(), part.multiplicity, deadline, roots);
  std::sort(roots.begin(), roots.end(), [](const RealRoot& a, const RealRoot& b) { return a.value < b.value; });
  return roots;
}

std::vector<RealRoot> RealRoots(const Polynomial& p, Deadline deadline) {
  CurveFactors factors;
  FactorForCurve(p, deadline, factors);
  return RealRoots(factors, deadline);
}

std::vector<double> RealRootsOutside(const CurveFactors& factors, double low, double high, Deadline deadline) {
  std::vector<double> roots;
  for (const CurveFactors::Linear& linear : factors.linear) {
    const double root = RationalToDouble(linear.u, linear.v);
    if (root < low || root > high) roots.push_back(CheckedValue(root));
  }
  FmpzPoly mirrored;
  for (const CurveFactors::Part& part : factors.parts) {
    // [low, high] seen on each half-axis: [max(low, 0), high] on the
    // positive one, [max(-high, 0), -low] on the negative one mirrored.
    AddRootsOutside(part.poly->get(), std::max(low, 0.0), high, deadline, roots);
    Mirror(mirrored, part.poly->get());
    std::vector<double> below;  // -x for the negative roots x outside
    AddRootsOutside(mirrored.get(), std::max(-high, 0.0), -low, deadline, below);
    for (double x : below) roots.push_back(-x);
  }
  std::sort(roots.begin(), roots.end());
  return roots;
}

}  // namespace factorix
