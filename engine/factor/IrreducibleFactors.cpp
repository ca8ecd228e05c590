#include "engine/factor/IrreducibleFactors.h"

#include <fcntl.h>
#include <flint/fmpz_poly_factor.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "engine/core/EngineError.h"
#include "engine/factor/FlintConversion.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// What the child writes after its last factor, so that a child stopped
// halfway is told from one that finished.
constexpr char kEnd[] = "end\n";

bool WriteAll(int fd, const std::string& text) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// In the child: factors f and writes each factor's coefficients, lowest
// first, in hexadecimal on a line of its own, then kEnd. Never returns.
[[noreturn]] void FactorInChild(const Polynomial& f, int out) {
  FmpzPoly poly;
  SetFlint(poly, f);
  fmpz_poly_factor_t factors;
  fmpz_poly_factor_init(factors);
  fmpz_poly_factor(factors, poly.get());
  std::string text;
  for (slong i = 0; i < factors->num; ++i) {
    const fmpz_poly_struct* factor = factors->p + i;
    for (slong k = 0; k < fmpz_poly_length(factor); ++k) {
      char* digits = fmpz_get_str(nullptr, 16, factor->coeffs + k);
      text += digits;
      text += ' ';
      flint_free(digits);
    }
    text += '\n';
  }
  text += kEnd;
  _exit(WriteAll(out, text) ? 0 : 1);
}

// Reads all the child writes to `in` until it closes it; false when the
// deadline passes first.
bool ReadUntilClosed(int in, std::string& text, Clock::time_point deadline) {
  char buffer[65536];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left < 0) return false;
    pollfd ready{in, POLLIN, 0};
    const int polled = poll(&ready, 1, static_cast<int>(left) + 1);
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) return false;
    const ssize_t n = read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

// The factors the child wrote; throws kOverflow for anything unfinished.
std::vector<Polynomial> ReadFactors(const std::string& text) {
  const std::string end(kEnd);
  if (text.size() < end.size() || text.compare(text.size() - end.size(), end.size(), end) != 0) {
    throw EngineError(kOverflow);
  }
  std::vector<Polynomial> factors;
  std::size_t at = 0;
  while (at + end.size() < text.size()) {
    const std::size_t lineEnd = text.find('\n', at);
    Polynomial& factor = factors.emplace_back();
    for (std::size_t start = at; start < lineEnd;) {
      const std::size_t space = text.find(' ', start);
      factor.emplace_back(text.substr(start, space - start), 16);
      start = space + 1;
    }
    Trim(factor);
    if (!factor.empty() && factor.back() < 0) {
      for (mpz_class& c : factor) c = -c;
    }
    at = lineEnd + 1;
  }
  return factors;
}

}  // namespace

std::vector<Polynomial> IrreducibleFactors(const Polynomial& f, Clock::time_point deadline) {
  if (Degree(f) <= 3) return {f};
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw EngineError(kOverflow);
  const pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    throw EngineError(kOverflow);
  }
  if (child == 0) {
    close(pipeEnds[0]);
    FactorInChild(f, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  std::string text;
  const bool finished = ReadUntilClosed(pipeEnds[0], text, deadline);
  close(pipeEnds[0]);
  if (!finished) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0) throw EngineError(kOverflow);
  return ReadFactors(text);
}

}  // namespace factorix
