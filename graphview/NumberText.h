#pragma once

#include <QString>

// Numbers as a Spanish reader writes them: a decimal comma and the minus
// sign U+2212 ("−1,5"), never a NaN or an infinity.
namespace NumberText {

// `value` with at most `significant` significant digits, trailing zeros
// dropped; a power of ten as "1,2·10⁹" for very large or small values.
QString decimal(double value, int significant = 6);

// "⁻¹²" for -12.
QString superscript(int exponent);

}  // namespace NumberText
