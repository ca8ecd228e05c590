#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the command line prints for a formula text. Both give nullopt for a
// text that is not a sum of terms, which has no factorisation to give, and
// throw EngineError(kOverflow) for a polynomial too large to show, including
// a sum of terms beyond what the reader takes.
namespace factorix {

// The complete factorisation on one line, in the pad's encoding:
// "2(x-2)(xe2+2x+4)".
std::optional<std::string> FactorizationLine(std::string_view text);

// Plain-text lines: "P(x) = ...", the Ruffini tables of the first result
// line's root, each with "Cociente: ..." and "Resto: ..." and an empty line,
// then "Factorización: ...". Exponents as superscript digits.
std::optional<std::vector<std::string>> RuffiniLines(std::string_view text);

}  // namespace factorix
