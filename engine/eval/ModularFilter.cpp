#include "engine/eval/ModularFilter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/eval/EvaluatorLimits.h"

namespace factorix {

namespace {

__extension__ typedef unsigned __int128 Uint128;

// Arithmetic modulo the Mersenne prime 2^61 - 1, reduced with shifts.
struct Mersenne61 {
  static constexpr std::uint64_t kP = (std::uint64_t{1} << 61) - 1;
  // a, b < kP: the product is below 2^122 - 2^62, so its high part is below
  // kP and one subtraction is enough.
  static std::uint64_t Mul(std::uint64_t a, std::uint64_t b) {
    const Uint128 p = static_cast<Uint128>(a) * b;
    std::uint64_t r = (static_cast<std::uint64_t>(p) & kP) + static_cast<std::uint64_t>(p >> 61);
    return r >= kP ? r - kP : r;
  }
  // Any word: its high part is at most 7.
  static std::uint64_t Reduce(std::uint64_t a) {
    const std::uint64_t r = (a & kP) + (a >> 61);
    return r >= kP ? r - kP : r;
  }
};

// Arithmetic modulo the prime 2^62 - 57, the second witness, used only when
// the first residue is 0.
struct Prime62 {
  static constexpr std::uint64_t kP = (std::uint64_t{1} << 62) - 57;
  static std::uint64_t Mul(std::uint64_t a, std::uint64_t b) {
    return static_cast<std::uint64_t>(static_cast<Uint128>(a) * b % kP);
  }
  static std::uint64_t Reduce(std::uint64_t a) { return a % kP; }
};

// What a residue is when a divisor was 0 modulo the prime: above every
// residue, and no proof of anything.
constexpr std::uint64_t kUnknownResidue = ~std::uint64_t{0};

// Whether a residue proves its value is not 0.
bool IsNonZero(std::uint64_t residue) { return residue != 0 && residue != kUnknownResidue; }

// Sums and differences of residues in [0, p); p < 2^63, so a sum fits.
template <typename Field>
std::uint64_t AddMod(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t r = a + b;
  return r >= Field::kP ? r - Field::kP : r;
}
template <typename Field>
std::uint64_t SubMod(std::uint64_t a, std::uint64_t b) {
  return a >= b ? a - b : a + (Field::kP - b);
}

// Polynomials modulo a prime for the expansion: coefficient i multiplies
// variable^i, no trailing zero (0 is the empty polynomial). `work` counts
// coefficient operations; an operation that would pass kMaxExpandedDegree or the
// work bound returns false.
using Poly = std::vector<std::uint64_t>;
// The expansion may take this much work, plus kExpansionWorkPerStep for
// every step of the code: expanding once then costs at most what running
// the code for a few candidates would.
constexpr std::size_t kMaxExpansionWork = std::size_t{1} << 20;
constexpr std::size_t kExpansionWorkPerStep = 8;

void Trim(Poly& a) {
  while (!a.empty() && a.back() == 0) a.pop_back();
}

template <typename Field>
bool PolyMul(const Poly& a, const Poly& b, Poly& out, std::size_t maxDegree, std::size_t& work,
             std::size_t workLimit) {
  out.clear();
  if (a.empty() || b.empty()) return true;
  if (a.size() + b.size() - 2 > maxDegree) return false;
  work += a.size() * b.size();
  if (work > workLimit) return false;
  out.assign(a.size() + b.size() - 1, 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) {
      out[i + j] = AddMod<Field>(out[i + j], Field::Mul(a[i], b[j]));
    }
  }
  return true;  // modulo a prime the leading coefficient is not 0
}

template <typename Field>
bool PolyPow(Poly base, std::uint32_t e, Poly& out, std::size_t maxDegree, std::size_t& work,
             std::size_t workLimit) {
  out.assign(1, 1);  // also 0^0
  if (e == 0) return true;
  if (base.empty()) {
    out.clear();
    return true;
  }
  if (static_cast<std::uint64_t>(base.size() - 1) * e > maxDegree) return false;
  Poly t;
  while (true) {
    if (e & 1) {
      if (!PolyMul<Field>(out, base, t, maxDegree, work, workLimit)) return false;
      out.swap(t);
    }
    e >>= 1;
    if (e == 0) return true;
    if (!PolyMul<Field>(base, base, t, maxDegree, work, workLimit)) return false;
    base.swap(t);
  }
}

template <typename Field>
std::uint64_t PowMod(std::uint64_t base, std::uint32_t e) {
  std::uint64_t result = 1;
  while (e != 0) {
    if (e & 1) result = Field::Mul(result, base);
    base = Field::Mul(base, base);
    e >>= 1;
  }
  return result;
}

// The inverse of a (nonzero, below p) modulo the prime p, by Euclid's
// algorithm on the pair (p, a).
template <typename Field>
std::uint64_t InverseMod(std::uint64_t a) {
  std::uint64_t r0 = Field::kP, r1 = a;
  std::uint64_t t0 = 0, t1 = 1;  // residues of the coefficients of a
  while (r1 != 0) {
    const std::uint64_t q = r0 / r1;
    const std::uint64_t r2 = r0 - q * r1;
    const std::uint64_t t2 = SubMod<Field>(t0, Field::Mul(Field::Reduce(q), t1));
    r0 = r1;
    r1 = r2;
    t0 = t1;
    t1 = t2;
  }
  return t0;  // r0 is 1: p is prime
}

std::uint64_t ResidueOf(const mpz_class& z, std::uint64_t p) {
  return mpz_fdiv_ui(z.get_mpz_t(), p);  // in [0, p) also for negative z
}

// Saturating size arithmetic for the bit bounds.
constexpr std::size_t kHuge = std::size_t{1} << 62;
std::size_t SatAdd(std::size_t a, std::size_t b) { return std::min(kHuge, a + b); }
std::size_t SatMul(std::size_t a, std::size_t b) {
  if (a == 0 || b == 0) return 0;
  return a > kHuge / b ? kHuge : std::min(kHuge, a * b);
}

// The size bounds count in 1/65536 of a bit, so that the variable's size
// can be log2 of its magnitude rather than its bit length: x^100000 at
// 1025 has 1000141 bits, within the bound, where 11 bits times 100000 are
// not; the unit is small enough that even raised to a power of 10^5 its
// rounding costs about a bit. A size is an upper bound on log2 of a
// magnitude, and 0 only for 0.
constexpr std::size_t kSizeUnitsPerBit = std::size_t{1} << 16;

// Largest size of a value within kMaxValueBits: a value of size s has at
// most s / kSizeUnitsPerBit + 1 bits.
constexpr std::size_t kMaxSize = (kMaxValueBits - 1) * kSizeUnitsPerBit;

// The size of a nonzero magnitude of `bits` bits whose leading 53 bits are
// `top` (in [2^52, 2^53), the rest cut off): log2 to far better than a
// unit, rounded up with a unit to spare, never above the bit length's.
// Words and GMP numbers both come here, so that they get the same size.
std::size_t Size(std::uint64_t top, std::size_t bits) {
  const double log2 = std::log2(static_cast<double>(top)) + (static_cast<double>(bits) - 53);
  const auto fine = static_cast<std::size_t>(std::ceil(std::max(0.0, log2) * kSizeUnitsPerBit)) + 1;
  return std::min(fine, kSizeUnitsPerBit * bits);
}

std::size_t SizeOf(std::uint64_t m) {
  if (m == 0) return 0;
  const std::size_t bits = 64 - static_cast<std::size_t>(__builtin_clzll(m));
  return Size(bits > 53 ? m >> (bits - 53) : m << (53 - bits), bits);
}

std::size_t SizeOf(const mpz_class& m) {
  if (m == 0) return 0;
  long exponent = 0;  // the bit length
  const double mantissa = mpz_get_d_2exp(&exponent, m.get_mpz_t());  // truncated, |mantissa| in [0.5, 1)
  return Size(static_cast<std::uint64_t>(std::ldexp(std::fabs(mantissa), 53)), static_cast<std::size_t>(exponent));
}

// Upper bounds on log2 of a value's numerator and denominator in lowest
// terms, in kSizeUnitsPerBit; a denominator 1 counts 0, so that whole
// numbers keep the bounds they have without one. A literal's bound is its
// bit length; a value whose bound is at most one bit, without a
// denominator, is 0, 1 or -1 (nothing larger is that small).
struct FractionBits {
  std::size_t num, den;
};

// The bounds of a op b, from a = n1/d1 and b = n2/d2: the sum's numerator
// is n1 d2 + n2 d1, the quotient is n1 d2 / (d1 n2).
FractionBits Combined(Opcode op, FractionBits a, FractionBits b) {
  switch (op) {
    case Opcode::Add:
    case Opcode::Subtract:
      return {SatAdd(std::max(SatAdd(a.num, b.den), SatAdd(b.num, a.den)), kSizeUnitsPerBit), SatAdd(a.den, b.den)};
    case Opcode::Multiply:
      return {a.num == 0 || b.num == 0 ? 0 : SatAdd(a.num, b.num), SatAdd(a.den, b.den)};
    default:  // Divide
      return {a.num == 0 ? 0 : SatAdd(a.num, b.den), SatAdd(a.den, b.num)};
  }
}

}  // namespace

