#include "engine/core/RootOrder.h"

#include <algorithm>

namespace factorix {

bool RootOrder(const mpz_class& a, const mpz_class& b) {
  const int byMagnitude = mpz_cmpabs(a.get_mpz_t(), b.get_mpz_t());
  return byMagnitude != 0 ? byMagnitude < 0 : a < b;
}

void SortInRootOrder(std::vector<mpz_class>& roots) { std::sort(roots.begin(), roots.end(), RootOrder); }

}  // namespace factorix
