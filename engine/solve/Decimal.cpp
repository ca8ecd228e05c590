#include "engine/solve/Decimal.h"

#include <cstddef>

namespace factorix {

namespace {

// |value| * 10^shift rounded half away from zero to an integer.
mpz_class ScaledRounded(const mpq_class& value, long shift) {
  mpz_class numerator = abs(value.get_num());
  mpz_class denominator = value.get_den();
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(shift < 0 ? -shift : shift));
  if (shift >= 0) {
    numerator *= power;
  } else {
    denominator *= power;
  }
  // floor((2n + d) / 2d) rounds n/d half up, which for |value| is away from zero
  mpz_class twice = 2 * numerator + denominator;
  mpz_class twiceDenominator = 2 * denominator;
  mpz_class rounded;
  mpz_fdiv_q(rounded.get_mpz_t(), twice.get_mpz_t(), twiceDenominator.get_mpz_t());
  return rounded;
}

// The digits of `scaled` with a point before the last `decimals` of them.
std::string WithPoint(const mpz_class& scaled, long decimals) {
  std::string digits = scaled.get_str();
  if (decimals <= 0) return digits + std::string(static_cast<std::size_t>(-decimals), '0');
  const auto places = static_cast<std::size_t>(decimals);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  digits.insert(digits.size() - places, 1, '.');
  return digits;
}

// The power of ten of the leading digit of |value| > 0: floor(log10 |value|).
long LeadingPower(const mpq_class& value) {
  const mpq_class magnitude = abs(value);
  // An estimate from the sizes, then corrected by exact comparisons.
  long power = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
               static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
  const auto tenTo = [](long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
    return e >= 0 ? mpq_class(p) : mpq_class(mpz_class(1), p);
  };
  while (tenTo(power) > magnitude) --power;
  while (tenTo(power + 1) <= magnitude) ++power;
  return power;
}

}  // namespace

std::string SignificantDecimal(const mpq_class& value, int significant) {
  if (value == 0) return "0";
  const long power = LeadingPower(value);
  long decimals = significant - 1 - power;
  mpz_class scaled = ScaledRounded(value, decimals);
  // Rounding may carry into one more digit (9.9999 -> 10.000): one fewer place.
  if (mpz_sizeinbase(scaled.get_mpz_t(), 10) > static_cast<std::size_t>(significant) &&
      scaled % 10 == 0) {
    scaled /= 10;
    --decimals;
  }
  std::string out = WithPoint(scaled, decimals);
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  return value < 0 ? "-" + out : out;
}

std::string FixedDecimal(const mpq_class& value, int decimals) {
  const mpz_class scaled = ScaledRounded(value, decimals);
  const std::string out = WithPoint(scaled, decimals);
  return value < 0 && scaled != 0 ? "-" + out : out;
}

}  // namespace factorix
