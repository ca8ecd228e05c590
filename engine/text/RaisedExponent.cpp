#include "engine/text/RaisedExponent.h"

#include "engine/core/Characters.h"
#include "engine/core/EngineError.h"

namespace factorix {

namespace {

// value * 10 + digit, held at kTooLargePower once past kMaxFormulaDegree.
int AddDigit(int value, char digit) {
  if (value >= kTooLargePower) return kTooLargePower;
  const int next = value * 10 + (digit - '0');  // at most 10 * kMaxFormulaDegree + 9
  return next > kMaxFormulaDegree ? kTooLargePower : next;
}

// power := raised-run { digit } | "^" digit { digit }
std::optional<int> ReadOnePower(std::string_view text, std::size_t& pos) {
  std::size_t at = pos;
  int value = 0;
  if (at + 1 < text.size() && text[at] == 'e' && IsDigit(text[at + 1])) {
    while (at + 1 < text.size() && text[at] == 'e' && IsDigit(text[at + 1])) {
      value = AddDigit(value, text[at + 1]);
      at += 2;
    }
  } else if (at + 1 < text.size() && text[at] == '^' && IsDigit(text[at + 1])) {
    ++at;
  } else {
    return std::nullopt;
  }
  while (at < text.size() && IsDigit(text[at])) value = AddDigit(value, text[at++]);
  pos = at;
  return value;
}

}  // namespace

std::optional<int> ReadRaisedExponent(std::string_view text, std::size_t& pos) {
  std::optional<int> exponent;
  std::size_t at = pos;
  while (at + 1 < text.size() && text[at] == 'e' && IsDigit(text[at + 1])) {
    const int value = AddDigit(exponent.value_or(0), text[at + 1]);
    if (value == kTooLargePower) throw EngineError(kOverflow);
    exponent = value;
    at += 2;
  }
  pos = at;
  return exponent;
}

std::optional<int> ReadExponent(std::string_view text, std::size_t& pos) {
  std::optional<int> exponent = ReadOnePower(text, pos);
  if (!exponent) return std::nullopt;
  while (const std::optional<int> next = ReadOnePower(text, pos)) {
    // (x^a)^b = x^(a b); a power too large stays too large, even times 0.
    if (*exponent == kTooLargePower || *next == kTooLargePower) {
      exponent = kTooLargePower;
    } else {
      const long long product = static_cast<long long>(*exponent) * *next;
      exponent = product > kMaxFormulaDegree ? kTooLargePower : static_cast<int>(product);
    }
  }
  return exponent;
}

std::string RaisedExponentText(int exponent) {
  std::string run;
  AppendRaisedExponent(run, exponent);
  return run;
}

void AppendRaisedExponent(std::string& out, int exponent) {
  char digits[16];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + exponent % 10);
    exponent /= 10;
  } while (exponent > 0);
  char run[32];
  int length = 0;
  while (n > 0) {
    run[length++] = 'e';
    run[length++] = digits[--n];
  }
  out.append(run, static_cast<std::size_t>(length));
}

}  // namespace factorix
