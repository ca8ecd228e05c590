#include "engine/text/WrittenPolynomial.h"

#include <utility>

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"

namespace factorix {

namespace {

constexpr char32_t kEnd = 0xFFFFFFFF;  // what Scanner::peek() gives past the last character
constexpr char32_t kReplacement = 0xFFFD;

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00A0' || c == U'\u2009' ||
         c == U'\u202F';
}
bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsSign(char32_t c) { return c == U'+' || c == U'-' || c == U'\u2212' || c == U'\u2013'; }
bool IsTimes(char32_t c) { return c == U'*' || c == U'\u00B7' || c == U'\u22C5'; }
bool IsVariable(char32_t c) { return c == U'x' || c == U'X'; }
bool IsNameLetter(char32_t c) { return c == U'P' || c == U'p' || c == U'f' || c == U'F'; }

// The digit of a superscript digit character, -1 for any other character.
int SuperscriptDigit(char32_t c) {
  switch (c) {
    case U'\u2070': return 0;
    case U'\u00B9': return 1;
    case U'\u00B2': return 2;
    case U'\u00B3': return 3;
    default: return c >= U'\u2074' && c <= U'\u2079' ? static_cast<int>(c - U'\u2070') : -1;
  }
}

// value * 10 + digit, held at kTooLargePower once past kMaxFormulaDegree.
void AddExponentDigit(int& value, int digit) {
  if (value >= kTooLargePower) return;
  value = value * 10 + digit;  // at most 10 * kMaxFormulaDegree + 9
  if (value > kMaxFormulaDegree) value = kTooLargePower;
}

// The code point that starts at byte `pos` of `text` and its length in bytes;
// U+FFFD and 1 for a byte that does not start well-formed UTF-8.
std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t least = 0;  // the smallest code point that needs `length` bytes
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1Fu;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0Fu;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07u;
    least = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (pos + length > text.size()) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return {kReplacement, 1};
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {kReplacement, 1};
  return {code, length};
}

// UTF-8 text as a stream of code points with the blanks left out.
class Scanner {
public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // The next character that is not a blank; kEnd past the last one.
  char32_t peek() {
    while (pos_ < text_.size()) {
      const auto [code, length] = DecodeAt(text_, pos_);
      if (!IsBlank(code)) {
        length_ = length;
        return code;
      }
      pos_ += length;
      ++index_;
    }
    length_ = 0;
    return kEnd;
  }

  // Moves past the character peek() gave.
  void take() {
    pos_ += length_;
    ++index_;
  }

  // The 1-based position of the character peek() gave, and its UTF-8 text
  // (empty past the end, U+FFFD for a byte that is no UTF-8).
  std::size_t position() const { return index_ + 1; }
  std::string character() const {
    if (length_ == 0) return {};
    if (DecodeAt(text_, pos_).first == kReplacement) return "\xEF\xBF\xBD";
    return std::string(text_.substr(pos_, length_));
  }

private:
  std::string_view text_;
  std::size_t pos_ = 0;     // byte offset of the next character
  std::size_t index_ = 0;   // characters before pos_
  std::size_t length_ = 0;  // bytes of the character peek() gave
};

// Thrown inside Reader at the first character it cannot read.
struct Unreadable {};

// A recursive-descent reader over the grammar below; blanks are skipped
// between any two characters.
class Reader {
public:
  explicit Reader(std::string_view text) : in_(text) {}

  // text := [ name ] sum [ "=" zero ] end
  WrittenPolynomial read() {
    WrittenPolynomial result;
    try {
      if (IsNameLetter(in_.peek())) readName();
      readSum();
      if (in_.peek() == U'=') {
        in_.take();
        readZero();
      }
      if (in_.peek() != kEnd) fail();
    } catch (const Unreadable&) {
      result.status = WrittenPolynomial::Status::kUnreadable;
      result.position = in_.position();
      result.character = in_.character();
      return result;
    }
    if (tooLarge_) {
      result.status = WrittenPolynomial::Status::kTooLarge;
    } else {
      result.padText = PadPolynomialText(polynomial_);
    }
    return result;
  }

private:
  [[noreturn]] static void fail() { throw Unreadable{}; }

  void expect(char32_t c) {
    if (in_.peek() != c) fail();
    in_.take();
  }

