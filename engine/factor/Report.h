#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the command line prints for a formula text. Both give nullopt for a
// text that is not a sum of terms, which has no factorisation to give, and
// throw EngineError(kOverflow) for a polynomial too large to show.
namespace factorix {

// The complete factorisation on one line: "2(x-2)(x²+2x+4)\n".
std::optional<std::string> FactorizationReport(std::string_view text);

// "P(x) = ...", the Ruffini tables of the first result line's root, each
// with "Cociente: ..." and "Resto: ...", then "Factorización: ...".
std::optional<std::string> RuffiniReport(std::string_view text);

}  // namespace factorix
