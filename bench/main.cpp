// Times the search on every row of files of formula texts, and on rows it
// writes itself.
//
//   factorix-bench               the corpus and the stress rows beside the
//                                source tree, then the generated rows
//   factorix-bench FILE...       the rows of these files
//   factorix-bench --generated   the generated rows (bench/GeneratedRows.h)
//   factorix-bench --generated NAME...  those of them whose names begin so
//   factorix-bench --pasos       the worked solution of degree-400 polynomials
//   factorix-bench --grafica [NAME]  the graph of degree-400 polynomials
//
// A row is: name, TAB, formula text as the pad stores it, TAB, a third
// column; lines starting with "#" are comments. When the third column says
// what the row must give (see bench/StressRun.h: roots:..., errorN, or
// "label: first line"), the row runs once in a child process of its own,
// which reports the roots in line order (or the error), the time (wall and
// processor) and the peak memory; it meets its target when the result is the expected one
// within 1 s and 256 MB. On a shared machine a row can be held up (and
// then stopped by the search's own one-second guard): a late row runs
// again, up to three times in all, and keeps its best run, right before
// wrong, then the fastest. Any other row is timed in this process (median of
// many runs) against its target: for the rows named c..., PARI/GP's nfroots
// on the same polynomial, measured in the same run (gp on the PATH); for
// the rows named g..., 100 ms. Where the constant is at most 10^9 the plain
// algorithm runs beside it as a check. The exit status is 1 when a row
// misses its target.
#include <gmpxx.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/GeneratedRows.h"
#include "bench/GraphBench.h"
#include "bench/NaiveSearch.h"
#include "bench/StepsBench.h"
#include "bench/StressRun.h"
#include "engine/search/Search.h"
#include "engine/text/FormulaTerms.h"

