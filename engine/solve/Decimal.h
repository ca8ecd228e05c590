#pragma once

#include <gmpxx.h>

#include <string>

// Decimal digits of a number, with a point, for whoever writes it out: the
// JSON form as it is, a text for people with the decimal separator of its
// language in place of the point.
namespace factorix {

// `value` to `significant` significant digits (>= 1), rounded half away
// from zero, without trailing zeros or a bare point and never with an
// exponent: 1.732050808, -1, 0.5, 0.0001234567891, 123457000. "0" for 0.
std::string SignificantDecimal(const mpq_class& value, int significant);

// `value` rounded to `decimals` places (>= 0), every place written:
// 1.324718, -0.500000, 0.000000 (a value that rounds to zero has no sign).
std::string FixedDecimal(const mpq_class& value, int decimals);

}  // namespace factorix
