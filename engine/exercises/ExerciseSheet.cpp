#include "engine/exercises/ExerciseSheet.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <set>
#include <stdexcept>

#include "engine/exercises/SplitMix64.h"

namespace factorix {
namespace {

constexpr long kLeadingCoefficients[] = {1, 1, 1, -1, 2, -2, 3};
constexpr long kMaxDenominator = 4;
constexpr int kAttemptsPerExercise = 200;  // draws allowed before the choices count as exhausted
// Draws in a row that only repeat the roots of a polynomial on the sheet
// before a polynomial with the same roots but another leading coefficient
// is taken: a narrow range has few root sets.
constexpr int kDrawsForNewRoots = 50;

Polynomial Multiply(const Polynomial& a, const Polynomial& b) {
  Polynomial out(a.size() + b.size() - 1);
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j) out[i + j] += a[i] * b[j];
  return out;
}

// p/q in lowest terms with 1 < q <= 4 and lowest < p/q < highest.
mpq_class RationalRoot(SplitMix64& random, const SheetOptions& options) {
  while (true) {
    const long q = random.Between(2, kMaxDenominator);
    const long p = random.Between(options.lowest * q + 1, options.highest * q - 1);
    if (std::gcd(std::labs(p), q) == 1) return mpq_class(p, q);
  }
}

// x^2 + bx + c with no real root.
Polynomial IrreducibleQuadratic(SplitMix64& random) {
  const long b = random.Between(-4, 4);
  const long c = b * b / 4 + random.Between(1, 5);
  return {c, b, 1};
}

// `p` over the gcd of its coefficients, its leading coefficient made
// positive: two polynomials are constant multiples of each other, that is
// have the same roots, exactly when these agree. `p` is not zero.
Polynomial PrimitiveForm(Polynomial p) {
  Trim(p);
  mpz_class content = 0;
  for (const mpz_class& c : p) content = gcd(content, c);
  if (p.back() < 0) content = -content;
  for (mpz_class& c : p) c /= content;
  return p;
}

Exercise Draw(SplitMix64& random, const SheetOptions& options) {
  Exercise exercise;
  int left = options.degree;
  if (options.complexFactor) {
    exercise.quadratic = IrreducibleQuadratic(random);
    left -= 2;
  }
  const int rationalCount = options.rationals ? static_cast<int>(random.Between(1, std::min(2, left - 1))) : 0;
  for (int i = 0; i < rationalCount; ++i) exercise.roots.push_back(RationalRoot(random, options));
  for (int i = rationalCount; i < left; ++i) exercise.roots.push_back(random.Between(options.lowest, options.highest));
  std::sort(exercise.roots.begin(), exercise.roots.end());

  const long leading = kLeadingCoefficients[random.Below(std::size(kLeadingCoefficients))];
  Polynomial p{leading};
  for (const mpq_class& root : exercise.roots) p = Multiply(p, {-root.get_num(), root.get_den()});
  if (!exercise.quadratic.empty()) p = Multiply(p, exercise.quadratic);
  exercise.polynomial = std::move(p);
  return exercise;
}

}  // namespace

SheetProblem CheckSheetOptions(const SheetOptions& options) {
  if (options.count < kMinExercises || options.count > kMaxExercises) return SheetProblem::kCount;
  if (options.degree < kMinSheetDegree || options.degree > kMaxSheetDegree) return SheetProblem::kDegree;
  if (options.lowest > options.highest || std::labs(options.lowest) > kMaxRootBound ||
      std::labs(options.highest) > kMaxRootBound)
    return SheetProblem::kRange;
  if (options.complexFactor && options.degree < (options.rationals ? 4 : 3)) return SheetProblem::kComplexDegree;
  if (options.rationals && options.lowest == options.highest) return SheetProblem::kRationalRange;
  return SheetProblem::kNone;
}

std::vector<Exercise> MakeSheet(const SheetOptions& options) {
  if (CheckSheetOptions(options) != SheetProblem::kNone) throw std::invalid_argument("sheet options");
  SplitMix64 random(options.seed);
  std::vector<Exercise> sheet;
  std::set<Polynomial> polynomials;     // on the sheet
  std::set<Polynomial> primitiveForms;  // of the polynomials on the sheet
  int repeatsInARow = 0;                // draws with the roots of a polynomial on the sheet
  for (int attempts = 0; static_cast<int>(sheet.size()) < options.count; ++attempts) {
    if (attempts >= kAttemptsPerExercise * options.count) return {};
    Exercise exercise = Draw(random, options);
    if (polynomials.count(exercise.polynomial) != 0) continue;
    const bool newRoots = primitiveForms.insert(PrimitiveForm(exercise.polynomial)).second;
    if (!newRoots && ++repeatsInARow < kDrawsForNewRoots) continue;
    if (newRoots) repeatsInARow = 0;
    polynomials.insert(exercise.polynomial);
    sheet.push_back(std::move(exercise));
  }
  return sheet;
}

}  // namespace factorix
