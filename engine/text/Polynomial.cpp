#include "engine/text/Polynomial.h"

#include <algorithm>

#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

bool Polynomial::IsZero() const {
  return std::all_of(coeffs.begin(), coeffs.end(), [](const mpz_class& c) { return c == 0; });
}

std::optional<Polynomial> ReadPolynomial(std::string_view text) {
  FormulaTerms reading(text);
  if (reading.polynomialTooLarge()) throw EngineError(kOverflow);
  return reading.polynomial();
}

}  // namespace factorix
