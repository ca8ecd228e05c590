#include "engine/search/Search.h"

#include "engine/core/EngineError.h"
#include "engine/search/SearchPaths.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

SearchResult Search(std::string_view text) { return Search(text, kEvaluationBudget); }

SearchResult Search(std::string_view text, std::chrono::milliseconds budget) {
  // One budget for the whole calculation, the reading included.
  const auto deadline = SearchClock::now() + budget;
  SearchResult result;
  // Each path guards its own work; what is left to fail here is reading
  // the text, which can only run out of memory.
  const int error = RunGuarded([text, deadline, &result] {
    // Read once: the constant, the polynomial and the division's terms.
    const FormulaTerms reading(text);
    // A plain sum of terms is searched through its polynomial; anything
    // else (letters, parentheses, operators, a degree beyond what the
    // reader takes) is evaluated candidate by candidate.
    result = reading.polynomial() ? SearchPolynomial(reading, deadline) : SearchGeneral(reading, deadline);
  });
  if (error != kNoError) result.error = error;
  return result;
}

}  // namespace factorix
