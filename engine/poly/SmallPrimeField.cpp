#include "engine/poly/SmallPrimeField.h"

#include <cstddef>

namespace factorix {

SmallPrimeField::SmallPrimeField(std::uint32_t q)
    : q_(q), reciprocal_(UINT64_C(0xFFFFFFFFFFFFFFFF) / q + 1) {}

Residues SmallPrimeField::Reduce(const std::vector<std::uint32_t>& residues) const {
  Residues out(residues.size());
  for (std::size_t i = 0; i < residues.size(); ++i) out[i] = Mod(residues[i]);
  return out;
}

std::uint32_t SmallPrimeField::Eval(const Residues& f, std::uint32_t x) const {
  std::uint32_t v = 0;
  for (std::size_t i = f.size(); i-- > 0;) v = Mod(v * x + f[i]);
  return v;
}

std::uint32_t SmallPrimeField::EvalDerivative(const Residues& f, std::uint32_t x) const {
  std::uint32_t v = 0;
  for (std::size_t i = f.size(); i-- > 1;) {
    v = Mod(v * x + Mod(Mod(static_cast<std::uint32_t>(i)) * f[i]));
  }
  return v;
}

std::uint32_t SmallPrimeField::Inverse(std::uint32_t a) const {
  // a^(q-2) by Fermat's little theorem.
  std::uint32_t result = 1, base = a;
  for (std::uint32_t e = q_ - 2; e != 0; e >>= 1) {
    if (e & 1) result = Mod(result * base);
    base = Mod(base * base);
  }
  return result;
}

Residues SmallPrimeField::Roots(const Residues& f) const {
  Residues roots;
  const std::size_t d = f.size() - 1;
  if (d + 1 >= q_) {
    for (std::uint32_t x = 0; x < q_; ++x) {
      if (Eval(f, x) == 0) roots.push_back(x);
    }
    return roots;
  }
  // Past the first d + 1 points the values come from the forward
  // differences: one addition per order and point.
  Residues diff(d + 1);
  for (std::size_t j = 0; j <= d; ++j) diff[j] = Eval(f, static_cast<std::uint32_t>(j));
  for (std::size_t k = 1; k <= d; ++k) {
    for (std::size_t j = d; j >= k; --j) {
      diff[j] = diff[j] >= diff[j - 1] ? diff[j] - diff[j - 1] : diff[j] + q_ - diff[j - 1];
    }
  }
  // diff[k] is now the k-th difference at x = 0.
  for (std::uint32_t x = 0; x < q_; ++x) {
    if (diff[0] == 0) roots.push_back(x);
    for (std::size_t k = 0; k < d; ++k) {
      const std::uint32_t s = diff[k] + diff[k + 1];
      diff[k] = s >= q_ ? s - q_ : s;
    }
  }
  return roots;
}

const std::vector<PrimeGroup>& SmallPrimeGroups() {
  static const std::vector<PrimeGroup> groups = [] {
    constexpr std::uint32_t kLimit = 1u << 15;
    std::vector<bool> composite(kLimit, false);
    std::vector<PrimeGroup> out;
    std::uint64_t product = 1;
    for (std::uint32_t i = 2; i < kLimit; ++i) {
      if (composite[i]) continue;
      for (std::uint32_t j = i * i; j < kLimit; j += i) composite[j] = true;
      if (i < 11) continue;
      if (out.empty() || product * i > UINT32_MAX) {
        out.push_back({});
        product = 1;
      }
      product *= i;
      out.back().product = static_cast<std::uint32_t>(product);
      out.back().primes.push_back(i);
    }
    return out;
  }();
  return groups;
}

}  // namespace factorix
