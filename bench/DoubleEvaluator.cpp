#include "bench/DoubleEvaluator.h"

#include <cmath>
#include <string>

#include "engine/core/EngineError.h"

namespace factorix::bench {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

double Checked(double v) {
  if (!std::isfinite(v)) throw EngineError(kOverflow);
  return v;
}

}  // namespace

double DoubleEvaluator::Eval(std::string_view text) {
  text_ = text;
  pos_ = 0;
  depth_ = 0;
  const double v = Comparison();
  if (pos_ != text_.size()) throw EngineError(kSyntax);
  return v;
}

char DoubleEvaluator::Peek() {
  while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  return pos_ < text_.size() ? text_[pos_] : '\0';
}

// comparison := additive { "=" additive }
double DoubleEvaluator::Comparison() {
  double a = Additive();
  while (Peek() == '=') {
    ++pos_;
    a = a == Additive() ? -1.0 : 0.0;
  }
  return a;
}

// additive := term { ("+" | "-") term }
double DoubleEvaluator::Additive() {
  double a = Term();
  for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
    ++pos_;
    const double b = Term();
    a = Checked(c == '+' ? a + b : a - b);
  }
  return a;
}

// term := unary { ("*" | "/") unary }
double DoubleEvaluator::Term() {
  double a = Unary();
  for (char c = Peek(); c == '*' || c == '/'; c = Peek()) {
    ++pos_;
    const double b = Unary();
    if (c == '/' && b == 0.0) throw EngineError(kDivisionByZero);
    a = Checked(c == '*' ? a * b : a / b);
  }
  return a;
}

// unary := { "+" | "-" } power
double DoubleEvaluator::Unary() {
  bool negative = false;
  for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
    ++pos_;
    if (c == '-') negative = !negative;
  }
  const double v = Power();
  return negative ? -v : v;
}

// power := primary { "^" { "+" | "-" } primary }
double DoubleEvaluator::Power() {
  double a = Primary();
  while (Peek() == '^') {
    ++pos_;
    bool negative = false;
    for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
      ++pos_;
      if (c == '-') negative = !negative;
    }
    double b = Primary();
    if (negative) b = -b;
    if (a < 0 && b != std::floor(b)) throw EngineError(kInvalidCall);
    if (a == 0 && b < 0) throw EngineError(kInvalidCall);
    a = Checked(std::pow(a, b));
  }
  return a;
}

// primary := number | identifier | "(" comparison ")"
double DoubleEvaluator::Primary() {
  const char c = Peek();
  if (IsDigit(c)) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
    return Checked(std::stod(std::string(text_.substr(start, pos_ - start))));
  }
  if (IsLetter(c)) {
    while (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '_')) {
      ++pos_;
    }
    return 0.0;  // Empty
  }
  if (c == '(' && depth_ < 200) {
    ++pos_;
    ++depth_;
    const double v = Comparison();
    if (Peek() != ')') throw EngineError(kSyntax);
    ++pos_;
    --depth_;
    return v;
  }
  throw EngineError(kSyntax);
}

}  // namespace factorix::bench
