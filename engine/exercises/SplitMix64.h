#pragma once

#include <cstdint>

namespace factorix {

// SplitMix64 (Steele, Lea and Flood, 2014): a 64-bit generator whose
// output depends on the seed alone, on every platform and library, so that
// a seed always gives the same sheet. Each step adds 0x9E3779B97F4A7C15 to
// the state and mixes it with two multiply-xorshift rounds.
class SplitMix64 {
public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next();
  // Uniform in [0, n) for n >= 1, by rejection (no modulo bias).
  std::uint64_t Below(std::uint64_t n);
  // Uniform in [lo, hi], lo <= hi.
  long Between(long lo, long hi);

private:
  std::uint64_t state_;
};

}  // namespace factorix
