#pragma once

#include <gmpxx.h>

#include <vector>

#include "engine/core/Deadline.h"
#include "engine/graph/Dyadic.h"
#include "engine/poly/FlintTypes.h"

namespace factorix {

// Where one positive root lies: the open interval (left * 2^exponent,
// (left + 1) * 2^exponent) holding it and no other root, or, when `exact`,
// the root left * 2^exponent itself.
struct RootInterval {
  mpz_class left;
  long exponent = 0;
  bool exact = false;
};

// A part [from, to] of the positive axis left unsearched, [from, infinity)
// when `toEnd`; by default none.
struct Unsearched {
  Dyadic from;
  Dyadic to;
  bool toEnd = false;
};

// The positive real roots of `g` (square-free, g(0) != 0, degree >= 1),
// isolated by Descartes' rule of signs with bisection: the roots are first
// scaled into (0, 1) by a power of two past Cauchy's bound, then every
// interval whose transformed polynomial shows more than one sign variation
// is halved. In no particular order. Intervals inside `skipped` are not
// searched, and an interval found may reach into it. Throws
// EngineError(kOverflow) when `deadline` passes first.
std::vector<RootInterval> IsolatePositiveRoots(const fmpz_poly_struct* g, Deadline deadline,
                                               const Unsearched& skipped = {});

// True when g (degree >= 1) certainly has no root at or above `limit` (an
// integer, or a binary fraction of few bits): g(limit + y) shows no sign
// variation. False also when the shift would take too long.
bool NoRootAbove(const fmpz_poly_struct* g, const Dyadic& limit);

}  // namespace factorix
