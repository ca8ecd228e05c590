#pragma once

#include <stdexcept>

namespace factorix {

// The numbers of the errors that end a calculation. The window tells apart
// only kSyntax, the evaluator's syntax error, whose number 1002 is fixed;
// the others are the engine's own.
enum ErrorNumber : int {
  kNoError = 0,
  // An operation without a meaning: 0 to a negative power, a negative
  // number to a non-integer power, the constant with its sign of a text
  // that has no sign.
  kInvalidCall = 5,
  // Too large or too long: a number beyond the size bound, a power above
  // the highest degree, a time budget spent, the line after the last one
  // allowed, a constant whose divisors cannot be listed in time.
  kOverflow = 6,
  // A division by zero in the expression.
  kDivisionByZero = 11,
  // A text where a whole number belongs: a coefficient, the constant or a
  // root that is not one.
  kTypeMismatch = 13,
  // The evaluator could not read the expression.
  kSyntax = 1002,
};

// True for the numbers above other than kNoError.
bool IsErrorNumber(int number);

// An error carrying its number, thrown by every engine routine and caught
// only by RunGuarded.
class EngineError : public std::runtime_error {
public:
  explicit EngineError(int number);
  int number() const noexcept { return number_; }

private:
  int number_;
};

// Runs `body` and returns the number of the error that ended it, kNoError
// when it ran to the end: an EngineError gives its own number; running out
// of memory, a container beyond its size or any other exception means the
// work was too large, kOverflow. Whatever `body` wrote before the error
// stays. Every caller that turns the engine's work into an error number
// goes through here.
template <typename Body>
int RunGuarded(Body&& body) noexcept {
  try {
    body();
  } catch (const EngineError& e) {
    return e.number();
  } catch (...) {
    return kOverflow;
  }
  return kNoError;
}

}  // namespace factorix
