#include "tests/reference/Evaluator.h"

#include "engine/eval/Expression.h"

namespace factorix::reference {

Value Evaluator::Eval(std::string_view expression) const { return Expression::Compile(expression).Evaluate(); }

}  // namespace factorix::reference