ModularFilter::ModularFilter(const ExpressionCode& code) : largestSize_(kHuge) {
  static_assert(sizeof(unsigned long) == 8, "residues are taken with mpz_fdiv_ui");
  const auto& c = code.code;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const Instruction& ins = c[i];
    switch (ins.op) {
      case Opcode::PushLiteral: {
        const mpq_class& q = code.literals[ins.operand];
        if (q.get_den() != 1) return;
        // A literal right before a Power is its exponent.
        if (i + 1 < c.size() && c[i + 1].op == Opcode::Power) {
          if (!mpz_fits_uint_p(q.get_num_mpz_t())) return;  // also refuses negatives
          steps_.push_back({Opcode::Power, static_cast<std::uint32_t>(mpz_get_ui(q.get_num_mpz_t()))});
          ++i;
          break;
        }
        steps_.push_back({Opcode::PushLiteral, static_cast<std::uint32_t>(literals1_.size())});
        literals1_.push_back(ResidueOf(q.get_num(), Mersenne61::kP));
        literals2_.push_back(ResidueOf(q.get_num(), Prime62::kP));
        literalBits_.push_back(q.get_num() == 0 ? 0 : kSizeUnitsPerBit * mpz_sizeinbase(q.get_num_mpz_t(), 2));
        break;
      }
      case Opcode::PushVariable:
      case Opcode::PushEmpty:
      case Opcode::Negate:
      case Opcode::Add:
      case Opcode::Subtract:
      case Opcode::Multiply:
      case Opcode::Divide:
        steps_.push_back({ins.op, 0});
        break;
      case Opcode::Power:  // with an exponent that is not a plain literal
      case Opcode::Equal:
        return;
    }
  }
  maxStack_ = code.maxStack;
  stack_.resize(maxStack_);
  applicable_ = true;
  poly1_ = Expand<Mersenne61>(literals1_);
  if (!poly1_.empty()) poly2_ = Expand<Prime62>(literals2_);
  if (poly2_.empty()) poly1_.clear();
}

