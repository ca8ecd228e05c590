#include "engine/search/ResultWriter.h"

#include "engine/text/Division.h"
#include "engine/core/EngineError.h"
#include "engine/text/Tidy.h"

namespace factorix {

ResultWriter::ResultWriter(std::string_view text, SearchResult& result) : text_(text), result_(result) {}

void ResultWriter::AddRoot(const std::string& divisor, bool negative) {
  if (result_.lines.size() >= kMaxLines) throw EngineError(kOverflow);
  // The factor of the root -d is (x+d), that of +d is (x-d).
  std::string& line = result_.lines.emplace_back(negative ? " (x+" : " (x-");
  line += divisor;
  line += ')';
  result_.lastLineUnfinished = true;  // until the quotient is in
  root_.clear();
  if (negative) root_ += '-';
  root_ += divisor;
  const std::string quotient = Chunga(Dividir(root_, text_));
  line += " (";
  line += quotient;
  line += ')';
  result_.lastLineUnfinished = false;
}

}  // namespace factorix
