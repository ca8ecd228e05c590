#pragma once

#include <string>
#include <string_view>

#include "engine/eval/Expression.h"

namespace factorix {

// Turns a polynomial's formula text into the evaluator's expression, with
// the candidate root as the expression's variable, so that the text is read
// once for a whole search:
//   1. "x" becomes "(", the candidate, ")";
//   2. a run of raised digits ("e" and a digit, repeated) becomes "^" and
//      its digits, so "xe1e2" is x^12; any other "e" becomes "^";
//   3. "(" becomes "*(";
//   4. a "*" at the very start goes;
//   5. "+*(" becomes "+(", then "-*(" becomes "-(".
// For 2xe3+0xe2+0x-16 and the candidate 2 the expression reads
// 2*(2)^3+0*(2)^2+0*(2)-16. The candidate (digits, maybe after a "-") never
// takes part in a rule, so it can stand in as a marker and be filled in at
// evaluation time.
class FormulaExpression {
public:
  // The character that stands for the candidate in the rewritten text. It
  // lies outside the evaluator's grammar: where the formula itself holds
  // it, it is rewritten to another such character first, so that it still
  // reads as a syntax error at the same place.
  static constexpr char kMarker = '@';

  // The rewritten text, with kMarker where the candidate goes.
  static std::string ToExpressionText(std::string_view formula);

  // The formula read as an expression in the candidate. Throws as
  // Expression::Compile.
  static Expression Compile(std::string_view formula);
};

}  // namespace factorix
