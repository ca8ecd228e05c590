#include "engine/eval/SyntaxError.h"

namespace factorix {

SyntaxError::SyntaxError(std::size_t position) : EngineError(kSyntax), position_(position) {}

}  // namespace factorix
