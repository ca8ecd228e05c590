#include "engine/text/Division.h"

#include <algorithm>
#include <charconv>

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"

namespace factorix {

namespace {

// Largest total size of the quotient's coefficients, in bits (about ten
// million decimal digits).
constexpr std::size_t kMaxQuotientBits = std::size_t{32} << 20;

// True when the powers run n, n-1, ..., 1: every power present, decreasing,
// each once, which is the shape the help text asks the user to type.
bool IsOrdinaryShape(const std::vector<VariableTerm>& terms) {
  const std::size_t n = terms.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (terms[k].power != static_cast<int>(n - k)) return false;
  }
  return true;
}

// The raised runs of n, n-1, ..., 0 in turn, each made from the one
// before by counting its digits down.
class RaisedCountdown {
public:
  explicit RaisedCountdown(int n) {
    const std::string run = RaisedExponentText(n);
    run_.assign(run.begin(), run.end());
  }

  // Appends the current run, then steps to the exponent below it.
  void AppendAndStep(std::string& out) {
    out.append(run_.data(), run_.size());
    // Decrement: trailing raised 0s become 9s; a leading 1 that becomes 0
    // goes unless it is the only digit.
    std::size_t at = run_.size() - 1;
    while (run_[at] == '0' && at > 1) {
      run_[at] = '9';
      at -= 2;
    }
    if (run_[at] == '0') return;  // stepped past 0: the last run was written
    --run_[at];
    if (at == 1 && run_[1] == '0' && run_.size() > 2) run_.erase(run_.begin(), run_.begin() + 2);
  }

private:
  std::vector<char> run_;  // "e" and a digit, repeated
};

std::string Signed(std::string text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) text.insert(0, 1, '+');
  return text;
}

}  // namespace

Dividend::Dividend(const FormulaTerms& reading) {
  const std::vector<VariableTerm>& terms = reading.terms();
  for (const VariableTerm& term : terms) {
    if (term.power == kTooLargePower) throw EngineError(kOverflow);
  }
  const std::string constantText = reading.Constant(true);

  // Every coefficient and the constant are converted before anything else,
  // so a text that is not a number fails whatever its place.
  std::vector<mpz_class> values;
  values.reserve(terms.size());
  for (const VariableTerm& term : terms) values.push_back(ToNumber(term.SignedCoefficient()));
  const mpz_class constant = ToNumber(constantText);
  if (terms.empty()) return;

  // Dense coefficients: repeated powers add up, missing ones stay 0, the
  // constant is the power 0.
  int degree = 0;
  for (const VariableTerm& term : terms) degree = std::max(degree, term.power);
  coeffs_.resize(static_cast<std::size_t>(degree) + 1);
  for (std::size_t k = 0; k < terms.size(); ++k) {
    coeffs_[static_cast<std::size_t>(terms[k].power)] += values[k];
  }
  coeffs_[0] += constant;
  ordinary_ = IsOrdinaryShape(terms);
  if (ordinary_) leadingText_ = Signed(terms.front().SignedCoefficient());
}

std::string Dividend::Divide(const mpz_class& root) const {
  if (coeffs_.size() < 2) return {};  // no "x", or only x^0
  const std::size_t degree = coeffs_.size() - 1;
  std::vector<mpz_class>& quotient = quotient_;
  DivideByRoot(coeffs_, root, quotient, kMaxQuotientBits);
  std::size_t totalBits = 0;
  for (const mpz_class& q : quotient) totalBits += mpz_sizeinbase(q.get_mpz_t(), 2);

  // Each term: sign, digits, "x" and the raised exponent (at most 12
  // characters below kMaxFormulaDegree).
  std::string result;
  result.reserve(totalBits * 10 / 33 + degree * 16 + leadingText_.size());
  mpz_class magnitude;
  char buffer[40];
  RaisedCountdown exponent(static_cast<int>(degree) - 1);
  for (std::size_t i = degree; i-- > 0;) {
    const mpz_class& q = quotient[i];
    if (i == degree - 1 && ordinary_) {
      result += leadingText_;
    } else if (mpz_fits_slong_p(q.get_mpz_t())) {
      const long v = mpz_get_si(q.get_mpz_t());
      result += v < 0 ? '-' : '+';
      const unsigned long m = v < 0 ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
      const auto written = std::to_chars(buffer, buffer + sizeof buffer, m);
      result.append(buffer, written.ptr);
    } else {
      result += sgn(q) < 0 ? '-' : '+';
      mpz_abs(magnitude.get_mpz_t(), q.get_mpz_t());
      const std::size_t at = result.size();
      result.resize(at + mpz_sizeinbase(magnitude.get_mpz_t(), 10) + 1);
      mpz_get_str(result.data() + at, 10, magnitude.get_mpz_t());
      result.resize(at + std::char_traits<char>::length(result.data() + at));
    }
    result += 'x';
    exponent.AppendAndStep(result);
  }
  return result;
}

bool Dividend::QuotientIsZero() const { return Degree(coeffs_) < 1; }

std::string Dividir(std::string_view xMenos, std::string_view texto) {
  const Dividend dividend{FormulaTerms(texto)};
  return dividend.Divide(ToNumber(xMenos));
}

}  // namespace factorix
