#include "engine/search/EllipticCurveMethod.h"

namespace factorix {

const std::vector<bool>& EllipticCurveMethod::PrimeTable(std::uint32_t limit) {
  if (isPrime_.size() > limit) return isPrime_;
  isPrime_.assign(static_cast<std::size_t>(limit) + 1, true);
  isPrime_[0] = false;
  isPrime_[1] = false;
  for (std::uint64_t i = 2; i * i <= limit; ++i) {
    if (!isPrime_[i]) continue;
    for (std::uint64_t j = i * i; j <= limit; j += i) isPrime_[j] = false;
  }
  return isPrime_;
}

}  // namespace factorix
