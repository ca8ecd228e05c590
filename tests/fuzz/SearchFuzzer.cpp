// Fuzz target: arbitrary bytes as the text of the input pad, through the
// whole search. The search must return (never throw, never hang) with result
// lines, an error number or both, and every line it writes must be right:
//  - each line is " (x+d) (quotient)" or " (x-d) (quotient)" for the root
//    -d or +d given beside it, d a positive divisor of the constant term, the factors in candidate order (by d, then
//    -d before +d), none twice; only the last line of a failed search may
//    hold the factor alone;
//  - for a text that reads as a polynomial p, quotient * (x - r) = p exactly,
//    r being the root of the line.
#include "engine/core/EngineError.h"
#include "engine/text/FormulaTerms.h"
#include "engine/text/Number.h"
#include "engine/text/FormulaTerms.h"
#include "engine/search/Search.h"
#include "engine/text/Terms.h"
#include "tests/fuzz/FuzzCheck.h"

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using factorix::fuzz::Check;

// One result line taken apart. pass 1 is the candidate -d, pass 2 is +d.
struct Line {
  mpz_class divisor;
  int pass = 0;
  bool complete = false;
  std::string quotient;  // between " (" and the final ")"; empty when incomplete
};

// The line of `root` taken apart: it must begin with the root's factor.
Line Split(std::string_view text, const mpz_class& root) {
  Line line;
  Check(root != 0, "root 0", text);
  line.pass = root < 0 ? 1 : 2;
  line.divisor = abs(root);
  const std::string factor = std::string(root < 0 ? " (x+" : " (x-") + line.divisor.get_str() + ")";
  Check(text.substr(0, factor.size()) == factor, "line does not begin with the factor of its root", text);
  const std::string_view rest = text.substr(factor.size());
  if (rest.empty()) return line;
  Check(rest.size() >= 3 && rest.substr(0, 2) == " (" && rest.back() == ')',
        "quotient is not \" (...)\"", text);
  line.complete = true;
  line.quotient = std::string(rest.substr(2, rest.size() - 3));
  return line;
}

// The constant term as the search reads it: everything after the last sign.
std::optional<mpz_class> Constant(std::string_view text) {
  try {
    return factorix::ToNumber(factorix::ObtenerIndependiente(text, false));
  } catch (const factorix::EngineError&) {
    return std::nullopt;
  }
}

std::vector<mpz_class> Trimmed(std::vector<mpz_class> coeffs) {
  while (!coeffs.empty() && coeffs.back() == 0) coeffs.pop_back();
  return coeffs;
}

// quotient * (x - root), coefficients by ascending power.
std::vector<mpz_class> TimesLinear(const std::vector<mpz_class>& q, const mpz_class& root) {
  std::vector<mpz_class> out(q.size() + 1);
  for (std::size_t i = 0; i < q.size(); ++i) {
    out[i + 1] += q[i];
    out[i] -= q[i] * root;
  }
  return out;
}

void CheckQuotient(const factorix::Polynomial& p, const Line& line, std::string_view text) {
  const mpz_class root = line.pass == 1 ? mpz_class(-line.divisor) : line.divisor;
  if (line.quotient.empty()) {
    // Only a text without the variable divides to nothing; it is a root
    // everywhere only when its value is 0.
    Check(factorix::IsZero(p), "empty quotient for a polynomial that is not 0", text);
    return;
  }
  const factorix::FormulaTerms quotient(line.quotient);
  const std::optional<factorix::Polynomial>& q = quotient.polynomial();
  Check(q.has_value(), "quotient does not read as a polynomial", line.quotient);
  Check(Trimmed(TimesLinear(*q, root)) == Trimmed(p),
        "quotient times the factor is not the polynomial", line.quotient);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const factorix::SearchResult result = factorix::Search(text);

  Check(result.lines.size() <= factorix::kMaxLines, "more lines than the bound");
  Check(result.roots.size() == result.lines.size(), "not one root per line");
  Check(result.error == factorix::kNoError || factorix::IsErrorNumber(result.error),
        "an error number the engine does not have");
  Check(!result.lastLineUnfinished || (result.error != factorix::kNoError && !result.lines.empty()),
        "unfinished line without an error");
  if (result.lines.empty()) return 0;

  const std::optional<mpz_class> constant = Constant(text);
  Check(constant.has_value() && *constant != 0, "lines for a text without a usable constant", text);
  // The text as the search read it: a polynomial, or (a power too large, or
  // no sum of terms) none to check the quotients against.
  const factorix::FormulaTerms reading(text);
  const std::optional<factorix::Polynomial>& polynomial = reading.polynomial();

  std::optional<Line> previous;
  for (std::size_t i = 0; i < result.lines.size(); ++i) {
    const std::string& lineText = result.lines[i];
    const Line line = Split(lineText, result.roots[i]);
    const bool last = i + 1 == result.lines.size();
    Check(line.complete || (last && result.lastLineUnfinished), "line holds the factor alone", lineText);
    Check(!(last && result.lastLineUnfinished) || !line.complete, "unfinished line has a quotient", lineText);
    Check(mpz_divisible_p(constant->get_mpz_t(), line.divisor.get_mpz_t()) != 0,
          "factor is not a divisor of the constant", lineText);
    if (previous) {
      const bool after = line.divisor > previous->divisor ||
                         (line.divisor == previous->divisor && line.pass > previous->pass);
      Check(after, "factors out of candidate order or repeated", lineText);
    }
    if (polynomial && line.complete) CheckQuotient(*polynomial, line, text);
    previous = line;
  }
  return 0;
}
