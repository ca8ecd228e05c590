#pragma once

#include <string>

#include "cli/CommandOutput.h"

struct PolynomialArgument;

// --pasos TEXTO: the worked solution of the polynomial, from the common
// factor to every root and the factorisation, as plain text; with --json,
// as one JSON object on one line. A text that is not a sum of terms gets
// the program's message; a polynomial past the bounds, error 6's.
CommandOutput pasos(const PolynomialArgument& argument);
CommandOutput pasosJson(const PolynomialArgument& argument);

// What --pasos --json writes for a TEXTO that was no polynomial: an object
// with the error's number (null for none) and its message, as for a text
// that fails in the solution.
std::string pasosJsonUnread(const PolynomialArgument& argument);
