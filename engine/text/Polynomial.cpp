#include "engine/text/Polynomial.h"

#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"

#include <algorithm>

namespace factorix {

bool Polynomial::IsZero() const {
  return std::all_of(coeffs.begin(), coeffs.end(), [](const mpz_class& c) { return c == 0; });
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// polynomial := [ sign ] term { sign term }
// term       := digits [ "x" raised-run ] | "x" raised-run
// raised-run := { "e" digit }          (empty: the power 1)
std::optional<Polynomial> ReadPolynomial(std::string_view text) {
  Polynomial p;
  std::size_t pos = 0;
  bool first = true;
  while (first || pos < text.size()) {
    // sign: required between terms, optional before the first one
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      negative = text[pos] == '-';
      ++pos;
    } else if (!first) {
      return std::nullopt;
    }
    first = false;

    const std::size_t digitsStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    const std::string_view digits = text.substr(digitsStart, pos - digitsStart);

    int power = 0;
    if (pos < text.size() && text[pos] == 'x') {
      ++pos;
      power = ReadRaisedExponent(text, pos).value_or(1);
    } else if (digits.empty()) {
      return std::nullopt;  // a sign with nothing after it, or a stray character
    }

    mpz_class coefficient = digits.empty() ? mpz_class(1) : ToNumber(digits);
    if (negative) coefficient = -coefficient;
    const auto at = static_cast<std::size_t>(power);
    if (p.coeffs.size() <= at) p.coeffs.resize(at + 1);
    p.coeffs[at] += coefficient;
  }
  return p;
}

}  // namespace factorix
