#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/exercises/ExerciseSheet.h"

namespace factorix {

// The two complex roots of an irreducible x^2 + bx + c ({c, b, 1}),
// negative imaginary part first, exact: "-1-2i", "(-1+√3i)/2", "√2i".
std::vector<std::string> ComplexRootTexts(const Polynomial& quadratic);

// A root as JSON: an integer as a number, a fraction as the string "p/q".
std::string RootJson(const mpq_class& root);

// The sheet as one JSON object, one exercise a line:
// {"semilla": S, "ejercicios": [{"polinomio": "x³-7x+6", "coeficientes":
// [1, 0, -7, 6], "raices": [-3, 1, 2], "factorizacion": "(x-1)(x-2)(x+3)"},
// ...]}; coefficients from the highest power down, every root as often as
// it divides, the complex ones as strings after the real ones.
std::string SheetJson(std::uint64_t seed, const std::vector<Exercise>& sheet);

}  // namespace factorix