template <typename Field>
std::vector<std::uint64_t> ModularFilter::Expand(const std::vector<std::uint64_t>& literals) const {
  std::vector<Poly> s;
  s.reserve(maxStack_);
  Poly t;
  std::size_t work = 0;
  const std::size_t workLimit = kMaxExpansionWork + kExpansionWorkPerStep * steps_.size();
  for (const Step& step : steps_) {
    switch (step.op) {
      case Opcode::PushLiteral:
        s.emplace_back(1, literals[step.operand]);
        Trim(s.back());
        break;
      case Opcode::PushVariable:
        s.push_back(Poly{0, 1});
        break;
      case Opcode::PushEmpty:
        s.emplace_back();
        break;
      case Opcode::Negate:
        for (std::uint64_t& c : s.back()) c = c == 0 ? 0 : Field::kP - c;
        break;
      case Opcode::Add:
      case Opcode::Subtract: {
        Poly b = std::move(s.back());
        s.pop_back();
        Poly& a = s.back();
        if (a.size() < b.size()) a.resize(b.size(), 0);
        for (std::size_t i = 0; i < b.size(); ++i) {
          a[i] = step.op == Opcode::Add ? AddMod<Field>(a[i], b[i]) : SubMod<Field>(a[i], b[i]);
        }
        Trim(a);
        work += b.size();
        break;
      }
      case Opcode::Multiply: {
        Poly b = std::move(s.back());
        s.pop_back();
        if (!PolyMul<Field>(s.back(), b, t, kMaxExpandedDegree, work, workLimit)) return {};
        s.back().swap(t);
        break;
      }
      case Opcode::Divide: {
        // Only by a constant that is not 0 modulo the prime: then no exact
        // divisor is 0 either, and dividing is multiplying by the inverse.
        const Poly b = std::move(s.back());
        s.pop_back();
        if (b.size() != 1) return {};
        const std::uint64_t inverse = InverseMod<Field>(b[0]);
        for (std::uint64_t& c : s.back()) c = Field::Mul(c, inverse);
        work += s.back().size();
        break;
      }
      case Opcode::Power:
        if (!PolyPow<Field>(std::move(s.back()), step.operand, t, kMaxExpandedDegree, work, workLimit)) return {};
        s.back().swap(t);
        break;
      default:
        return {};
    }
    if (work > workLimit) return {};
  }
  if (s.size() != 1) return {};
  Poly result = std::move(s.back());
  if (result.empty()) result.push_back(0);  // the value is 0 modulo the prime everywhere
  return result;
}

