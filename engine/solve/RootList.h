#pragma once

#include <vector>

#include "engine/solve/Solution.h"

namespace factorix {

// The roots of a polynomial as the steps find them: an exact root found
// again (a repeated root, or one that two steps give) adds to the
// multiplicity of the first.
class RootList {
public:
  void Add(const ExactRoot& root, unsigned multiplicity);
  // A root known only approximately; never equal to another.
  void AddApproximate(Root root);

  // The real roots ascending, then the others by real part, then imaginary part.
  std::vector<Root> Sorted() const;

private:
  std::vector<Root> roots_;
};

}  // namespace factorix
