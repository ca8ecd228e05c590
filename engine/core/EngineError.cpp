#include "engine/core/EngineError.h"

namespace factorix {

EngineError::EngineError(int number)
    : std::runtime_error("engine error " + std::to_string(number)), number_(number) {}

std::string MessageFor(int number) {
  if (number == kNoError) return {};
  if (number == kSyntax) return "Error de cálculo.";
  return "Se produjo un error. Revise el cálculo.";
}

}  // namespace factorix
