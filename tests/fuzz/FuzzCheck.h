#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace factorix::fuzz {

// Set by the corpus replay driver to the file being replayed, so that a
// failed check names it; null under libFuzzer, which saves the input itself.
inline const char* currentInput = nullptr;

// Aborts with `what` when `ok` is false. An abort is what libFuzzer records
// as a crash and keeps the input for.
inline void Check(bool ok, const char* what, std::string_view detail = {}) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s", what);
  if (!detail.empty()) std::fprintf(stderr, " [%.*s]", int(detail.size()), detail.data());
  if (currentInput) std::fprintf(stderr, " (input %s)", currentInput);
  std::fputc('\n', stderr);
  std::abort();
}

}  // namespace factorix::fuzz
