#include "engine/search/Search.h"

#include <new>

#include "engine/core/EngineError.h"
#include "engine/search/SearchPaths.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

SearchResult Search(std::string_view text) {
  try {
    // One budget for the whole calculation, the reading included.
    const auto deadline = SearchClock::now() + kEvaluationBudget;
    // Read once: the constant, the polynomial and the division's terms.
    const FormulaTerms reading(text);
    // A plain sum of terms is searched through its polynomial; anything
    // else (letters, parentheses, operators, a degree beyond what the
    // reader takes) is evaluated candidate by candidate.
    return reading.polynomial() ? SearchPolynomial(reading, deadline) : SearchGeneral(reading, deadline);
  } catch (const std::bad_alloc&) {
    SearchResult result;
    result.error = kOverflow;
    return result;
  }
}

}  // namespace factorix
