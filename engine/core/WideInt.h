#pragma once

#include <gmpxx.h>

#include <cstdint>

// Unsigned 128-bit integers (a compiler extension on GCC and Clang) and the
// few operations the factorisation needs of them.
namespace factorix {

__extension__ typedef unsigned __int128 uint128;

// The 256-bit product a * b as its high and low halves.
inline void MultiplyWide(uint128 a, uint128 b, uint128& hi, uint128& lo) {
  const std::uint64_t a0 = static_cast<std::uint64_t>(a), a1 = static_cast<std::uint64_t>(a >> 64);
  const std::uint64_t b0 = static_cast<std::uint64_t>(b), b1 = static_cast<std::uint64_t>(b >> 64);
  const uint128 p00 = static_cast<uint128>(a0) * b0;
  const uint128 p01 = static_cast<uint128>(a0) * b1;
  const uint128 p10 = static_cast<uint128>(a1) * b0;
  const uint128 p11 = static_cast<uint128>(a1) * b1;
  const uint128 mid = (p00 >> 64) + static_cast<std::uint64_t>(p01) + static_cast<std::uint64_t>(p10);
  lo = (mid << 64) | static_cast<std::uint64_t>(p00);
  hi = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
}

// Binary gcd; Gcd(0, b) is b.
inline uint128 Gcd(uint128 a, uint128 b) {
  if (a == 0) return b;
  if (b == 0) return a;
  auto zeros = [](uint128 v) {
    const auto low = static_cast<std::uint64_t>(v);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<std::uint64_t>(v >> 64));
  };
  const int shift = zeros(a | b);
  a >>= zeros(a);
  do {
    b >>= zeros(b);
    if (a > b) {
      const uint128 t = a;
      a = b;
      b = t;
    }
    b -= a;
  } while (b != 0);
  return a << shift;
}

inline bool FitsWide(const mpz_class& n) { return sgn(n) >= 0 && mpz_sizeinbase(n.get_mpz_t(), 2) <= 128; }

static_assert(GMP_NUMB_BITS == 64, "one GMP limb is one 64-bit word");

// n must fit (FitsWide). A limb past the number's size reads as 0.
inline uint128 ToWide(const mpz_class& n) {
  return (static_cast<uint128>(mpz_getlimbn(n.get_mpz_t(), 1)) << 64) |
         static_cast<std::uint64_t>(mpz_getlimbn(n.get_mpz_t(), 0));
}

inline mpz_class FromWide(uint128 v) {
  mpz_class out = static_cast<unsigned long>(v >> 64);
  out <<= 64;
  out += static_cast<unsigned long>(static_cast<std::uint64_t>(v));
  return out;
}

}  // namespace factorix
