#include "graphview/GraphData.h"

#include <chrono>
#include <cmath>

#include "engine/core/EngineError.h"
#include "engine/factor/Factorization.h"
#include "graphview/NumberText.h"
#include "report/RootText.h"

namespace {

constexpr auto kPlanningTime = std::chrono::seconds(1);  // a drawing that takes longer is too large
constexpr int kSamples = 1600;   // evenly spaced points of the curve, besides its roots and turning points
constexpr int kLargestDenominator = 12;  // a root that is no fraction with at most this denominator is approximated
constexpr qsizetype kLongestAxisLabel = 12;  // characters; a longer exact value is approximated on the axis
// Terms times bits of the largest coefficient: room for a product of 400
// small linear factors, such as (x+200)(x+199)...(x-199).
constexpr unsigned long kMaxGraphBits = 1000000;

void checkSize(const factorix::Polynomial& p) {
  if (factorix::Degree(p) > factorix::kMaxFactorDegree) throw factorix::EngineError(factorix::kOverflow);
  unsigned long bits = 0;
  for (const mpz_class& c : p) bits = std::max<unsigned long>(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  if (bits * p.size() > kMaxGraphBits) throw factorix::EngineError(factorix::kOverflow);
}

bool isRootAt(const factorix::Polynomial& p, const mpq_class& x) {
  mpq_class value;
  for (auto it = p.rbegin(); it != p.rend(); ++it) value = value * x + *it;
  return value == 0;
}

// A root found by the graph alone: exact when it is an integer or a
// fraction p/q (q <= 12), else known as the double it rounds to.
factorix::Root rootNear(const factorix::Polynomial& p, double value) {
  factorix::Root root;
  root.re = mpq_class(value);  // a double is a fraction with a power of two below
  for (int q = 1; q <= kLargestDenominator && std::abs(value) < 1e15; ++q) {
    mpq_class candidate(std::lround(value * q), q);
    candidate.canonicalize();
    if (candidate.get_den() != q || std::abs(candidate.get_d() - value) > 1e-9 * std::max(1.0, std::abs(value))) continue;
    if (!isRootAt(p, candidate)) continue;
    root.exact = factorix::ExactRoot{candidate, 0, 1, false};
    root.re = candidate;
    break;
  }
  return root;
}

QString shown(QString text) { return text.replace(u'-', QChar(0x2212)); }

RootLabel labelOf(const factorix::Root& root) {
  RootLabel label;
  label.exact = root.exact.has_value();
  label.text = shown(RootText::value(root, u','));
  label.axisText = label.text;
  if (label.axisText.size() > kLongestAxisLabel) label.axisText = shown(RootText::approximate(root, u','));
  if (label.axisText.size() > kLongestAxisLabel) label.axisText = NumberText::decimal(root.re.get_d());
  return label;
}

std::vector<factorix::Root> realRootsOf(const factorix::Solution& solution) {
  std::vector<factorix::Root> real;
  for (const factorix::Root& root : solution.roots)
    if (root.IsReal()) real.push_back(root);
  return real;
}

}  // namespace

GraphData::GraphData(const factorix::Solution& solution) : GraphData(solution.polynomial, realRootsOf(solution)) {}

GraphData::GraphData(factorix::Polynomial polynomial) : GraphData(std::move(polynomial), {}) {}

GraphData::GraphData(factorix::Polynomial polynomial, const std::vector<factorix::Root>& realRoots)
    : polynomial_(std::move(polynomial)) {
  factorix::Trim(polynomial_);
  checkSize(polynomial_);
  const factorix::Deadline deadline = std::chrono::steady_clock::now() + kPlanningTime;
  evaluator_ = std::make_unique<factorix::CurveEvaluator>(polynomial_, deadline);
  plot_ = factorix::PlanCurve(polynomial_, *evaluator_, deadline);
  // The solution's roots when they are the ones the graph found; they are,
  // unless the solution belongs to another polynomial.
  const bool fromSolution = realRoots.size() == plot_.roots.size();
  for (std::size_t i = 0; i < plot_.roots.size(); ++i)
    rootLabels_.append(labelOf(fromSolution ? realRoots[i] : rootNear(polynomial_, plot_.roots[i].value)));
}

GraphData::~GraphData() = default;

QVector<QPointF> GraphData::sample(double from, double to, double yLow, double yHigh) const {
  QVector<QPointF> points;
  for (const factorix::CurvePoint& point : factorix::SampleCurve(*evaluator_, plot_, from, to, kSamples, yLow, yHigh))
    points.append(QPointF(point.x, point.y));
  return points;
}

factorix::ScaledValue GraphData::valueAt(double x) const { return evaluator_->At(x); }
