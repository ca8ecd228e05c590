#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "engine/search/SearchResult.h"

namespace factorix::bench {

// What a row of the stress file expects, from its third column:
//   roots:R1,R2,...         these roots, in line order, and no error
//   roots:R1,R2,...;errorN  the error N at the end, after lines whose roots
//                           begin the list (the last line may hold its
//                           factor alone)
//   errorN                  the error N at the end (lines before it allowed)
//   label: LINE             LINE (from its leading blank) as the first line
//   factors:N               the complete factorisation, with N factors
struct Expectation {
  enum class Kind { kNone, kRoots, kError, kFirstLine, kFactors };
  Kind kind = Kind::kNone;
  std::vector<std::string> roots;
  int error = 0;
  std::string firstLine;
  std::size_t factors = 0;
};

Expectation ParseExpectation(std::string_view column);

// The root of each line, in order, in decimal: "2", "-3".
std::vector<std::string> RootsOf(const SearchResult& result);

// Whether `result` is what `expected` asks for; true for kNone.
bool Meets(const Expectation& expected, const SearchResult& result);

// "roots:2,-3", or "error6 after 580 lines", or "no root".
std::string Summary(const SearchResult& result);

// One search run in a child process of its own, so that its peak memory
// is its own.
struct ChildRun {
  bool finished = false;  // false: the child crashed or was stopped
  double seconds = 0;     // wall time of the search alone
  double cpuSeconds = 0;  // the child's processor time, all of it
  long peakKiB = 0;       // the child's peak resident memory
  bool meets = false;
  std::string summary;
};

// Runs Search(text) in a child (the complete factorisation for kFactors),
// each with `budget` as its own time guard, as the program's is by default.
// The child is stopped after `killAfterSeconds` and may not map more than
// `memoryCapMiB` (0: no cap, as under the sanitizers, which map far more
// than they use).
ChildRun RunInChild(std::string_view text, const Expectation& expected, unsigned killAfterSeconds = 20,
                    unsigned long memoryCapMiB = 2048,
                    std::chrono::milliseconds budget = std::chrono::milliseconds(1000));

}  // namespace factorix::bench
