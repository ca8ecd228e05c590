#include <algorithm>
#include <chrono>
#include <utility>

#include "engine/core/EngineError.h"
#include "engine/solve/Candidates.h"
#include "engine/solve/ExactRoots.h"
#include "engine/solve/LastSteps.h"
#include "engine/solve/RootList.h"
#include "engine/solve/Solution.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// The whole work, factorisation included, stays within about a second of
// wall time (FLINT's factorisation cannot be stopped: its bounds keep it
// short). A polynomial of degree 400 takes under 0.2 s of processor time.
constexpr std::chrono::milliseconds kBudget{900};

// The roots of P that steps 2 and 3 find, read beforehand from its linear
// factors, each with how many times it still divides what is left.
struct KnownRoots {
  std::vector<std::pair<mpz_class, unsigned>> integers;   // in the candidates' order
  std::vector<std::pair<mpq_class, unsigned>> fractions;  // likewise; none an integer
};

KnownRoots LinearFactors(const Factorization& factorization) {
  KnownRoots known;
  for (const FactorPower& power : factorization.factors) {
    const Polynomial& f = power.factor;
    if (f.size() != 2 || f[0] == 0) continue;  // not linear, or x itself
    const mpq_class root = Fraction(-f[0], f[1]);
    if (root.get_den() == 1) {
      known.integers.emplace_back(root.get_num(), power.multiplicity);
    } else {
      known.fractions.emplace_back(root, power.multiplicity);
    }
  }
  std::sort(known.integers.begin(), known.integers.end(),
            [](const auto& a, const auto& b) { return CandidateOrder(a.first, b.first); });
  std::sort(known.fractions.begin(), known.fractions.end(),
            [](const auto& a, const auto& b) { return CandidateOrder(a.first, b.first); });
  return known;
}

// The first root left in `list`, taking one of its times off.
template <typename Number>
std::optional<Number> NextRoot(std::vector<std::pair<Number, unsigned>>& list) {
  while (!list.empty() && list.front().second == 0) list.erase(list.begin());
  if (list.empty()) return std::nullopt;
  return list.front().first;
}

template <typename Number>
void UseRoot(std::vector<std::pair<Number, unsigned>>& list) {
  if (--list.front().second == 0) list.erase(list.begin());
}

// Ruffini's table of q / (x - root), rows from the highest power down.
RuffiniStep RuffiniTableOf(const Polynomial& q, const mpq_class& root, Stage stage) {
  RuffiniStep step;
  step.stage = stage;
  step.root = root;
  if (root.get_den() == 1) {
    // Over the integers, as the engine divides everywhere else.
    const RuffiniTable table = DivideWithTable(q, root.get_num());
    step.dividend = AsFractions(table.dividend);
    step.products = AsFractions(table.products);
    step.quotient = AsFractions(table.quotient);
    step.remainder = table.remainder;
  } else {
    step.dividend.assign(q.rbegin(), q.rend());
    mpq_class carried = step.dividend.front();
    for (std::size_t i = 1; i < step.dividend.size(); ++i) {
      step.quotient.push_back(carried);
      step.products.push_back(root * carried);
      carried = step.dividend[i] + step.products.back();
    }
    step.remainder = carried;
  }
  // The factor taken out, x - r or qx - p, and what is left: the quotient
  // is q times an integer polynomial, since qx - p is primitive.
  step.factor = {-root.get_num(), root.get_den()};
  for (std::size_t i = step.quotient.size(); i-- > 0;) {
    const mpq_class next = step.quotient[i] / root.get_den();
    step.next.push_back(next.get_num());
  }
  return step;
}

// Decimal digits of a number as the tables write it.
std::size_t Digits(const mpq_class& v) {
  std::size_t digits = mpz_sizeinbase(v.get_num_mpz_t(), 10);
  if (v.get_den() != 1) digits += mpz_sizeinbase(v.get_den_mpz_t(), 10);
  return digits;
}

class Worker {
public:
  Worker(Solution& solution, Clock::time_point deadline) : s_(solution), deadline_(deadline) {}

  // Steps 1 to 5 for P.
  void FromCommonFactor(Polynomial p);
  // P / (x - root), then steps 2 to 5 for the quotient.
  void FromRoot(Polynomial p, const mpz_class& root);

private:
  // Reads P and its factorisation; false when P is a constant.
  bool Begin(Polynomial p);
  void Continue(Polynomial q);
  void IntegerRoots(Polynomial& q);
  void RationalRoots(Polynomial& q);
  void Add(SolutionStep step);
  void Count(const std::vector<mpq_class>& numbers);
  void CheckDeadline() const {
    if (Clock::now() > deadline_) throw EngineError(kOverflow);
  }

  Solution& s_;
  Clock::time_point deadline_;
  KnownRoots known_;
  RootList roots_;
  std::size_t digits_ = 0;  // in the tables and trials so far
};

bool Worker::Begin(Polynomial p) {
  Trim(p);
  s_.polynomial = p;
  s_.factorization = Factorize(p);  // throws kOverflow past its bounds
  if (Degree(p) < 1) return false;
  known_ = LinearFactors(s_.factorization);
  return true;
}

