#pragma once

// Polynomials for the engine's tests, built independently of the engine.

#include <gmpxx.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/text/RaisedExponent.h"

namespace factorix::test {

using Coefficients = std::vector<mpz_class>;  // [i] multiplies x^i

inline Coefficients Times(const Coefficients& a, const Coefficients& b) {
  Coefficients out(a.size() + b.size() - 1);
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == 0) continue;
    for (std::size_t j = 0; j < b.size(); ++j) out[i + j] += a[i] * b[j];
  }
  return out;
}

// T_n, from T_(k+1) = 2x T_k - T_(k-1): n real roots in (-1, 1).
inline Coefficients Chebyshev(int n) {
  Coefficients previous{1}, current{0, 1};
  for (int k = 1; k < n; ++k) {
    Coefficients next = Times(current, {0, 2});
    for (std::size_t i = 0; i < previous.size(); ++i) next[i] -= previous[i];
    previous = std::move(current);
    current = std::move(next);
  }
  return current;
}

// (x - r)^k
inline Coefficients PowerOfFactor(const mpz_class& r, int k) {
  Coefficients p{1};
  for (int i = 0; i < k; ++i) p = Times(p, {-r, 1});
  return p;
}

inline mpz_class ValueAt(const Coefficients& p, const mpz_class& x) {
  mpz_class v;
  for (std::size_t i = p.size(); i-- > 0;) v = v * x + p[i];
  return v;
}

// Every power written, highest first, as the pad stores it.
inline std::string DenseText(const Coefficients& p) {
  std::string text;
  for (std::size_t i = p.size(); i-- > 0;) {
    if (p[i] >= 0 && i + 1 != p.size()) text += '+';
    text += p[i].get_str();
    if (i >= 1) text += 'x';
    if (i >= 2) text += RaisedExponentText(static_cast<int>(i));
  }
  return text;
}

}  // namespace factorix::test
