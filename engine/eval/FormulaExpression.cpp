#include "engine/eval/FormulaExpression.h"

#include "engine/core/Characters.h"

namespace factorix {

namespace {


// Every occurrence of `from` in `text`, left to right, becomes `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

std::string FormulaExpression::ToExpressionText(std::string_view formula) {
  // Rules 1 and 2 in one pass: "x" never produces an "e" or a digit.
  std::string t;
  t.reserve(formula.size() * 2);
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    if (c == 'x') {
      t += '(';
      t += kMarker;
      t += ')';
    } else if (c == 'e') {
      t += '^';
      // A raised run: every further "e" and digit adds a digit to the
      // same exponent.
      while (i + 1 < formula.size() && IsDigit(formula[i + 1])) {
        t += formula[i + 1];
        if (i + 3 < formula.size() && formula[i + 2] == 'e' && IsDigit(formula[i + 3])) {
          i += 2;
        } else {
          ++i;
          break;
        }
      }
    } else if (c == kMarker) {
      t += '?';  // outside the grammar either way
    } else {
      t += c;
    }
  }
  t = ReplaceAll(t, "(", "*(");
  if (!t.empty() && t.front() == '*') t.erase(0, 1);
  t = ReplaceAll(t, "+*(", "+(");
  return ReplaceAll(t, "-*(", "-(");
}

Expression FormulaExpression::Compile(std::string_view formula) {
  return Expression::Compile(ToExpressionText(formula), kMarker);
}

}  // namespace factorix
