#include "engine/text/Tidy.h"

#include "engine/core/Characters.h"

namespace factorix {

namespace {

// True when a raised digit ("e" and a digit) starts at `pos`.
bool RaisedDigitAt(std::string_view t, std::size_t pos) {
  return pos + 1 < t.size() && t[pos] == 'e' && IsDigit(t[pos + 1]);
}

// "xe" and `digit` at `pos`.
bool MarkerAt(std::string_view t, std::size_t pos, char digit) {
  return pos + 2 < t.size() && t[pos] == 'x' && t[pos + 1] == 'e' && t[pos + 2] == digit;
}

// Copies `t` to `out` with every "xe" `digit` for which `isLone` holds
// replaced by `replacement`. Text between variables is copied in blocks.
template <class IsLone>
void ReplaceLoneMarkers(std::string_view t, char digit, std::string_view replacement, IsLone isLone,
                        std::string& out) {
  out.reserve(t.size());
  std::size_t copied = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (t[i] != 'x' || !MarkerAt(t, i, digit) || !isLone(t, i + 3)) {
      ++i;
      continue;
    }
    out.append(t.substr(copied, i - copied));
    out.append(replacement);
    i += 3;
    copied = i;
  }
  out.append(t.substr(copied));
}

}  // namespace

std::string Chunga(std::string_view texto) {
  // First pass: a lone raised 0 goes. "xe0e5" would be the exponent 5 read
  // with a leading zero, so it stays.
  std::string withoutZero;
  ReplaceLoneMarkers(texto, '0', "", [](std::string_view t, std::size_t after) {
    return !RaisedDigitAt(t, after);
  }, withoutZero);

  // Second pass: a lone raised 1 becomes the bare variable. "xe1e0" (x^10)
  // and "xe12" begin a longer exponent and stay.
  std::string out;
  ReplaceLoneMarkers(withoutZero, '1', "x", [](std::string_view t, std::size_t after) {
    return !(after < t.size() && IsDigit(t[after])) && !RaisedDigitAt(t, after);
  }, out);
  return out;
}

}  // namespace factorix
