#include "engine/text/Terms.h"

#include "engine/core/EngineError.h"

namespace factorix {

namespace {

// 1-based position of the last `c` at or before the 1-based position `at`;
// 0 when there is none.
std::size_t LastAtOrBefore(std::string_view text, char c, std::size_t at) {
  if (at == 0 || text.empty()) return 0;
  const std::size_t found = text.rfind(c, at - 1);
  return found == std::string_view::npos ? 0 : found + 1;
}

// 1-based position of the first `c` at or after the 1-based position `start`;
// 0 when there is none.
std::size_t FirstAtOrAfter(std::string_view text, char c, std::size_t start) {
  if (start == 0 || start > text.size()) return 0;
  const std::size_t found = text.find(c, start - 1);
  return found == std::string_view::npos ? 0 : found + 1;
}

// 1-based position of the last "+" or "-" at or before `at`; 0 when none.
std::size_t LastSign(std::string_view text, std::size_t at) {
  const std::size_t plus = LastAtOrBefore(text, '+', at);
  const std::size_t minus = LastAtOrBefore(text, '-', at);
  return plus > minus ? plus : minus;
}

}  // namespace

int ObtenerNumTerminos(std::string_view texto, char Incognita) {
  int count = 0;
  for (std::size_t start = 1;;) {
    const std::size_t found = FirstAtOrAfter(texto, Incognita, start);
    if (found == 0) return count;
    ++count;
    start = found + 1;
  }
}

std::string ObtenerTermino(std::string_view texto, int NumTermino, char Incognita) {
  // Skip the occurrences of the variable that belong to earlier terms.
  std::size_t start = 1;
  for (int k = 1; k < NumTermino; ++k) {
    const std::size_t found = FirstAtOrAfter(texto, Incognita, start);
    if (found == 0) return {};  // fewer terms than asked for: nothing to read
    start = found + 1;
  }
  const std::size_t f = FirstAtOrAfter(texto, Incognita, start);
  if (f == 0) return {};

  // The term's own sign is the nearest sign before the variable; the first
  // term may have none, and then its text starts at position 1.
  std::size_t s = LastSign(texto, f);
  if (s == 0) s = 1;
  const std::string c(texto.substr(s - 1, f - s));
  if (c.empty() || c == "+" || c == "-") return c + "1";
  return c;
}

std::string ObtenerIndependiente(std::string_view texto, bool ConSigno) {
  const std::size_t s = LastSign(texto, texto.size());
  if (ConSigno) {
    if (s == 0) throw EngineError(kInvalidCall);
    return std::string(texto.substr(s - 1));
  }
  return std::string(texto.substr(s));
}

}  // namespace factorix
