#include "cli/LineReader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kBlockBytes = 64 * 1024;
}

LineReader::LineReader(std::FILE* stream, std::size_t maxLineBytes)
    : stream_(stream), maxLineBytes_(maxLineBytes), block_(kBlockBytes) {}

bool LineReader::fill() {
  if (atEnd_) return false;
  begin_ = 0;
  end_ = std::fread(block_.data(), 1, block_.size(), stream_);
  if (end_ == 0) {
    atEnd_ = true;
    failed_ = std::ferror(stream_) != 0;
    return false;
  }
  return true;
}

bool LineReader::next(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  bool any = false;  // something of this line was read, even an empty "\n"
  for (;;) {
    if (begin_ == end_ && !fill()) break;
    any = true;
    const char* start = block_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const void* newline = std::memchr(start, '\n', available);
    const std::size_t take =
        newline ? std::size_t(static_cast<const char*>(newline) - start) : available;
    if (!tooLong) {
      if (line.size() + take > maxLineBytes_) {
        tooLong = true;
        line.clear();
        line.shrink_to_fit();
      } else {
        line.append(start, take);
      }
    }
    begin_ += take;
    if (newline) {
      ++begin_;  // past the "\n"
      break;
    }
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}
