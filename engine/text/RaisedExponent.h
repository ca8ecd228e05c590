#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The pad writes an exponent as a run of raised digits: "e" before each
// digit, so x^12 is "xe1e2". These helpers read and write such runs.
namespace factorix {

// Highest power of x a formula text may hold, read or written (the
// division's quotients included); anything above it throws kOverflow, so
// that no text can make the engine build a gigantic dense array of
// coefficients.
inline constexpr int kMaxFormulaDegree = 100000;

// What ReadExponent gives for a power above kMaxFormulaDegree.
inline constexpr int kTooLargePower = kMaxFormulaDegree + 1;

// raised-run := "e" digit { "e" digit }
// Reads the run that starts at `pos` (0-based) as one decimal exponent and
// moves `pos` past it. nullopt, with `pos` unchanged, when no raised digit
// starts there. A value above kMaxFormulaDegree throws EngineError(kOverflow).
std::optional<int> ReadRaisedExponent(std::string_view text, std::size_t& pos);

// exponent := power { power }            chained powers multiply
// power    := raised-run { digit } | "^" digit { digit }
// Reads the exponent that follows a variable at `pos`, as the evaluator
// reads the same text: the digits of a raised run and the plain digits
// right after it make one number ("xe23" is x^23), "^" and digits is a power
// ("x^3"), and powers in a row apply in turn ("x^2e3" is (x^2)^3). Moves
// `pos` past it; nullopt, with `pos` unchanged, when no exponent starts
// there. Never throws: a power above kMaxFormulaDegree reads as kTooLargePower.
std::optional<int> ReadExponent(std::string_view text, std::size_t& pos);

// The run for `exponent` (>= 0): "e0" for 0, "e1e2" for 12.
std::string RaisedExponentText(int exponent);

// Appends RaisedExponentText(exponent) to `out`.
void AppendRaisedExponent(std::string& out, int exponent);

}  // namespace factorix
