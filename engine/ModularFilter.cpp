#include "engine/ModularFilter.h"

#include <algorithm>

#include "engine/Expression.h"

namespace factorix {

namespace {

__extension__ typedef unsigned __int128 Uint128;

// Arithmetic modulo the Mersenne prime 2^61 - 1, reduced with shifts.
struct Mersenne61 {
  static constexpr std::uint64_t kP = (std::uint64_t{1} << 61) - 1;
  static std::uint64_t Mul(std::uint64_t a, std::uint64_t b) {
    const Uint128 p = static_cast<Uint128>(a) * b;
    std::uint64_t r = (static_cast<std::uint64_t>(p) & kP) + static_cast<std::uint64_t>(p >> 61);
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
};

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

}  // namespace

ModularFilter::ModularFilter(const ExpressionCode& code) {
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
        literalBits_.push_back(q.get_num() == 0 ? 0 : mpz_sizeinbase(q.get_num_mpz_t(), 2));
        break;
      }
      case Opcode::PushVariable:
      case Opcode::PushEmpty:
      case Opcode::Negate:
      case Opcode::Add:
      case Opcode::Subtract:
      case Opcode::Multiply:
        steps_.push_back({ins.op, 0});
        break;
      case Opcode::Power:  // with an exponent that is not a plain literal
      case Opcode::Divide:
      case Opcode::Equal:
        return;
    }
  }
  maxStack_ = code.maxStack;
  stack_.resize(maxStack_);
  applicable_ = true;
}

void ModularFilter::Prepare(std::size_t bits) {
  // Upper bounds on the bits of every intermediate value; a value 0 has 0
  // bits and one of magnitude 1 has 1.
  std::vector<std::size_t> s;
  s.reserve(maxStack_);
  safe_ = true;
  for (const Step& step : steps_) {
    switch (step.op) {
      case Opcode::PushLiteral:
        s.push_back(literalBits_[step.operand]);
        break;
      case Opcode::PushVariable:
        s.push_back(bits);
        break;
      case Opcode::PushEmpty:
        s.push_back(0);
        break;
      case Opcode::Negate:
        break;
      case Opcode::Add:
      case Opcode::Subtract: {
        const std::size_t b = s.back();
        s.pop_back();
        s.back() = SatAdd(std::max(s.back(), b), 1);
        break;
      }
      case Opcode::Multiply: {
        const std::size_t b = s.back();
        s.pop_back();
        s.back() = s.back() == 0 || b == 0 ? 0 : SatAdd(s.back(), b);
        break;
      }
      case Opcode::Power:
        if (step.operand == 0 || s.back() <= 1) {
          s.back() = 1;
        } else {
          s.back() = SatMul(s.back(), step.operand);
        }
        break;
      default:
        break;
    }
    if (!s.empty() && s.back() > Expression::kMaxBits) safe_ = false;
  }
  prepared_ = true;
  preparedBits_ = bits;
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
      case Opcode::Power:
        stack_[top - 1] = PowMod<Field>(stack_[top - 1], step.operand);
        break;
      default:
        break;
    }
  }
  return stack_[0];
}

bool ModularFilter::ProvesNonZero(const mpz_class& variable) {
  if (!applicable_) return false;
  const std::size_t bits = variable == 0 ? 0 : mpz_sizeinbase(variable.get_mpz_t(), 2);
  if (!prepared_ || bits > preparedBits_) Prepare(bits);
  if (!safe_) return false;
  if (Residue<Mersenne61>(ResidueOf(variable, Mersenne61::kP), literals1_) != 0) return true;
  return Residue<Prime62>(ResidueOf(variable, Prime62::kP), literals2_) != 0;
}

}  // namespace factorix
