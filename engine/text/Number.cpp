#include "engine/text/Number.h"

#include "engine/core/Characters.h"
#include "engine/core/EngineError.h"

namespace factorix {

namespace {

// Longest run of digits a whole number may have; longer texts throw
// kOverflow so that no conversion can take unbounded memory or time.
constexpr std::size_t kMaxDigits = 100000;


}  // namespace

// number := [ "+" | "-" ] digit { digit }
void CheckNumber(std::string_view text) {
  std::size_t start = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) start = 1;
  const std::string_view digits = text.substr(start);
  if (digits.empty()) throw EngineError(kTypeMismatch);
  for (const char c : digits) {
    if (!IsDigit(c)) throw EngineError(kTypeMismatch);
  }
  if (digits.size() > kMaxDigits) throw EngineError(kOverflow);
}

mpz_class ToNumber(std::string_view text) {
  CheckNumber(text);
  const std::string_view digits = text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0);
  mpz_class value;
  // Only digits remain, so the conversion cannot fail.
  value.set_str(std::string(digits), 10);
  if (text[0] == '-') value = -value;
  return value;
}

std::string ToText(const mpz_class& value) { return value.get_str(10); }

}  // namespace factorix
