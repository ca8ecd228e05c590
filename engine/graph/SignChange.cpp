#include "engine/graph/SignChange.h"

#include <algorithm>
#include <cmath>

#include "engine/core/EngineError.h"

namespace factorix {
namespace {

constexpr double kOrdersApart = 16;    // ends further apart in size than this are halved in size
constexpr double kLog2Smallest = -1074;  // log2 of the smallest double

// |a| / (|a| + |b|): where the chord from a value of size |a| to one of the
// other sign and size |b| crosses 0, as a part of the way; 1/2 when either
// is unknown.
double ChordPart(const ScaledValue& a, const ScaledValue& b) {
  if (a.Sign() == 0 || b.Sign() == 0) return 0.5;
  const long shift = std::clamp(b.exponent - a.exponent, -1100L, 1100L);
  const double ratio = std::ldexp(std::abs(b.significand / a.significand), static_cast<int>(shift));
  return 1 / (1 + ratio);
}

// A point between lo and hi that halves the interval: in size when both ends
// have one sign and lie orders of magnitude apart (0 counting as the
// smallest double), so that a root near 1e-300 takes tens of steps, not
// a thousand; else in width.
double Middle(double lo, double hi) {
  const double small = std::min(std::abs(lo), std::abs(hi)), large = std::max(std::abs(lo), std::abs(hi));
  if ((lo < 0 && hi > 0) || large <= kOrdersApart * small) return lo + (hi - lo) / 2;
  const double log2Small = small == 0 ? kLog2Smallest : std::log2(small);
  const double x = std::copysign(std::exp2((log2Small + std::log2(large)) / 2), lo + hi);
  return x > lo && x < hi ? x : lo + (hi - lo) / 2;
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
    // A chord that ends within a unit in the last place of an end points at
    // the root's own double: its neighbour, which most often closes the
    // interval in one step.
    if (x <= lo) x = std::nextafter(lo, hi);
    if (x >= hi) x = std::nextafter(hi, lo);
    if (slowSteps >= 2 || !(x > lo && x < hi)) {
      x = Middle(lo, hi);
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
