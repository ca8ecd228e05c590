#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "engine/exercises/SheetJson.h"
#include "engine/exercises/SplitMix64.h"
#include "engine/factor/Factorization.h"
#include "tests/engine/TestPolynomials.h"

namespace factorix {

// A sheet's options by name in test names, rather than their raw bytes.
void PrintTo(const SheetOptions& o, std::ostream* out) {
  *out << o.count << " of degree " << o.degree << " in " << o.lowest << ".." << o.highest
       << (o.rationals ? " rationals" : "") << (o.complexFactor ? " complex" : "") << " seed " << o.seed;
}

namespace {

using test::Times;

// The factorisation's content times every factor to its power.
Polynomial Expand(const Factorization& f) {
  Polynomial p{f.content};
  for (const FactorPower& power : f.factors)
    for (unsigned i = 0; i < power.multiplicity; ++i) p = Times(p, power.factor);
  return p;
}

// P(p/q) * q^degree, an integer that is 0 exactly at a root.
mpz_class ScaledValue(const Polynomial& p, const mpq_class& x) {
  mpz_class value;
  for (std::size_t i = p.size(); i-- > 0;) {
    mpz_class power = 1;
    for (std::size_t k = 0; k < p.size() - 1 - i; ++k) power *= x.get_den();
    mpz_class term = p[i] * power;
    for (std::size_t k = 0; k < i; ++k) term *= x.get_num();
    value += term;
  }
  return value;
}

// `p` as a polynomial of content 1 from FLINT's factorisation: constant
// multiples of each other give the same form.
Polynomial PrimitiveForm(const Polynomial& p) {
  Factorization factorization = Factorize(p);
  factorization.content = 1;
  return Expand(factorization);
}

class Sheets : public testing::TestWithParam<SheetOptions> {};


// Every promise of a sheet: its size and degree, roots in the range with
// at least one integer, denominators up to 4, an irreducible quadratic when
// asked, no two polynomials alike (the same factors: one a constant multiple
// of the other), and a factorisation that multiplies back.
TEST_P(Sheets, KeepTheirPromises) {
  const SheetOptions& options = GetParam();
  const std::vector<Exercise> sheet = MakeSheet(options);
  ASSERT_EQ(static_cast<int>(sheet.size()), options.count);
  std::set<Polynomial> primitiveForms;
  for (const Exercise& exercise : sheet) {
    const Polynomial& p = exercise.polynomial;
    EXPECT_EQ(Degree(p), options.degree);
    EXPECT_EQ(Expand(Factorize(p)), p);
    EXPECT_TRUE(primitiveForms.insert(PrimitiveForm(p)).second);
    bool integerRoot = false;
    for (const mpq_class& root : exercise.roots) {
      EXPECT_TRUE(options.lowest <= root && root <= options.highest) << root;
      EXPECT_LE(root.get_den(), options.rationals ? 4 : 1);
      EXPECT_EQ(ScaledValue(p, root), 0) << root;
      integerRoot = integerRoot || root.get_den() == 1;
    }
    EXPECT_TRUE(integerRoot);
    const std::size_t quadraticDegree = options.complexFactor ? 2 : 0;
    EXPECT_EQ(exercise.roots.size() + quadraticDegree, static_cast<std::size_t>(options.degree));
    if (options.complexFactor) {
      EXPECT_LT(exercise.quadratic[1] * exercise.quadratic[1], 4 * exercise.quadratic[0]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Exercises, Sheets,
                         testing::Values(SheetOptions{},
                                         SheetOptions{200, 8, -6, 6, false, false, 1},
                                         SheetOptions{6, 2, -1, 1, false, false, 2},
                                         SheetOptions{80, 2, -6, 6, false, false, 7},
                                         SheetOptions{40, 4, -3, 5, true, false, 3},
                                         SheetOptions{40, 5, -6, 6, false, true, 4},
                                         SheetOptions{40, 6, -2, 2, true, true, 5},
                                         SheetOptions{20, 3, 7, 9, true, false, 6}),
                         [](const testing::TestParamInfo<SheetOptions>& info) {
                           const SheetOptions& o = info.param;
                           return std::to_string(o.count) + "OfDegree" + std::to_string(o.degree) + "Seed" +
                                  std::to_string(o.seed);
                         });

TEST(Exercises, SameSeedSameSheet) {
  SheetOptions options{30, 5, -6, 6, true, false, 12345};
  const std::string json = SheetJson(options.seed, MakeSheet(options));
  EXPECT_EQ(json, SheetJson(options.seed, MakeSheet(options)));
  options.seed = 12346;
  EXPECT_NE(json, SheetJson(options.seed, MakeSheet(options)));
}

// The generator is SplitMix64 itself: its published first outputs.
TEST(Exercises, GeneratorIsSplitMix64) {
  SplitMix64 random(1234567);
  EXPECT_EQ(random.Next(), 6457827717110365317ULL);
  EXPECT_EQ(random.Next(), 3203168211198807973ULL);
}

TEST(Exercises, ProblemsWithOptions) {
  const struct {
    SheetOptions options;
    SheetProblem problem;
  } cases[] = {
      {{0, 3, -6, 6, false, false, 0}, SheetProblem::kCount},
      {{201, 3, -6, 6, false, false, 0}, SheetProblem::kCount},
      {{10, 1, -6, 6, false, false, 0}, SheetProblem::kDegree},
      {{10, 9, -6, 6, false, false, 0}, SheetProblem::kDegree},
      {{10, 3, 6, -6, false, false, 0}, SheetProblem::kRange},
      {{10, 3, -1001, 6, false, false, 0}, SheetProblem::kRange},
      {{10, 2, -6, 6, false, true, 0}, SheetProblem::kComplexDegree},
      {{10, 3, -6, 6, true, true, 0}, SheetProblem::kComplexDegree},
      {{10, 3, 2, 2, true, false, 0}, SheetProblem::kRationalRange},
      {{10, 3, 2, 2, false, false, 0}, SheetProblem::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckSheetOptions(c.options), c.problem);
  // Only the leading coefficient can vary: fewer than 10 polynomials exist.
  EXPECT_TRUE(MakeSheet({10, 3, 2, 2, false, false, 0}).empty());
}

// Two roots from -1..1 make six root sets: a sheet of 25 takes each of them,
// then polynomials with the same roots and another leading coefficient.
TEST(Exercises, FewRootSetsAreTakenAgainWithOtherLeadingCoefficients) {
  const std::vector<Exercise> sheet = MakeSheet({25, 2, -1, 1, false, false, 2});
  std::set<Polynomial> polynomials, primitiveForms;
  for (const Exercise& exercise : sheet) {
    polynomials.insert(exercise.polynomial);
    primitiveForms.insert(PrimitiveForm(exercise.polynomial));
  }
  EXPECT_EQ(polynomials.size(), 25u);
  EXPECT_EQ(primitiveForms.size(), 6u);
}

TEST(Exercises, ComplexRootsAreExact) {
  const struct {
    Polynomial quadratic;
    std::vector<std::string> roots;
  } cases[] = {
      {{1, 0, 1}, {"-i", "i"}},
      {{5, 2, 1}, {"-1-2i", "-1+2i"}},
      {{1, 1, 1}, {"(-1-√3i)/2", "(-1+√3i)/2"}},
      {{4, 3, 1}, {"(-3-√7i)/2", "(-3+√7i)/2"}},
      {{4, 2, 1}, {"-1-√3i", "-1+√3i"}},
      {{2, 0, 1}, {"-√2i", "√2i"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ComplexRootTexts(c.quadratic), c.roots);
}

}  // namespace
}  // namespace factorix
