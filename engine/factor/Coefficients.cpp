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

bool IsRoot(const Coefficients& p, const mpz_class& r) {
  // p = (x - r) q gives a_0 = -r q_0 and a_i = q_(i-1) - r q_i, so
  // q_i = (q_(i-1) - a_i) / r must divide exactly at every step, and the
  // last one must equal the leading coefficient.
  if (p.empty()) return true;
  mpz_class q;  // q_(i-1), starting from q_(-1) = 0
  mpz_class t;
  for (std::size_t i = 0; i + 1 < p.size(); ++i) {
    mpz_sub(t.get_mpz_t(), q.get_mpz_t(), p[i].get_mpz_t());
    if (!mpz_divisible_p(t.get_mpz_t(), r.get_mpz_t())) return false;
    mpz_divexact(q.get_mpz_t(), t.get_mpz_t(), r.get_mpz_t());
  }
  return q == p.back();
}

}  // namespace factorix
