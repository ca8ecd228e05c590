#include "engine/factor/IrreducibleFactors.h"

#include <fcntl.h>
#include <flint/fmpz_poly_factor.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

#include "engine/core/EngineError.h"
#include "engine/poly/FlintConversion.h"

extern char** environ;

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// The factoring runs in a new image of this very program, started with
// this argument alone: a process forked from a multi-threaded one (the
// window's) may only call async-signal-safe functions before exec, and
// FLINT allocates. RunFactorChild below takes the call before main.
constexpr char kChildArgument[] = "--factorix-irreducible-factors";
constexpr char kSelf[] = "/proc/self/exe";

// What the child writes after its last factor, so that a child stopped
// halfway is told from one that finished.
constexpr char kEnd[] = "end\n";

// Bounds of the child: memory it may add to what the program takes at
// start, and processor time, in case its parent died and nobody stops it.
constexpr rlim_t kChildMemoryBytes = rlim_t{256} << 20;
constexpr rlim_t kChildCpuSeconds = 10;

// Polynomials within both bounds are factored in this process: FLINT takes
// about a millisecond at most on them (measured on the hardest kinds there:
// products that split modulo every prime, shifted cyclotomic and
// Swinnerton-Dyer polynomials, coefficients of up to 128 bits), far less
// than starting the child costs.
constexpr int kInProcessMaxDegree = 12;
constexpr std::size_t kInProcessMaxBits = 128;  // of the largest coefficient

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Coefficients, lowest first, in hexadecimal, each followed by a blank; a
// polynomial per line.
void AppendLine(const Polynomial& poly, std::string& text) {
  for (const mpz_class& c : poly) {
    text += c.get_str(16);
    text += ' ';
  }
  text += '\n';
}

// Reads one line of AppendLine from `text` at `at`, moving `at` past it.
Polynomial ReadLine(const std::string& text, std::size_t& at) {
  const std::size_t lineEnd = text.find('\n', at);
  Polynomial p;
  for (std::size_t start = at; start < lineEnd;) {
    const std::size_t space = text.find(' ', start);
    p.emplace_back(text.substr(start, space - start), 16);
    start = space + 1;
  }
  at = lineEnd + 1;
  Trim(p);
  return p;
}

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

bool ReadAll(int fd, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

// Sets the soft and hard limit of `resource`.
void Limit(int resource, rlim_t value) {
  const rlimit limit{value, value};
  setrlimit(resource, &limit);
}

// In the child: bounds it, so that FLINT fails (and the child with it)
// rather than take the machine's memory, and leaves no core behind.
void LimitChild() {
  Limit(RLIMIT_CORE, 0);
  Limit(RLIMIT_CPU, kChildCpuSeconds);
  if (kAddressSanitizer) return;  // its shadow memory is counted too
  // The first field of statm: the address space's size in pages.
  std::string statm;
  const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    ReadAll(fd, statm);
    close(fd);
  }
  const unsigned long long pages = std::strtoull(statm.c_str(), nullptr, 10);
  Limit(RLIMIT_AS, static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + kChildMemoryBytes);
}

// FLINT's irreducible factors of `f`, each with a positive leading
// coefficient.
std::vector<Polynomial> FactorWithFlint(const Polynomial& f) {
  FmpzPoly poly;
  SetFlint(poly, f);
  FmpzPolyFactors found;
  fmpz_poly_factor(found.get(), poly.get());
  std::vector<Polynomial> factors;
  for (slong i = 0; i < found.get()->num; ++i) {
    Polynomial& factor = factors.emplace_back(ToPolynomial(found.get()->p + i));
    if (factor.back() < 0) {
      for (mpz_class& c : factor) c = -c;
    }
  }
  return factors;
}

bool FactorsInProcess(const Polynomial& f) {
  if (Degree(f) > kInProcessMaxDegree) return false;
  return std::all_of(f.begin(), f.end(), [](const mpz_class& c) {
    return mpz_sizeinbase(c.get_mpz_t(), 2) <= kInProcessMaxBits;
  });
}

