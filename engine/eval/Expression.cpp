#include "engine/eval/Expression.h"

#include "engine/core/EngineError.h"
#include "engine/eval/EvaluatorLimits.h"
#include "engine/eval/ExactMachine.h"
#include "engine/eval/ExpressionCode.h"
#include "engine/eval/ExpressionParser.h"
#include "engine/eval/ModularFilter.h"

namespace factorix {

Expression::Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;
Expression::~Expression() = default;

Expression Expression::Compile(std::string_view text, char variableMarker) {
  if (text.size() > kMaxExpressionBytes) throw EngineError(kOverflow);
  Expression e;
  e.code_ = std::make_unique<ExpressionCode>(ExpressionParser(text, variableMarker, kMaxNestingDepth).Parse());
  e.exact_ = std::make_unique<ExactMachine>(*e.code_);
  e.filter_ = std::make_unique<ModularFilter>(*e.code_);
  return e;
}

bool Expression::UsesVariable() const { return code_->usesVariable; }

Value Expression::Evaluate(const mpz_class& variable) {
  exact_->Run(&variable);
  return exact_->Result();
}

Value Expression::Evaluate() {
  exact_->Run(nullptr);
  return exact_->Result();
}

void Expression::SetDeadline(std::optional<std::chrono::steady_clock::time_point> deadline) {
  exact_->SetDeadline(deadline);
}

void Expression::LimitVariables(const mpz_class& largest) { filter_->LimitVariables(largest); }

bool Expression::IsZeroAt(const mpz_class& variable) {
  if (filter_->applicable()) {
    exact_->AddWork(filter_->steps());
    if (filter_->ProvesNonZero(variable)) return false;
  }
  exact_->Run(&variable);
  return exact_->ResultIsZero();
}

namespace {

template <typename Magnitude>
NonZeroPair ProvePair(ExactMachine& exact, ModularFilter& filter, const Magnitude& m) {
  if (!filter.applicable()) return {};
  exact.AddWork(2 * filter.steps());
  return filter.ProvesNonZeroPair(m);
}

}  // namespace

NonZeroPair Expression::ProveNonZeroPair(std::uint64_t m) { return ProvePair(*exact_, *filter_, m); }

NonZeroPair Expression::ProveNonZeroPair(const mpz_class& m) {
  return ProvePair(*exact_, *filter_, m);
}

}  // namespace factorix
