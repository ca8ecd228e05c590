#pragma once

#include <cstddef>
#include <string_view>

namespace factorix::bench {

// The reference evaluator: the same grammar as the engine's, read afresh
// for every call and computed in double precision, as a script control
// would. Empty variables are 0, True is -1. Throws EngineError.
class DoubleEvaluator {
public:
  double Eval(std::string_view text);

private:
  double Comparison();
  double Additive();
  double Term();
  double Unary();
  double Power();
  double Primary();
  char Peek();

  std::string_view text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
};

}  // namespace factorix::bench
