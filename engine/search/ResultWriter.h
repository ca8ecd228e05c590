#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "engine/search/SearchResult.h"
#include "engine/text/Division.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

// Appends the result lines of one search: for every root, the factor and,
// after the division, the tidied quotient.
class ResultWriter {
public:
  using Clock = std::chrono::steady_clock;

  // `reading` is the polynomial's formula text read once; `result`
  // receives the lines; past `deadline` the next root raises kOverflow;
  // the lines may take `maxLineBytes` bytes of text in all.
  ResultWriter(const FormulaTerms& reading, SearchResult& result,
               Clock::time_point deadline = Clock::time_point::max(), std::size_t maxLineBytes = kMaxLineBytes);

  // Adds the line of `root` (nonzero) and the root itself. Throws
  // EngineError(kOverflow), adding nothing, when the result already holds
  // kMaxLines lines, when this line would take the lines past
  // maxLineBytes, or past the deadline. When the division
  // throws, the line keeps the factor alone, lastLineUnfinished is set and
  // the error goes on to the caller; so also when the quotient alone
  // would pass maxLineBytes.
  void AddRoot(const mpz_class& root);

private:
  // Takes back the last line and its root, then throws kOverflow.
  [[noreturn]] void DropLastLine();

  const FormulaTerms& reading_;
  SearchResult& result_;
  Clock::time_point deadline_;
  std::optional<Dividend> dividend_;  // read at the first root
  // The tidied quotient when it is the same for every root (see
  // Dividend::QuotientIsZero), made once.
  std::optional<std::string> sameQuotient_;
  std::size_t maxLineBytes_;
  std::size_t bytes_ = 0;             // line text written so far
  std::size_t lastLineBytes_ = 0;     // the last line's, to make room for the next
  mpz_class magnitude_;               // scratch: |root|
};

}  // namespace factorix
