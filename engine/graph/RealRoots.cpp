#include "engine/graph/RealRoots.h"

#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/factor/FlintConversion.h"
#include "engine/graph/Descartes.h"
#include "engine/graph/ExactSigns.h"

namespace factorix {
namespace {


constexpr double kLargestRoot = 1e300;

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

// |a| / (|a| + |b|), for a and b not both zero: where the chord between
// values a and -b crosses 0, as a part of the way.
double ChordPart(const ScaledValue& a, const ScaledValue& b) {
  if (b.Sign() == 0) return 1;
  if (a.Sign() == 0) return 0;
  const long shift = std::clamp(b.exponent - a.exponent, -1100L, 1100L);
  const double ratio = std::ldexp(std::abs(b.significand / a.significand), static_cast<int>(shift));
  return 1 / (1 + ratio);
}

// The root in the open interval (lo, hi), which holds it alone, both ends
// doubles: narrowed by the Illinois form of regula falsi on approximate
// values of g with exact signs, with a halving whenever two steps in a row
// fail to halve the interval, until the ends are neighbouring doubles.
double NarrowDoubles(ExactSigns& signs, double lo, double hi, Deadline deadline) {
  const int loSign = signs.RightOf(ExactDyadic(lo));
  ScaledValue loValue = signs.ValueAt(ExactDyadic(lo)), hiValue = signs.ValueAt(ExactDyadic(hi));
  int lastMoved = 0;  // -1: lo, +1: hi, 0: none yet
  int slowSteps = 0;
  while (std::nextafter(lo, hi) != hi) {
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    const double width = hi - lo;
    double x = lo + width * ChordPart(loValue, hiValue);
    if (slowSteps >= 2 || loValue.Sign() == 0 || hiValue.Sign() == 0 || !(x > lo && x < hi)) {
      x = lo + width / 2;
      slowSteps = 0;
    }
    const ScaledValue value = signs.ValueAt(ExactDyadic(x));
    if (value.Sign() == 0) return x;
    if (value.Sign() == loSign) {
      lo = x;
      loValue = value;
      if (lastMoved == -1) --hiValue.exponent;  // Illinois: halve the end that stays
      lastMoved = -1;
    } else {
      hi = x;
      hiValue = value;
      if (lastMoved == 1) --loValue.exponent;
      lastMoved = 1;
    }
    slowSteps = hi - lo > width / 2 ? slowSteps + 1 : 0;
  }
  return lo + (hi - lo) / 2;  // the exact midpoint, rounded to nearest
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

// Adds the nonzero real roots of the square-free `g` (g(0) != 0).
void AddNonzeroRoots(const fmpz_poly_struct* g, unsigned multiplicity, Deadline deadline,
                     std::vector<RealRoot>& roots) {
  ExactSigns signs(g);
  FmpzPoly mirrored;  // g(-x), whose positive roots are g's negative ones
  fmpz_poly_set(mirrored.get(), g);
  for (slong i = 1; i < fmpz_poly_length(g); i += 2) fmpz_neg(mirrored.get()->coeffs + i, mirrored.get()->coeffs + i);

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

}  // namespace

std::vector<RealRoot> RealRoots(const Polynomial& p, Deadline deadline) {
  FmpzPoly poly;
  SetFlint(poly, p);
  FmpzPolyFactors parts;
  fmpz_poly_factor_squarefree(parts.get(), poly.get());

  std::vector<RealRoot> roots;
  FmpzPoly part;
  for (slong i = 0; i < parts.get()->num; ++i) {
    const auto multiplicity = static_cast<unsigned>(parts.get()->exp[i]);
    fmpz_poly_set(part.get(), parts.get()->p + i);
    if (fmpz_is_zero(part.get()->coeffs)) {
      roots.push_back({0.0, multiplicity});
      fmpz_poly_shift_right(part.get(), part.get(), 1);
    }
    if (fmpz_poly_degree(part.get()) >= 1) AddNonzeroRoots(part.get(), multiplicity, deadline, roots);
  }
  std::sort(roots.begin(), roots.end(), [](const RealRoot& a, const RealRoot& b) { return a.value < b.value; });
  return roots;
}

}  // namespace factorix
