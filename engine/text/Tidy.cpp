#include "engine/text/Tidy.h"

namespace factorix {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when a raised digit ("e" and a digit) starts at `pos`.
bool RaisedDigitAt(std::string_view t, std::size_t pos) {
  return pos + 1 < t.size() && t[pos] == 'e' && IsDigit(t[pos + 1]);
}

bool MarkerAt(std::string_view t, std::size_t pos, std::string_view marker) {
  return t.substr(pos, marker.size()) == marker;
}

}  // namespace

std::string Chunga(std::string_view texto) {
  // First pass: a lone raised 0 goes. "xe0e5" would be the exponent 5 read
  // with a leading zero, so it stays.
  std::string withoutZero;
  withoutZero.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    if (MarkerAt(texto, i, "xe0") && !RaisedDigitAt(texto, i + 3)) {
      i += 3;
    } else {
      withoutZero.push_back(texto[i++]);
    }
  }

  // Second pass: a lone raised 1 becomes the bare variable. "xe1e0" (x^10)
  // and "xe12" begin a longer exponent and stay.
  const std::string_view t = withoutZero;
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const bool digitFollows = i + 3 < t.size() && IsDigit(t[i + 3]);
    if (MarkerAt(t, i, "xe1") && !digitFollows && !RaisedDigitAt(t, i + 3)) {
      out.push_back('x');
      i += 3;
    } else {
      out.push_back(t[i++]);
    }
  }
  return out;
}

}  // namespace factorix
