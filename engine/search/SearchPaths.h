#pragma once

#include <chrono>
#include <string_view>

#include "engine/search/SearchResult.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

// The two ways Search finds the roots. Where both apply they give the same
// result; each never throws.

using SearchClock = std::chrono::steady_clock;

// Wall time one whole calculation may take: reading the text, listing the
// divisors, evaluating the candidates or finding the roots, and writing the
// lines. Past it the search ends with kOverflow rather than freeze the
// window; the lines written before stay.
inline constexpr std::chrono::milliseconds kEvaluationBudget{1000};

// For any text: every divisor d of the constant term, in ascending order,
// is tried as -d and then +d by evaluating the formula as an expression.
// Ends with kOverflow at `deadline`.
SearchResult SearchGeneral(const FormulaTerms& reading, SearchClock::time_point deadline);
SearchResult SearchGeneral(const FormulaTerms& reading, std::chrono::milliseconds budget = kEvaluationBudget);
SearchResult SearchGeneral(std::string_view text, std::chrono::milliseconds budget = kEvaluationBudget);

// For a text whose reading has a polynomial: the roots come from the
// polynomial itself instead of from trying every divisor.
SearchResult SearchPolynomial(const FormulaTerms& reading, SearchClock::time_point deadline);
SearchResult SearchPolynomial(const FormulaTerms& reading, std::chrono::milliseconds budget = kEvaluationBudget);

}  // namespace factorix
