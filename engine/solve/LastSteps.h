#pragma once

#include <chrono>
#include <vector>

#include "engine/factor/Factorization.h"
#include "engine/solve/RootList.h"
#include "engine/solve/Solution.h"

namespace factorix {

// What is left once no candidate is: a linear or quadratic equation, a
// biquadratic one, or, for anything else, its factors over the integers,
// each solved the same way, and those of degree 3 or more without an exact
// form here by certified approximation.
class LastSteps {
public:
  // `factorization`: that of P, whose factors of degree 2 or more are those
  // of what is left. The roots found go into `roots`.
  LastSteps(const Factorization& factorization, RootList& roots, std::chrono::steady_clock::time_point deadline)
      : factorization_(factorization), roots_(roots), deadline_(deadline) {}

  // The steps for `q` (no rational root when its degree is 3 or more).
  std::vector<SolutionStep> Solve(const Polynomial& q);

private:
  void SolveFactor(const Polynomial& f, unsigned multiplicity, std::vector<SolutionStep>& out);
  LinearStep Linear(const Polynomial& f, unsigned multiplicity);
  QuadraticStep Quadratic(const Polynomial& f, unsigned multiplicity);
  BiquadraticStep Biquadratic(const Polynomial& f, unsigned multiplicity);
  ApproximateStep Approximate(const Polynomial& f, unsigned multiplicity);

  const Factorization& factorization_;
  RootList& roots_;
  std::chrono::steady_clock::time_point deadline_;
};

// True for ax^4 + bx^2 + c with a != 0, c != 0.
bool IsBiquadratic(const Polynomial& f);

}  // namespace factorix
