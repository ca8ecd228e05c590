#include "engine/IntegerPolynomial.h"

#include <cstddef>

namespace factorix {

void Trim(Coefficients& p) {
  while (!p.empty() && p.back() == 0) p.pop_back();
}

int Degree(const Coefficients& p) { return static_cast<int>(p.size()) - 1; }

Coefficients Derivative(const Coefficients& p) {
  Coefficients d;
  if (p.size() < 2) return d;
  d.resize(p.size() - 1);
  for (std::size_t i = 1; i < p.size(); ++i) d[i - 1] = p[i] * static_cast<unsigned long>(i);
  Trim(d);
  return d;
}

Coefficients PrimitivePart(const Coefficients& p) {
  mpz_class content;
  for (const mpz_class& c : p) {
    mpz_gcd(content.get_mpz_t(), content.get_mpz_t(), c.get_mpz_t());
    if (content == 1) break;
  }
  if (p.back() < 0) content = -content;
  Coefficients out(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    mpz_divexact(out[i].get_mpz_t(), p[i].get_mpz_t(), content.get_mpz_t());
  }
  return out;
}

namespace {

// A pseudo-remainder of a by b: a multiplied by a power of lc(b), reduced
// below the degree of b. Returned trimmed.
Coefficients PseudoRemainder(Coefficients a, const Coefficients& b) {
  const int db = Degree(b);
  const mpz_class& lb = b.back();
  mpz_class top;
  while (Degree(a) >= db) {
    const int shift = Degree(a) - db;
    top = a.back();
    // a = lb * a - top * x^shift * b; the leading term cancels.
    for (mpz_class& c : a) c *= lb;
    for (int i = 0; i <= db; ++i) {
      a[static_cast<std::size_t>(i + shift)] -= top * b[static_cast<std::size_t>(i)];
    }
    Trim(a);
  }
  return a;
}

}  // namespace

Coefficients PrimitiveGcd(const Coefficients& a, const Coefficients& b) {
  Coefficients u = PrimitivePart(a);
  Coefficients v = PrimitivePart(b);
  if (Degree(u) < Degree(v)) std::swap(u, v);
  while (!v.empty()) {
    Coefficients r = PseudoRemainder(u, v);
    u = std::move(v);
    v = r.empty() ? std::move(r) : PrimitivePart(r);
  }
  return PrimitivePart(u);
}

Coefficients ExactQuotient(const Coefficients& a, const Coefficients& b) {
  Coefficients rest = a;
  const int db = Degree(b);
  const int dq = Degree(a) - db;
  if (dq < 0) return {};
  Coefficients q(static_cast<std::size_t>(dq) + 1);
  for (int k = dq; k >= 0; --k) {
    mpz_class& qk = q[static_cast<std::size_t>(k)];
    mpz_divexact(qk.get_mpz_t(), rest[static_cast<std::size_t>(k + db)].get_mpz_t(),
                 b.back().get_mpz_t());
    for (int i = 0; i <= db; ++i) rest[static_cast<std::size_t>(k + i)] -= qk * b[static_cast<std::size_t>(i)];
  }
  Trim(q);
  return q;
}

Coefficients SquareFreePart(const Coefficients& p) {
  const Coefficients g = PrimitiveGcd(p, Derivative(p));
  return PrimitivePart(ExactQuotient(p, g));
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