namespace {

using Clock = std::chrono::steady_clock;
using factorix::SearchResult;
namespace bench = factorix::bench;

struct Row {
  std::string name;
  std::string text;
  std::string third;
};

std::vector<Row> ReadRows(const std::string& path) {
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
    Row row{line.substr(0, tab), line.substr(tab + 1, tab2 == std::string::npos ? std::string::npos : tab2 - tab - 1),
            tab2 == std::string::npos ? std::string() : line.substr(tab2 + 1)};
    rows.push_back(std::move(row));
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

// The polynomial of a formula text in PARI/GP's syntax; empty when the text
// is no plain sum of terms.
std::string GpPolynomial(const std::string& text) {
  const factorix::FormulaTerms reading(text);
  if (!reading.polynomial()) return {};
  std::string out = "0";
  const std::vector<mpz_class>& c = *reading.polynomial();
  for (std::size_t i = 0; i < c.size(); ++i) {
    if (c[i] == 0) continue;
    out += "+(" + c[i].get_str() + ")*x^" + std::to_string(i);
  }
  return out;
}

// nfroots's mean time in seconds for each named polynomial, from one run of
// gp; empty when gp cannot be run.
std::map<std::string, double> NfrootsSeconds(const std::vector<std::pair<std::string, std::string>>& polys) {
  std::map<std::string, double> times;
  if (polys.empty()) return times;
  std::string script;
  for (const auto& [name, poly] : polys) {
    // Repeated for about 0.3 s, as the search is.
    script += "P=" + poly + "; n=1; while(1, t=getabstime(); for(i=1,n,nfroots(,P)); t=getabstime()-t;"
              " if(t>300, break); n*=4); print(\"" + name + " \", t*1000.0/n);\n";
  }
  const std::string path = "/tmp/factorix-bench-nfroots.gp";
  {
    std::ofstream out(path);
    out << script << "quit\n";
  }
  FILE* gp = popen(("gp -q -f --default parisize=64000000 < " + path + " 2>/dev/null").c_str(), "r");
  if (!gp) return times;
  char line[512];
  while (std::fgets(line, sizeof line, gp)) {
    char name[256];
    double micro = 0;
    if (std::sscanf(line, "%255s %lf", name, &micro) == 2) times[name] = micro * 1e-6;
  }
  pclose(gp);
  std::remove(path.c_str());
  return times;
}

// The constant term's magnitude, or -1 when it is not a whole number.
mpz_class Constant(const std::string& text) {
  const std::string c = factorix::FormulaTerms(text).Constant(false);
  mpz_class v;
  if (c.empty() || c.find_first_not_of("0123456789") != std::string::npos) return -1;
  v.set_str(c, 10);
  return v;
}

bool RunStressRow(const Row& row, const bench::Expectation& expected) {
  constexpr int kMostRuns = 3;
  bench::ChildRun run = bench::RunInChild(row.text, expected);
  int runs = 1;
  for (; runs < kMostRuns && run.finished && run.seconds > 1.0; ++runs) {
    const bench::ChildRun again = bench::RunInChild(row.text, expected);
    if (again.finished && std::make_pair(!again.meets, again.seconds) < std::make_pair(!run.meets, run.seconds)) {
      run = again;
    }
  }
  const double mib = static_cast<double>(run.peakKiB) / 1024.0;
  const bool met = run.finished && run.meets && run.seconds <= 1.0 && mib <= 256.0;
  std::string summary = run.summary;
  if (summary.size() > 100) summary = summary.substr(0, 100) + "...";
  std::printf("%-28s %11s %11s cpu %7.1f MB  %-6s %s%s\n", row.name.c_str(),
              run.finished ? Duration(run.seconds).c_str() : "crashed", Duration(run.cpuSeconds).c_str(), mib,
              met ? "met" : "MISSED", summary.c_str(), runs > 1 ? ("  (fastest of " + std::to_string(runs) + " runs)").c_str() : "");
  if (!run.meets && run.finished) std::printf("%28s expected: %.100s\n", "", row.third.c_str());
  std::fflush(stdout);
  return met;
}

bool RunTimedRow(const Row& row, const std::map<std::string, double>& nfroots) {
  SearchResult result;
  const double t = MedianSeconds([&] { return factorix::Search(row.text); }, 0.3, result);

  std::string target = "-", reference;
  bool met = true;
  if (const auto it = nfroots.find(row.name); it != nfroots.end()) {
    met = t <= it->second;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "nfroots %s  ratio %.2f", Duration(it->second).c_str(), t / it->second);
    reference = buffer;
    target = met ? "met" : "MISSED";
  } else if (!row.name.empty() && row.name[0] == 'g') {
    met = t < 0.1;
    target = met ? "met" : "MISSED";
    reference = "target 100 ms";
  }

  std::string agree;
  const mpz_class c = Constant(row.text);
  if (c >= 0 && c <= 1000000000) {
    bench::NaiveSearch naive;
    const SearchResult naiveResult = naive.Run(row.text);
    agree = naiveResult.lines == result.lines && naiveResult.error == result.error ? "  plain algorithm: same lines"
                                                                                  : "  plain algorithm DIFFERS";
  }
  std::printf("%-28s %11s %5zu lines %5d error  %-6s %s%s  %s\n", row.name.c_str(), Duration(t).c_str(),
              result.lines.size(), result.error, target.c_str(), reference.c_str(), agree.c_str(),
              bench::Summary(result).c_str());
  std::fflush(stdout);
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--pasos") return RunStepsBench();
  if (argc > 1 && std::string(argv[1]) == "--grafica") return RunGraphBench(argc > 2 ? argv[2] : nullptr);
  std::vector<std::string> paths;
  std::vector<std::string> only;  // prefixes of the generated rows to run; empty: all
  bool generated = argc == 1;
  if (argc == 1) {
    paths = {FACTORIX_SOURCE_DIR "/../shared/bench/corpus.txt", FACTORIX_SOURCE_DIR "/../shared/bench/stress.txt"};
  } else if (std::string(argv[1]) == "--generated") {
    generated = true;
    only.assign(argv + 2, argv + argc);
  } else {
    paths.assign(argv + 1, argv + argc);
  }
  std::vector<Row> rows;
  for (const std::string& path : paths) {
    std::vector<Row> more = ReadRows(path);
    rows.insert(rows.end(), more.begin(), more.end());
  }
  const auto start = Clock::now();

  std::vector<std::pair<std::string, std::string>> polys;
  for (const Row& row : rows) {
    if (row.name.empty() || row.name[0] != 'c') continue;
    if (bench::ParseExpectation(row.third).kind != bench::Expectation::Kind::kNone) continue;
    if (std::string poly = GpPolynomial(row.text); !poly.empty()) polys.emplace_back(row.name, poly);
  }
  const std::map<std::string, double> nfroots = NfrootsSeconds(polys);
  if (!polys.empty() && nfroots.empty()) std::printf("(gp could not be run: no nfroots comparison)\n");

  bool allMet = true;
  for (const Row& row : rows) {
    const bench::Expectation expected = bench::ParseExpectation(row.third);
    allMet = (expected.kind != bench::Expectation::Kind::kNone ? RunStressRow(row, expected)
                                                              : RunTimedRow(row, nfroots)) &&
             allMet;
  }
  if (generated) {
    for (const bench::GeneratedRow& generatedRow : bench::GeneratedRows()) {
      if (!only.empty() && std::none_of(only.begin(), only.end(), [&](const std::string& prefix) {
            return generatedRow.name.rfind(prefix, 0) == 0;
          })) {
        continue;
      }
      // Made only now, so that the children forked before do not carry it.
      bench::GeneratedRow::Made made = generatedRow.make();
      const Row row{generatedRow.name, std::move(made.text), std::move(made.expected)};
      allMet = RunStressRow(row, bench::ParseExpectation(row.third)) && allMet;
    }
  }
  const double total = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("\ntargets: %s (total run time %.1f s)\n", allMet ? "all met" : "NOT all met", total);
  return allMet ? 0 : 1;
}
