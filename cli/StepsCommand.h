#pragma once

#include <string_view>

#include "cli/CommandOutput.h"

// --pasos TEXTO: the worked solution of the polynomial, from the common
// factor to every root and the factorisation, as plain text; with --json,
// as one JSON object on one line. A text that is not a sum of terms gets
// the program's message; a polynomial past the bounds, error 6's.
CommandOutput pasos(std::string_view padText);
CommandOutput pasosJson(std::string_view padText);
