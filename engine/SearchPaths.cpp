#include "engine/SearchPaths.h"

#include <gmpxx.h>

#include <exception>
#include <new>
#include <string>

#include "engine/DivisorList.h"
#include "engine/EngineError.h"
#include "engine/FormulaExpression.h"
#include "engine/Number.h"
#include "engine/ResultWriter.h"
#include "engine/Terms.h"

namespace factorix {

namespace {

// Runs one search body and turns whatever it throws into the result's error
// number; the lines written before the error stay.
template <typename Body>
SearchResult Guarded(Body&& body) {
  SearchResult result;
  try {
    body(result);
  } catch (const EngineError& e) {
    result.error = e.number();
  } catch (...) {
    // Out of memory or a container beyond its size: the calculation was
    // too large, like any other overflow.
    result.error = kOverflow;
  }
  return result;
}

// Every candidate is a root: -d and +d for every divisor, in order.
void EveryCandidate(const DivisorList& list, ResultWriter& writer) {
  for (const std::string& d : list.Divisores) {
    writer.AddRoot(d, true);
    writer.AddRoot(d, false);
  }
}

}  // namespace

SearchResult SearchGeneral(std::string_view text, std::chrono::milliseconds budget) {
  return Guarded([text, budget](SearchResult& result) {
    DivisorList list;
    list.ObtenerDivisores(ObtenerIndependiente(text, false));
    if (list.Divisores.empty()) return;  // constant 0: no candidate
    // Read once, evaluated for every candidate; a text the evaluator
    // rejects fails here, as it would at the first candidate.
    Expression expression = FormulaExpression::Compile(text);
    expression.SetDeadline(std::chrono::steady_clock::now() + budget);
    ResultWriter writer(text, result);
    if (!expression.UsesVariable()) {
      // The same value, or the same error, for every candidate.
      if (expression.IsZeroAt(mpz_class(0))) EveryCandidate(list, writer);
      return;
    }
    mpz_class largest(list.Divisores.back(), 10);
    expression.PrepareForVariableBits(mpz_sizeinbase(largest.get_mpz_t(), 2));
    mpz_class candidate;
    for (const std::string& d : list.Divisores) {
      mpz_set_str(candidate.get_mpz_t(), d.c_str(), 10);
      mpz_neg(candidate.get_mpz_t(), candidate.get_mpz_t());
      if (expression.IsZeroAt(candidate)) writer.AddRoot(d, true);
      mpz_neg(candidate.get_mpz_t(), candidate.get_mpz_t());
      if (expression.IsZeroAt(candidate)) writer.AddRoot(d, false);
    }
  });
}

SearchResult SearchPolynomial(std::string_view text, const Polynomial& polynomial) {
  return Guarded([text, &polynomial](SearchResult& result) {
    const std::string constantText = ObtenerIndependiente(text, false);
    const mpz_class constant = ToNumber(constantText);
    if (constant == 0) return;  // no candidate
    ResultWriter writer(text, result);
    if (polynomial.IsZero()) {
      DivisorList list;
      list.ObtenerDivisores(constantText);
      EveryCandidate(list, writer);
      return;
    }
    mpz_class magnitude;
    for (const mpz_class& root : IntegerRootsDividing(polynomial, constant)) {
      mpz_abs(magnitude.get_mpz_t(), root.get_mpz_t());
      writer.AddRoot(ToText(magnitude), root < 0);
    }
  });
}

}  // namespace factorix
