#include "engine/search/Search.h"

#include <optional>

#include "engine/core/EngineError.h"
#include "engine/text/Polynomial.h"
#include "engine/search/SearchPaths.h"

namespace factorix {

SearchResult Search(std::string_view text) {
  // A plain sum of terms is searched through its polynomial; anything else
  // (letters, parentheses, operators, a degree beyond what the reader
  // takes) is evaluated candidate by candidate.
  std::optional<Polynomial> polynomial;
  try {
    polynomial = ReadPolynomial(text);
  } catch (...) {
    polynomial.reset();
  }
  return polynomial ? SearchPolynomial(text, *polynomial) : SearchGeneral(text);
}

}  // namespace factorix
