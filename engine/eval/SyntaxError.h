#pragma once

#include <cstddef>

#include "engine/core/EngineError.h"

namespace factorix {

// The evaluator's syntax error (kSyntax) with where it was found: the
// 0-based offset of the first character the parser could not take, or the
// text's length when the text ended too early.
class SyntaxError : public EngineError {
public:
  explicit SyntaxError(std::size_t position);
  std::size_t position() const noexcept { return position_; }

private:
  std::size_t position_;
};

}  // namespace factorix
