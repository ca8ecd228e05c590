#include "engine/eval/ExactMachine.h"

#include <climits>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/eval/EvaluatorLimits.h"

namespace factorix {

namespace {

mpz_ptr Num(mpq_class& q) { return mpq_numref(q.get_mpq_t()); }
mpz_srcptr Num(const mpq_class& q) { return mpq_numref(q.get_mpq_t()); }
mpz_ptr Den(mpq_class& q) { return mpq_denref(q.get_mpq_t()); }
mpz_srcptr Den(const mpq_class& q) { return mpq_denref(q.get_mpq_t()); }

bool IsInteger(const mpq_class& q) { return mpz_cmp_ui(Den(q), 1) == 0; }

std::size_t Bits(mpz_srcptr z) { return mpz_sizeinbase(z, 2); }

}  // namespace

ExactMachine::ExactMachine(const ExpressionCode& code) : code_(code), stack_(code.maxStack) {}

void ExactMachine::Run(const mpz_class* variable) {
  std::size_t top = 0;  // slots in use
  AddWork(code_.code.size());
  for (const Instruction& ins : code_.code) {
    switch (ins.op) {
      case Opcode::PushLiteral: {
        Slot& s = stack_[top++];
        s.kind = Kind::Rational;
        mpq_set(s.q.get_mpq_t(), code_.literals[ins.operand].get_mpq_t());
        break;
      }
      case Opcode::PushVariable: {
        Slot& s = stack_[top++];
        s.kind = Kind::Rational;
        if (variable) {
          mpz_set(Num(s.q), variable->get_mpz_t());
        } else {
          mpz_set_ui(Num(s.q), 0);
        }
        mpz_set_ui(Den(s.q), 1);
        break;
      }
      case Opcode::PushEmpty: {
        Slot& s = stack_[top++];
        s.kind = Kind::Empty;
        mpq_set_ui(s.q.get_mpq_t(), 0, 1);
        break;
      }
      case Opcode::Negate: {
        Slot& s = stack_[top - 1];
        if (s.kind == Kind::Real) {
          s.real = -s.real;
        } else {
          s.kind = Kind::Rational;
          mpz_neg(Num(s.q), Num(s.q));
        }
        break;
      }
      case Opcode::Add:
      case Opcode::Subtract:
      case Opcode::Multiply:
      case Opcode::Divide:
      case Opcode::Power:
      case Opcode::Equal: {
        Slot& a = stack_[top - 2];
        const Slot& b = stack_[top - 1];
        CountWork(a, b);
        if (ins.op == Opcode::Add || ins.op == Opcode::Subtract) {
          Add(a, b, ins.op == Opcode::Subtract);
        } else if (ins.op == Opcode::Multiply) {
          Multiply(a, b);
        } else if (ins.op == Opcode::Divide) {
          Divide(a, b);
        } else if (ins.op == Opcode::Power) {
          Power(a, b);
        } else {
          Equal(a, b);
        }
        --top;
        break;
      }
    }
  }
}

void ExactMachine::AddWork(std::uint64_t units) {
  work_ += units;
  if (work_ < kWorkBetweenClockReads) return;
  work_ = 0;
  if (deadline_ && std::chrono::steady_clock::now() > *deadline_) throw EngineError(kOverflow);
}

void ExactMachine::CountWork(const Slot& a, const Slot& b) {
  // Operations on long numbers cost in proportion to their length at least;
  // short ones are covered by the count of instructions.
  const std::size_t limbs = mpz_size(Num(a.q)) + mpz_size(Den(a.q)) + mpz_size(Num(b.q)) + mpz_size(Den(b.q));
  if (limbs > kShortOperandLimbs) AddWork(limbs);
}

Value ExactMachine::Result() const {
  const Slot& s = stack_[0];
  switch (s.kind) {
    case Kind::Empty:
      return Value();
    case Kind::Boolean:
      return Value::MakeBoolean(s.q != 0);
    case Kind::Real:
      return Value::MakeReal(s.real);
    case Kind::Rational:
      break;
  }
  return Value::MakeRational(s.q);
}

bool ExactMachine::ResultIsZero() const {
  const Slot& s = stack_[0];
  return s.kind == Kind::Real ? s.real == 0.0 : mpz_sgn(Num(s.q)) == 0;
}

void ExactMachine::Add(Slot& a, const Slot& b, bool subtract) {
  if (a.kind == Kind::Real || b.kind == Kind::Real) {
    const double x = ToDouble(a), y = ToDouble(b);
    RealResult(a, subtract ? x - y : x + y);
    return;
  }
  a.kind = Kind::Rational;
  if (IsInteger(a.q) && IsInteger(b.q)) {
    if (subtract) {
      mpz_sub(Num(a.q), Num(a.q), Num(b.q));
    } else {
      mpz_add(Num(a.q), Num(a.q), Num(b.q));
    }
  } else if (subtract) {
    mpq_sub(a.q.get_mpq_t(), a.q.get_mpq_t(), b.q.get_mpq_t());
  } else {
    mpq_add(a.q.get_mpq_t(), a.q.get_mpq_t(), b.q.get_mpq_t());
  }
  CheckSize(a);
}

void ExactMachine::Multiply(Slot& a, const Slot& b) {
  if (a.kind == Kind::Real || b.kind == Kind::Real) {
    RealResult(a, ToDouble(a) * ToDouble(b));
    return;
  }
  a.kind = Kind::Rational;
  if (IsInteger(a.q) && IsInteger(b.q)) {
    mpz_mul(Num(a.q), Num(a.q), Num(b.q));
  } else {
    mpq_mul(a.q.get_mpq_t(), a.q.get_mpq_t(), b.q.get_mpq_t());
  }
  CheckSize(a);
}

void ExactMachine::Divide(Slot& a, const Slot& b) {
  if (a.kind == Kind::Real || b.kind == Kind::Real) {
    const double y = ToDouble(b);
    if (y == 0.0) throw EngineError(kDivisionByZero);
    RealResult(a, ToDouble(a) / y);
    return;
  }
  if (mpz_sgn(Num(b.q)) == 0) throw EngineError(kDivisionByZero);
  a.kind = Kind::Rational;
  mpq_div(a.q.get_mpq_t(), a.q.get_mpq_t(), b.q.get_mpq_t());
  CheckSize(a);
}

void ExactMachine::Power(Slot& a, const Slot& b) {
  const bool exact = a.kind != Kind::Real && b.kind != Kind::Real && IsInteger(b.q);
  if (!exact) {
    // A non-integer exponent: the script language answers in double.
    const double x = ToDouble(a), y = ToDouble(b);
    const int sign = a.kind == Kind::Real ? (x > 0) - (x < 0) : mpq_sgn(a.q.get_mpq_t());
    if (sign < 0 && y != std::floor(y)) throw EngineError(kInvalidCall);
    if (sign == 0 && y < 0) throw EngineError(kInvalidCall);
    RealResult(a, std::pow(x, y));
    return;
  }
  a.kind = Kind::Rational;
  mpz_srcptr n = Num(b.q);
  if (mpz_sgn(n) == 0) {  // 0^0 is 1 too
    mpq_set_ui(a.q.get_mpq_t(), 1, 1);
    return;
  }
  if (mpz_sgn(Num(a.q)) == 0) {
    if (mpz_sgn(n) < 0) throw EngineError(kInvalidCall);
    return;  // 0
  }
  if (IsInteger(a.q) && mpz_cmpabs_ui(Num(a.q), 1) == 0) {
    if (mpz_even_p(n)) mpz_set_ui(Num(a.q), 1);
    return;  // 1 or -1: only the parity counts
  }
  // |a| is not 0 or 1, so a part p of it with |p| >= 2 raised to |n| has at
  // least (bits(p) - 1) * |n| + 1 bits: refuse before computing what cannot
  // fit.
  if (mpz_cmpabs_ui(n, ULONG_MAX) > 0) throw EngineError(kOverflow);
  const unsigned long e = mpz_get_ui(n);  // |n|
  auto tooLarge = [e](mpz_srcptr part) {
    const std::size_t bits = Bits(part);
    if (bits < 2) return false;  // |part| is 1
    const double lower = static_cast<double>(bits - 1) * static_cast<double>(e) + 1.0;
    return lower > static_cast<double>(kMaxValueBits);
  };
  if (tooLarge(Num(a.q)) || tooLarge(Den(a.q))) throw EngineError(kOverflow);
  mpz_pow_ui(Num(a.q), Num(a.q), e);
  mpz_pow_ui(Den(a.q), Den(a.q), e);
  if (mpz_sgn(n) < 0) mpq_inv(a.q.get_mpq_t(), a.q.get_mpq_t());
  CheckSize(a);
}

void ExactMachine::Equal(Slot& a, const Slot& b) {
  bool equal;
  if (a.kind == Kind::Real && b.kind == Kind::Real) {
    equal = a.real == b.real;
  } else if (a.kind == Kind::Real || b.kind == Kind::Real) {
    const Slot& r = a.kind == Kind::Real ? a : b;
    const Slot& q = a.kind == Kind::Real ? b : a;
    mpq_set_d(scratch_.get_mpq_t(), r.real);  // exact: every finite double is a rational
    equal = mpq_equal(scratch_.get_mpq_t(), q.q.get_mpq_t()) != 0;
  } else {
    equal = mpq_equal(a.q.get_mpq_t(), b.q.get_mpq_t()) != 0;
  }
  a.kind = Kind::Boolean;
  mpq_set_si(a.q.get_mpq_t(), equal ? -1 : 0, 1);
}

void ExactMachine::RealResult(Slot& a, double value) {
  if (!std::isfinite(value)) throw EngineError(kOverflow);
  a.kind = Kind::Real;
  a.real = value;
}

double ExactMachine::ToDouble(const Slot& s) const {
  if (s.kind == Kind::Real) return s.real;
  if (IsInteger(s.q)) return mpz_get_d(Num(s.q));
  return mpq_get_d(s.q.get_mpq_t());
}

void ExactMachine::CheckSize(const Slot& a) {
  if (Bits(Num(a.q)) > kMaxValueBits || Bits(Den(a.q)) > kMaxValueBits) {
    throw EngineError(kOverflow);
  }
}

}  // namespace factorix