bool ModularFilter::BoundHolds(std::size_t size) const {
  // Upper bounds on the sizes of the numerator and the denominator of every
  // intermediate value, as the exact machine keeps them (in lowest terms);
  // a value of size s has at most s / kSizeUnitsPerBit + 1 bits.
  std::vector<FractionBits> s;
  s.reserve(maxStack_);
  for (const Step& step : steps_) {
    switch (step.op) {
      case Opcode::PushLiteral:
        s.push_back({literalBits_[step.operand], 0});
        break;
      case Opcode::PushVariable:
        s.push_back({size, 0});
        break;
      case Opcode::PushEmpty:
        s.push_back({0, 0});
        break;
      case Opcode::Negate:
        break;
      case Opcode::Add:
      case Opcode::Subtract:
      case Opcode::Multiply:
      case Opcode::Divide: {
        const FractionBits b = s.back();
        s.pop_back();
        s.back() = Combined(step.op, s.back(), b);
        break;
      }
      case Opcode::Power:
        if (step.operand == 0 || (s.back().num <= kSizeUnitsPerBit && s.back().den == 0)) {
          s.back() = {kSizeUnitsPerBit, 0};
        } else {
          s.back() = {SatMul(s.back().num, step.operand), SatMul(s.back().den, step.operand)};
        }
        break;
      default:
        break;
    }
    if (!s.empty() && (s.back().num > kMaxSize || s.back().den > kMaxSize)) return false;
  }
  return true;
}

void ModularFilter::LimitVariables(const mpz_class& largest) {
  largestSize_ = SizeOf(abs(largest));
  safeBelow_.reset();
}

std::size_t ModularFilter::SafeSizeLimit() const {
  // The bounds only grow with the variable's size, so the sizes that pass
  // are those below a threshold: find it by bisection up to the largest
  // size asked about.
  if (BoundHolds(largestSize_)) return largestSize_ + 1;
  std::size_t pass = 0, fail = largestSize_;  // invariant: fail does not pass
  if (!BoundHolds(0)) return 0;
  while (fail - pass > 1) {
    const std::size_t mid = pass + (fail - pass) / 2;
    (BoundHolds(mid) ? pass : fail) = mid;
  }
  return fail;
}

template <typename Field>
std::uint64_t ModularFilter::Residue(std::uint64_t variable,
                                     const std::vector<std::uint64_t>& literals) const {
  constexpr std::uint64_t p = Field::kP;
  std::size_t top = 0;
  for (const Step& step : steps_) {
    switch (step.op) {
      case Opcode::PushLiteral:
        stack_[top++] = literals[step.operand];
        break;
      case Opcode::PushVariable:
        stack_[top++] = variable;
        break;
      case Opcode::PushEmpty:
        stack_[top++] = 0;
        break;
      case Opcode::Negate:
        stack_[top - 1] = stack_[top - 1] == 0 ? 0 : p - stack_[top - 1];
        break;
      case Opcode::Add: {
        const std::uint64_t r = stack_[top - 2] + stack_[top - 1];
        stack_[top - 2] = r >= p ? r - p : r;
        --top;
        break;
      }
      case Opcode::Subtract: {
        const std::uint64_t a = stack_[top - 2], b = stack_[top - 1];
        stack_[top - 2] = a >= b ? a - b : a + (p - b);
        --top;
        break;
      }
      case Opcode::Multiply:
        stack_[top - 2] = Field::Mul(stack_[top - 2], stack_[top - 1]);
        --top;
        break;
      case Opcode::Divide:
        // A divisor 0 modulo p proves nothing: the value is unknown.
        if (stack_[top - 1] == 0) return kUnknownResidue;
        stack_[top - 2] = Field::Mul(stack_[top - 2], InverseMod<Field>(stack_[top - 1]));
        --top;
        break;
      case Opcode::Power:
        stack_[top - 1] = PowMod<Field>(stack_[top - 1], step.operand);
        break;
      default:
        break;
    }
  }
  return stack_[0];
}