// The child: reads the polynomial from its standard input, factors it and
// writes each factor with AppendLine to its standard output, then kEnd.
// Any failure ends it with status 1 and nothing after the last factor.
[[noreturn]] void FactorAsChild() {
  LimitChild();
  try {
    std::string input;
    if (!ReadAll(STDIN_FILENO, input)) _exit(1);
    std::size_t at = 0;
    std::string text;
    for (const Polynomial& factor : FactorWithFlint(ReadLine(input, at))) AppendLine(factor, text);
    text += kEnd;
    _exit(WriteAll(STDOUT_FILENO, text) ? 0 : 1);
  } catch (...) {
    _exit(1);
  }
}

// Runs before main (glibc passes the arguments to constructors): in a
// process started by IrreducibleFactors it is the whole program.
__attribute__((constructor)) void RunFactorChild(int argc, char** argv, char**) {
  if (argc == 2 && std::strcmp(argv[1], kChildArgument) == 0) FactorAsChild();
}

// Starts the child with both its standard input and output on `socket`
// and its errors (FLINT's message when it aborts) dropped; -1 on failure.
pid_t StartChild(int socket) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return -1;
  pid_t child = -1;
  char name[] = "factorix";
  char argument[sizeof kChildArgument];
  std::memcpy(argument, kChildArgument, sizeof kChildArgument);
  char* argv[] = {name, argument, nullptr};
  if (posix_spawn_file_actions_adddup2(&actions, socket, STDIN_FILENO) != 0 ||
      posix_spawn_file_actions_adddup2(&actions, socket, STDOUT_FILENO) != 0 ||
      posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0) != 0 ||
      posix_spawn(&child, kSelf, &actions, nullptr, argv, environ) != 0) {
    child = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

// Sends `input` on `socket` (nonblocking), then reads until the child
// closes it; false when the deadline passes first or the socket fails.
bool Exchange(int socket, const std::string& input, std::string& output, Clock::time_point deadline) {
  std::size_t sent = 0;
  char buffer[65536];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left < 0) return false;
    const bool sending = sent < input.size();
    pollfd ready{socket, static_cast<short>(sending ? POLLOUT : POLLIN), 0};
    const int polled = poll(&ready, 1, static_cast<int>(left) + 1);
    if (polled < 0 && errno == EINTR) continue;
    if (polled < 0) return false;
    if (polled == 0) continue;  // the deadline is checked above
    if (sending) {
      const ssize_t n = send(socket, input.data() + sent, input.size() - sent, MSG_NOSIGNAL);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n < 0) return false;
      sent += static_cast<std::size_t>(n);
      if (sent == input.size() && shutdown(socket, SHUT_WR) != 0) return false;
      continue;
    }
    const ssize_t n = read(socket, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    output.append(buffer, static_cast<std::size_t>(n));
  }
}

// The factors the child wrote; throws kOverflow for anything unfinished.
std::vector<Polynomial> ReadFactors(const std::string& text) {
  const std::string end(kEnd);
  if (text.size() < end.size() || text.compare(text.size() - end.size(), end.size(), end) != 0) {
    throw EngineError(kOverflow);
  }
  std::vector<Polynomial> factors;
  for (std::size_t at = 0; at + end.size() < text.size();) factors.push_back(ReadLine(text, at));
  return factors;
}

}  // namespace

std::vector<Polynomial> IrreducibleFactors(const Polynomial& f, Clock::time_point deadline) {
  if (Degree(f) <= 3) return {f};
  if (FactorsInProcess(f)) return FactorWithFlint(f);
  std::string input;
  AppendLine(f, input);
  int sockets[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) throw EngineError(kOverflow);
  const pid_t child = StartChild(sockets[1]);
  close(sockets[1]);
  if (child < 0) {
    close(sockets[0]);
    throw EngineError(kOverflow);
  }
  std::string output;
  const bool finished = fcntl(sockets[0], F_SETFL, O_NONBLOCK) == 0 && Exchange(sockets[0], input, output, deadline);
  close(sockets[0]);
  if (!finished) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0) throw EngineError(kOverflow);
  return ReadFactors(output);
}

}  // namespace factorix
