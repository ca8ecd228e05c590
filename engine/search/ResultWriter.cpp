#include "engine/search/ResultWriter.h"

#include "engine/core/EngineError.h"
#include "engine/text/Tidy.h"

static_assert(factorix::Dividend::kMaxQuotientBytes == factorix::kMaxLineBytes,
              "one quotient may take what all the lines may");

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
  // The quotient is written straight into the line, within what is left
  // of the lines' bytes; a division that fails leaves the factor alone.
  const std::size_t factorLength = line.size();
  const std::size_t room = maxLineBytes_ - bytes_;  // > 0
  if (factorLength + 3 > room) DropLastLine();      // not even " ()" fits
  line.reserve(std::min(room, lastLineBytes_ + lastLineBytes_ / 16 + factorLength + 3));
  line += " (";
  try {
    if (sameQuotient_) {
      line += *sameQuotient_;
    } else {
      dividend_->AppendTidiedQuotient(root, line, room - factorLength - 3);
    }
  } catch (const EngineError& e) {
    // A quotient that would fit alone but not after the lines before it
    // adds nothing, as the line after kMaxLines; one that could never fit
    // leaves its factor, as a division that fails.
    if (e.number() == kOverflow && bytes_ > 0 &&
        dividend_->TidiedQuotientFits(root, maxLineBytes_ - factorLength - 3)) {
      DropLastLine();
    }
    line.resize(factorLength);
    line.shrink_to_fit();
    throw;
  } catch (...) {
    line.resize(factorLength);
    line.shrink_to_fit();
    throw;
  }
  line += ')';
  if (bytes_ + line.size() > maxLineBytes_) DropLastLine();
  lastLineBytes_ = line.size();
  bytes_ += line.size();
  result_.lastLineUnfinished = false;
}

void ResultWriter::DropLastLine() {
  // Like the line after kMaxLines: this root adds nothing.
  result_.lines.pop_back();
  result_.roots.pop_back();
  result_.lastLineUnfinished = false;
  throw EngineError(kOverflow);
}

}  // namespace factorix
