#pragma once

#include <stdexcept>
#include <string>

namespace factorix {

// Error numbers raised by the engine. A calculation stops at the first one;
// the window tells apart only kSyntax from all the others.
enum ErrorNumber : int {
  kNoError = 0,
  kInvalidCall = 5,      // invalid procedure call or argument (0^-1, (-8)^0.5, ...)
  kOverflow = 6,         // a value beyond the size bound, a budget exhausted, line 32768
  kDivisionByZero = 11,
  kTypeMismatch = 13,    // a text that is not a whole number
  kSyntax = 1002,        // the evaluator could not read the expression
};

// An error carrying its number, thrown by every engine routine and caught
// only by the search.
class EngineError : public std::runtime_error {
public:
  explicit EngineError(int number);
  int number() const noexcept { return number_; }

private:
  int number_;
};

// The message the window shows for an error number; empty for kNoError.
std::string MessageFor(int number);

}  // namespace factorix
