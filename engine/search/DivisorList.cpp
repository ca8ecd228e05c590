#include "engine/search/DivisorList.h"

#include "engine/core/EngineError.h"
#include "engine/search/Factorizer.h"
#include "engine/text/Number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace factorix {

namespace {

// How many divisors a factorisation gives; saturates above the cap.
std::size_t DivisorCount(const std::vector<PrimePower>& factors) {
  std::size_t count = 1;
  for (const PrimePower& f : factors) {
    if (count > DivisorList::kMaxDivisors / (f.exponent + 1)) return DivisorList::kMaxDivisors + 1;
    count *= f.exponent + 1;
  }
  return count;
}

// Every divisor, ascending. For each prime p^e the sorted list L becomes the
// blocks L, pL, ..., p^e L, each sorted, merged pairwise bottom-up.
template <class T, class FromPrime>
std::vector<T> SortedDivisors(const std::vector<PrimePower>& factors, std::size_t count,
                              FromPrime fromPrime) {
  std::vector<T> divisors;
  divisors.reserve(count);
  divisors.push_back(T(1));
  std::vector<T> scratch;
  scratch.reserve(count);
  for (const PrimePower& f : factors) {
    const T p = fromPrime(f.prime);
    const std::size_t block = divisors.size();
    const std::size_t total = block * (f.exponent + 1);
    for (std::size_t i = block; i < total; ++i) divisors.push_back(divisors[i - block] * p);
    for (std::size_t width = block; width < total; width *= 2) {
      scratch.clear();
      for (std::size_t lo = 0; lo < total; lo += 2 * width) {
        const std::size_t mid = std::min(lo + width, total);
        const std::size_t hi = std::min(lo + 2 * width, total);
        std::merge(divisors.begin() + static_cast<std::ptrdiff_t>(lo),
                   divisors.begin() + static_cast<std::ptrdiff_t>(mid),
                   divisors.begin() + static_cast<std::ptrdiff_t>(mid),
                   divisors.begin() + static_cast<std::ptrdiff_t>(hi), std::back_inserter(scratch));
      }
      divisors.swap(scratch);
    }
  }
  return divisors;
}

std::string WordText(std::uint64_t v) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, end);
}

// The factorisation of n, refused when its list would be too long: d and
// n/d have about as many digits together as n, so the list takes about
// count · digits(n) / 2 digits.
std::vector<PrimePower> FactorWithin(const mpz_class& n, std::chrono::steady_clock::time_point deadline,
                                     std::size_t& count) {
  std::vector<PrimePower> factors = Factorizer(deadline).Factor(n);
  count = DivisorCount(factors);
  if (count > DivisorList::kMaxDivisors) throw EngineError(kOverflow);
  const std::size_t digits = mpz_sizeinbase(n.get_mpz_t(), 10);
  if (count > DivisorList::kMaxTotalDigits / (digits / 2 + 1)) throw EngineError(kOverflow);
  return factors;
}

}  // namespace

std::vector<mpz_class> ListDivisors(const mpz_class& n,
                                    std::chrono::steady_clock::time_point deadline) {
  if (n == 0) return {};
  std::size_t count = 0;
  const std::vector<PrimePower> factors = FactorWithin(n, deadline, count);
  return SortedDivisors<mpz_class>(factors, count, [](const mpz_class& p) { return p; });
}

std::vector<std::uint64_t> ListWordDivisors(const mpz_class& n,
                                            std::chrono::steady_clock::time_point deadline) {
  if (n == 0) return {};
  const mpz_class magnitude = abs(n);
  if (mpz_sizeinbase(magnitude.get_mpz_t(), 2) > kDivisorWordBits) throw EngineError(kOverflow);
  std::size_t count = 0;
  const std::vector<PrimePower> factors = FactorWithin(magnitude, deadline, count);
  return SortedDivisors<std::uint64_t>(
      factors, count, [](const mpz_class& q) { return std::uint64_t{mpz_get_ui(q.get_mpz_t())}; });
}

void DivisorList::ObtenerDivisores(const std::string& p) {
  const mpz_class n = abs(ToNumber(p));
  std::vector<std::string> texts;
  if (n != 0) {
    const auto deadline = std::chrono::steady_clock::now() + kBudget;
    std::size_t count = 0;
    const std::vector<PrimePower> factors = FactorWithin(n, deadline, count);
    texts.reserve(count);
    // Word-sized numbers skip GMP on the way to their texts.
    if (mpz_sizeinbase(n.get_mpz_t(), 2) <= kDivisorWordBits) {
      for (const std::uint64_t d : SortedDivisors<std::uint64_t>(
               factors, count, [](const mpz_class& q) { return std::uint64_t{mpz_get_ui(q.get_mpz_t())}; })) {
        texts.push_back(WordText(d));
      }
    } else {
      for (const mpz_class& d :
           SortedDivisors<mpz_class>(factors, count, [](const mpz_class& q) { return q; })) {
        texts.push_back(ToText(d));
      }
    }
  }
  Divisores = std::move(texts);  // only now: an error above keeps the old list
}

}  // namespace factorix
