#include "engine/graph/ScaledValue.h"

#include <algorithm>
#include <cmath>

namespace factorix {
namespace {
constexpr double kLog2Of10 = 3.321928094887362347870319429489390175864831393;
}

double ScaledValue::Log2Magnitude() const {
  if (significand == 0) return -1e18;
  return static_cast<double>(exponent) + std::log2(std::abs(significand));
}

double ScaledValue::InUnits(int power10, double limit) const {
  if (significand == 0) return 0;
  const double shift = static_cast<double>(exponent) - power10 * kLog2Of10;
  // |significand| < 1, so past log2(limit) the value is beyond the limit.
  if (shift > std::log2(limit) + 1) return std::copysign(limit, significand);
  if (shift < -1100) return 0;
  return std::clamp(significand * std::exp2(shift), -limit, limit);
}

ScaledValue Scaled(double value) {
  int exponent = 0;
  const double significand = std::frexp(value, &exponent);
  return {significand, significand == 0 ? 0 : exponent};
}

ScaledValue Times(ScaledValue a, ScaledValue b) {
  ScaledValue product = Scaled(a.significand * b.significand);  // at least 1/4: never below a double's range
  if (product.significand != 0) product.exponent += a.exponent + b.exponent;
  return product;
}

ScaledValue Power(ScaledValue v, unsigned k) {
  ScaledValue result{0.5, 1};  // 1
  for (; k > 0; k /= 2) {
    if (k % 2 == 1) result = Times(result, v);
    if (k > 1) v = Times(v, v);
  }
  return result;
}

}  // namespace factorix