void Worker::FromCommonFactor(Polynomial p) {
  if (!Begin(std::move(p))) return;
  const Polynomial& whole = s_.polynomial;
  s_.content = 0;
  for (const mpz_class& c : whole) s_.content = gcd(s_.content, c);
  if (whole.back() < 0) s_.content = -s_.content;
  std::size_t zeros = 0;
  while (whole[zeros] == 0) ++zeros;
  s_.xPower = static_cast<unsigned>(zeros);
  for (std::size_t i = zeros; i < whole.size(); ++i) s_.rest.push_back(whole[i] / s_.content);
  if (zeros > 0) roots_.Add(ExactRoot{}, s_.xPower);
  Continue(s_.rest);
}

void Worker::FromRoot(Polynomial p, const mpz_class& root) {
  if (!Begin(std::move(p))) throw EngineError(kInvalidCall);
  const Polynomial& whole = s_.polynomial;
  RuffiniStep division = RuffiniTableOf(whole, mpq_class(root), Stage::kLineRoot);
  if (division.remainder != 0) throw EngineError(kInvalidCall);
  TrialsStep trial;
  trial.stage = Stage::kLineRoot;
  trial.polynomial = whole;
  trial.candidates = {mpq_class(root)};
  trial.remainders = {mpq_class(0)};
  trial.foundRoot = true;
  Add(std::move(trial));
  Polynomial quotient = division.next;
  Add(std::move(division));
  roots_.Add(RationalRoot(mpq_class(root)), 1);
  for (auto& [known, times] : known_.integers) {
    if (known == root) {
      --times;
      break;
    }
  }
  // The quotient keeps x as a factor only when P's constant term was 0.
  std::size_t zeros = 0;
  while (zeros + 1 < quotient.size() && quotient[zeros] == 0) ++zeros;
  s_.xPower = static_cast<unsigned>(zeros);
  if (zeros > 0) roots_.Add(ExactRoot{}, s_.xPower);
  s_.rest.assign(quotient.begin() + static_cast<std::ptrdiff_t>(zeros), quotient.end());
  Continue(s_.rest);
}

void Worker::Continue(Polynomial q) {
  IntegerRoots(q);
  RationalRoots(q);
  CheckDeadline();
  LastSteps last(s_.factorization, roots_, deadline_);
  for (SolutionStep& step : last.Solve(q)) Add(std::move(step));
  s_.roots = roots_.Sorted();
}

void Worker::IntegerRoots(Polynomial& q) {
  if (Degree(q) < 3) return;
  FactoredNumber constant(q.front(), deadline_);
  mpz_class from = -1;
  while (Degree(q) >= 3) {
    CheckDeadline();
    const std::optional<mpz_class> root = NextRoot(known_.integers);
    TrialsStep trials = IntegerTrials(q, constant, from, root, deadline_);
    if (trials.candidates.empty()) return;  // no candidate left: nothing to write
    const bool found = trials.foundRoot;
    Add(std::move(trials));
    if (!found) return;
    RuffiniStep division = RuffiniTableOf(q, mpq_class(*root), Stage::kIntegerRoots);
    q = division.next;
    Add(std::move(division));
    UseRoot(known_.integers);
    roots_.Add(RationalRoot(mpq_class(*root)), 1);
    constant.Divide(*root);
    from = *root;  // a repeated root divides again
  }
}

void Worker::RationalRoots(Polynomial& q) {
  if (Degree(q) < 3 || abs(q.back()) <= 1) return;
  FactoredNumber constant(q.front(), deadline_);
  FactoredNumber leading(q.back(), deadline_);
  std::optional<mpq_class> from;
  while (Degree(q) >= 3 && abs(q.back()) > 1) {
    CheckDeadline();
    const std::optional<mpq_class> root = NextRoot(known_.fractions);
    TrialsStep trials = RationalTrials(q, constant, leading, from, root, deadline_);
    if (trials.candidates.empty()) return;
    const bool found = trials.foundRoot;
    Add(std::move(trials));
    if (!found) return;
    RuffiniStep division = RuffiniTableOf(q, *root, Stage::kRationalRoots);
    q = division.next;
    Add(std::move(division));
    UseRoot(known_.fractions);
    roots_.Add(RationalRoot(*root), 1);
    constant.Divide(root->get_num());
    leading.Divide(root->get_den());
    from = *root;
  }
}

void Worker::Count(const std::vector<mpq_class>& numbers) {
  for (const mpq_class& v : numbers) digits_ += Digits(v);
  if (digits_ > kMaxSolutionDigits) throw EngineError(kOverflow);
}

void Worker::Add(SolutionStep step) {
  if (const auto* trials = std::get_if<TrialsStep>(&step)) {
    Count(trials->candidates);
    Count(trials->remainders);
  } else if (const auto* division = std::get_if<RuffiniStep>(&step)) {
    Count(division->dividend);
    Count(division->products);
    Count(division->quotient);
  }
  s_.steps.push_back(std::move(step));
}

}  // namespace

Solution Solve(Polynomial p) {
  Solution solution;
  Worker(solution, Clock::now() + kBudget).FromCommonFactor(std::move(p));
  return solution;
}

Solution SolveFromRoot(Polynomial p, const mpz_class& root) {
  Solution solution;
  Worker(solution, Clock::now() + kBudget).FromRoot(std::move(p), root);
  return solution;
}

}  // namespace factorix
