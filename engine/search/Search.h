#pragma once

#include <string_view>

#include "engine/search/SearchResult.h"

namespace factorix {

// Tries every negative and positive divisor of the constant term of the
// formula text `text` as a root and returns the lines. Never throws.
SearchResult Search(std::string_view text);

}  // namespace factorix
