#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Reads a stream one line at a time, in blocks, with a bound on the length
// of a line so that no input can take unbounded memory. Lines end at "\n";
// a "\r" right before it is dropped, and a last line without "\n" counts.
class LineReader {
public:
  // Longest line kept, in bytes: 8 MiB, beyond a dense polynomial of the
  // highest degree the search reads with 60-digit coefficients. Reading a
  // polynomial takes up to about 30 bytes per byte of its text, so a line this
  // long stays near 250 MB.
  static constexpr std::size_t kMaxLineBytes = std::size_t(8) << 20;

  explicit LineReader(std::FILE* stream, std::size_t maxLineBytes = kMaxLineBytes);

  // The next line into `line`, without its end. False at the end of the
  // stream or on a read error (see failed()). A line longer than the bound
  // is read to its end and thrown away: `line` is then empty and
  // `tooLong` true.
  bool next(std::string& line, bool& tooLong);

  // True when reading stopped on an error rather than at the end.
  bool failed() const { return failed_; }

private:
  bool fill();

  std::FILE* stream_;
  std::size_t maxLineBytes_;
  std::vector<char> block_;
  std::size_t begin_ = 0;  // unread bytes of block_ are [begin_, end_)
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};
