#include "engine/search/SearchPaths.h"

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/poly/IntegerRoots.h"
#include "engine/search/DivisorList.h"
#include "engine/core/EngineError.h"
#include "engine/eval/FormulaExpression.h"
#include "engine/text/Number.h"
#include "engine/search/ResultWriter.h"

namespace factorix {

namespace {

// Runs one search body and turns whatever it throws into the result's error
// number; the lines written before the error stay.
template <typename Body>
SearchResult Guarded(Body&& body) {
  SearchResult result;
  result.error = RunGuarded([&body, &result] { body(result); });
  return result;
}

// The divisors of a constant term as numbers, ascending: words when the
// constant fits one, GMP numbers otherwise (exactly one list is in use).
// Only the lines written get a text.
struct Divisors {
  std::vector<std::uint64_t> words;
  std::vector<mpz_class> big;

  bool empty() const { return words.empty() && big.empty(); }
};

// The same divisors and errors as DivisorList::ObtenerDivisores, within the
// search's own deadline.
Divisors ListCandidates(const std::string& constantText, SearchClock::time_point deadline) {
  const mpz_class n = abs(ToNumber(constantText));
  Divisors out;
  if (mpz_sizeinbase(n.get_mpz_t(), 2) <= kDivisorWordBits) {
    out.words = ListWordDivisors(n, deadline);
  } else {
    out.big = ListDivisors(n, deadline);
  }
  return out;
}

void SetCandidate(mpz_class& candidate, std::uint64_t d, bool negative) {
  static_assert(sizeof(unsigned long) == sizeof(std::uint64_t), "a divisor word is an unsigned long");
  mpz_set_ui(candidate.get_mpz_t(), d);
  if (negative) mpz_neg(candidate.get_mpz_t(), candidate.get_mpz_t());
}

void SetCandidate(mpz_class& candidate, const mpz_class& d, bool negative) {
  if (negative) {
    mpz_neg(candidate.get_mpz_t(), d.get_mpz_t());
  } else {
    mpz_set(candidate.get_mpz_t(), d.get_mpz_t());
  }
}

// Every candidate is a root: -d and +d for every divisor, in order.
template <typename Divisor>
void EveryCandidate(const std::vector<Divisor>& list, ResultWriter& writer) {
  mpz_class root;
  for (const Divisor& d : list) {
    SetCandidate(root, d, true);
    writer.AddRoot(root);
    SetCandidate(root, d, false);
    writer.AddRoot(root);
  }
}

void EveryCandidate(const Divisors& divisors, ResultWriter& writer) {
  EveryCandidate(divisors.words, writer);
  EveryCandidate(divisors.big, writer);
}

// Tries -d, then +d, for every divisor d in order. The quick check clears
// both at once; whatever it cannot clear is evaluated exactly, so a root,
// an error and the order of the lines are those of evaluating every
// candidate in turn.
template <typename Divisor>
void TryEveryCandidate(const std::vector<Divisor>& list, Expression& expression, ResultWriter& writer) {
  mpz_class candidate;
  for (const Divisor& d : list) {
    const NonZeroPair proof = expression.ProveNonZeroPair(d);
    if (!proof.minus) {
      SetCandidate(candidate, d, true);
      if (expression.IsZeroAt(candidate)) writer.AddRoot(candidate);
    }
    if (!proof.plus) {
      SetCandidate(candidate, d, false);
      if (expression.IsZeroAt(candidate)) writer.AddRoot(candidate);
    }
  }
}

}  // namespace

SearchResult SearchGeneral(const FormulaTerms& reading, SearchClock::time_point deadline) {
  return Guarded([&reading, deadline](SearchResult& result) {
    const Divisors divisors = ListCandidates(reading.Constant(false), deadline);
    if (divisors.empty()) return;  // constant 0: no candidate
    // Read once, evaluated for every candidate; a text the evaluator
    // rejects fails here, as it would at the first candidate.
    Expression expression = FormulaExpression::Compile(reading.text());
    expression.SetDeadline(deadline);
    // Every candidate divides the constant.
    expression.LimitVariables(ToNumber(reading.Constant(false)));
    ResultWriter writer(reading, result, deadline);
    if (!expression.UsesVariable()) {
      // The same value, or the same error, for every candidate.
      if (expression.IsZeroAt(mpz_class(0))) EveryCandidate(divisors, writer);
      return;
    }
    TryEveryCandidate(divisors.words, expression, writer);
    TryEveryCandidate(divisors.big, expression, writer);
  });
}

SearchResult SearchGeneral(const FormulaTerms& reading, std::chrono::milliseconds budget) {
  return SearchGeneral(reading, SearchClock::now() + budget);
}

SearchResult SearchGeneral(std::string_view text, std::chrono::milliseconds budget) {
  const auto deadline = SearchClock::now() + budget;
  const FormulaTerms reading(text);
  return SearchGeneral(reading, deadline);
}

SearchResult SearchPolynomial(const FormulaTerms& reading, std::chrono::milliseconds budget) {
  return SearchPolynomial(reading, SearchClock::now() + budget);
}

SearchResult SearchPolynomial(const FormulaTerms& reading, SearchClock::time_point deadline) {
  return Guarded([&reading, deadline](SearchResult& result) {
    const std::string constantText = reading.Constant(false);
    const mpz_class constant = ToNumber(constantText);
    if (constant == 0) return;  // no candidate
    ResultWriter writer(reading, result, deadline);
    const Polynomial& polynomial = *reading.polynomial();
    if (IsZero(polynomial)) {
      EveryCandidate(ListCandidates(constantText, deadline), writer);
      return;
    }
    for (const mpz_class& root : IntegerRootsDividing(polynomial, constant, deadline)) writer.AddRoot(root);
  });
}

}  // namespace factorix
