#include "graphview/GraphData.h"

#include <chrono>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/factor/Factorization.h"
#include "graphview/NumberText.h"

namespace {

constexpr auto kPlanningTime = std::chrono::seconds(1);  // a drawing that takes longer is too large
constexpr int kSamples = 1600;   // evenly spaced points of the curve, besides its roots and turning points
constexpr int kLargestDenominator = 12;  // fractions with a larger one are written approximately

void checkSize(const factorix::Polynomial& p) {
  if (factorix::Degree(p) > factorix::kMaxFactorDegree) throw factorix::EngineError(factorix::kOverflow);
  unsigned long bits = 0;
  for (const mpz_class& c : p) bits = std::max<unsigned long>(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  if (bits * p.size() > factorix::kMaxFactorBits) throw factorix::EngineError(factorix::kOverflow);
}

bool isRootAt(const factorix::Polynomial& p, const mpq_class& x) {
  mpq_class value;
  for (auto it = p.rbegin(); it != p.rend(); ++it) value = value * x + *it;
  return value == 0;
}

// The root as an integer or a fraction p/q (q <= 12) when it is one, else
// approximately.
RootText fallbackText(const factorix::Polynomial& p, double root) {
  for (int q = 1; q <= kLargestDenominator && std::abs(root) < 1e15; ++q) {
    mpq_class candidate(std::lround(root * q), q);
    candidate.canonicalize();
    if (candidate.get_den() != q || std::abs(candidate.get_d() - root) > 1e-9 * std::max(1.0, std::abs(root))) continue;
    if (!isRootAt(p, candidate)) continue;
    QString text = QString::fromStdString(candidate.get_str()).replace(QLatin1Char('-'), QChar(0x2212));
    return {text, true};
  }
  // Six decimals, as the worked solution writes an approximate root; a
  // root too small for them keeps seven significant digits.
  return {std::abs(root) < 1e-3 ? NumberText::decimal(root, 7) : NumberText::fixed(root), false};
}

}  // namespace

GraphData::GraphData(factorix::Polynomial polynomial, QVector<RootText> rootTexts)
    : polynomial_(std::move(polynomial)), rootTexts_(std::move(rootTexts)) {
  factorix::Trim(polynomial_);
  checkSize(polynomial_);
  plot_ = factorix::PlanCurve(polynomial_, std::chrono::steady_clock::now() + kPlanningTime);
  evaluator_ = std::make_unique<factorix::CurveEvaluator>(polynomial_);
  if (rootTexts_.size() != static_cast<qsizetype>(plot_.roots.size())) {
    rootTexts_.clear();
    for (const factorix::RealRoot& root : plot_.roots) rootTexts_.push_back(fallbackText(polynomial_, root.value));
  }
}

GraphData::~GraphData() = default;

QVector<QPointF> GraphData::sample(double from, double to, double yLow, double yHigh) const {
  QVector<QPointF> points;
  for (const factorix::CurvePoint& point : factorix::SampleCurve(*evaluator_, plot_, from, to, kSamples, yLow, yHigh))
    points.append(QPointF(point.x, point.y));
  return points;
}

factorix::ScaledValue GraphData::valueAt(double x) const { return evaluator_->At(x); }
