#pragma once

#include <string_view>

#include "engine/search/Search.h"

namespace factorix::bench {

// The plain algorithm the engine is measured against: every integer from 1
// to the constant tried as a divisor in double precision, then for every
// candidate the formula rewritten into an expression text and read and
// evaluated afresh in double precision, and each root divided in double
// precision. Only sensible for small constants.
class NaiveSearch {
public:
  SearchResult Run(std::string_view text);
};

}  // namespace factorix::bench
