#pragma once

namespace factorix {

// A real number that never overflows: significand * 2^exponent, with
// 0.5 <= |significand| < 1, or significand 0 for zero.
struct ScaledValue {
  double significand = 0;
  long exponent = 0;

  int Sign() const { return (significand > 0) - (significand < 0); }
  // log2 |value|; a very negative number for zero.
  double Log2Magnitude() const;
  // value / 10^power10 as a double, clamped to [-limit, limit].
  double InUnits(int power10, double limit) const;
};

// The scaled form of a finite double.
ScaledValue Scaled(double value);

// a * b, rounded once.
ScaledValue Times(ScaledValue a, ScaledValue b);
// v^k, by repeated squaring: about log2(k) roundings.
ScaledValue Power(ScaledValue v, unsigned k);

}  // namespace factorix
