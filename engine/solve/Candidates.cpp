#include "engine/solve/Candidates.h"

#include <algorithm>

#include "engine/core/EngineError.h"

namespace factorix {

namespace {

void CheckDeadline(SolveClock::time_point deadline) {
  if (SolveClock::now() > deadline) throw EngineError(kOverflow);
}

// The candidates ±v for v in `magnitudes` (ascending, positive) in their
// order, from `from` on (nullopt: from the first): each is passed to
// `visit`, which returns false to stop the walk.
template <typename Visit>
void WalkCandidates(const std::vector<mpq_class>& magnitudes, const std::optional<mpq_class>& from, Visit visit) {
  for (const mpq_class& v : magnitudes) {
    for (const mpq_class& c : {mpq_class(-v), v}) {
      if (from && CandidateOrder(c, *from)) continue;
      if (!visit(c)) return;
    }
  }
}

// The trials of the candidates in `magnitudes` from `from` on: every one
// before `root` fails; the root's trial ends the list. Without a root, only
// the first kMaxShownFailedTrials are walked, and `failures` (all that
// remain) is counted by the caller.
void AddTrials(const Polynomial& q, const std::vector<mpq_class>& magnitudes, const std::optional<mpq_class>& from,
               const std::optional<mpq_class>& root, SolveClock::time_point deadline, TrialsStep& step) {
  std::size_t walked = 0;
  WalkCandidates(magnitudes, from, [&](const mpq_class& c) {
    if (root && c == *root) {
      step.candidates.push_back(c);
      step.remainders.push_back(0);
      step.foundRoot = true;
      return false;
    }
    if (step.candidates.size() < kMaxShownFailedTrials) {
      if (++walked % 8 == 0) CheckDeadline(deadline);
      step.candidates.push_back(c);
      step.remainders.push_back(ValueAtRational(q, c));
    } else if (!root) {
      return false;
    } else {
      ++step.hiddenFailures;
    }
    return true;
  });
}

// How many candidates in `magnitudes` come before `from`: those of a smaller
// magnitude, and -|from| when `from` is positive.
std::size_t CountBefore(const std::vector<mpq_class>& magnitudes, const mpq_class& from) {
  std::size_t before = 0;
  for (const mpq_class& v : magnitudes) {
    if (v < abs(from)) {
      before += 2;
    } else if (v == abs(from) && from > 0) {
      ++before;
    }
  }
  return before;
}

// The fractions p/q in lowest terms with p | constant, q | leading, q > 1
// and p/q <= bound, ascending.
std::vector<mpq_class> FractionsUpTo(const FactoredNumber& constant, const FactoredNumber& leading,
                                     const mpq_class& bound, SolveClock::time_point deadline) {
  const std::vector<mpz_class> denominators = leading.DivisorsUpTo(leading.value(), deadline);
  const mpz_class largest = bound.get_num() * leading.value() / bound.get_den();
  const std::vector<mpz_class> numerators = constant.DivisorsUpTo(largest, deadline);
  std::vector<mpq_class> out;
  for (const mpz_class& q : denominators) {
    if (q == 1) continue;
    CheckDeadline(deadline);
    for (const mpz_class& p : numerators) {
      if (p * bound.get_den() > bound.get_num() * q) break;
      if (gcd(p, q) != 1) continue;
      if (out.size() >= kMaxCandidates) throw EngineError(kOverflow);
      out.emplace_back(p, q);  // already in lowest terms
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The magnitudes up to a bound that holds the first kMaxShownFailedTrials
// candidates from `from` on, or all of them: `upTo(bound)` lists those up
// to `bound`, which grows from `first` until it passes `largest`, the
// largest magnitude there is.
template <typename List>
std::vector<mpq_class> FirstMagnitudes(List upTo, const std::optional<mpq_class>& from, const mpq_class& first,
                                       const mpz_class& largest) {
  mpq_class bound = first;
  for (;;) {
    bound *= 16;
    std::vector<mpq_class> magnitudes = upTo(bound);
    std::size_t count = 0;
    WalkCandidates(magnitudes, from, [&count](const mpq_class&) { return ++count < kMaxShownFailedTrials; });
    if (count >= kMaxShownFailedTrials || bound >= largest) return magnitudes;
  }
}

}  // namespace

std::vector<mpq_class> AsFractions(const std::vector<mpz_class>& numbers) {
  return std::vector<mpq_class>(numbers.begin(), numbers.end());
}

FactoredNumber::FactoredNumber(const mpz_class& n, SolveClock::time_point deadline)
    : value_(abs(n)), primes_(Factorizer(deadline).Factor(n)) {}

void FactoredNumber::Divide(const mpz_class& d) {
  mpz_class rest = abs(d);
  value_ /= rest;
  for (PrimePower& power : primes_) {
    while (rest != 1 && mpz_divisible_p(rest.get_mpz_t(), power.prime.get_mpz_t())) {
      rest /= power.prime;
      --power.exponent;
    }
  }
}

std::vector<mpz_class> FactoredNumber::DivisorsUpTo(const mpz_class& bound, SolveClock::time_point deadline) const {
  std::vector<mpz_class> out;
  if (bound < 1) return out;
  // Depth-first over the primes, ascending, each product kept only while
  // it stays within the bound.
  struct Frame {
    std::size_t prime;
    mpz_class product;
  };
  std::vector<Frame> stack{{0, 1}};
  while (!stack.empty()) {
    Frame frame = std::move(stack.back());
    stack.pop_back();
    if (frame.prime == primes_.size()) {
      if (out.size() >= kMaxCandidates) throw EngineError(kOverflow);
      if (out.size() % 4096 == 0) CheckDeadline(deadline);
      out.push_back(std::move(frame.product));
      continue;
    }
    const PrimePower& power = primes_[frame.prime];
    mpz_class product = frame.product;
    for (unsigned long e = 0; e <= power.exponent && product <= bound; ++e) {
      stack.push_back({frame.prime + 1, product});
      product *= power.prime;
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

mpz_class FactoredNumber::DivisorsPrimeTo(const mpz_class& other) const {
  mpz_class count = 1;
  for (const PrimePower& power : primes_) {
    if (power.exponent > 0 && !mpz_divisible_p(other.get_mpz_t(), power.prime.get_mpz_t()))
      count *= power.exponent + 1;
  }
  return count;
}

bool CandidateOrder(const mpq_class& a, const mpq_class& b) {
  const int magnitude = cmp(abs(a), abs(b));
  if (magnitude != 0) return magnitude < 0;
  return a < b;
}

mpq_class ValueAtRational(const Polynomial& q, const mpq_class& v) {
  // Horner over the integers: v = n/d, d^deg * q(v) = sum q[i] n^i d^(deg-i).
  const mpz_class& n = v.get_num();
  const mpz_class& d = v.get_den();
  mpz_class value;
  mpz_class denominatorPower = 1;
  for (std::size_t i = q.size(); i-- > 0;) {
    value = value * n + q[i] * denominatorPower;
    denominatorPower *= d;
  }
  // The loop multiplied by d once more than deg times: denominatorPower = d^(deg+1).
  mpq_class out(value * d, denominatorPower);
  out.canonicalize();
  return out;
}

TrialsStep IntegerTrials(const Polynomial& q, const FactoredNumber& constant, const mpz_class& from,
                         const std::optional<mpz_class>& root, SolveClock::time_point deadline) {
  TrialsStep step;
  step.stage = Stage::kIntegerRoots;
  step.polynomial = q;
  const std::optional<mpq_class> start = mpq_class(from);
  if (root) {
    AddTrials(q, AsFractions(constant.DivisorsUpTo(abs(*root), deadline)), start, mpq_class(*root), deadline, step);
    return step;
  }
  // Every candidate left fails: show the first ones, count the others.
  const mpz_class total = 2 * constant.DivisorsPrimeTo(1);
  const std::size_t before = CountBefore(AsFractions(constant.DivisorsUpTo(abs(from), deadline)), *start);
  const auto upTo = [&](const mpq_class& bound) {
    return AsFractions(constant.DivisorsUpTo(bound.get_num() / bound.get_den(), deadline));
  };
  AddTrials(q, FirstMagnitudes(upTo, start, abs(from), constant.value()), start, std::nullopt, deadline, step);
  step.hiddenFailures = mpz_class(total - before - step.candidates.size()).get_ui();
  return step;
}

TrialsStep RationalTrials(const Polynomial& q, const FactoredNumber& constant, const FactoredNumber& leading,
                          const std::optional<mpq_class>& from, const std::optional<mpq_class>& root,
                          SolveClock::time_point deadline) {
  TrialsStep step;
  step.stage = Stage::kRationalRoots;
  step.polynomial = q;
  if (root) {
    AddTrials(q, FractionsUpTo(constant, leading, abs(*root), deadline), from, root, deadline, step);
    return step;
  }
  mpz_class total = 0;
  for (const mpz_class& d : leading.DivisorsUpTo(leading.value(), deadline)) {
    if (d != 1) total += 2 * constant.DivisorsPrimeTo(d);
  }
  if (total > kMaxCandidates) throw EngineError(kOverflow);
  std::size_t before = 0;
  if (from) before = CountBefore(FractionsUpTo(constant, leading, abs(*from), deadline), *from);
  const auto upTo = [&](const mpq_class& bound) { return FractionsUpTo(constant, leading, bound, deadline); };
  const mpq_class first = from ? mpq_class(abs(*from)) : mpq_class(1, leading.value());
  AddTrials(q, FirstMagnitudes(upTo, from, first, constant.value()), from, std::nullopt, deadline, step);
  step.hiddenFailures = mpz_class(total - before - step.candidates.size()).get_ui();
  return step;
}

}  // namespace factorix
