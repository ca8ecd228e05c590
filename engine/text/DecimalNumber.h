#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace factorix {

// A whole number held in base 10^9, for arithmetic whose every result is
// written out in decimal: the quotients of a division by x - r with a short
// r. Writing one costs a copy of its digits, where a binary number would
// need a conversion costing far more than the step that made it.
class DecimalNumber {
public:
  static constexpr std::uint32_t kBase = 1000000000;
  static constexpr std::size_t kDigitsPerLimb = 9;

  DecimalNumber() = default;  // 0

  // From [sign] digits; the caller has checked the syntax.
  explicit DecimalNumber(std::string_view text);

  bool IsZero() const { return limbs_.empty(); }

  // At least the number of decimal digits, at most 8 more.
  std::size_t DigitsBound() const { return IsZero() ? 1 : limbs_.size() * kDigitsPerLimb; }

  // *this = *this * m + a. `scratch` is reused between calls.
  void MultiplyAdd(const DecimalNumber& m, const DecimalNumber& a, std::vector<std::uint32_t>& scratch);

  // Appends "+" or "-" ("+" for 0) and the decimal digits.
  void AppendSigned(std::string& out) const;

  // Appends the plain decimal text, "-" when negative.
  void AppendPlain(std::string& out) const;

private:
  using Limbs = std::vector<std::uint32_t>;

  // Magnitudes, least significant limb first.
  static void MultiplyMagnitudes(const Limbs& a, const Limbs& b, Limbs& out);
  static void AddMagnitude(Limbs& a, const Limbs& b);            // a += b
  static bool LessMagnitude(const Limbs& a, const Limbs& b);     // a < b
  static void SubtractMagnitude(Limbs& a, const Limbs& b);       // a -= b, a >= b
  static void SubtractFromMagnitude(Limbs& a, const Limbs& b);   // a = b - a, a < b
  static void Trim(Limbs& a);
  void AppendDigits(std::string& out) const;

  Limbs limbs_;  // least significant first, no leading zero limb; empty for 0
  bool negative_ = false;  // never set for 0
};

}  // namespace factorix
