// Times the search on every row of a corpus of formula texts and, where the
// constant term is small enough, the plain algorithm beside it.
//
//   factorix-bench [corpus]
//
// A corpus row is: name, TAB, formula text as the pad stores it, TAB,
// description; lines starting with "#" are comments.
#include <gmpxx.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bench/NaiveSearch.h"
#include "engine/search/Search.h"
#include "engine/text/Terms.h"

namespace {

using Clock = std::chrono::steady_clock;
using factorix::SearchResult;

struct Row {
  std::string name;
  std::string text;
};

std::vector<Row> ReadCorpus(const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "factorix-bench: cannot read " << path << "\n";
    std::exit(2);
  }
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::size_t tab2 = line.find('\t', tab + 1);
    rows.push_back({line.substr(0, tab), line.substr(tab + 1, tab2 == std::string::npos ? std::string::npos
                                                                                        : tab2 - tab - 1)});
  }
  return rows;
}

// Median wall time of `run`, in seconds, repeated until about `budget`
// seconds have passed (at least 5 and at most 2001 times).
double MedianSeconds(const std::function<SearchResult()>& run, double budget, SearchResult& last) {
  auto t0 = Clock::now();
  last = run();  // also warms caches and allocations
  const double once = std::chrono::duration<double>(Clock::now() - t0).count();
  const int reps = std::clamp(static_cast<int>(budget / std::max(once, 1e-7)), 5, 2001) | 1;
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(reps));
  for (int i = 0; i < reps; ++i) {
    t0 = Clock::now();
    last = run();
    times.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
  }
  std::nth_element(times.begin(), times.begin() + reps / 2, times.end());
  return times[static_cast<std::size_t>(reps / 2)];
}

std::string Duration(double seconds) {
  char buffer[32];
  if (seconds < 1e-3) {
    std::snprintf(buffer, sizeof buffer, "%8.1f us", seconds * 1e6);
  } else if (seconds < 1) {
    std::snprintf(buffer, sizeof buffer, "%8.2f ms", seconds * 1e3);
  } else {
    std::snprintf(buffer, sizeof buffer, "%8.2f s ", seconds);
  }
  return buffer;
}

// The constant term's magnitude, or -1 when it is not a whole number.
mpz_class Constant(const std::string& text) {
  const std::string c = factorix::ObtenerIndependiente(text, false);
  mpz_class v;
  if (c.empty() || c.find_first_not_of("0123456789") != std::string::npos) return -1;
  v.set_str(c, 10);
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : FACTORIX_SOURCE_DIR "/../shared/bench/corpus.txt";
  const std::vector<Row> rows = ReadCorpus(path);
  const auto start = Clock::now();

  std::printf("%-22s %11s %6s %5s  %-6s %11s %8s  %s\n", "row", "median", "lines", "error", "target",
              "naive", "speed-up", "");
  bool allMet = true;
  for (const Row& row : rows) {
    SearchResult result;
    const double t = MedianSeconds([&] { return factorix::Search(row.text); }, 0.3, result);

    // Targets: 100 us for the rows that are plain polynomials ("c"), 100 ms
    // for the rows that go through the evaluator or hit the line bound.
    const bool general = !row.name.empty() && row.name[0] == 'g';
    const double target = general ? 0.1 : 100e-6;
    const bool met = t < target;
    allMet = allMet && met;

    std::string naive = "", ratio = "", agree = "";
    const mpz_class c = Constant(row.text);
    if (c >= 0 && c <= 1000000000) {
      factorix::bench::NaiveSearch reference;
      SearchResult naiveResult;
      const double tn = MedianSeconds([&] { return reference.Run(row.text); }, 0.3, naiveResult);
      naive = Duration(tn);
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%7.0fx", tn / t);
      ratio = buffer;
      agree = naiveResult.lines == result.lines && naiveResult.error == result.error
                  ? "same lines"
                  : "naive differs: " + std::to_string(naiveResult.lines.size()) + " lines, error " +
                        std::to_string(naiveResult.error);
    }
    std::printf("%-22s %11s %6zu %5d  %-6s %11s %8s  %s\n", row.name.c_str(), Duration(t).c_str(),
                result.lines.size(), result.error, met ? "met" : "MISSED", naive.c_str(), ratio.c_str(),
                agree.c_str());
    std::fflush(stdout);
  }
  const double total = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("\ntargets: c rows under 100 us, g rows under 100 ms: %s\n", allMet ? "all met" : "NOT all met");
  std::printf("total run time %.1f s\n", total);
  return allMet ? 0 : 1;
}
