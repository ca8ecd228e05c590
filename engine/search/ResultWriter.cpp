#include "engine/search/ResultWriter.h"

#include "engine/core/EngineError.h"
#include "engine/text/Tidy.h"

namespace factorix {

ResultWriter::ResultWriter(const FormulaTerms& reading, SearchResult& result, Clock::time_point deadline,
                           std::size_t maxLineBytes)
    : reading_(reading), result_(result), deadline_(deadline), maxLineBytes_(maxLineBytes) {}

void ResultWriter::AddRoot(const mpz_class& root) {
  if (result_.lines.size() >= kMaxLines || bytes_ >= maxLineBytes_) throw EngineError(kOverflow);
  if (deadline_ != Clock::time_point::max() && Clock::now() > deadline_) throw EngineError(kOverflow);
  // The factor of the root -d is (x+d), that of +d is (x-d).
  std::string& line = result_.lines.emplace_back(sgn(root) < 0 ? " (x+" : " (x-");
  mpz_abs(magnitude_.get_mpz_t(), root.get_mpz_t());
  line += magnitude_.get_str();
  line += ')';
  result_.roots.push_back(root);
  result_.lastLineUnfinished = true;  // until the quotient is in
  // The dividend is read once, at the first root, so that its errors come
  // where the division's would.
  if (!dividend_) {
    dividend_.emplace(reading_);
    if (dividend_->QuotientIsZero()) sameQuotient_ = Chunga(dividend_->Divide(root));
  }
  // The quotient is written straight into the line; a division that fails
  // leaves the factor alone.
  const std::size_t factorLength = line.size();
  line += " (";
  try {
    if (sameQuotient_) {
      line += *sameQuotient_;
    } else {
      dividend_->AppendTidiedQuotient(root, line);
    }
  } catch (...) {
    line.resize(factorLength);
    line.shrink_to_fit();
    throw;
  }
  line += ')';
  if (bytes_ + line.size() > maxLineBytes_) {
    // Like the line after kMaxLines: this root adds nothing.
    result_.lines.pop_back();
    result_.roots.pop_back();
    result_.lastLineUnfinished = false;
    throw EngineError(kOverflow);
  }
  bytes_ += line.size();
  result_.lastLineUnfinished = false;
}

}  // namespace factorix
