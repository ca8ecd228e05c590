#include "engine/text/Division.h"

#include <algorithm>
#include <cstdint>

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"

namespace factorix {

namespace {

// Roots of at most this many base-10^9 digits are divided in decimal; the
// schoolbook product then costs less than converting a binary quotient.
constexpr std::size_t kMaxDecimalRootLimbs = 16;

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
    Step();
  }

  // Steps to the exponent below without writing.
  void Step() {
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

// Appends the variable of the term of x^power: "x" and its raised run, or
// tidied, "x" alone for the power 1 and nothing for the power 0.
void AppendVariable(RaisedCountdown& exponent, std::size_t power, bool tidy, std::string& out) {
  if (!tidy || power >= 2) {
    out += 'x';
    exponent.AppendAndStep(out);
    return;
  }
  if (power == 1) out += 'x';
  exponent.Step();
}

std::string Signed(std::string text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) text.insert(0, 1, '+');
  return text;
}

// Appends the sign and digits of `q`; returns the number of digits.
std::size_t AppendSigned(const mpz_class& q, std::string& out) {
  out += sgn(q) < 0 ? '-' : '+';
  const std::size_t at = out.size();
  out.resize(at + mpz_sizeinbase(q.get_mpz_t(), 10) + 2);
  mpz_get_str(out.data() + at, 10, q.get_mpz_t());
  if (out[at] == '-') out.erase(at, 1);
  out.resize(at + std::char_traits<char>::length(out.data() + at));
  return out.size() - at;
}

}  // namespace

Dividend::Dividend(const FormulaTerms& reading) {
  const std::vector<VariableTerm>& terms = reading.terms();
  for (const VariableTerm& term : terms) {
    if (term.power == kTooLargePower) throw EngineError(kOverflow);
  }
  // Every coefficient and the constant are checked before anything else,
  // so a text that is not a number fails whatever its place.
  std::vector<std::string> texts;
  texts.reserve(terms.size());
  for (const VariableTerm& term : terms) {
    texts.push_back(term.SignedCoefficient());
    CheckNumber(texts.back());
  }
  CheckNumber(reading.Constant(true));
  if (terms.empty()) return;

  // Dense coefficients: repeated powers add up, missing ones stay 0.
  int degree = 0;
  for (const VariableTerm& term : terms) degree = std::max(degree, term.power);
  coefficients_.resize(static_cast<std::size_t>(degree) + 1);
  const DecimalNumber one("1");
  std::vector<std::uint32_t> scratch;
  for (std::size_t k = 0; k < terms.size(); ++k) {
    if (terms[k].power == 0) continue;  // part of the constant
    DecimalNumber& c = coefficients_[static_cast<std::size_t>(terms[k].power)];
    if (c.IsZero()) {
      c = DecimalNumber(texts[k]);
    } else {
      c.MultiplyAdd(one, DecimalNumber(texts[k]), scratch);
    }
  }
  ordinary_ = IsOrdinaryShape(terms);
  if (ordinary_) leadingText_ = Signed(terms.front().SignedCoefficient());
}

std::string Dividend::Divide(const mpz_class& root) const {
  std::string result;
  WriteQuotient(root, false, result);
  return result;
}

void Dividend::AppendTidiedQuotient(const mpz_class& root, std::string& out) const {
  WriteQuotient(root, true, out);
}

void Dividend::WriteQuotient(const mpz_class& root, bool tidy, std::string& out) const {
  if (coefficients_.size() < 2) return;  // no "x", or only x^0
  if (mpz_sizeinbase(root.get_mpz_t(), 10) <= kMaxDecimalRootLimbs * DecimalNumber::kDigitsPerLimb) {
    WriteDecimalCoefficients(DecimalNumber(root.get_str()), tidy, out);
  } else {
    WriteBinaryCoefficients(root, tidy, out);
  }
}

void Dividend::WriteDecimalCoefficients(const DecimalNumber& r, bool tidy, std::string& out) const {
  // Ruffini from the top: the quotient's coefficient of x^(i-1) is r times
  // the one of x^i plus the dividend's of x^i.
  const std::size_t degree = coefficients_.size() - 1;
  RaisedCountdown exponent(static_cast<int>(degree) - 1);
  DecimalNumber q;
  std::vector<std::uint32_t> scratch;
  std::size_t digits = 0;
  for (std::size_t i = degree; i >= 1; --i) {
    q.MultiplyAdd(r, coefficients_[i], scratch);
    if (i == degree && ordinary_) {
      out += leadingText_;
    } else {
      digits += q.AppendSigned(out);
      if (digits > kMaxQuotientDigits) throw EngineError(kOverflow);
    }
    AppendVariable(exponent, i - 1, tidy, out);
  }
}

void Dividend::WriteBinaryCoefficients(const mpz_class& r, bool tidy, std::string& out) const {
  if (binary_.empty()) {
    binary_.resize(coefficients_.size());
    std::string text;
    for (std::size_t i = 1; i < coefficients_.size(); ++i) {
      text.clear();
      coefficients_[i].AppendPlain(text);
      binary_[i].set_str(text, 10);
    }
  }
  const std::size_t degree = binary_.size() - 1;
  RaisedCountdown exponent(static_cast<int>(degree) - 1);
  mpz_class q;
  std::size_t digits = 0;
  for (std::size_t i = degree; i >= 1; --i) {
    q = q * r + binary_[i];
    if (i == degree && ordinary_) {
      out += leadingText_;
    } else {
      // The size is known before the digits: a quotient that cannot fit
      // stops before it is written.
      if (digits + mpz_sizeinbase(q.get_mpz_t(), 10) > kMaxQuotientDigits + 1) throw EngineError(kOverflow);
      digits += AppendSigned(q, out);
      if (digits > kMaxQuotientDigits) throw EngineError(kOverflow);
    }
    AppendVariable(exponent, i - 1, tidy, out);
  }
}

bool Dividend::QuotientIsZero() const {
  return std::all_of(coefficients_.begin(), coefficients_.end(), [](const DecimalNumber& c) { return c.IsZero(); });
}

std::string Dividir(std::string_view xMenos, std::string_view texto) {
  const Dividend dividend{FormulaTerms(texto)};
  return dividend.Divide(ToNumber(xMenos));
}

}  // namespace factorix
