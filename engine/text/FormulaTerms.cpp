#include "engine/text/FormulaTerms.h"

#include "engine/core/Characters.h"
#include "engine/core/EngineError.h"
#include "engine/text/Number.h"
#include "engine/text/RaisedExponent.h"
#include "engine/text/Terms.h"

namespace factorix {

namespace {

bool IsSign(char c) { return c == '+' || c == '-'; }

// Every "x" with ObtenerTermino's coefficient text, in one pass: the term's
// own sign is the nearest sign before its variable, and the signs right
// before that one turn it for each "-" among them.
std::vector<VariableTerm> ReadVariableTerms(std::string_view text) {
  std::vector<VariableTerm> terms;
  std::size_t termStart = 0;  // 0-based: the last sign seen, or 0
  bool negatedByRun = false;  // an odd number of "-" right before termStart
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSign(text[i])) {
      const bool inRun = i > 0 && IsSign(text[i - 1]);
      negatedByRun = inRun && (negatedByRun != (text[i - 1] == '-'));
      termStart = i;
    } else if (text[i] == 'x') {
      VariableTerm term;
      term.written = text.substr(termStart, i - termStart);
      term.negatedByRun = negatedByRun;
      std::size_t after = i + 1;
      term.power = ReadExponent(text, after).value_or(1);
      terms.push_back(term);
    }
  }
  return terms;
}

// signs := ( "+" | "-" ) { "+" | "-" }
// Reads a run of signs from `pos` as the evaluator does: true when it holds
// an odd number of "-" ("--" is "+", "-+" is "-"); false for none.
bool ReadSigns(std::string_view text, std::size_t& pos) {
  bool negative = false;
  for (; pos < text.size() && IsSign(text[pos]); ++pos) negative = negative != (text[pos] == '-');
  return negative;
}

// polynomial := [ signs ] term { signs term }
// term       := digits [ "x" [ exponent ] ] | "x" [ exponent ]
// The terms' values add up by power. nullopt for any other text; throws
// kOverflow for a power above kMaxFormulaDegree or a coefficient too long.
std::optional<Polynomial> ReadSumOfTerms(std::string_view text) {
  Polynomial p;
  std::size_t pos = 0;
  bool first = true;
  while (first || pos < text.size()) {
    const std::size_t signsStart = pos;
    const bool negative = ReadSigns(text, pos);
    if (!first && pos == signsStart) return std::nullopt;  // terms are joined by signs
    first = false;

    const std::size_t digitsStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    const std::string_view digits = text.substr(digitsStart, pos - digitsStart);

    int power = 0;
    if (pos < text.size() && text[pos] == 'x') {
      ++pos;
      power = ReadExponent(text, pos).value_or(1);
    } else if (digits.empty()) {
      return std::nullopt;  // a sign with nothing after it, or a stray character
    }
    if (power == kTooLargePower) throw EngineError(kOverflow);

    mpz_class coefficient = digits.empty() ? mpz_class(1) : ToNumber(digits);
    if (negative) coefficient = -coefficient;
    const auto at = static_cast<std::size_t>(power);
    if (p.size() <= at) p.resize(at + 1);
    p[at] += coefficient;
  }
  return p;
}

}  // namespace

std::string VariableTerm::Coefficient() const {
  if (written.empty() || written == "+" || written == "-") return std::string(written) + "1";
  return std::string(written);
}

std::string VariableTerm::SignedCoefficient() const {
  std::string coefficient = Coefficient();
  if (!negatedByRun) return coefficient;
  // A run stands before the term's own sign, so `written` begins with it.
  coefficient[0] = coefficient[0] == '-' ? '+' : '-';
  return coefficient;
}

FormulaTerms::FormulaTerms(std::string_view text) : text_(text), terms_(ReadVariableTerms(text)) {
  try {
    polynomial_ = ReadSumOfTerms(text);
  } catch (const EngineError&) {
    polynomialTooLarge_ = true;
  }
}

std::string FormulaTerms::Constant(bool withSign) const { return ObtenerIndependiente(text_, withSign); }

std::optional<Polynomial> ReadPolynomial(std::string_view text) {
  FormulaTerms reading(text);
  if (reading.polynomialTooLarge()) throw EngineError(kOverflow);
  return reading.polynomial();
}

}  // namespace factorix
