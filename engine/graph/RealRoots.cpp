#include "engine/graph/RealRoots.h"

#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/factor/FlintConversion.h"
#include "engine/graph/Descartes.h"
#include "engine/graph/ExactSigns.h"
#include "engine/graph/SignChange.h"

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

// The root in the open interval (lo, hi), which holds it alone, both ends
// doubles, narrowed until the ends are neighbouring doubles.
double NarrowDoubles(ExactSigns& signs, double lo, double hi, Deadline deadline) {
  const SignedValues g = [&signs](double x) { return signs.ValueAt(ExactDyadic(x)); };
  return NarrowSignChange(g, lo, g(lo), hi, g(hi), signs.RightOf(ExactDyadic(lo)), 0, deadline);
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