template <typename Field>
std::uint64_t ModularFilter::ResidueAt(std::uint64_t r, const std::vector<std::uint64_t>& poly,
                                       const std::vector<std::uint64_t>& literals) const {
  if (poly.empty()) return Residue<Field>(r, literals);
  std::uint64_t v = 0;
  for (std::size_t i = poly.size(); i-- > 0;) v = AddMod<Field>(Field::Mul(v, r), poly[i]);
  return v;
}

template <typename Field>
void ModularFilter::ResiduePair(std::uint64_t r, const std::vector<std::uint64_t>& poly,
                                const std::vector<std::uint64_t>& literals, std::uint64_t& minus,
                                std::uint64_t& plus) const {
  if (poly.empty()) {
    plus = Residue<Field>(r, literals);
    minus = Residue<Field>(r == 0 ? 0 : Field::kP - r, literals);
    return;
  }
  // p(±r) = E(r^2) ± r·O(r^2), E and O the even and odd coefficients.
  const std::uint64_t y = Field::Mul(r, r);
  std::uint64_t even = 0, odd = 0;
  std::size_t i = poly.size() - 1;
  if (i % 2 == 1) {
    odd = poly[i];
    --i;
  }
  // Now i is even: walk the pairs (i, i - 1) downwards.
  even = poly[i];
  while (i >= 2) {
    odd = AddMod<Field>(Field::Mul(odd, y), poly[i - 1]);
    even = AddMod<Field>(Field::Mul(even, y), poly[i - 2]);
    i -= 2;
  }
  const std::uint64_t t = Field::Mul(odd, r);
  plus = AddMod<Field>(even, t);
  minus = SubMod<Field>(even, t);
}

bool ModularFilter::SafeFor(std::size_t size) {
  if (!safeBelow_) safeBelow_ = SafeSizeLimit();
  return size < *safeBelow_;
}

bool ModularFilter::ProvesNonZero(const mpz_class& variable) {
  if (!applicable_) return false;
  if (!SafeFor(SizeOf(variable))) return false;
  if (IsNonZero(ResidueAt<Mersenne61>(ResidueOf(variable, Mersenne61::kP), poly1_, literals1_))) return true;
  return IsNonZero(ResidueAt<Prime62>(ResidueOf(variable, Prime62::kP), poly2_, literals2_));
}

NonZeroPair ModularFilter::ProvesNonZeroPair(std::uint64_t m) {
  return ProvesNonZeroPair(SizeOf(m), Mersenne61::Reduce(m), Prime62::Reduce(m));
}

NonZeroPair ModularFilter::ProvesNonZeroPair(const mpz_class& m) {
  return ProvesNonZeroPair(SizeOf(m), ResidueOf(m, Mersenne61::kP), ResidueOf(m, Prime62::kP));
}

NonZeroPair ModularFilter::ProvesNonZeroPair(std::size_t size, std::uint64_t r1, std::uint64_t r2) {
  NonZeroPair proof;
  if (!applicable_ || !SafeFor(size)) return proof;
  std::uint64_t minus, plus;
  ResiduePair<Mersenne61>(r1, poly1_, literals1_, minus, plus);
  proof.minus = IsNonZero(minus);
  proof.plus = IsNonZero(plus);
  if (proof.minus && proof.plus) return proof;
  ResiduePair<Prime62>(r2, poly2_, literals2_, minus, plus);
  proof.minus = proof.minus || IsNonZero(minus);
  proof.plus = proof.plus || IsNonZero(plus);
  return proof;
}

}  // namespace factorix
