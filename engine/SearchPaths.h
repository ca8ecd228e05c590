#pragma once

#include <string_view>

#include "engine/Polynomial.h"
#include "engine/Search.h"

namespace factorix {

// The two ways Search finds the roots. Where both apply they give the same
// result; each never throws.

// For any text: every divisor d of the constant term, in ascending order,
// is tried as -d and then +d by evaluating the formula as an expression.
SearchResult SearchGeneral(std::string_view text);

// For a text that ReadPolynomial reads as `polynomial`: the roots come from
// the polynomial itself instead of from trying every divisor.
SearchResult SearchPolynomial(std::string_view text, const Polynomial& polynomial);

}  // namespace factorix
