#include "engine/solve/RootList.h"

#include <algorithm>

#include "engine/solve/ExactRoots.h"

namespace factorix {

void RootList::Add(const ExactRoot& root, unsigned multiplicity) {
  for (Root& known : roots_) {
    if (known.exact && *known.exact == root) {
      known.multiplicity += multiplicity;
      return;
    }
  }
  Root added = ToRoot(root);
  added.multiplicity = multiplicity;
  roots_.push_back(std::move(added));
}

void RootList::AddApproximate(Root root) { roots_.push_back(std::move(root)); }

std::vector<Root> RootList::Sorted() const {
  std::vector<Root> sorted = roots_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Root& a, const Root& b) {
    if (a.IsReal() != b.IsReal()) return a.IsReal();
    if (a.re != b.re) return a.re < b.re;
    return a.im < b.im;
  });
  return sorted;
}

}  // namespace factorix
