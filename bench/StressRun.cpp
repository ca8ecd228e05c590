#include "bench/StressRun.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <cstdio>
#include <cstring>

#include "engine/core/EngineError.h"
#include "engine/factor/Factorization.h"
#include "engine/factor/Work.h"
#include "engine/search/Search.h"

namespace factorix::bench {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// Writes all of `data` to `fd`.
void WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n <= 0) return;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
}

// Whether the search meets `expected`, and its summary.
std::pair<bool, std::string> Searched(std::string_view text, const Expectation& expected,
                                      std::chrono::milliseconds budget) {
  const SearchResult result = Search(text, budget);
  return {Meets(expected, result), Summary(result)};
}

// Whether the complete factorisation has `factors` factors, and its summary.
std::pair<bool, std::string> Factored(std::string_view text, std::size_t factors, std::chrono::milliseconds budget) {
  try {
    const std::optional<Polynomial> p = ReadTermsWithinLimits(text);
    if (!p) return {false, "no polynomial"};
    const std::size_t count = Factorize(*p, std::chrono::steady_clock::now() + budget).factors.size();
    return {count == factors, std::to_string(count) + " factors"};
  } catch (const EngineError& e) {
    return {false, "error" + std::to_string(e.number())};
  }
}

}  // namespace

Expectation ParseExpectation(std::string_view column) {
  Expectation e;
  if (column.substr(0, 6) == "roots:") {
    e.kind = Expectation::Kind::kRoots;
    const std::size_t semicolon = column.find(";error");
    e.roots = Split(column.substr(6, semicolon == std::string_view::npos ? std::string_view::npos : semicolon - 6), ',');
    if (semicolon != std::string_view::npos) e.error = std::stoi(std::string(column.substr(semicolon + 6)));
  } else if (column.substr(0, 8) == "factors:") {
    e.kind = Expectation::Kind::kFactors;
    e.factors = std::stoul(std::string(column.substr(8)));
  } else if (column.substr(0, 5) == "error" && column.size() > 5 &&
             column.find_first_not_of("0123456789", 5) == std::string_view::npos) {
    e.kind = Expectation::Kind::kError;
    e.error = std::stoi(std::string(column.substr(5)));
  } else if (const std::size_t colon = column.find(": ("); colon != std::string_view::npos &&
             column.substr(0, colon).find(' ') == std::string_view::npos) {
    e.kind = Expectation::Kind::kFirstLine;
    e.firstLine = std::string(column.substr(colon + 1));
  }
  return e;
}

std::vector<std::string> RootsOf(const SearchResult& result) {
  std::vector<std::string> roots;
  for (const mpz_class& root : result.roots) roots.push_back(root.get_str());
  return roots;
}

bool Meets(const Expectation& expected, const SearchResult& result) {
  switch (expected.kind) {
    case Expectation::Kind::kNone:
      return true;
    case Expectation::Kind::kRoots: {
      const std::vector<std::string> roots = RootsOf(result);
      if (expected.error == 0) return result.error == 0 && roots == expected.roots;
      return result.error == expected.error && roots.size() <= expected.roots.size() &&
             std::equal(roots.begin(), roots.end(), expected.roots.begin());
    }
    case Expectation::Kind::kFactors:
      return false;  // a search has no factorisation
    case Expectation::Kind::kError:
      return result.error == expected.error;
    case Expectation::Kind::kFirstLine:
      return !result.lines.empty() && result.lines.front() == expected.firstLine;
  }
  return false;
}

std::string Summary(const SearchResult& result) {
  std::string text;
  const std::vector<std::string> roots = RootsOf(result);
  if (result.error != 0) {
    text = "error" + std::to_string(result.error) + " after " + std::to_string(result.lines.size()) + " lines";
    return text;
  }
  if (roots.empty()) return "no root";
  text = "roots:";
  for (std::size_t i = 0; i < roots.size(); ++i) {
    if (i > 0) text += ',';
    text += roots[i];
  }
  return text;
}

ChildRun RunInChild(std::string_view text, const Expectation& expected, unsigned killAfterSeconds,
                    unsigned long memoryCapMiB, std::chrono::milliseconds budget) {
  ChildRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return run;
  }
  if (pid == 0) {
    close(fds[0]);
    alarm(killAfterSeconds);
    if (memoryCapMiB != 0) {
      const rlim_t cap = static_cast<rlim_t>(memoryCapMiB) << 20;
      const rlimit limit{cap, cap};
      setrlimit(RLIMIT_AS, &limit);
    }
    const auto start = std::chrono::steady_clock::now();
    const auto [meets, summary] = expected.kind == Expectation::Kind::kFactors
                                      ? Factored(text, expected.factors, budget)
                                      : Searched(text, expected, budget);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char head[64];
    std::snprintf(head, sizeof head, "%.9f %d\n", seconds, meets ? 1 : 0);
    WriteAll(fds[1], head);
    WriteAll(fds[1], summary);
    close(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.peakKiB = usage.ru_maxrss;
  run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
  const std::size_t newline = output.find('\n');
  if (newline == std::string::npos) return run;
  int meets = 0;
  if (std::sscanf(output.c_str(), "%lf %d", &run.seconds, &meets) != 2) return run;
  run.finished = true;
  run.meets = meets == 1;
  run.summary = output.substr(newline + 1);
  return run;
}

}  // namespace factorix::bench
