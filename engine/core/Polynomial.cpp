#include "engine/core/Polynomial.h"

#include <algorithm>

#include "engine/core/EngineError.h"

namespace factorix {

void Trim(Polynomial& p) {
  while (!p.empty() && p.back() == 0) p.pop_back();
}

int Degree(const Polynomial& p) {
  std::size_t size = p.size();
  while (size > 0 && p[size - 1] == 0) --size;
  return static_cast<int>(size) - 1;
}

bool IsZero(const Polynomial& p) {
  return std::all_of(p.begin(), p.end(), [](const mpz_class& c) { return c == 0; });
}

mpz_class ValueAt(const Polynomial& p, const mpz_class& x) {
  mpz_class value;
  for (std::size_t i = p.size(); i-- > 0;) {
    value *= x;
    value += p[i];
  }
  return value;
}

void DivideByRoot(const Polynomial& p, const mpz_class& r, Polynomial& quotient, std::size_t maxBits) {
  if (p.size() < 2) {
    quotient.clear();
    return;
  }
  // From the top: quotient[i] multiplies x^i.
  const std::size_t degree = p.size() - 1;
  quotient.resize(degree);
  quotient[degree - 1] = p[degree];
  std::size_t totalBits = 0;
  for (std::size_t i = degree - 1; i >= 1; --i) {
    mpz_mul(quotient[i - 1].get_mpz_t(), r.get_mpz_t(), quotient[i].get_mpz_t());
    quotient[i - 1] += p[i];
    totalBits += mpz_sizeinbase(quotient[i - 1].get_mpz_t(), 2);
    if (totalBits > maxBits) throw EngineError(kOverflow);
  }
}

Polynomial DivideByRoot(const Polynomial& p, const mpz_class& r) {
  Polynomial quotient;
  DivideByRoot(p, r, quotient);
  return quotient;
}

Polynomial RuffiniTable::QuotientCoefficients() const { return Polynomial(quotient.rbegin(), quotient.rend()); }

RuffiniTable DivideWithTable(const Polynomial& dividend, const mpz_class& root) {
  RuffiniTable table;
  table.root = root;
  table.dividend.assign(dividend.rbegin(), dividend.rend());
  const Polynomial q = DivideByRoot(dividend, root);
  table.quotient.assign(q.rbegin(), q.rend());
  table.products.reserve(q.size());
  for (const mpz_class& value : table.quotient) table.products.push_back(root * value);
  if (!dividend.empty()) table.remainder = dividend.front() + (q.empty() ? mpz_class(0) : root * q.front());
  return table;
}

}  // namespace factorix
