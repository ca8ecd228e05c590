#pragma once

#include <chrono>
#include <string_view>

#include "engine/search/SearchResult.h"

namespace factorix {

// Tries every negative and positive divisor of the constant term of the
// formula text `text` as a root and returns the lines, ending with
// kOverflow once the search's one-second budget (kEvaluationBudget) is
// spent. Never throws.
SearchResult Search(std::string_view text);
// The same within `budget` instead.
SearchResult Search(std::string_view text, std::chrono::milliseconds budget);

}  // namespace factorix