  // name := ( "P" | "p" | "f" | "F" ) "(" variable ")" "="
  void readName() {
    in_.take();
    expect(U'(');
    if (!IsVariable(in_.peek())) fail();
    in_.take();
    expect(U')');
    expect(U'=');
  }

  // zero := "0" { "0" }
  void readZero() {
    expect(U'0');
    while (in_.peek() == U'0') in_.take();
  }

  // sum := [ sign ] term { sign term }
  void readSum() {
    bool negative = false;
    if (IsSign(in_.peek())) {
      negative = in_.peek() != U'+';
      in_.take();
    }
    readTerm(negative);
    while (IsSign(in_.peek())) {
      negative = in_.peek() != U'+';
      in_.take();
      readTerm(negative);
    }
  }

  // term := number [ [ times ] variable [ power ] ] | variable [ power ]
  void readTerm(bool negative) {
    const std::string digits = readNumber();
    bool joined = false;
    if (!digits.empty() && IsTimes(in_.peek())) {
      in_.take();
      joined = true;
    }
    int power = 0;
    if (IsVariable(in_.peek())) {
      in_.take();
      power = readPower();
    } else if (digits.empty() || joined) {
      fail();
    }
    add(power, digits, negative);
  }

  // power := ( "^" | "**" ) number | superscript { superscript }
  //        | raised { raised } { digit } | (nothing, for 1)
  // raised := "e" digit
  int readPower() {
    const char32_t c = in_.peek();
    int power = 0;
    if (c == U'^' || c == U'*') {
      in_.take();
      if (c == U'*') expect(U'*');
      if (!IsAsciiDigit(in_.peek())) fail();
      while (IsAsciiDigit(in_.peek())) addDigit(power);
    } else if (SuperscriptDigit(c) >= 0) {
      while (SuperscriptDigit(in_.peek()) >= 0) {
        AddExponentDigit(power, SuperscriptDigit(in_.peek()));
        in_.take();
      }
    } else if (c == U'e') {
      while (in_.peek() == U'e') {
        in_.take();
        if (!IsAsciiDigit(in_.peek())) fail();
        addDigit(power);
      }
      while (IsAsciiDigit(in_.peek())) addDigit(power);
    } else {
      power = 1;
    }
    return power;
  }

  // Takes the digit peek() gave into `power`.
  void addDigit(int& power) {
    AddExponentDigit(power, static_cast<int>(in_.peek() - U'0'));
    in_.take();
  }

  // number := digit { digit }, or nothing
  std::string readNumber() {
    std::string digits;
    while (IsAsciiDigit(in_.peek())) {
      digits += static_cast<char>(in_.peek());
      in_.take();
    }
    return digits;
  }

  // Adds the term ±digits x^power (digits empty for 1). Once anything is too
  // large the rest is only read, so that a later unreadable character is
  // still the answer.
  void add(int power, const std::string& digits, bool negative) {
    if (power > kMaxFormulaDegree) tooLarge_ = true;
    if (tooLarge_) return;
    mpz_class coefficient = 1;
    try {
      if (!digits.empty()) coefficient = ToNumber(digits);
    } catch (const EngineError&) {
      tooLarge_ = true;  // only digits reach ToNumber: it is their length
      return;
    }
    const auto at = static_cast<std::size_t>(power);
    if (polynomial_.size() <= at) polynomial_.resize(at + 1);
    if (negative) {
      polynomial_[at] -= coefficient;
    } else {
      polynomial_[at] += coefficient;
    }
  }

  Scanner in_;
  Polynomial polynomial_;  // what the terms read so far add up to
  bool tooLarge_ = false;
};

}  // namespace

WrittenPolynomial ReadWrittenPolynomial(std::string_view utf8) { return Reader(utf8).read(); }

std::string PadPolynomialText(const Polynomial& p) {
  const std::size_t terms = static_cast<std::size_t>(Degree(p) + 1);  // 0 for the zero polynomial
  if (terms <= 1) return terms == 0 ? std::string("0") : ToText(p[0]);
  std::string text;
  for (std::size_t power = terms; power-- > 0;) {
    const mpz_class& c = p[power];
    if (power + 1 < terms && sgn(c) >= 0) text += '+';
    text += ToText(c);
    if (power >= 1) text += 'x';
    if (power >= 2) AppendRaisedExponent(text, static_cast<int>(power));
  }
  return text;
}

}  // namespace factorix
