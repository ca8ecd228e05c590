#pragma once

#include <string_view>

#include "engine/eval/Value.h"

namespace factorix {

// The program's script evaluator: reads an arithmetic expression in the
// script language's grammar and returns its exact value.
//
//   comparison := additive { "=" additive }          True is -1, False is 0
//   additive   := term { ("+" | "-") term }
//   term       := unary { ("*" | "/") unary }
//   unary      := { "+" | "-" } power                 -2^2 is -4
//   power      := primary { "^" exponent }            left-associative
//   exponent   := { "+" | "-" } primary               2^-1 is 0.5
//   primary    := number | identifier | "(" comparison ")"
//   number     := digit { digit } [ "." digit { digit } ]
//   identifier := letter { letter | digit | "_" }     undeclared: Empty
//
// Blanks and tabs may stand between tokens. Numbers are exact rationals;
// only a power with a non-integer exponent gives a double.
//
// Errors (EngineError with its number): kSyntax, thrown as SyntaxError with
// the offset of the fault, for any text outside the grammar (and for an
// empty text); kDivisionByZero; kInvalidCall for 0 to a negative power or a
// negative base to a non-integer power; kOverflow for a numerator or
// denominator beyond kMaxValueBits bits (found before the number is
// built), a double that is infinite or not a number, or parentheses nested
// deeper than kMaxNestingDepth. Nothing else is thrown but
// std::bad_alloc.
class Evaluator {
public:
  Value Eval(std::string_view expression) const;
};

}  // namespace factorix
