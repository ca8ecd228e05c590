#pragma once

#include <iosfwd>
#include <optional>

// The command line's "--factorizar TEXTO" and "--ruffini TEXTO": the
// complete factorisation, or the Ruffini tables of the first root and the
// factorisation, printed without opening a window.
namespace WorkCommand {

// Runs the option when argv holds one and returns the exit status: 0 when
// printed, 1 with the usage message for a missing text or a text that is
// not a sum of terms, 1 with the error message for a polynomial too large
// to show. nullopt when argv names neither option.
std::optional<int> run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace WorkCommand
