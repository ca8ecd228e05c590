#include "engine/poly/IntegerRoots.h"

#include "engine/poly/RootFinder.h"

namespace factorix {

std::vector<mpz_class> IntegerRootsDividing(const Polynomial& p, const mpz_class& constant) {
  return RootFinder(p.coeffs).RootsDividing(constant);
}

}  // namespace factorix
