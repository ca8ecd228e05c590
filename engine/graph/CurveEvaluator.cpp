#include "engine/graph/CurveEvaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "engine/poly/FlintConversion.h"
#include "engine/graph/Dyadic.h"
#include "engine/poly/ArbTypes.h"

namespace factorix {
namespace {

constexpr slong kBallPrecision = 64;      // bits of the first ball evaluation
constexpr slong kWantedAccuracy = 20;     // bits of the value that must be right
constexpr double kLargestSum = 1e300;     // beyond this the double path may overflow
constexpr int kRescale = 600;             // bits the double path drops at a time from a growing sum
constexpr double kRescaleAbove = 0x1p600;
constexpr double kUnitRoundoff = 0x1p-53;
constexpr slong kLargestKept = 4096;      // bits: roundings of the polynomial kept up to this precision
constexpr double kLargestGuess = 1 << 14;  // bits: a guess never starts above this; doubling goes on from there
constexpr double kProductAccuracy = 0x1p-21;  // relative error allowed in a value from the roots
constexpr double kRootError = 0x1p-50;       // a root's error, relative: two units in the last place at least
constexpr double kSmallestError = 0x1p-1072;  // and absolute, for roots among the subnormal doubles
constexpr double kLargestShare = 0x1p900;     // of P'/P, from one factor

}  // namespace

// The values of one integer polynomial at doubles, with the exact sign and
// a relative error below 2^-20, whatever their size: in double precision
// with a running error bound where that bound allows, otherwise in ball
// arithmetic from the precision the last value needed, doubled until the
// ball is narrow enough.
class PolynomialValues {
public:
  explicit PolynomialValues(const fmpz_poly_struct* p);
  PolynomialValues(const PolynomialValues&) = delete;
  PolynomialValues& operator=(const PolynomialValues&) = delete;

  // p(x) for a finite x.
  ScaledValue At(double x);
  long Degree() const { return fmpz_poly_degree(poly_.get()); }

private:
  // False when the double path cannot vouch for the value; `log2Bound` is
  // then log2 of the sum of |terms|, or 0 when that overflowed.
  bool FastValue(double x, ScaledValue& value, double& log2Bound) const;
  ScaledValue BallValue(double x, double log2Bound);
  // The polynomial rounded to `precision` bits (a multiple of 64), kept for
  // the next values up to kLargestKept bits.
  ArbPoly& BallsAt(slong precision);

