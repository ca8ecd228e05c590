#pragma once

#include <cstddef>

// Bounds that keep every evaluation's memory and time finite; past each the
// evaluator raises kOverflow before the work is done.
namespace factorix {

// Bits of a numerator or a denominator, literals and results alike.
inline constexpr std::size_t kMaxValueBits = std::size_t{1} << 20;

// Parentheses open at once.
inline constexpr int kMaxNestingDepth = 200;

// Length of an expression's text, in bytes. The compiled form takes about
// 100 bytes per byte of text, so this keeps it near 200 MB.
inline constexpr std::size_t kMaxExpressionBytes = std::size_t{2} << 20;

}  // namespace factorix
