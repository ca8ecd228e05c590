#include "engine/factor/Work.h"

#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

std::optional<Polynomial> ReadTerms(std::string_view text) {
  // The search takes a text the reader refuses, or finds too large, for a
  // general expression; so does this.
  try {
    return ReadTermsWithinLimits(text);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<Polynomial> ReadTermsWithinLimits(std::string_view text) {
  std::optional<Polynomial> p = ReadPolynomial(text);
  if (p) Trim(*p);
  return p;
}

Work ShowWork(const Polynomial& polynomial, const std::optional<mpz_class>& root) {
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

}  // namespace factorix
