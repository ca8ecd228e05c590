#include "engine/factor/Report.h"

#include "engine/factor/PolynomialText.h"
#include "engine/factor/RuffiniText.h"
#include "engine/factor/Work.h"
#include "engine/search/Search.h"

namespace factorix {

std::optional<std::string> FactorizationLine(std::string_view text) {
  const std::optional<Polynomial> polynomial = ReadTermsWithinLimits(text);
  if (!polynomial) return std::nullopt;
  return WriteFactorization(Factorize(*polynomial), Exponents::kPadText);
}

std::optional<std::vector<std::string>> RuffiniLines(std::string_view text) {
  const std::optional<Polynomial> polynomial = ReadTermsWithinLimits(text);
  if (!polynomial) return std::nullopt;
  // The tables start at the root of the first result line, if any.
  const SearchResult result = Search(text);
  std::optional<mpz_class> first;
  if (!result.roots.empty()) first = result.roots.front();
  const Work work = ShowWork(*polynomial, first);
  std::vector<std::string> lines{"P(x) = " + WritePolynomial(work.polynomial), ""};
  for (const RuffiniTable& table : work.steps) {
    const std::string rows = RuffiniTableText(table);
    std::size_t start = 0;
    for (std::size_t end = rows.find('\n'); end != std::string::npos; end = rows.find('\n', start)) {
      lines.push_back(rows.substr(start, end - start));
      start = end + 1;
    }
    lines.push_back("Cociente: " + WritePolynomial(table.QuotientCoefficients()));
    lines.push_back("Resto: " + table.remainder.get_str());
    lines.push_back("");
  }
  lines.push_back("Factorizaci\u00f3n: " + WriteFactorization(work.factorization));
  return lines;
}

}  // namespace factorix
