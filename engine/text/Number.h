#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

namespace factorix {

// A whole number is an optional "+" or "-" followed by one or more ASCII
// digits, of any length. Anything else throws EngineError(kTypeMismatch).
mpz_class ToNumber(std::string_view text);

// Throws what ToNumber(text) would throw, without converting.
void CheckNumber(std::string_view text);

// Plain decimal, "-" when negative, no "+".
std::string ToText(const mpz_class& value);

}  // namespace factorix
