#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace factorix {

// One step of a compiled expression. The code is postfix: operands are
// pushed on a stack, operators replace their operands by their result.
enum class Opcode : std::uint8_t {
  PushLiteral,   // operand: index into ExpressionCode::literals
  PushVariable,  // the variable's value, a whole number
  PushEmpty,     // an undeclared identifier
  Negate,        // unary "-"
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  Equal,  // True (-1) or False (0)
};

struct Instruction {
  Opcode op;
  std::uint32_t operand = 0;
};

// What the parser produces: the postfix code, its literal pool and the
// deepest the operand stack gets while the code runs.
struct ExpressionCode {
  std::vector<Instruction> code;
  std::vector<mpq_class> literals;  // canonical
  std::size_t maxStack = 0;
  bool usesVariable = false;
};

}  // namespace factorix
