#pragma once

#include <string>
#include <string_view>

// Text helpers the tests build their expectations with; the program itself
// needs none of them.
namespace factorix::reference {

// `Num` without any "+", "-", "*" or "/".
std::string SinSignos(std::string_view Num);

// `expressionText` (from FormulaExpression::ToExpressionText) with every
// FormulaExpression::kMarker replaced by `candidate`: the text the
// evaluator would be given for that candidate.
std::string WithCandidate(std::string_view expressionText, std::string_view candidate);

}  // namespace factorix::reference
