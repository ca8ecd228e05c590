#pragma once

#include <string>
#include <string_view>

#include "engine/search/SearchResult.h"

namespace factorix {

// Appends the result lines of one search: for every root, the factor and,
// after the division, the tidied quotient.
class ResultWriter {
public:
  // `text` is the polynomial's formula text; `result` receives the lines.
  ResultWriter(std::string_view text, SearchResult& result);

  // Adds the line of the root -d (`negative`) or +d, where `divisor` is the
  // decimal text of d. Throws EngineError(kOverflow), adding nothing, when
  // the result already holds kMaxLines lines. When the division throws, the
  // line keeps the factor alone, lastLineUnfinished is set and the error
  // goes on to the caller.
  void AddRoot(const std::string& divisor, bool negative);

private:
  std::string_view text_;
  SearchResult& result_;
  std::string root_;  // scratch: the root's text for the division
};

}  // namespace factorix
