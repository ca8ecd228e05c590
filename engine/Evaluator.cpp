#include "engine/Evaluator.h"

#include "engine/Expression.h"

namespace factorix {

Value Evaluator::Eval(std::string_view expression) const {
  return Expression::Compile(expression).Evaluate();
}

}  // namespace factorix
