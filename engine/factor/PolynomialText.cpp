#include "engine/factor/PolynomialText.h"

#include <cstddef>

namespace factorix {

namespace {

// UTF-8 of the superscript digits 0 to 9.
constexpr const char* kSuperscriptDigits[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                              "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};

}  // namespace

std::string Superscript(unsigned exponent, Exponents style) {
  std::string out;
  for (const char d : std::to_string(exponent)) {
    if (style == Exponents::kPadText) {
      out += 'e';
      out += d;
    } else {
      out += kSuperscriptDigits[d - '0'];
    }
  }
  return out;
}

std::string WritePolynomial(const Polynomial& coeffs, Exponents style) {
  std::string out;
  for (std::size_t i = coeffs.size(); i-- > 0;) {
    const mpz_class& c = coeffs[i];
    if (c == 0) continue;
    if (c < 0) {
      out += '-';
    } else if (!out.empty()) {
      out += '+';
    }
    const mpz_class magnitude = abs(c);
    if (magnitude != 1 || i == 0) out += magnitude.get_str();
    if (i >= 1) out += 'x';
    if (i >= 2) out += Superscript(static_cast<unsigned>(i), style);
  }
  return out.empty() ? "0" : out;
}

std::string WriteFactorization(const Factorization& factorization, Exponents style) {
  const mpz_class& content = factorization.content;
  if (factorization.factors.empty()) return content.get_str();
  std::string out;
  if (content == -1) {
    out = "-";
  } else if (content != 1) {
    out = content.get_str();
  }
  const bool alone = out.empty() && factorization.factors.size() == 1 &&
                     factorization.factors.front().multiplicity == 1;
  for (const FactorPower& power : factorization.factors) {
    const bool isX = IsRootFactor(power.factor) && power.factor[0] == 0;
    if (isX || alone) {
      out += WritePolynomial(power.factor, style);
    } else {
      out += '(' + WritePolynomial(power.factor, style) + ')';
    }
    if (power.multiplicity > 1) out += Superscript(power.multiplicity, style);
  }
  return out;
}

}  // namespace factorix
