#include "engine/eval/Value.h"

#include <cstdio>

namespace factorix {

Value Value::MakeBoolean(bool b) {
  Value v;
  v.kind_ = Kind::Boolean;
  v.boolean_ = b;
  return v;
}

Value Value::MakeRational(mpq_class q) {
  Value v;
  v.kind_ = Kind::Rational;
  v.rational_ = std::move(q);
  v.rational_.canonicalize();
  return v;
}

Value Value::MakeReal(double d) {
  Value v;
  v.kind_ = Kind::Real;
  v.real_ = d;
  return v;
}

bool Value::IsZero() const {
  switch (kind_) {
    case Kind::Empty:
      return true;
    case Kind::Boolean:
      return !boolean_;
    case Kind::Rational:
      return rational_ == 0;
    case Kind::Real:
      return real_ == 0.0;
  }
  return false;
}

std::string Value::ToString() const {
  switch (kind_) {
    case Kind::Empty:
      return {};
    case Kind::Boolean:
      return boolean_ ? "True" : "False";
    case Kind::Rational:
      return rational_.get_str();
    case Kind::Real: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.17g", real_);
      return buffer;
    }
  }
  return {};
}

}  // namespace factorix
