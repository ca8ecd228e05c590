#include "engine/text/RaisedExponent.h"

#include "engine/core/EngineError.h"

namespace factorix {

std::optional<int> ReadRaisedExponent(std::string_view text, std::size_t& pos) {
  std::optional<int> exponent;
  std::size_t at = pos;
  while (at + 1 < text.size() && text[at] == 'e' && text[at + 1] >= '0' && text[at + 1] <= '9') {
    // Checked before it grows: value * 10 + 9 stays far inside int.
    const int value = exponent.value_or(0) * 10 + (text[at + 1] - '0');
    if (value > kMaxDegree) throw EngineError(kOverflow);
    exponent = value;
    at += 2;
  }
  pos = at;
  return exponent;
}

std::string RaisedExponentText(int exponent) {
  const std::string digits = std::to_string(exponent);
  std::string run;
  run.reserve(2 * digits.size());
  for (const char d : digits) {
    run.push_back('e');
    run.push_back(d);
  }
  return run;
}

}  // namespace factorix
