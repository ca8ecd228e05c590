#pragma once

#include <gmpxx.h>

#include <vector>

namespace factorix {

// The order of the roots wherever they are listed, which is the order in
// which the search tries its candidates: by absolute value, -r before +r.
// True when `a` comes before `b`.
bool RootOrder(const mpz_class& a, const mpz_class& b);

// Sorts `roots` into that order.
void SortInRootOrder(std::vector<mpz_class>& roots);

}  // namespace factorix
