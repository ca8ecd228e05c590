#pragma once

#include <cstddef>
#include <string_view>

#include "engine/eval/ExpressionCode.h"

namespace factorix {

// Recursive-descent reader of the evaluator's grammar, the script
// language's arithmetic, into postfix code. One parser reads one text once.
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
// Blanks and tabs may stand between tokens.
class ExpressionParser {
public:
  // `variableMarker` '\0' means the text has no variable.
  ExpressionParser(std::string_view text, char variableMarker, int maxDepth);

  // Throws SyntaxError at the first character that does not fit, and
  // EngineError(kOverflow) for a literal beyond the size bound or
  // parentheses nested deeper than maxDepth.
  ExpressionCode Parse();

private:
  using Rule = void (ExpressionParser::*)();
  void LeftAssociative(Rule first, Rule next, std::string_view ops, const Opcode* codes);
  void Comparison();
  void Additive();
  void Term();
  std::size_t Signs();  // how many "-" among the signs skipped
  void Unary();
  void Power();
  void Exponent();
  void Primary();
  void Number();
  void Identifier();

  void SkipBlanks();
  char Peek();  // next non-blank character, '\0' at the end
  [[noreturn]] void Fail(std::size_t position) const;
  void Emit(Opcode op, std::uint32_t operand = 0);

  std::string_view text_;
  std::size_t pos_ = 0;
  char marker_;
  int maxDepth_;
  int depth_ = 0;            // parentheses open around the current position
  std::size_t stack_ = 0;    // operands on the stack after the code so far
  ExpressionCode out_;
};

}  // namespace factorix
