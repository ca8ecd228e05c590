#pragma once

#include <gmpxx.h>

#include <string>

namespace factorix {

// The result of evaluating an expression, as the script evaluator gives it:
// Empty (an undeclared variable), a Boolean (the result of "="), an exact
// rational number, or a double-precision number (only a power with a
// non-integer exponent leads there).
class Value {
public:
  enum class Kind { Empty, Boolean, Rational, Real };

  Value() = default;  // Empty
  static Value MakeBoolean(bool b);
  static Value MakeRational(mpq_class q);  // q need not be canonical
  static Value MakeReal(double d);

  Kind kind() const { return kind_; }
  bool boolean() const { return boolean_; }
  const mpq_class& rational() const { return rational_; }  // canonical
  double real() const { return real_; }

  // Whether the value compares equal to the number 0 without any tolerance:
  // Empty, False, the rational 0 and the double 0.0 (or -0.0) do.
  bool IsZero() const;

  // Readable form for tests and diagnostics: "" for Empty, "True"/"False",
  // "7/2" or "-4" for a rational, "%.17g" for a double.
  std::string ToString() const;

private:
  Kind kind_ = Kind::Empty;
  bool boolean_ = false;
  mpq_class rational_;
  double real_ = 0.0;
};

}  // namespace factorix
