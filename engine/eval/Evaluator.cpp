#include "engine/eval/Evaluator.h"

#include "engine/eval/Expression.h"

namespace factorix {

Value Evaluator::Eval(std::string_view expression) const {
  return Expression::Compile(expression).Evaluate();
}

}  // namespace factorix
