#include "engine/text/Division.h"

#include <algorithm>
#include <cstdint>

#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"

namespace factorix {

namespace {

// Bytes of a term's text besides its digits: the sign, "x" and the
// raised run of an exponent below 10^7.
constexpr std::size_t kTermTextBytes = 16;

// Roots of at most this many base-10^9 digits are divided in decimal; the
// schoolbook product then costs less than converting a binary quotient
// (a root of 150 digits: 0.4 s for 64 MB of quotients against 2.3 s; of
// 1000 digits, about the same; of 3000, more than twice as much).
constexpr std::size_t kMaxDecimalRootLimbs = 128;

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

// Appends the sign and digits of `q`.
void AppendSigned(const mpz_class& q, std::string& out) {
  out += sgn(q) < 0 ? '-' : '+';
  const std::size_t at = out.size();
  out.resize(at + mpz_sizeinbase(q.get_mpz_t(), 10) + 2);
  mpz_get_str(out.data() + at, 10, q.get_mpz_t());
  if (out[at] == '-') out.erase(at, 1);
  out.resize(at + std::char_traits<char>::length(out.data() + at));
}

}  // namespace

// The bytes a quotient's text may take, counted term by term. A term is
// made room for before it is written: the text's capacity doubles but
// never past its bound, so that a long line is not given twice its size.
// When only measuring, each term is dropped once counted.
class Dividend::Budget {
public:
  Budget(const std::string& out, std::size_t maxBytes, bool measureOnly,
         Clock::time_point deadline = Clock::time_point::max())
      : start_(out.size()), mark_(out.size()), maxBytes_(maxBytes), measureOnly_(measureOnly), deadline_(deadline) {}

  // Bytes that may still be written.
  std::size_t Left(const std::string& out) const {
    const std::size_t used = counted_ + (out.size() - mark_);
    return used >= maxBytes_ ? 0 : maxBytes_ - used;
  }

  // Room for about `bytes` more bytes in `out`.
  void MakeRoom(std::string& out, std::size_t bytes) const {
    const std::size_t need = out.size() + bytes;
    if (need <= out.capacity()) return;
    const std::size_t cap = start_ + std::min(maxBytes_, out.max_size() / 2);
    out.reserve(std::max(need, std::min(2 * out.capacity(), cap)));
  }

  // Counts what was written since the last count; throws kOverflow past
  // the bound or the deadline.
  void Count(std::string& out) {
    counted_ += out.size() - mark_;
    if (measureOnly_) {
      out.resize(mark_);
    } else {
      mark_ = out.size();
    }
    if (counted_ > maxBytes_) throw EngineError(kOverflow);
    if (deadline_ != Clock::time_point::max() && Clock::now() > deadline_) throw EngineError(kOverflow);
  }

private:
  std::size_t start_;
  std::size_t mark_;  // where the text not yet counted begins
  std::size_t maxBytes_;
  bool measureOnly_;
  Clock::time_point deadline_;
  std::size_t counted_ = 0;
};

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

std::string Dividend::Divide(const mpz_class& root, std::size_t maxBytes) const {
  std::string result;
  Budget budget(result, maxBytes, false);
  WriteQuotient(root, false, result, budget);
  return result;
}

void Dividend::AppendTidiedQuotient(const mpz_class& root, std::string& out, std::size_t maxBytes,
                                    Clock::time_point deadline) const {
  Budget budget(out, maxBytes, false, deadline);
  WriteQuotient(root, true, out, budget);
}

bool Dividend::TidiedQuotientFits(const mpz_class& root, std::size_t maxBytes, Clock::time_point deadline) const {
  std::string scratch;
  Budget budget(scratch, maxBytes, true, deadline);
  try {
    WriteQuotient(root, true, scratch, budget);
  } catch (const EngineError& e) {
    if (e.number() == kOverflow && (deadline == Clock::time_point::max() || Clock::now() <= deadline)) return false;
    throw;
  }
  return true;
}

void Dividend::WriteQuotient(const mpz_class& root, bool tidy, std::string& out, Budget& budget) const {
  if (coefficients_.size() < 2) return;  // no "x", or only x^0
  if (mpz_sizeinbase(root.get_mpz_t(), 10) <= kMaxDecimalRootLimbs * DecimalNumber::kDigitsPerLimb) {
    WriteDecimalCoefficients(DecimalNumber(root.get_str()), tidy, out, budget);
  } else {
    WriteBinaryCoefficients(root, tidy, out, budget);
  }
}

void Dividend::WriteDecimalCoefficients(const DecimalNumber& r, bool tidy, std::string& out, Budget& budget) const {
  // Ruffini from the top: the quotient's coefficient of x^(i-1) is r times
  // the one of x^i plus the dividend's of x^i.
  const std::size_t degree = coefficients_.size() - 1;
  RaisedCountdown exponent(static_cast<int>(degree) - 1);
  DecimalNumber q;
  std::vector<std::uint32_t> scratch;
  for (std::size_t i = degree; i >= 1; --i) {
    q.MultiplyAdd(r, coefficients_[i], scratch);
    if (i == degree && ordinary_) {
      out += leadingText_;
    } else {
      // At least DigitsBound() - 8 digits: one that cannot fit stops the
      // quotient before it is written.
      if (q.DigitsBound() > budget.Left(out) + DecimalNumber::kDigitsPerLimb) throw EngineError(kOverflow);
      budget.MakeRoom(out, q.DigitsBound() + kTermTextBytes);
      q.AppendSigned(out);
    }
    AppendVariable(exponent, i - 1, tidy, out);
    budget.Count(out);
  }
}

void Dividend::WriteBinaryCoefficients(const mpz_class& r, bool tidy, std::string& out, Budget& budget) const {
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
  for (std::size_t i = degree; i >= 1; --i) {
    q = q * r + binary_[i];
    if (i == degree && ordinary_) {
      out += leadingText_;
    } else {
      // The size is known before the digits: a coefficient that cannot
      // fit stops the quotient before it is converted.
      const std::size_t digits = mpz_sizeinbase(q.get_mpz_t(), 10);
      if (budget.Left(out) + 1 < digits) throw EngineError(kOverflow);
      budget.MakeRoom(out, digits + kTermTextBytes);
      AppendSigned(q, out);
    }
    AppendVariable(exponent, i - 1, tidy, out);
    budget.Count(out);
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
