#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/EngineError.h"
#include "engine/core/Polynomial.h"
#include "engine/factor/Factorization.h"
#include "engine/factor/RuffiniSteps.h"

namespace factorix {

// The work behind a result line: the polynomial, the Ruffini tables from the
// line's root on, and the complete factorisation.
struct Work {
  Polynomial polynomial;  // trimmed; empty for the zero polynomial
  std::vector<RuffiniTable> steps;
  Factorization factorization;
};

// Most characters all the tables of one piece of work may hold; more is
// too large to show.
inline constexpr std::size_t kMaxShownCharacters = 2000000;

// The polynomial of a formula text that is a sum of terms, read once with
// the engine's reader; nullopt for any other text (the search evaluates
// those candidate by candidate, and there is no work to show).
std::optional<Polynomial> ReadTerms(std::string_view text);

// ReadTerms for a caller that must tell the user why there is nothing to
// show: a sum of terms beyond the reader's limits (a power above kMaxFormulaDegree,
// a coefficient too long for a number) throws EngineError(kOverflow) instead
// of reading as no polynomial.
std::optional<Polynomial> ReadTermsWithinLimits(std::string_view text);

// What became of a text and the work on its polynomial (WithTermsGuarded).
struct GuardedTerms {
  int error = kNoError;     // the ErrorNumber that ended the reading or the work; kNoError when both ran to the end
  bool sumOfTerms = false;  // whether the text read as a sum of terms, so that the work ran
};

// Reads `text` with ReadTermsWithinLimits and runs `body` (void(const
// Polynomial&)) on its polynomial, both under RunGuarded: a text beyond the
// reader's limits and work past its deadline end alike, with their error
// number. `body` does not run for a text that is no sum of terms; what it
// wrote before an error stays.
template <typename Body>
GuardedTerms WithTermsGuarded(std::string_view text, Body&& body) noexcept {
  GuardedTerms outcome;
  outcome.error = RunGuarded([&] {
    const std::optional<Polynomial> polynomial = ReadTermsWithinLimits(text);
    outcome.sumOfTerms = polynomial.has_value();
    if (polynomial) body(*polynomial);
  });
  return outcome;
}

// The work for `polynomial` (from ReadTerms) from `root` on; no tables when
// `root` is nullopt. Throws EngineError(kOverflow) when the polynomial is
// too large to factor, or its tables too large to show.
Work ShowWork(const Polynomial& polynomial, const std::optional<mpz_class>& root);

}  // namespace factorix
