#pragma once

#include <gmpxx.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace factorix {

// The positive divisors of the constant term, as the search walks them.
class DivisorList {
public:
  // Wall time allowed for listing one constant's divisors; past it the
  // calculation ends with kOverflow instead of freezing the window.
  static constexpr std::chrono::milliseconds kBudget{1000};

  // Most divisors a list may hold, and most decimal digits all of them may
  // take together; a constant past either throws kOverflow, so that the
  // list's memory stays bounded (about 100 MB at worst).
  static constexpr std::size_t kMaxDivisors = 2000000;
  static constexpr std::size_t kMaxTotalDigits = 32000000;

  // Refills Divisores with the divisors of the number that `p` denotes, as
  // decimal texts in ascending order; empty for 0. A text that is not a
  // number throws kTypeMismatch, a constant that cannot be factorised or
  // whose list would be too long within the budget throws kOverflow; in both
  // cases Divisores keeps its previous content.
  void ObtenerDivisores(const std::string& p);

  std::vector<std::string> Divisores;  // lower bound 0; empty means no candidate
};

// The positive divisors of |n| in ascending order (empty for 0), exactly, from
// its prime factorisation. Throws kOverflow when the deadline passes first,
// or when there would be more than DivisorList::kMaxDivisors of them or
// more than DivisorList::kMaxTotalDigits digits in all.
std::vector<mpz_class> ListDivisors(const mpz_class& n,
                                    std::chrono::steady_clock::time_point deadline);

// Bits of one divisor word, the unsigned type the search lists small
// constants' divisors in.
inline constexpr std::size_t kDivisorWordBits = 64;

// ListDivisors for an n whose magnitude fits one 64-bit word, as words, with
// the same errors; the search takes its candidates from here without making
// texts or GMP numbers of them.
std::vector<std::uint64_t> ListWordDivisors(const mpz_class& n,
                                            std::chrono::steady_clock::time_point deadline);

}  // namespace factorix
