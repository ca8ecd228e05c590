#include "bench/SamplePolynomials.h"

#include <gmpxx.h>

#include <random>
#include <utility>

namespace factorix::bench {

Polynomial RandomDigits(int degree, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> digit(-9, 9);
  Polynomial p(static_cast<std::size_t>(degree) + 1);
  for (mpz_class& c : p) c = digit(random);
  return p;
}

Polynomial WithRoots(const std::vector<long>& roots, Polynomial rest) {
  for (long r : roots) {
    Polynomial product(rest.size() + 1);
    for (std::size_t i = 0; i < rest.size(); ++i) {
      product[i + 1] += rest[i];
      product[i] -= r * rest[i];
    }
    rest = std::move(product);
  }
  return rest;
}

std::vector<long> Range(long from, long to) {
  std::vector<long> out;
  for (long r = from; r <= to; ++r) out.push_back(r);
  return out;
}

}  // namespace factorix::bench
