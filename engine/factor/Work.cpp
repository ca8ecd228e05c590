#include "engine/factor/Work.h"

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/Polynomial.h"
#include "engine/search/Search.h"

namespace factorix {

std::optional<Coefficients> ReadTerms(std::string_view text) {
  // The search takes a text the reader refuses, or finds too large, for a
  // general expression; so does this.
  try {
    return ReadTermsWithinLimits(text);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<Coefficients> ReadTermsWithinLimits(std::string_view text) {
  std::optional<Polynomial> p = ReadPolynomial(text);
  if (!p) return std::nullopt;
  Trim(p->coeffs);
  return std::move(p->coeffs);
}

// line := " (x" sign digits ")" ...
std::optional<mpz_class> RootOfLine(std::string_view line) {
  constexpr std::string_view kStart = " (x";
  if (line.substr(0, kStart.size()) != kStart) return std::nullopt;
  line.remove_prefix(kStart.size());
  const std::size_t close = line.find(')');
  if (close == std::string_view::npos || close < 2) return std::nullopt;
  const char sign = line[0];
  if (sign != '+' && sign != '-') return std::nullopt;
  const std::string_view digits = line.substr(1, close - 1);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  try {
    const mpz_class divisor = ToNumber(digits);
    return sign == '+' ? mpz_class(-divisor) : divisor;  // x + d is x - (-d)
  } catch (...) {
    return std::nullopt;
  }
}

Work ShowWork(const Coefficients& polynomial, const std::optional<mpz_class>& root) {
  Work work;
  work.polynomial = polynomial;
  Trim(work.polynomial);
  work.factorization = Factorize(work.polynomial);
  if (root) work.steps = RuffiniSteps(work.polynomial, *root, work.factorization);

  std::size_t characters = 0;
  const auto count = [&characters](const std::vector<mpz_class>& row) {
    for (const mpz_class& v : row) characters += mpz_sizeinbase(v.get_mpz_t(), 10) + 1;
  };
  for (const RuffiniTable& table : work.steps) {
    count(table.dividend);
    count(table.products);
    count(table.quotient);
  }
  if (characters > kMaxShownCharacters) throw EngineError(kOverflow);
  return work;
}

std::optional<mpz_class> FirstRoot(std::string_view text) {
  const SearchResult result = Search(text);
  if (result.lines.empty()) return std::nullopt;
  return RootOfLine(result.lines.front());
}

}  // namespace factorix
