#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <vector>

#include "engine/core/Polynomial.h"

namespace factorix {

// What a sheet of factorisation exercises is made of.
struct SheetOptions {
  int count = 10;         // exercises, kMinExercises..kMaxExercises
  int degree = 3;         // kMinSheetDegree..kMaxSheetDegree
  long lowest = -6;       // the integer roots lie in [lowest, highest],
  long highest = 6;       // both within ±kMaxRootBound
  bool rationals = false;       // some roots p/q with 1 < q <= 4, also in the range
  bool complexFactor = false;   // one factor an irreducible quadratic
  std::uint64_t seed = 0;
};

inline constexpr int kMinExercises = 1;
inline constexpr int kMaxExercises = 200;
inline constexpr int kMinSheetDegree = 2;
inline constexpr int kMaxSheetDegree = 8;
inline constexpr long kMaxRootBound = 1000;

// Why a set of options cannot give a sheet.
enum class SheetProblem {
  kNone,
  kCount,              // count outside 1..200
  kDegree,             // degree outside 2..8
  kRange,              // lowest > highest, or a bound beyond ±1000
  kComplexDegree,      // an irreducible quadratic and an integer root need degree 3 (4 with rationals)
  kRationalRange,      // no p/q with 1 < q <= 4 lies in a range of one number
  kTooFewPolynomials,  // the choices do not give `count` different polynomials
};

// One exercise: a polynomial and the roots it was built from.
struct Exercise {
  Polynomial polynomial;        // coeffs[i] multiplies x^i
  std::vector<mpq_class> roots;   // the rational roots, ascending, each as often as it divides
  Polynomial quadratic;         // the irreducible factor x^2 + bx + c as {c, b, 1}; empty when none
};

// The problem with `options`, kNone when a sheet can be made (but for too
// few different polynomials, which only MakeSheet finds out).
SheetProblem CheckSheetOptions(const SheetOptions& options);

// `options.count` different polynomials of `options.degree`, none with the
// roots of another (a constant multiple of it) while the range gives new
// root sets within a few dozen draws; after that, one with the same roots
// and another leading coefficient is taken. The leading
// coefficient a from {1, 1, 1, -1, 2, -2, 3} (1 is thrice as likely) times
// (x - r) for integer roots r in the range (at least one), times (qx - p)
// for one or two roots p/q with --rationals, times x^2 + bx + c with
// b^2 < 4c, |b| <= 4, c <= b^2/4 + 5 with complexFactor. The same options
// and seed always give the same sheet. Throws std::invalid_argument when
// CheckSheetOptions finds a problem; gives an empty sheet when the choices
// run out before `count` different polynomials (kTooFewPolynomials).
std::vector<Exercise> MakeSheet(const SheetOptions& options);

}  // namespace factorix
