#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/core/Polynomial.h"

// Polynomials in x as people write them, in books, on web pages and in
// other programs, turned into the pad's own text.
namespace factorix {

// What ReadWrittenPolynomial made of a text.
struct WrittenPolynomial {
  enum class Status {
    kRead,        // padText holds the polynomial
    kUnreadable,  // the text is no polynomial in x: see position, character
    kTooLarge,    // a polynomial, but a power above kMaxFormulaDegree or a
                  // coefficient longer than a number may be
  };
  Status status = Status::kRead;
  // kRead: the polynomial in the pad's canonical form (see PadPolynomialText).
  std::string padText;
  // kUnreadable: the 1-based position, in characters (Unicode code points),
  // of the first character that could not be read, and that character in
  // UTF-8 (U+FFFD for a byte that is no UTF-8). When the text ends where
  // something more was needed ("x^", "2x +", or nothing but blanks), the
  // position is one past the last character and `character` is empty.
  std::size_t position = 0;
  std::string character;
};

// Reads a polynomial in x with whole coefficients from UTF-8 text, as people
// write it:
//  - blanks (space, tab, line ends, no-break and thin spaces) anywhere, even
//    inside a number ("1 000" is 1000);
//  - "+" and "-", the minus sign U+2212 and the en dash U+2013;
//  - "x" or "X"; a coefficient before it, optionally joined by "*", "·"
//    (U+00B7) or "⋅" (U+22C5); a coefficient left out is 1;
//  - powers as "^n", "**n", superscript digits ("x³", "x¹²") or the pad's
//    raised digits ("xe3", "xe1e2");
//  - terms in any order; a power given twice adds up ("x + 2x" is 3x);
//  - an optional leading "P(x) =" or "f(x) =" (either case, either x) and
//    an optional trailing "= 0".
// Never throws but std::bad_alloc.
WrittenPolynomial ReadWrittenPolynomial(std::string_view utf8);

// The pad's canonical text of the polynomial `p` (zeros at the top allowed): every power from the degree down to 0 in turn, each with
// its coefficient written, 1 and 0 included, and its sign ("+" too, but not
// before the first); x¹ as "x", higher powers as raised digits. x³ - 8 is
// "1xe3+0xe2+0x-8" and 2x¹² "2xe1e2+0xe1e1+...+0x+0". A constant is its
// number ("-5"), the zero polynomial "0": the pad's text for a constant,
// which has no candidate that is a root.
std::string PadPolynomialText(const Polynomial& p);

}  // namespace factorix
