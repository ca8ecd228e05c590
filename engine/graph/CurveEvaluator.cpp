#include "engine/graph/CurveEvaluator.h"

#include <cmath>
#include <limits>

#include "engine/factor/FlintConversion.h"

namespace factorix {
namespace {

constexpr slong kBallPrecision = 64;      // bits of the first ball evaluation
constexpr slong kWantedAccuracy = 20;     // bits of the value that must be right
constexpr double kLargestSum = 1e300;     // beyond this the double path may overflow
constexpr double kUnitRoundoff = 0x1p-53;

ScaledValue FromArf(const arf_struct* value) {
  if (arf_is_zero(value)) return {};
  const slong exponent = arf_abs_bound_lt_2exp_si(value);
  Arf significand;
  arf_mul_2exp_si(significand.get(), value, -exponent);
  return {arf_get_d(significand.get(), ARF_RND_NEAR), exponent};
}

}  // namespace

CurveEvaluator::CurveEvaluator(const Polynomial& p) {
  SetFlint(poly_, p);
  arb_poly_set_fmpz_poly(balls_.get(), poly_.get(), kBallPrecision);
  for (auto it = p.rbegin(); it != p.rend(); ++it) {
    const double value = it->get_d();
    if (mpz_sizeinbase(it->get_mpz_t(), 2) > 1000) {
      coefficients_.clear();
      break;
    }
    coefficients_.push_back(value);
  }
}

ScaledValue CurveEvaluator::At(double x) {
  ScaledValue value;
  if (FastValue(x, value)) return value;
  return BallValue(x);
}

// Horner's rule in doubles next to the same rule on |coefficients| and |x|,
// whose sum S bounds the rounding error by (2d + 2) u S (u the unit
// roundoff; the coefficients' own rounding included). Used only when the
// value is far enough above that bound for its sign and 20 bits to be sure.
bool CurveEvaluator::FastValue(double x, ScaledValue& value) const {
  if (coefficients_.empty()) return false;
  double sum = coefficients_.front(), bound = std::abs(sum);
  const double ax = std::abs(x);
  for (std::size_t i = 1; i < coefficients_.size(); ++i) {
    sum = sum * x + coefficients_[i];
    bound = bound * ax + std::abs(coefficients_[i]);
  }
  if (!(bound < kLargestSum)) return false;
  const double error = 1.01 * static_cast<double>(2 * coefficients_.size() + 2) * kUnitRoundoff * bound;
  if (!(std::abs(sum) > std::ldexp(error, kWantedAccuracy))) return false;
  value = Scaled(sum);
  return true;
}

ScaledValue CurveEvaluator::BallValue(double x) {
  Arb point, result;
  arb_set_d(point.get(), x);
  arb_poly_evaluate(result.get(), balls_.get(), point.get(), kBallPrecision);
  ArbPoly finer;
  // Doubling the precision makes the evaluation exact after finitely many
  // steps, so the loop ends with an exact zero or with enough accuracy.
  for (slong precision = 2 * kBallPrecision;
       !arb_is_exact(result.get()) && arb_rel_accuracy_bits(result.get()) < kWantedAccuracy; precision *= 2) {
    arb_poly_set_fmpz_poly(finer.get(), poly_.get(), precision);
    arb_poly_evaluate(result.get(), finer.get(), point.get(), precision);
  }
  return FromArf(arb_midref(result.get()));
}

}  // namespace factorix
