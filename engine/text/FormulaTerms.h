#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// One term with the variable, as the term readers see it.
struct VariableTerm {
  // ObtenerTermino's text: from the term's sign (or the start of the text)
  // up to the variable; a view into the text that was read.
  std::string_view written;
  // The exponent as the evaluator reads it after this "x" (see
  // ReadExponent); 1 when none is written, kTooLargePower past kMaxFormulaDegree.
  int power = 1;
  // True when the signs right before the term's own sign hold an odd number
  // of "-": the evaluator reads "--x" as x and "-+x" as -x, so the term's
  // value is the opposite of what its own sign says.
  bool negatedByRun = false;

  // The coefficient's text as ObtenerTermino returns it: `written`, or
  // the sign followed by "1" when the coefficient is left out.
  std::string Coefficient() const;

  // The coefficient with the sign the evaluator gives the term: Coefficient()
  // with its sign turned when negatedByRun ("-1" for "-+x", "+1" for "--x").
  std::string SignedCoefficient() const;
};

// A formula text read once, left to right. The search takes the constant
// term, the polynomial and the division's terms from this one reading
// instead of reading the text again for each of them. Holds views into the
// text, which must outlive it.
class FormulaTerms {
public:
  // Never throws but std::bad_alloc: what cannot be read is kept as such
  // and reported by whoever needs it.
  explicit FormulaTerms(std::string_view text);

  std::string_view text() const { return text_; }

  // Every "x", left to right, with its coefficient and power.
  const std::vector<VariableTerm>& terms() const { return terms_; }

  // ObtenerIndependiente of the text.
  std::string Constant(bool withSign) const;

  // The text as a polynomial when it is a plain sum of terms (the grammar
  // at ReadPolynomial); nullopt for any other text.
  const std::optional<Polynomial>& polynomial() const { return polynomial_; }

  // True when the text has the shape of a sum of terms but a power above
  // kMaxFormulaDegree or a coefficient too long for a number: ReadPolynomial
  // throws kOverflow for it.
  bool polynomialTooLarge() const { return polynomialTooLarge_; }

private:
  std::string_view text_;
  std::vector<VariableTerm> terms_;
  std::optional<Polynomial> polynomial_;
  bool polynomialTooLarge_ = false;
};

// Reads a formula text that is a sum of terms, each [signs]digits or
// [signs][digits]x with an optional exponent read as the evaluator reads it
// (a run of raised digits and the plain digits after it, or "^" and digits;
// see ReadExponent). A run of signs before a term is the one sign the
// evaluator makes of it: "--x" is x, "-+x" is -x. Repeated powers add up.
// Returns nullopt for any other text (letters, parentheses, "*", "/", "=",
// roots, ...). A power above kMaxFormulaDegree, or a coefficient longer than
// a number may be, throws EngineError(kOverflow).
std::optional<Polynomial> ReadPolynomial(std::string_view text);

}  // namespace factorix
