#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <vector>

namespace factorix {

// What one run of the search leaves for the window.
struct SearchResult {
  // Result lines in candidate order, each " (x+d) (quotient)" or
  // " (x-d) (quotient)", beginning with a blank.
  std::vector<std::string> lines;
  // The root of each line: roots[i] is the r of the factor (x - r) of
  // lines[i], the unfinished last line's included. Whoever needs a line's
  // root takes it from here; the lines are for showing only.
  std::vector<mpz_class> roots;
  // The error that ended the search (an ErrorNumber), kNoError when every
  // candidate was tried.
  int error = 0;
  // True when the last line holds the factor alone because the division
  // failed: the window shows that pad without redrawing it.
  bool lastLineUnfinished = false;
};

// At most this many result lines; the next root raises kOverflow.
inline constexpr std::size_t kMaxLines = 32767;

// At most this many bytes of line text in one result; a root whose line
// would pass it raises kOverflow, as the line after kMaxLines does.
inline constexpr std::size_t kMaxLineBytes = std::size_t{64} << 20;

}  // namespace factorix
