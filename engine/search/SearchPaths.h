#pragma once

#include <chrono>
#include <string_view>

#include "engine/search/SearchResult.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

// The two ways Search finds the roots. Where both apply they give the same
// result; each never throws.

// Wall time the evaluation of all the candidates of one search may take;
// past it the search ends with kOverflow rather than freeze the window.
// The polynomial path has the same bound for finding its roots and
// writing their lines.
inline constexpr std::chrono::milliseconds kEvaluationBudget{5000};

// For any text: every divisor d of the constant term, in ascending order,
// is tried as -d and then +d by evaluating the formula as an expression.
SearchResult SearchGeneral(const FormulaTerms& reading, std::chrono::milliseconds budget = kEvaluationBudget);
SearchResult SearchGeneral(std::string_view text, std::chrono::milliseconds budget = kEvaluationBudget);

// For a text whose reading has a polynomial: the roots come from the
// polynomial itself instead of from trying every divisor.
SearchResult SearchPolynomial(const FormulaTerms& reading, std::chrono::milliseconds budget = kEvaluationBudget);

}  // namespace factorix
