#include "bench/GraphBench.h"

#include <gmpxx.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/SamplePolynomials.h"
#include "engine/core/EngineError.h"
#include "engine/graph/CurvePlot.h"

namespace {

using factorix::Polynomial;
using factorix::bench::Range;
using factorix::bench::RandomDigits;
using factorix::bench::WithRoots;

constexpr double kTargetSeconds = 0.2;  // processor time per graph
constexpr int kSamples = 1600;          // as many as the window draws
constexpr int kRuns = 5;

struct GraphRow {
  std::string name;
  Polynomial polynomial;
};

// Coefficients in [-9, 9], leading 3.
Polynomial DenseRandom(int degree, unsigned seed) {
  Polynomial p = RandomDigits(degree, seed);
  p.back() = 3;
  return p;
}

Polynomial Times(const Polynomial& a, const Polynomial& b) {
  Polynomial out(a.size() + b.size() - 1);
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j) out[i + j] += a[i] * b[j];
  return out;
}

// T_n, from T_{k+1} = 2x T_k - T_{k-1}: n real roots in (-1, 1).
Polynomial Chebyshev(int n) {
  Polynomial previous{1}, current{0, 1};
  for (int k = 1; k < n; ++k) {
    Polynomial next = Times(current, {0, 2});
    for (std::size_t i = 0; i < previous.size(); ++i) next[i] -= previous[i];
    previous = std::move(current);
    current = std::move(next);
  }
  return current;
}

std::vector<GraphRow> Rows() {
  Polynomial hugeCoefficient = DenseRandom(400, 2);
  hugeCoefficient[2] = mpz_class("1" + std::string(300, '0'));
  Polynomial binomial(401);
  binomial.front() = -1;
  binomial.back() = 1;
  return {
      {"(x-1)^400", WithRoots(std::vector<long>(400, 1), {1})},
      {"x^400-1", binomial},
      {"dense degree 400", DenseRandom(400, 1)},
      {"dense degree 400 (2)", DenseRandom(400, 3)},
      {"coefficient 10^300", hugeCoefficient},
      {"20 roots + dense 380", WithRoots(Range(1, 20), DenseRandom(380, 4))},
      {"41 roots + dense 359", WithRoots(Range(-20, 20), DenseRandom(359, 5))},
      {"100 roots + dense 300", WithRoots(Range(-50, 49), DenseRandom(300, 6))},
      {"Chebyshev T400", Chebyshev(400)},
  };
}

}  // namespace

int RunGraphBench(const char* only) {
  bool allMet = true;
  std::printf("%-24s %10s %10s  %s\n", "--grafica (plan+points)", "CPU", "worst", "result");
  for (const GraphRow& row : Rows()) {
    if (only != nullptr && row.name.find(only) == std::string::npos) continue;
    std::vector<double> times;
    std::string result;
    for (int run = 0; run < kRuns; ++run) {
      const std::clock_t start = std::clock();
      try {
        factorix::CurveEvaluator evaluator(row.polynomial);
        const factorix::CurvePlot plot =
            factorix::PlanCurve(row.polynomial, evaluator, std::chrono::steady_clock::now() + std::chrono::seconds(60));
        const auto points = factorix::SampleCurve(evaluator, plot, plot.xMin, plot.xMax, kSamples, plot.yMin, plot.yMax);
        result = std::to_string(plot.roots.size()) + " roots, " + std::to_string(plot.stationary.size()) +
                 " stationary, " + std::to_string(points.size()) + " points";
      } catch (const factorix::EngineError& e) {
        result = "error " + std::to_string(e.number());
      }
      times.push_back(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }
    std::sort(times.begin(), times.end());
    const double median = times[kRuns / 2];
    const bool met = median <= kTargetSeconds && result.rfind("error", 0) != 0;
    allMet = allMet && met;
    std::printf("%-24s %8.1f ms %8.1f ms  %-6s %s\n", row.name.c_str(), median * 1e3, times.back() * 1e3,
                met ? "met" : "MISSED", result.c_str());
    std::fflush(stdout);
  }
  std::printf("\ntargets (200 ms each): %s\n", allMet ? "all met" : "NOT all met");
  return allMet ? 0 : 1;
}
