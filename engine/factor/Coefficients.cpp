#include "engine/factor/Coefficients.h"

#include <cstddef>

namespace factorix {

void Trim(Coefficients& p) {
  while (!p.empty() && p.back() == 0) p.pop_back();
}

int Degree(const Coefficients& p) { return static_cast<int>(p.size()) - 1; }

Coefficients DivideByRoot(const Coefficients& p, const mpz_class& r) {
  if (p.size() < 2) return {};
  Coefficients q(p.size() - 1);
  q.back() = p.back();
  for (std::size_t i = q.size() - 1; i >= 1; --i) q[i - 1] = p[i] + r * q[i];
  return q;
}

bool IsRootFactor(const Coefficients& f) { return f.size() == 2 && f[1] == 1; }

}  // namespace factorix
