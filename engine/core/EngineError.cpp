#include "engine/core/EngineError.h"

#include <string>

namespace factorix {

bool IsErrorNumber(int number) {
  switch (number) {
    case kInvalidCall:
    case kOverflow:
    case kDivisionByZero:
    case kTypeMismatch:
    case kSyntax:
      return true;
    default:
      return false;
  }
}

EngineError::EngineError(int number)
    : std::runtime_error("engine error " + std::to_string(number)), number_(number) {}

}  // namespace factorix
