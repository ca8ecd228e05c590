#include "engine/text/Division.h"

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"
#include "engine/text/Terms.h"

#include <gmpxx.h>

#include <algorithm>
#include <vector>

namespace factorix {

namespace {

// Largest total size of the quotient's coefficients, in bits (about ten
// million decimal digits).
constexpr std::size_t kMaxQuotientBits = std::size_t{32} << 20;

// One term with the variable as the term readers see it.
struct TermText {
  std::string coefficient;  // as written, with its sign when it has one
  int power = 1;            // the raised run after the variable; 1 when none
};

// The terms with the variable, highest first, as the readers return them,
// each with the power written after its own "x".
std::vector<TermText> ReadTerms(std::string_view texto) {
  const int n = ObtenerNumTerminos(texto, 'x');
  std::vector<TermText> terms;
  terms.reserve(static_cast<std::size_t>(n));
  std::size_t next = 0;  // 0-based search start for the next "x"
  for (int k = 1; k <= n; ++k) {
    TermText term;
    term.coefficient = ObtenerTermino(texto, k, 'x');
    std::size_t pos = texto.find('x', next) + 1;
    next = pos;
    term.power = ReadRaisedExponent(texto, pos).value_or(1);
    terms.push_back(std::move(term));
  }
  return terms;
}

// True when the powers run n, n-1, ..., 1: every power present, decreasing,
// each once, which is the shape the help text asks the user to type.
bool IsOrdinaryShape(const std::vector<TermText>& terms) {
  const int n = static_cast<int>(terms.size());
  for (int k = 0; k < n; ++k) {
    if (terms[static_cast<std::size_t>(k)].power != n - k) return false;
  }
  return true;
}

std::string Signed(std::string text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) text.insert(0, 1, '+');
  return text;
}

}  // namespace

std::string Dividir(std::string_view xMenos, std::string_view texto) {
  const std::vector<TermText> terms = ReadTerms(texto);
  const std::string constantText = ObtenerIndependiente(texto, true);

  // Every coefficient, the constant and the root are converted before any
  // arithmetic, so a text that is not a number fails whatever its place.
  std::vector<mpz_class> values;
  values.reserve(terms.size());
  for (const TermText& term : terms) values.push_back(ToNumber(term.coefficient));
  const mpz_class constant = ToNumber(constantText);
  const mpz_class r = ToNumber(xMenos);
  if (terms.empty()) return {};

  // Dense coefficients, coeffs[i] multiplying x^i: repeated powers add up,
  // missing ones stay 0, the constant is the power 0.
  int degree = 0;
  for (const TermText& term : terms) degree = std::max(degree, term.power);
  std::vector<mpz_class> coeffs(static_cast<std::size_t>(degree) + 1);
  for (std::size_t k = 0; k < terms.size(); ++k) {
    coeffs[static_cast<std::size_t>(terms[k].power)] += values[k];
  }
  coeffs[0] += constant;
  if (degree == 0) return {};

  // Ruffini: quotient[i] multiplies x^i; the remainder is dropped, since
  // the caller has already established that r is a root. For a root the
  // quotient's coefficients stay below the sum of |coefficients|; for a
  // value that is not one they grow like r^i, so their total size is bounded.
  std::vector<mpz_class> quotient(static_cast<std::size_t>(degree));
  quotient[static_cast<std::size_t>(degree - 1)] = coeffs[static_cast<std::size_t>(degree)];
  std::size_t totalBits = 0;
  for (int i = degree - 1; i >= 1; --i) {
    const auto at = static_cast<std::size_t>(i);
    quotient[at - 1] = coeffs[at] + r * quotient[at];
    totalBits += mpz_sizeinbase(quotient[at - 1].get_mpz_t(), 2);
    if (totalBits > kMaxQuotientBits) throw EngineError(kOverflow);
  }

  // In the ordinary shape the leading coefficient is written as the user
  // typed it; anywhere else it is the sum of its terms in plain decimal.
  const bool ordinary = IsOrdinaryShape(terms);
  std::string result;
  for (int i = degree - 1; i >= 0; --i) {
    const auto at = static_cast<std::size_t>(i);
    result += (i == degree - 1 && ordinary) ? Signed(terms.front().coefficient)
                                            : Signed(ToText(quotient[at]));
    result += 'x';
    result += RaisedExponentText(i);
  }
  return result;
}

}  // namespace factorix
