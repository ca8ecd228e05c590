#include "engine/text/DecimalNumber.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace factorix {

namespace {

// "0000" to "9999", for writing four digits at a time.
constexpr std::array<char, 40000> kDigitQuads = [] {
  std::array<char, 40000> quads{};
  for (int n = 0; n < 10000; ++n) {
    quads[static_cast<std::size_t>(4 * n)] = static_cast<char>('0' + n / 1000);
    quads[static_cast<std::size_t>(4 * n + 1)] = static_cast<char>('0' + n / 100 % 10);
    quads[static_cast<std::size_t>(4 * n + 2)] = static_cast<char>('0' + n / 10 % 10);
    quads[static_cast<std::size_t>(4 * n + 3)] = static_cast<char>('0' + n % 10);
  }
  return quads;
}();

// Writes the nine digits of `limb` (< 10^9), with leading zeros, at `at`.
void WriteNineDigits(char* at, std::uint32_t limb) {
  const std::uint32_t low = limb % 100000000;  // the last eight digits
  at[0] = static_cast<char>('0' + limb / 100000000);
  std::memcpy(at + 1, kDigitQuads.data() + 4 * (low / 10000), 4);
  std::memcpy(at + 5, kDigitQuads.data() + 4 * (low % 10000), 4);
}

// Most limbs of the shorter factor for which a column of products, with
// the carry into it, stays below 2^64: 16 * (10^9 - 1)^2 + 2^64 / 10^9.
constexpr std::size_t kMaxColumnLimbs = 16;

// out = |a * b + c| when Subtract is false, |a * b - c| when it is true,
// on magnitudes, column by column with one division by the base per limb
// of the result: b has at most kMaxColumnLimbs limbs. Returns true when
// a * b - c is negative. A difference's carry is kept one above its value,
// so that it never goes below 0: each column adds the base less one less
// c's limb, and what it passes on carries that base along; a carry of 0
// out of the top means the difference is below 0, and its magnitude is
// then the base's complement of the limbs.
template <bool Subtract>
bool MultiplyAddColumns(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b,
                        const std::vector<std::uint32_t>& c, std::vector<std::uint32_t>& out) {
  constexpr std::uint64_t kBase = DecimalNumber::kBase;
  const std::size_t productLimbs = a.size() + b.size() - 1;  // columns with products
  out.resize(std::max(a.size() + b.size(), c.size() + 1));
  std::uint64_t carry = Subtract ? 1 : 0;
  for (std::size_t k = 0; k < out.size(); ++k) {
    std::uint64_t column = carry;
    if (k < productLimbs) {
      const std::size_t last = std::min(k, b.size() - 1);
      for (std::size_t j = k >= a.size() ? k - a.size() + 1 : 0; j <= last; ++j) {
        column += static_cast<std::uint64_t>(b[j]) * a[k - j];
      }
    }
    const std::uint64_t ck = k < c.size() ? c[k] : 0;
    column += Subtract ? kBase - 1 - ck : ck;
    out[k] = static_cast<std::uint32_t>(column % kBase);
    carry = column / kBase;
  }
  const bool negative = Subtract && carry == 0;
  if (negative) {
    // base^n - out: the lowest nonzero limb from the base, those above it
    // from the base less one.
    std::size_t k = 0;
    while (out[k] == 0) ++k;  // out is not 0: the difference is below 0
    out[k] = static_cast<std::uint32_t>(kBase - out[k]);
    for (++k; k < out.size(); ++k) out[k] = static_cast<std::uint32_t>(kBase - 1 - out[k]);
  }
  while (!out.empty() && out.back() == 0) out.pop_back();
  return negative;
}

}  // namespace

DecimalNumber::DecimalNumber(std::string_view text) {
  negative_ = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  const std::size_t zeros = std::min(text.find_first_not_of('0'), text.size());
  text.remove_prefix(zeros);
  limbs_.reserve(text.size() / kDigitsPerLimb + 1);
  // Nine digits at a time from the right.
  for (std::size_t end = text.size(); end > 0;) {
    const std::size_t start = end >= kDigitsPerLimb ? end - kDigitsPerLimb : 0;
    std::uint32_t limb = 0;
    for (std::size_t i = start; i < end; ++i) limb = limb * 10 + static_cast<std::uint32_t>(text[i] - '0');
    limbs_.push_back(limb);
    end = start;
  }
  if (limbs_.empty()) negative_ = false;
}

