#include "engine/ExactMachine.h"

#include <climits>
#include <cmath>
#include <limits>

#include "engine/EngineError.h"
#include "engine/Expression.h"

namespace factorix {

namespace {

bool IsInteger(const mpz_class& den) { return den == 1; }

std::size_t Bits(const mpz_class& z) { return mpz_sizeinbase(z.get_mpz_t(), 2); }

}  // namespace

ExactMachine::ExactMachine(const ExpressionCode& code) : code_(code), stack_(code.maxStack) {}

void ExactMachine::Run(const mpz_class* variable) {
  std::size_t top = 0;  // slots in use
  for (const Instruction& ins : code_.code) {
    switch (ins.op) {
      case Opcode::PushLiteral: {
        Slot& s = stack_[top++];
        const mpq_class& q = code_.literals[ins.operand];
        s.kind = Kind::Rational;
        s.num = q.get_num();
        s.den = q.get_den();
        break;
      }
      case Opcode::PushVariable: {
        Slot& s = stack_[top++];
        s.kind = Kind::Rational;
        if (variable) {
          s.num = *variable;
        } else {
          s.num = 0;
        }
        s.den = 1;
        break;
      }
      case Opcode::PushEmpty: {
        Slot& s = stack_[top++];
        s.kind = Kind::Empty;
        s.num = 0;
        s.den = 1;
        break;
      }
      case Opcode::Negate: {
        Slot& s = stack_[top - 1];
        if (s.kind == Kind::Real) {
          s.real = -s.real;
        } else {
          s.kind = Kind::Rational;
          mpz_neg(s.num.get_mpz_t(), s.num.get_mpz_t());
        }
        break;
      }
      case Opcode::Add:
      case Opcode::Subtract:
        Add(stack_[top - 2], stack_[top - 1], ins.op == Opcode::Subtract);
        --top;
        break;
      case Opcode::Multiply:
        Multiply(stack_[top - 2], stack_[top - 1]);
        --top;
        break;
      case Opcode::Divide:
        Divide(stack_[top - 2], stack_[top - 1]);
        --top;
        break;
      case Opcode::Power:
        Power(stack_[top - 2], stack_[top - 1]);
        --top;
        break;
      case Opcode::Equal:
        Equal(stack_[top - 2], stack_[top - 1]);
        --top;
        break;
    }
  }
}

Value ExactMachine::Result() const {
  const Slot& s = stack_[0];
  switch (s.kind) {
    case Kind::Empty:
      return Value();
    case Kind::Boolean:
      return Value::MakeBoolean(s.num != 0);
    case Kind::Real:
      return Value::MakeReal(s.real);
    case Kind::Rational:
      break;
  }
  return Value::MakeRational(mpq_class(s.num, s.den));
}

bool ExactMachine::ResultIsZero() const {
  const Slot& s = stack_[0];
  return s.kind == Kind::Real ? s.real == 0.0 : s.num == 0;
}

void ExactMachine::Add(Slot& a, const Slot& b, bool subtract) {
  if (a.kind == Kind::Real || b.kind == Kind::Real) {
    const double x = ToDouble(a), y = ToDouble(b);
    RealResult(a, subtract ? x - y : x + y);
    return;
  }
  a.kind = Kind::Rational;
  if (IsInteger(a.den) && IsInteger(b.den)) {
    if (subtract) {
      mpz_sub(a.num.get_mpz_t(), a.num.get_mpz_t(), b.num.get_mpz_t());
    } else {
      mpz_add(a.num.get_mpz_t(), a.num.get_mpz_t(), b.num.get_mpz_t());
    }
  } else {
    // a/b + c/d = (a*d + c*b) / (b*d), then reduced
    mpz_mul(t1_.get_mpz_t(), a.num.get_mpz_t(), b.den.get_mpz_t());
    mpz_mul(t2_.get_mpz_t(), b.num.get_mpz_t(), a.den.get_mpz_t());
    if (subtract) {
      mpz_sub(a.num.get_mpz_t(), t1_.get_mpz_t(), t2_.get_mpz_t());
    } else {
      mpz_add(a.num.get_mpz_t(), t1_.get_mpz_t(), t2_.get_mpz_t());
    }
    mpz_mul(a.den.get_mpz_t(), a.den.get_mpz_t(), b.den.get_mpz_t());
    Reduce(a);
  }
  CheckSize(a);
}

void ExactMachine::Multiply(Slot& a, const Slot& b) {
  if (a.kind == Kind::Real || b.kind == Kind::Real) {
    RealResult(a, ToDouble(a) * ToDouble(b));
    return;
  }
  a.kind = Kind::Rational;
  mpz_mul(a.num.get_mpz_t(), a.num.get_mpz_t(), b.num.get_mpz_t());
  if (!IsInteger(a.den) || !IsInteger(b.den)) {
    mpz_mul(a.den.get_mpz_t(), a.den.get_mpz_t(), b.den.get_mpz_t());
    Reduce(a);
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
  if (b.num == 0) throw EngineError(kDivisionByZero);
  a.kind = Kind::Rational;
  // (p/q) / (r/s) = (p*s) / (q*r)
  mpz_mul(a.num.get_mpz_t(), a.num.get_mpz_t(), b.den.get_mpz_t());
  mpz_mul(a.den.get_mpz_t(), a.den.get_mpz_t(), b.num.get_mpz_t());
  Reduce(a);
  CheckSize(a);
}

void ExactMachine::Power(Slot& a, const Slot& b) {
  const bool exact = a.kind != Kind::Real && b.kind != Kind::Real && IsInteger(b.den);
  if (!exact) {
    // A non-integer exponent: the script language answers in double.
    const double x = ToDouble(a), y = ToDouble(b);
    const bool negativeBase = a.kind == Kind::Real ? x < 0 : a.num < 0;
    const bool zeroBase = a.kind == Kind::Real ? x == 0.0 : a.num == 0;
    if (negativeBase && y != std::floor(y)) throw EngineError(kInvalidCall);
    if (zeroBase && y < 0) throw EngineError(kInvalidCall);
    RealResult(a, std::pow(x, y));
    return;
  }
  a.kind = Kind::Rational;
  const mpz_class& n = b.num;
  if (n == 0) {  // 0^0 is 1 too
    a.num = 1;
    a.den = 1;
    return;
  }
  if (a.num == 0) {
    if (n < 0) throw EngineError(kInvalidCall);
    return;  // 0
  }
  if (IsInteger(a.den) && (a.num == 1 || a.num == -1)) {
    if (a.num == -1 && mpz_even_p(n.get_mpz_t())) a.num = 1;
    return;  // the sign only depends on the parity
  }
  // |a| is not 0 or 1, so each power of a part p with |p| >= 2 has at least
  // (bits(p) - 1) * |n| + 1 bits: refuse before computing what cannot fit.
  if (!mpz_fits_ulong_p(n.get_mpz_t()) && !(n < 0 && mpz_cmpabs_ui(n.get_mpz_t(), ULONG_MAX) <= 0)) {
    throw EngineError(kOverflow);
  }
  const unsigned long e = mpz_get_ui(n.get_mpz_t());  // |n|
  auto tooLarge = [e](const mpz_class& part) {
    const std::size_t bits = Bits(part);
    if (bits < 2) return false;  // |part| is 0 or 1
    const double lower = static_cast<double>(bits - 1) * static_cast<double>(e) + 1.0;
    return lower > static_cast<double>(Expression::kMaxBits);
  };
  if (tooLarge(a.num) || tooLarge(a.den)) throw EngineError(kOverflow);
  mpz_pow_ui(a.num.get_mpz_t(), a.num.get_mpz_t(), e);
  mpz_pow_ui(a.den.get_mpz_t(), a.den.get_mpz_t(), e);
  if (n < 0) {
    mpz_swap(a.num.get_mpz_t(), a.den.get_mpz_t());
    if (a.den < 0) {
      mpz_neg(a.num.get_mpz_t(), a.num.get_mpz_t());
      mpz_neg(a.den.get_mpz_t(), a.den.get_mpz_t());
    }
  }
  CheckSize(a);
}

void ExactMachine::Equal(Slot& a, const Slot& b) {
  bool equal;
  if (a.kind == Kind::Real && b.kind == Kind::Real) {
    equal = a.real == b.real;
  } else if (a.kind == Kind::Real || b.kind == Kind::Real) {
    const Slot& r = a.kind == Kind::Real ? a : b;
    const Slot& q = a.kind == Kind::Real ? b : a;
    mpq_set_d(q_.get_mpq_t(), r.real);  // exact: every finite double is a rational
    equal = mpz_cmp(q_.get_num_mpz_t(), q.num.get_mpz_t()) == 0 &&
            mpz_cmp(q_.get_den_mpz_t(), q.den.get_mpz_t()) == 0;
  } else {
    equal = a.num == b.num && a.den == b.den;
  }
  a.kind = Kind::Boolean;
  a.num = equal ? -1 : 0;
  a.den = 1;
}

void ExactMachine::RealResult(Slot& a, double value) {
  if (!std::isfinite(value)) throw EngineError(kOverflow);
  a.kind = Kind::Real;
  a.real = value;
}

double ExactMachine::ToDouble(const Slot& s) {
  if (s.kind == Kind::Real) return s.real;
  if (IsInteger(s.den)) return mpz_get_d(s.num.get_mpz_t());
  mpz_set(mpq_numref(q_.get_mpq_t()), s.num.get_mpz_t());
  mpz_set(mpq_denref(q_.get_mpq_t()), s.den.get_mpz_t());
  return mpq_get_d(q_.get_mpq_t());
}

void ExactMachine::Reduce(Slot& a) {
  if (a.den < 0) {
    mpz_neg(a.num.get_mpz_t(), a.num.get_mpz_t());
    mpz_neg(a.den.get_mpz_t(), a.den.get_mpz_t());
  }
  mpz_gcd(t1_.get_mpz_t(), a.num.get_mpz_t(), a.den.get_mpz_t());
  if (t1_ != 1) {
    mpz_divexact(a.num.get_mpz_t(), a.num.get_mpz_t(), t1_.get_mpz_t());
    mpz_divexact(a.den.get_mpz_t(), a.den.get_mpz_t(), t1_.get_mpz_t());
  }
}

void ExactMachine::CheckSize(const Slot& a) {
  if (Bits(a.num) > Expression::kMaxBits || Bits(a.den) > Expression::kMaxBits) {
    throw EngineError(kOverflow);
  }
}

}  // namespace factorix
