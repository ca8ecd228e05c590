#pragma once

#include <functional>
#include <string>
#include <vector>

namespace factorix::bench {

// A row the benchmark writes itself rather than reads from a file: the
// texts run to megabytes, so each is made from its definition when its
// turn comes, with what it must give (a third column as StressRun.h reads
// it).
struct GeneratedRow {
  std::string name;
  std::string description;
  struct Made {
    std::string text;
    std::string expected;
  };
  std::function<Made()> make;
};

// Sparse polynomials of degree 10^5 with a small root, large repeated
// roots, many large distinct roots (tens of megabytes of lines), the
// general path with divisions, runs of signs, and complete factorisations
// with many factors modulo every prime.
std::vector<GeneratedRow> GeneratedRows();

}  // namespace factorix::bench
