#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "engine/core/Polynomial.h"
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
  // "xe" and the exponent as a run of raised digits ("xe1e0" for 10). The remainder is dropped. In the ordinary shape
  // (powers n, n-1, ..., 1, each once) the leading coefficient keeps its
  // text as written. Empty when the text has no "x". A quotient too large
  // to hold (only a value that is no root can give one) throws kOverflow.
  std::string Divide(const mpz_class& root) const;

  // True when every coefficient but the constant is 0, so that the
  // quotient is the same (every coefficient 0) whatever the root.
  bool QuotientIsZero() const;

private:
  Polynomial coeffs_;             // empty without "x"; zeros at the top kept
  std::string leadingText_;       // the leading coefficient as written, with a sign
  bool ordinary_ = false;
  mutable Polynomial quotient_;   // scratch, kept between divisions
};

// Divides the polynomial in `texto` by (x - xMenos) with Ruffini's rule and
// returns the quotient in formula text (see Dividend). Exact for numbers of
// any length; an `xMenos` that is no number throws kTypeMismatch.
std::string Dividir(std::string_view xMenos, std::string_view texto);

}  // namespace factorix
