#pragma once

#include <string>
#include <string_view>

// Term readers over formula text. They never parse the polynomial: they find
// the variable and the signs by searching the text, and return coefficient
// and constant texts exactly as written. Positions are 1-based; comparisons
// are case-sensitive. None of them converts or validates anything.
namespace factorix {

// Number of occurrences of `Incognita` in `texto`.
int ObtenerNumTerminos(std::string_view texto, char Incognita);

// Coefficient text of the `NumTermino`-th term with the variable (1 is the
// highest power; 1 or less reads term 1), with its sign when it has one.
// A coefficient left out reads as "1" after the term's sign.
// Precondition: NumTermino <= ObtenerNumTerminos(texto, Incognita).
std::string ObtenerTermino(std::string_view texto, int NumTermino, char Incognita);

// Everything after the last "+" or "-": with that sign when ConSigno is true.
// ConSigno true on a text without a sign throws EngineError(kInvalidCall).
std::string ObtenerIndependiente(std::string_view texto, bool ConSigno);

}  // namespace factorix
