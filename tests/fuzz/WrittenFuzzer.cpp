// Fuzz target: arbitrary bytes as a polynomial written by people, pasted into
// a pad or given on the command line. Every text must be read or refused
// without throwing, and:
//  - a refusal names a position within the text, or one past its end;
//  - a polynomial's pad text holds only what the pad writes, reads back as
//    itself, and is the polynomial the search reads from it.
#include "engine/text/FormulaTerms.h"
#include "engine/text/WrittenPolynomial.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using factorix::WrittenPolynomial;
using factorix::fuzz::Check;

bool PadCharactersOnly(std::string_view text) {
  return text.find_first_not_of("0123456789+-xe") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const WrittenPolynomial read = factorix::ReadWrittenPolynomial(text);
  switch (read.status) {
    case WrittenPolynomial::Status::kUnreadable:
      Check(read.position >= 1 && read.position <= size + 1, "refusal outside the text");
      Check(read.character.size() <= 4, "more than one character named", read.character);
      return 0;
    case WrittenPolynomial::Status::kTooLarge:
      return 0;
    case WrittenPolynomial::Status::kRead:
      break;
  }
  Check(PadCharactersOnly(read.padText), "pad text with a character the pad does not write", read.padText);
  Check(factorix::ReadWrittenPolynomial(read.padText).padText == read.padText, "pad text reads otherwise",
        read.padText);
  const std::optional<factorix::Polynomial> polynomial = factorix::ReadPolynomial(read.padText);
  Check(polynomial.has_value(), "pad text the search does not read as a polynomial", read.padText);
  Check(factorix::PadPolynomialText(*polynomial) == read.padText, "the search reads another polynomial",
        read.padText);
  return 0;
}
