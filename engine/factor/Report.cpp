#include "engine/factor/Report.h"

#include "engine/factor/PolynomialText.h"
#include "engine/factor/RuffiniText.h"
#include "engine/factor/Work.h"

namespace factorix {

std::optional<std::string> FactorizationReport(std::string_view text) {
  const std::optional<Coefficients> polynomial = ReadTerms(text);
  if (!polynomial) return std::nullopt;
  return WriteFactorization(Factorize(*polynomial)) + '\n';
}

std::optional<std::string> RuffiniReport(std::string_view text) {
  const std::optional<Coefficients> polynomial = ReadTerms(text);
  if (!polynomial) return std::nullopt;
  const Work work = ShowWork(*polynomial, FirstRoot(text));
  std::string out = "P(x) = " + WritePolynomial(work.polynomial) + "\n\n";
  for (const RuffiniTable& table : work.steps) {
    out += RuffiniTableText(table);
    out += "Cociente: " + WritePolynomial(table.QuotientCoefficients()) + '\n';
    out += "Resto: " + table.remainder.get_str() + "\n\n";
  }
  out += "Factorización: " + WriteFactorization(work.factorization) + '\n';
  return out;
}

}  // namespace factorix
