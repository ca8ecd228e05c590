#include "tests/reference/TextHelpers.h"

#include "engine/eval/FormulaExpression.h"

namespace factorix::reference {

std::string SinSignos(std::string_view Num) {
  std::string out;
  out.reserve(Num.size());
  for (const char c : Num) {
    if (c != '+' && c != '-' && c != '*' && c != '/') out.push_back(c);
  }
  return out;
}

std::string WithCandidate(std::string_view expressionText, std::string_view candidate) {
  std::string out;
  for (const char c : expressionText) {
    if (c == FormulaExpression::kMarker) {
      out += candidate;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace factorix::reference
