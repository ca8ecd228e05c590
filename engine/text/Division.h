#pragma once

#include <string>
#include <string_view>

namespace factorix {

// Divides the polynomial in `texto` by (x - xMenos) with Ruffini's rule and
// returns the quotient in formula text, one term per power from its degree
// down to 0, each as sign, coefficient, "xe" and the exponent written as a
// run of raised digits ("xe1e0" for 10). Exact for numbers of any length.
// Each term's exponent is read from the text (a missing power counts 0, a
// repeated one adds up); for every power present and decreasing the output
// keeps the leading coefficient's text as written. Empty when `texto` has no
// "x". A coefficient that is not a number throws kTypeMismatch; a text
// without any sign throws kInvalidCall (it has no constant with a sign); a
// power above kMaxDegree, or a quotient too large to hold (only a value that
// is no root can give one), throws kOverflow.
std::string Dividir(std::string_view xMenos, std::string_view texto);

}  // namespace factorix
