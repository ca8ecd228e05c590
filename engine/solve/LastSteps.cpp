#include "engine/solve/LastSteps.h"

#include "engine/core/EngineError.h"
#include "engine/solve/CertifiedRoots.h"
#include "engine/solve/ExactRoots.h"

namespace factorix {

bool IsBiquadratic(const Polynomial& f) { return f.size() == 5 && f[1] == 0 && f[3] == 0 && f[0] != 0; }

std::vector<SolutionStep> LastSteps::Solve(const Polynomial& q) {
  std::vector<SolutionStep> out;
  const int degree = Degree(q);
  if (degree < 3 || IsBiquadratic(q)) {
    if (degree >= 1) SolveFactor(q, 1, out);
    return out;
  }
  // Its irreducible factors are P's of degree 2 or more.
  SplitStep split;
  split.polynomial = q;
  int total = 0;
  for (const FactorPower& power : factorization_.factors) {
    if (Degree(power.factor) < 2) continue;
    split.factors.push_back(power);
    total += Degree(power.factor) * static_cast<int>(power.multiplicity);
  }
  if (total != degree) split.factors = Factorize(q).factors;
  split.content = 0;
  for (const mpz_class& c : q) split.content = gcd(split.content, c);
  if (q.back() < 0) split.content = -split.content;
  const bool alone = split.factors.size() == 1 && split.factors.front().multiplicity == 1;
  if (!alone) out.push_back(split);
  for (const FactorPower& power : split.factors) SolveFactor(power.factor, power.multiplicity, out);
  return out;
}

void LastSteps::SolveFactor(const Polynomial& f, unsigned multiplicity, std::vector<SolutionStep>& out) {
  if (Degree(f) == 1) {
    out.push_back(Linear(f, multiplicity));
  } else if (Degree(f) == 2) {
    out.push_back(Quadratic(f, multiplicity));
  } else if (IsBiquadratic(f)) {
    out.push_back(Biquadratic(f, multiplicity));
  } else {
    out.push_back(Approximate(f, multiplicity));
  }
}

LinearStep LastSteps::Linear(const Polynomial& f, unsigned multiplicity) {
  LinearStep step{f, RationalRoot(Fraction(-f[0], f[1]))};
  roots_.Add(step.root, multiplicity);
  return step;
}

QuadraticStep LastSteps::Quadratic(const Polynomial& f, unsigned multiplicity) {
  QuadraticStep step{f, Discriminant(f[2], f[1], f[0]), QuadraticRoots(f[2], f[1], f[0])};
  const unsigned times = step.roots.size() == 1 ? 2 * multiplicity : multiplicity;
  for (const ExactRoot& root : step.roots) roots_.Add(root, times);
  return step;
}

BiquadraticStep LastSteps::Biquadratic(const Polynomial& f, unsigned multiplicity) {
  BiquadraticStep step{f, Discriminant(f[4], f[2], f[0]), QuadraticRoots(f[4], f[2], f[0]), {}};
  const unsigned times = step.t.size() == 1 ? 2 : 1;  // a double t gives double roots x
  for (const ExactRoot& t : step.t) {
    if (t.IsRational()) {
      for (const ExactRoot& x : SquareRoots(t.rational)) {
        Root root = ToRoot(x);
        root.multiplicity = times;
        step.roots.push_back(root);
        roots_.Add(x, times * multiplicity);
      }
    } else {
      for (Root root : ApproximateSquareRoots(t)) {
        root.multiplicity = times;
        step.roots.push_back(root);
        root.multiplicity = times * multiplicity;
        roots_.AddApproximate(root);
      }
    }
  }
  return step;
}

ApproximateStep LastSteps::Approximate(const Polynomial& f, unsigned multiplicity) {
  ApproximateStep step;
  step.polynomial = f;
  for (const CertifiedRoot& certified : CertifiedRoots(f, deadline_)) {
    Root root;
    root.re = certified.re;
    root.im = certified.im;
    root.multiplicity = multiplicity;
    if (root.IsReal()) {
      step.realRoots.push_back(root);
      step.realRoots.back().multiplicity = 1;
    } else {
      ++step.nonRealCount;
    }
    roots_.AddApproximate(root);
  }
  return step;
}

}  // namespace factorix