  FmpzPoly poly_;
  std::vector<double> coefficients_;  // highest power first; empty when one does not fit a double
  bool exactLinear_ = false;          // degree 1, both coefficients doubles exactly
  std::map<slong, std::unique_ptr<ArbPoly>> balls_;  // by precision
  ArbPoly unkept_;                                    // above kLargestKept bits
  double lastLog2_ = 0;               // log2 |value| of the last value from balls
};

PolynomialValues::PolynomialValues(const fmpz_poly_struct* p) {
  fmpz_poly_set(poly_.get(), p);
  for (slong i = fmpz_poly_length(p) - 1; i >= 0; --i) {
    if (fmpz_bits(p->coeffs + i) > 1000) {
      coefficients_.clear();
      break;
    }
    coefficients_.push_back(fmpz_get_d(p->coeffs + i));
  }
  exactLinear_ = fmpz_poly_degree(p) == 1 && std::abs(fmpz_poly_max_bits(p)) <= 53;
}

ArbPoly& PolynomialValues::BallsAt(slong precision) {
  if (precision > kLargestKept) {
    arb_poly_set_fmpz_poly(unkept_.get(), poly_.get(), precision);
    return unkept_;
  }
  std::unique_ptr<ArbPoly>& balls = balls_[precision];
  if (!balls) {
    balls = std::make_unique<ArbPoly>();
    arb_poly_set_fmpz_poly(balls->get(), poly_.get(), precision);
  }
  return *balls;
}

ScaledValue PolynomialValues::At(double x) {
  ScaledValue value;
  if (exactLinear_) {
    // a x + b rounded once: the exact sign, and a relative error of 2^-53.
    const double linear = std::fma(coefficients_[0], x, coefficients_[1]);
    if (std::isfinite(linear)) return Scaled(linear);
  }
  double log2Bound = 0;
  if (FastValue(x, value, log2Bound)) return value;
  return BallValue(x, log2Bound);
}

// Horner's rule in doubles next to the same rule on |coefficients| and |x|,
// whose sum S bounds the rounding error by (2d + 2) u S (u the unit
// roundoff; the coefficients' own rounding included). Both sums are kept
// below a double's range by scaling them by 2^-kRescale whenever S passes
// 2^kRescale, each later coefficient scaled alike; one that scaling takes
// below the smallest double adds at most that much to the error. Used only
// when the value is far enough above that bound for its sign and 20 bits
// to be sure.
bool PolynomialValues::FastValue(double x, ScaledValue& value, double& log2Bound) const {
  if (coefficients_.empty()) return false;
  double sum = coefficients_.front(), bound = std::abs(sum);
  const double ax = std::abs(x);
  int scale = 0;  // both sums are in units of 2^scale
  for (std::size_t i = 1; i < coefficients_.size(); ++i) {
    if (bound > kRescaleAbove) {
      sum = std::ldexp(sum, -kRescale);
      bound = std::ldexp(bound, -kRescale);
      scale += kRescale;
    }
    const double coefficient = scale == 0 ? coefficients_[i] : std::ldexp(coefficients_[i], -scale);
    sum = sum * x + coefficient;
    bound = bound * ax + std::abs(coefficient);
  }
  if (!(bound < kLargestSum)) return false;  // |x| beyond 2^300, or not finite
  log2Bound = std::log2(std::max(bound, 1.0)) + scale;
  const double error = 1.01 * static_cast<double>(2 * coefficients_.size() + 2) * kUnitRoundoff * bound +
                       static_cast<double>(coefficients_.size()) * std::numeric_limits<double>::denorm_min();
  if (!(std::abs(sum) > std::ldexp(error, kWantedAccuracy))) return false;
  value = Scaled(sum);
  if (value.Sign() != 0) value.exponent += scale;
  return true;
}

// Ball arithmetic loses about log2(S / |p(x)|) bits to cancellation, S the
// sum of |terms|; the values of a curve change slowly between neighbouring
// points, so the last one's size gives the first precision to try.
ScaledValue PolynomialValues::BallValue(double x, double log2Bound) {
  const double guess = std::clamp(log2Bound - lastLog2_ + 2.0 * kBallPrecision, 0.0, kLargestGuess);
  slong precision = kBallPrecision * std::max<slong>(1, static_cast<slong>(std::ceil(guess / kBallPrecision)));
  Arb point, result;
  arb_set_d(point.get(), x);
  const auto evaluate = [&] { arb_poly_evaluate(result.get(), BallsAt(precision).get(), point.get(), precision); };
  evaluate();
  // Doubling the precision makes the evaluation exact after finitely many
  // steps, so the loop ends with an exact zero or with enough accuracy.
  while (!arb_is_exact(result.get()) && arb_rel_accuracy_bits(result.get()) < kWantedAccuracy) {
    precision *= 2;
    evaluate();
  }
  const ScaledValue value = FromArf(arb_midref(result.get()));
  if (value.Sign() != 0) lastLog2_ = value.Log2Magnitude();
  return value;
}

CurveEvaluator::CurveEvaluator(const Polynomial& p, Deadline deadline) {
  FactorForCurve(p, deadline, factors_);
  long exponent = 0;
  const double significand = mpz_get_d_2exp(&exponent, factors_.content.get_mpz_t());
  content_ = {significand, exponent};
  leading_ = content_;
  FmpzPoly factor, derivative;
  const auto add = [&](unsigned multiplicity) {
    fmpz_poly_derivative(derivative.get(), factor.get());
    parts_.push_back({std::make_unique<PolynomialValues>(factor.get()),
                      std::make_unique<PolynomialValues>(derivative.get()), multiplicity});
    slong leadExponent = 0;
    const double lead = fmpz_get_d_2exp(&leadExponent, fmpz_poly_lead(factor.get()));
    leading_ = Times(leading_, Power({lead, leadExponent}, multiplicity));
  };
  for (const CurveFactors::Linear& linear : factors_.linear) {
    SetFlint(factor, {-linear.u, linear.v});
    add(linear.multiplicity);
  }
  for (const CurveFactors::Part& part : factors_.parts) {
    fmpz_poly_set(factor.get(), part.poly->get());
    add(part.multiplicity);
  }
}

CurveEvaluator::~CurveEvaluator() = default;

void CurveEvaluator::TakeRealRoots(const std::vector<RealRoot>& roots) {
  allRoots_.clear();
  long degree = 0, counted = 0;
  for (const Part& part : parts_) degree += part.values->Degree() * part.multiplicity;
  for (const RealRoot& root : roots) counted += root.multiplicity;
  if (counted == degree && degree > 0) allRoots_ = roots;
}

bool CurveEvaluator::ProductValue(double x, ScaledValue& value) const {
  // RealRoots rounds each root to within two units in the last place, at
  // most 2^-51 |r| (a few of the smallest doubles among the subnormal ones):
  // each factor x - r differs from x minus the true root by less than
  // kRootError |r| + kSmallestError, and is rounded once.
  double error = 0, product = 1;  // P / lc = product 2^exponent
  long exponent = 0;
  for (const RealRoot& root : allRoots_) {
    const double difference = x - root.value;
    error += root.multiplicity * (kRootError * std::abs(root.value) + kSmallestError) / std::abs(difference);
    int shift = 0;
    const double significand = std::frexp(difference, &shift);  // in [1/2, 1): no overflow below
    for (unsigned k = 0; k < root.multiplicity; ++k) {
      product *= significand;
      exponent += shift;
      if (std::abs(product) < 0x1p-500) {
        product = std::frexp(product, &shift);
        exponent += shift;
      }
    }
  }
  if (!(error <= kProductAccuracy)) return false;  // also for x at a root
  value = Times(leading_, Scaled(product));
  if (value.Sign() != 0) value.exponent += exponent;
  return true;
}

ScaledValue CurveEvaluator::At(double x) {
  ScaledValue value;
  if (!allRoots_.empty() && ProductValue(x, value)) return value;
  value = content_;
  for (Part& part : parts_) {
    value = Times(value, Power(part.values->At(x), part.multiplicity));
    if (value.Sign() == 0) break;
  }
  return value;
}

double CurveEvaluator::LogDerivativeAt(double x) {
  // Each share is held well inside a double's range, so that the sum of a
  // few thousand never overflows.
  const auto clamped = [](double share) { return std::clamp(share, -kLargestShare, kLargestShare); };
  double sum = 0;
  if (!allRoots_.empty()) {
    for (const RealRoot& root : allRoots_) sum += clamped(root.multiplicity / (x - root.value));
    return sum;
  }
  for (Part& part : parts_) {
    const ScaledValue value = part.values->At(x), slope = part.slopes->At(x);
    if (value.Sign() == 0) return 0;  // at a root, where P'/P has no value
    const long shift = std::clamp(slope.exponent - value.exponent, -2000L, 2000L);
    sum += clamped(part.multiplicity * std::ldexp(slope.significand / value.significand, static_cast<int>(shift)));
  }
  return sum;
}

}  // namespace factorix
