#include "engine/exercises/SplitMix64.h"

namespace factorix {

std::uint64_t SplitMix64::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t SplitMix64::Below(std::uint64_t n) {
  // The largest multiple of n that fits, so that every residue is as likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
  std::uint64_t value;
  do value = Next();
  while (value >= limit);
  return value % n;
}

long SplitMix64::Between(long lo, long hi) {
  const auto span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
  return static_cast<long>(static_cast<std::uint64_t>(lo) + Below(span));
}

}  // namespace factorix
