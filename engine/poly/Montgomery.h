#pragma once

#include "engine/core/WideInt.h"

#include <cstdint>
#include <utility>

// Modular arithmetic in Montgomery form for an odd modulus that fits one or
// two machine words. Values live in [0, n) in Montgomery form (a·R mod n,
// R = 2^64 or 2^128); To() and From() convert, FromMpz() reduces a GMP
// number into the plain range. GmpModulus offers the same operations on GMP
// numbers for larger moduli.
namespace factorix {

class Montgomery64 {
public:
  using Int = std::uint64_t;

  explicit Montgomery64(std::uint64_t n) : n_(n) {
    inverse_ = n;  // correct to 3 bits for an odd n; each step doubles them
    for (int i = 0; i < 5; ++i) inverse_ *= 2 - n * inverse_;
    const std::uint64_t r = static_cast<std::uint64_t>((static_cast<uint128>(1) << 64) % n);
    r2_ = static_cast<std::uint64_t>(static_cast<uint128>(r) * r % n);
  }

  std::uint64_t Modulus() const { return n_; }
  std::uint64_t FromMpz(const mpz_class& a) const { return mpz_fdiv_ui(a.get_mpz_t(), n_); }
  std::uint64_t To(std::uint64_t a) const { return Mul(a % n_, r2_); }
  std::uint64_t From(std::uint64_t a) const { return Reduce(a); }
  std::uint64_t One() const { return To(1); }

  std::uint64_t Mul(std::uint64_t a, std::uint64_t b) const {
    return Reduce(static_cast<uint128>(a) * b);
  }
  std::uint64_t Add(std::uint64_t a, std::uint64_t b) const {
    const std::uint64_t s = a + b;
    return (s < a || s >= n_) ? s - n_ : s;
  }
  std::uint64_t Sub(std::uint64_t a, std::uint64_t b) const { return a >= b ? a - b : a - b + n_; }

private:
  // t / R mod n for t < n·R: the low words of t and m·n are equal, so the
  // difference of the high words is exact.
  std::uint64_t Reduce(uint128 t) const {
    const std::uint64_t m = static_cast<std::uint64_t>(t) * inverse_;
    const std::uint64_t hi = static_cast<std::uint64_t>(t >> 64);
    const std::uint64_t mh = static_cast<std::uint64_t>((static_cast<uint128>(m) * n_) >> 64);
    return hi >= mh ? hi - mh : hi - mh + n_;
  }

  std::uint64_t n_;
  std::uint64_t inverse_;  // n^-1 mod 2^64
  std::uint64_t r2_;       // R^2 mod n
};

class Montgomery128 {
public:
  using Int = uint128;

  explicit Montgomery128(uint128 n) : n_(n) {
    inverse_ = n;
    for (int i = 0; i < 6; ++i) inverse_ *= 2 - n * inverse_;
    const mpz_class modulus = FromWide(n);
    mpz_class r2 = 1;
    r2 <<= 256;
    r2 %= modulus;
    r2_ = ToWide(r2);
  }

  uint128 Modulus() const { return n_; }
  uint128 FromMpz(const mpz_class& a) const {
    mpz_class r;
    mpz_fdiv_r(r.get_mpz_t(), a.get_mpz_t(), FromWide(n_).get_mpz_t());
    return ToWide(r);
  }
  uint128 To(uint128 a) const { return Mul(a % n_, r2_); }
  uint128 From(uint128 a) const { return Reduce(0, a); }
  uint128 One() const { return To(1); }

  uint128 Mul(uint128 a, uint128 b) const {
    uint128 hi, lo;
    MultiplyWide(a, b, hi, lo);
    return Reduce(hi, lo);
  }
  uint128 Add(uint128 a, uint128 b) const {
    const uint128 s = a + b;
    return (s < a || s >= n_) ? s - n_ : s;
  }
  uint128 Sub(uint128 a, uint128 b) const { return a >= b ? a - b : a - b + n_; }

private:
  uint128 Reduce(uint128 hi, uint128 lo) const {
    const uint128 m = lo * inverse_;
    uint128 mh, ml;
    MultiplyWide(m, n_, mh, ml);
    return hi >= mh ? hi - mh : hi - mh + n_;
  }

  uint128 n_;
  uint128 inverse_;  // n^-1 mod 2^128
  uint128 r2_;       // R^2 mod n
};

// Plain residues in [0, n) on GMP numbers, with the interface of the
// Montgomery classes (To and From are the identity).
class GmpModulus {
public:
  using Int = mpz_class;

  explicit GmpModulus(mpz_class n) : n_(std::move(n)) {}

  const mpz_class& Modulus() const { return n_; }
  mpz_class FromMpz(const mpz_class& a) const {
    mpz_class r;
    mpz_fdiv_r(r.get_mpz_t(), a.get_mpz_t(), n_.get_mpz_t());
    return r;
  }
  mpz_class To(const mpz_class& a) const { return FromMpz(a); }
  mpz_class From(const mpz_class& a) const { return a; }
  mpz_class One() const { return 1; }

  mpz_class Mul(const mpz_class& a, const mpz_class& b) const {
    mpz_class r;
    mpz_mul(r.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    mpz_tdiv_r(r.get_mpz_t(), r.get_mpz_t(), n_.get_mpz_t());
    return r;
  }
  mpz_class Add(const mpz_class& a, const mpz_class& b) const {
    mpz_class s = a + b;
    if (s >= n_) s -= n_;
    return s;
  }
  mpz_class Sub(const mpz_class& a, const mpz_class& b) const {
    mpz_class d = a - b;
    if (d < 0) d += n_;
    return d;
  }

private:
  mpz_class n_;
};

inline std::uint64_t GcdOf(std::uint64_t a, std::uint64_t b) {
  while (b != 0) {
    const std::uint64_t t = a % b;
    a = b;
    b = t;
  }
  return a;
}
inline uint128 GcdOf(uint128 a, uint128 b) { return Gcd(a, b); }
inline mpz_class GcdOf(const mpz_class& a, const mpz_class& b) {
  mpz_class g;
  mpz_gcd(g.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
  return g;
}

inline mpz_class ToMpz(std::uint64_t v) { return static_cast<unsigned long>(v); }
inline mpz_class ToMpz(uint128 v) { return FromWide(v); }
inline mpz_class ToMpz(const mpz_class& v) { return v; }

}  // namespace factorix
