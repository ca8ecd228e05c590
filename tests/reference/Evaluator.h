#pragma once

#include <string_view>

#include "engine/eval/Value.h"

namespace factorix::reference {

// The script evaluator's one call, as the window once made it: an
// arithmetic expression in, its exact value out, read and evaluated afresh
// every time. The grammar is ExpressionParser's; the errors are those of
// Expression::Compile and Expression::Evaluate (SyntaxError, with the
// offset of the fault, for any text outside the grammar, an empty one
// included).
class Evaluator {
public:
  Value Eval(std::string_view expression) const;
};

}  // namespace factorix::reference
