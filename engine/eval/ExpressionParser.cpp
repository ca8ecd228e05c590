#include "engine/eval/ExpressionParser.h"

#include <algorithm>
#include <string>

#include "engine/core/Characters.h"
#include "engine/core/EngineError.h"
#include "engine/eval/EvaluatorLimits.h"
#include "engine/eval/SyntaxError.h"

namespace factorix {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// log2(10) rounded down, for a lower bound on the bits of a decimal number.
constexpr double kLog2Of10 = 3.3219280948873622;

// Decimal digits that always fit an unsigned long.
constexpr std::size_t kWordDigits = 19;

}  // namespace

ExpressionParser::ExpressionParser(std::string_view text, char variableMarker, int maxDepth)
    : text_(text), marker_(variableMarker), maxDepth_(maxDepth) {}

// expression := comparison <end>
ExpressionCode ExpressionParser::Parse() {
  Comparison();
  if (Peek() != '\0' || pos_ < text_.size()) Fail(pos_);
  return std::move(out_);
}

// One left-associative level: first { op next }, op one of the characters
// of `ops`; the opcode at the same index follows each right operand.
void ExpressionParser::LeftAssociative(Rule first, Rule next, std::string_view ops, const Opcode* codes) {
  (this->*first)();
  for (std::size_t at; (at = ops.find(Peek())) != std::string_view::npos;) {
    ++pos_;
    (this->*next)();
    Emit(codes[at]);
  }
}

// comparison := additive { "=" additive }
void ExpressionParser::Comparison() {
  static constexpr Opcode kCodes[] = {Opcode::Equal};
  LeftAssociative(&ExpressionParser::Additive, &ExpressionParser::Additive, "=", kCodes);
}

// additive := term { ("+" | "-") term }
void ExpressionParser::Additive() {
  static constexpr Opcode kCodes[] = {Opcode::Add, Opcode::Subtract};
  LeftAssociative(&ExpressionParser::Term, &ExpressionParser::Term, "+-", kCodes);
}

// term := unary { ("*" | "/") unary }
void ExpressionParser::Term() {
  static constexpr Opcode kCodes[] = {Opcode::Multiply, Opcode::Divide};
  LeftAssociative(&ExpressionParser::Unary, &ExpressionParser::Unary, "*/", kCodes);
}

// signs := { "+" | "-" }
std::size_t ExpressionParser::Signs() {
  std::size_t minus = 0;  // signs are counted, not recursed into
  for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
    ++pos_;
    if (c == '-') ++minus;
  }
  return minus;
}

// unary := signs power
void ExpressionParser::Unary() {
  std::size_t minus = Signs();
  Power();
  for (; minus > 0; --minus) Emit(Opcode::Negate);
}

// power := primary { "^" exponent }
void ExpressionParser::Power() {
  static constexpr Opcode kCodes[] = {Opcode::Power};
  LeftAssociative(&ExpressionParser::Primary, &ExpressionParser::Exponent, "^", kCodes);
}

// exponent := signs primary
void ExpressionParser::Exponent() {
  std::size_t minus = Signs();
  Primary();
  for (; minus > 0; --minus) Emit(Opcode::Negate);
}

// primary := number | identifier | variable | "(" comparison ")"
void ExpressionParser::Primary() {
  const char c = Peek();
  if (IsDigit(c)) {
    Number();
  } else if (IsLetter(c)) {
    Identifier();
  } else if (c != '\0' && c == marker_) {
    ++pos_;
    Emit(Opcode::PushVariable);
    out_.usesVariable = true;
  } else if (c == '(') {
    if (depth_ >= maxDepth_) throw EngineError(kOverflow);
    ++pos_;
    ++depth_;
    Comparison();
    if (Peek() != ')') Fail(pos_);
    ++pos_;
    --depth_;
  } else {
    Fail(pos_);
  }
}

// number := digit { digit } [ "." digit { digit } ]
void ExpressionParser::Number() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
  std::string_view whole = text_.substr(start, pos_ - start);
  std::string_view fraction;
  if (pos_ < text_.size() && text_[pos_] == '.') {
    const std::size_t dot = pos_++;
    const std::size_t from = pos_;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    if (pos_ == from) Fail(dot);
    fraction = text_.substr(from, pos_ - from);
  }
  // Leading zeros of the whole part and trailing zeros of the fraction do
  // not change the value; what is left bounds its size from below.
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  fraction.remove_suffix(fraction.size() - (fraction.find_last_not_of('0') + 1));
  const std::size_t significant = whole.size() + fraction.size();
  // The reduced denominator keeps a factor 2^f or 5^f (the last digit of the
  // fraction is not 0), and a numerator of s digits is at least 10^(s-1).
  if (fraction.size() > kMaxValueBits ||
      (significant > 0 &&
       static_cast<double>(significant - 1) * kLog2Of10 > static_cast<double>(kMaxValueBits))) {
    throw EngineError(kOverflow);
  }
  if (fraction.empty() && whole.size() <= kWordDigits) {
    // A whole number of one word, the usual literal: made without any text.
    unsigned long word = 0;
    for (const char c : whole) word = word * 10 + static_cast<unsigned long>(c - '0');
    out_.literals.emplace_back(word);
    Emit(Opcode::PushLiteral, static_cast<std::uint32_t>(out_.literals.size() - 1));
    return;
  }
  mpz_class numerator;  // 0 when every digit is 0
  if (significant > 0) {
    std::string digits;
    digits.reserve(significant);
    digits.append(whole);
    digits.append(fraction);
    numerator.set_str(digits, 10);
  }
  mpz_class denominator;
  mpz_ui_pow_ui(denominator.get_mpz_t(), 10, fraction.size());
  mpq_class value(numerator, denominator);
  value.canonicalize();
  if (mpz_sizeinbase(value.get_num_mpz_t(), 2) > kMaxValueBits ||
      mpz_sizeinbase(value.get_den_mpz_t(), 2) > kMaxValueBits) {
    throw EngineError(kOverflow);
  }
  out_.literals.push_back(std::move(value));
  Emit(Opcode::PushLiteral, static_cast<std::uint32_t>(out_.literals.size() - 1));
}

// identifier := letter { letter | digit | "_" }
void ExpressionParser::Identifier() {
  ++pos_;
  while (pos_ < text_.size() &&
         (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '_')) {
    ++pos_;
  }
  Emit(Opcode::PushEmpty);
}

void ExpressionParser::SkipBlanks() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

char ExpressionParser::Peek() {
  SkipBlanks();
  if (pos_ >= text_.size()) return '\0';
  // A NUL byte inside the text is outside the grammar; it must not read as
  // the end.
  if (text_[pos_] == '\0') Fail(pos_);
  return text_[pos_];
}

void ExpressionParser::Fail(std::size_t position) const { throw SyntaxError(position); }

void ExpressionParser::Emit(Opcode op, std::uint32_t operand) {
  out_.code.push_back(Instruction{op, operand});
  switch (op) {
    case Opcode::PushLiteral:
    case Opcode::PushVariable:
    case Opcode::PushEmpty:
      ++stack_;
      out_.maxStack = std::max(out_.maxStack, stack_);
      break;
    case Opcode::Negate:
      break;
    default:
      --stack_;  // two operands in, one result out
      break;
  }
}

}  // namespace factorix
