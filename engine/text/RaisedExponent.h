#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The pad writes an exponent as a run of raised digits: "e" before each
// digit, so x^12 is "xe1e2". These helpers read and write such runs.
namespace factorix {

// Highest power the engine reads or writes. Anything above it throws
// kOverflow, so that no text can make the engine build a gigantic dense
// array of coefficients.
inline constexpr int kMaxDegree = 100000;

// raised-run := { "e" digit }
// Reads the run that starts at `pos` (0-based) as one decimal exponent and
// moves `pos` past it. nullopt, with `pos` unchanged, when no raised digit
// starts there. A value above kMaxDegree throws EngineError(kOverflow).
std::optional<int> ReadRaisedExponent(std::string_view text, std::size_t& pos);

// The run for `exponent` (>= 0): "e0" for 0, "e1e2" for 12.
std::string RaisedExponentText(int exponent);

}  // namespace factorix
