#include "engine/graph/SignChange.h"

#include <algorithm>
#include <cmath>

#include "engine/core/EngineError.h"

namespace factorix {
namespace {

// |a| / (|a| + |b|): where the chord from a value of size |a| to one of the
// other sign and size |b| crosses 0, as a part of the way; 1/2 when either
// is unknown.
double ChordPart(const ScaledValue& a, const ScaledValue& b) {
  if (a.Sign() == 0 || b.Sign() == 0) return 0.5;
  const long shift = std::clamp(b.exponent - a.exponent, -1100L, 1100L);
  const double ratio = std::ldexp(std::abs(b.significand / a.significand), static_cast<int>(shift));
  return 1 / (1 + ratio);
}

}  // namespace

double NarrowSignChange(const SignedValues& f, double lo, ScaledValue loValue, double hi, ScaledValue hiValue, int loSign,
                        double stopWidth, Deadline deadline) {
  int lastMoved = 0;  // -1: lo, +1: hi, 0: none yet
  int slowSteps = 0;
  while (std::nextafter(lo, hi) != hi && hi - lo > stopWidth) {
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    const double width = hi - lo;
    double x = lo + width * ChordPart(loValue, hiValue);
    if (slowSteps >= 2 || !(x > lo && x < hi)) {
      x = lo + width / 2;
      slowSteps = 0;
    }
    const ScaledValue value = f(x);
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
  return lo + (hi - lo) / 2;  // the exact middle, rounded to nearest
}

}  // namespace factorix
