#include "engine/factor/RuffiniSteps.h"

#include <algorithm>
#include <cstddef>

namespace factorix {

Coefficients RuffiniTable::QuotientCoefficients() const { return Coefficients(quotient.rbegin(), quotient.rend()); }

RuffiniTable DivideWithTable(const Coefficients& dividend, const mpz_class& root) {
  RuffiniTable table;
  table.root = root;
  table.dividend.assign(dividend.rbegin(), dividend.rend());
  const std::size_t n = table.dividend.size() - 1;
  table.products.resize(n);
  table.quotient.resize(n);
  mpz_class carried = table.dividend[0];  // b_0 = a_0
  for (std::size_t i = 1; i <= n; ++i) {
    table.quotient[i - 1] = carried;
    table.products[i - 1] = root * carried;
    carried = table.dividend[i] + table.products[i - 1];
  }
  table.remainder = carried;
  return table;
}

std::vector<RuffiniTable> RuffiniSteps(const Coefficients& p, const mpz_class& root,
                                       const Factorization& factorization) {
  std::vector<RuffiniTable> steps;
  Coefficients dividend = p;
  Trim(dividend);
  if (Degree(dividend) < 1) return steps;
  steps.push_back(DivideWithTable(dividend, root));
  if (steps.back().remainder != 0) return steps;

  std::vector<mpz_class> roots = IntegerRoots(factorization);
  const auto first = std::find(roots.begin(), roots.end(), root);
  if (first != roots.end()) roots.erase(first);
  for (const mpz_class& next : roots) {
    dividend = steps.back().QuotientCoefficients();
    if (Degree(dividend) < 1) break;
    steps.push_back(DivideWithTable(dividend, next));
  }
  return steps;
}

}  // namespace factorix
