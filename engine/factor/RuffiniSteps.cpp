#include "engine/factor/RuffiniSteps.h"

#include <algorithm>
#include <cstddef>

namespace factorix {

std::vector<RuffiniTable> RuffiniSteps(const Polynomial& p, const mpz_class& root,
                                       const Factorization& factorization) {
  std::vector<RuffiniTable> steps;
  Polynomial dividend = p;
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