void DecimalNumber::MultiplyMagnitudes(const Limbs& a, const Limbs& b, Limbs& out) {
  out.assign(a.size() + b.size(), 0);
  for (std::size_t j = 0; j < b.size(); ++j) {
    // Each step stays below (10^9 - 1)^2 + 2 * 10^9 < 2^64.
    const std::uint64_t bj = b[j];
    std::uint64_t carry = 0;
    std::uint32_t* row = out.data() + j;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const std::uint64_t current = row[i] + bj * a[i] + carry;
      row[i] = static_cast<std::uint32_t>(current % kBase);
      carry = current / kBase;
    }
    row[a.size()] = static_cast<std::uint32_t>(carry);
  }
  Trim(out);
}

void DecimalNumber::AddMagnitude(Limbs& a, const Limbs& b) {
  if (a.size() < b.size()) a.resize(b.size(), 0);
  std::uint32_t carry = 0;
  for (std::size_t i = 0; i < a.size() && (i < b.size() || carry != 0); ++i) {
    std::uint32_t sum = a[i] + carry + (i < b.size() ? b[i] : 0);
    carry = sum >= kBase ? 1 : 0;
    if (carry != 0) sum -= kBase;
    a[i] = sum;
  }
  if (carry != 0) a.push_back(1);
}

bool DecimalNumber::LessMagnitude(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

void DecimalNumber::SubtractMagnitude(Limbs& a, const Limbs& b) {
  std::uint32_t borrow = 0;
  for (std::size_t i = 0; i < a.size() && (i < b.size() || borrow != 0); ++i) {
    const std::uint32_t take = borrow + (i < b.size() ? b[i] : 0);
    borrow = a[i] < take ? 1 : 0;
    a[i] = a[i] + (borrow != 0 ? kBase : 0) - take;
  }
  Trim(a);
}

void DecimalNumber::SubtractFromMagnitude(Limbs& a, const Limbs& b) {
  a.resize(b.size(), 0);
  std::uint32_t borrow = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const std::uint32_t take = borrow + a[i];
    borrow = b[i] < take ? 1 : 0;
    a[i] = b[i] + (borrow != 0 ? kBase : 0) - take;
  }
  Trim(a);
}

void DecimalNumber::Trim(Limbs& a) {
  while (!a.empty() && a.back() == 0) a.pop_back();
}

void DecimalNumber::MultiplyAdd(const DecimalNumber& m, const DecimalNumber& a, Limbs& scratch) {
  bool negative = negative_ != m.negative_;
  if (!IsZero() && !m.IsZero() && m.limbs_.size() <= kMaxColumnLimbs) {
    // A short factor, as the root of a division: one pass, whatever the signs.
    if (a.IsZero() || negative == a.negative_) {
      MultiplyAddColumns<false>(limbs_, m.limbs_, a.limbs_, scratch);
    } else if (MultiplyAddColumns<true>(limbs_, m.limbs_, a.limbs_, scratch)) {
      negative = a.negative_;
    }
    limbs_.swap(scratch);
    negative_ = negative && !IsZero();
    return;
  }
  if (IsZero() || m.IsZero()) {
    scratch.clear();
  } else {
    MultiplyMagnitudes(limbs_, m.limbs_, scratch);
  }
  limbs_.swap(scratch);
  if (IsZero()) {
    limbs_ = a.limbs_;
    negative = a.negative_;
  } else if (negative == a.negative_) {
    AddMagnitude(limbs_, a.limbs_);
  } else if (LessMagnitude(limbs_, a.limbs_)) {
    SubtractFromMagnitude(limbs_, a.limbs_);
    negative = a.negative_;
  } else {
    SubtractMagnitude(limbs_, a.limbs_);
  }
  negative_ = negative && !IsZero();
}

void DecimalNumber::AppendDigits(std::string& out) const {
  if (IsZero()) {
    out += '0';
    return;
  }
  char first[10];
  const std::size_t skip = [&] {
    WriteNineDigits(first, limbs_.back());
    std::size_t k = 0;
    while (k < kDigitsPerLimb - 1 && first[k] == '0') ++k;
    return k;
  }();
  const std::size_t at = out.size();
  out.resize(at + kDigitsPerLimb - skip + (limbs_.size() - 1) * kDigitsPerLimb);
  char* write = out.data() + at;
  write = std::copy(first + skip, first + kDigitsPerLimb, write);
  for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
    WriteNineDigits(write, limbs_[i]);
    write += kDigitsPerLimb;
  }
}

void DecimalNumber::AppendSigned(std::string& out) const {
  out += negative_ ? '-' : '+';
  AppendDigits(out);
}

void DecimalNumber::AppendPlain(std::string& out) const {
  if (negative_) out += '-';
  AppendDigits(out);
}

}  // namespace factorix
