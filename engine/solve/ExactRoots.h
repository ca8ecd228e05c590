#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/solve/Solution.h"

// Exact roots of the equations a student solves by formula, in their
// simplest form: surds with the square factors taken out (sqrt(12) =
// 2*sqrt(3)) and fractions in lowest terms.
namespace factorix {

// n = root^2 * rest (n >= 1), with every square of a prime below 2^12 taken
// out of the rest, and of any prime when what is left after those fits one
// 64-bit word or is itself a square. A square of two large primes may stay
// in a rest of more than 64 bits: the surd is then right, only not in its
// simplest form.
struct SquareSplit {
  mpz_class root = 1;
  mpz_class rest = 1;
};
SquareSplit SplitSquares(const mpz_class& n);

// b^2 - 4ac.
mpz_class Discriminant(const mpz_class& a, const mpz_class& b, const mpz_class& c);

// The roots of ax^2 + bx + c = 0 (a != 0) from (-b ± sqrt(discriminant)) / 2a:
// one for a zero discriminant, else two, the real ones ascending and
// complex ones with the negative imaginary part first.
std::vector<ExactRoot> QuadraticRoots(const mpz_class& a, const mpz_class& b, const mpz_class& c);

// -sqrt(t) and +sqrt(t) for a rational t != 0 (imaginary for t < 0).
std::vector<ExactRoot> SquareRoots(const mpq_class& t);

// -sqrt(t) and +sqrt(t) for an irrational t (rational + surd * sqrt(d),
// real or complex), approximately, to at least 100 bits relative (Arb):
// real for t > 0, with a real part of exactly 0 for t < 0.
std::vector<Root> ApproximateSquareRoots(const ExactRoot& t);

// numerator / denominator (nonzero) in lowest terms, the denominator positive.
mpq_class Fraction(const mpz_class& numerator, const mpz_class& denominator);

// The rational number `value` as an exact root.
ExactRoot RationalRoot(const mpq_class& value);

bool operator==(const ExactRoot& a, const ExactRoot& b);

// The root as a Root with multiplicity 1: re and im exact where they are
// rational, else to at least 100 bits relative (Arb).
Root ToRoot(const ExactRoot& root);

}  // namespace factorix
