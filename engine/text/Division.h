#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "engine/core/Polynomial.h"
#include "engine/text/DecimalNumber.h"
#include "engine/text/FormulaTerms.h"

namespace factorix {

// A polynomial text made ready for division by (x - r): its terms converted
// once, so that each root's quotient takes time linear in its length.
class Dividend {
public:
  // Reads the terms with the variable of `reading` and its constant with
  // its sign. Each term's power is the one the evaluator reads (a missing
  // power counts 0, a repeated one adds up). A power above
  // kMaxFormulaDegree throws kOverflow; a text without any sign throws
  // kInvalidCall (it has no constant with a sign); a coefficient or
  // constant that is not a number throws kTypeMismatch.
  explicit Dividend(const FormulaTerms& reading);

  // The quotient by (x - root) by Ruffini's rule, in formula text: one
  // term per power from its degree down to 0, each as sign, coefficient,
  // "xe" and the exponent as a run of raised digits ("xe1e0" for 10). The
  // remainder is dropped. In the ordinary shape (powers n, n-1, ..., 1,
  // each once) the leading coefficient keeps its text as written. Empty
  // when the text has no "x". A quotient of more than `maxBytes` bytes
  // throws kOverflow.
  std::string Divide(const mpz_class& root, std::size_t maxBytes = kMaxQuotientBytes) const;

  // Appends Chunga(Divide(root)) to `out`, written once: the power 1 as the
  // bare "x", the power 0 without the variable. Throws kOverflow, with
  // `out` holding part of the quotient, once the quotient passes
  // `maxBytes` bytes; as Divide's, its other errors may also leave a part.
  void AppendTidiedQuotient(const mpz_class& root, std::string& out, std::size_t maxBytes) const;

  // Whether AppendTidiedQuotient(root, out, maxBytes) would write it all.
  // Found term by term, keeping no more than one term's text.
  bool TidiedQuotientFits(const mpz_class& root, std::size_t maxBytes) const;

  // Most bytes one quotient's text may take: all the lines of a search
  // together take no more (kMaxLineBytes).
  static constexpr std::size_t kMaxQuotientBytes = std::size_t{64} << 20;

  // True when every coefficient but the constant is 0, so that the
  // quotient is the same (every coefficient 0) whatever the root.
  bool QuotientIsZero() const;

private:
  class Budget;

  // Writes the quotient by (x - r), each coefficient made from the one
  // above it, so that nothing but the text is kept; each term is handed
  // to `budget` once written.
  void WriteQuotient(const mpz_class& root, bool tidy, std::string& out, Budget& budget) const;
  void WriteBinaryCoefficients(const mpz_class& r, bool tidy, std::string& out, Budget& budget) const;
  void WriteDecimalCoefficients(const DecimalNumber& r, bool tidy, std::string& out, Budget& budget) const;

  // coefficients_[i] multiplies x^i, for i >= 1; coefficients_[0] stays 0,
  // since the constant only reaches the remainder. Empty without "x". In
  // base 10^9, so that a short root's quotient is written without any
  // conversion from binary.
  std::vector<DecimalNumber> coefficients_;
  mutable Polynomial binary_;              // the same in binary, made for the first long root
  std::string leadingText_;                // the leading coefficient as written, with a sign
  bool ordinary_ = false;
};

// Divides the polynomial in `texto` by (x - xMenos) with Ruffini's rule and
// returns the quotient in formula text (see Dividend). Exact for numbers of
// any length; an `xMenos` that is no number throws kTypeMismatch.
std::string Dividir(std::string_view xMenos, std::string_view texto);

}  // namespace factorix
