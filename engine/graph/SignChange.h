#pragma once

#include <functional>

#include "engine/core/Deadline.h"
#include "engine/graph/ScaledValue.h"

namespace factorix {

// A function's value at a double, with the exact sign.
using SignedValues = std::function<ScaledValue(double)>;

// The one point in (lo, hi) where f changes sign, f's sign being `loSign`
// from lo up to that point and the other sign beyond it; `loValue` and
// `hiValue` are f near the ends (their sizes guide the steps; zero when
// unknown). Narrowed by the Illinois form of regula falsi (a chord that ends
// at an end steps to that end's neighbour), with a halving (in size when
// the ends are orders of magnitude apart) whenever two steps in a row fail
// to halve the interval, until the ends
// are neighbouring doubles or `stopWidth` apart; the point where f is 0,
// when a step lands on it, else the middle of the last interval. Throws
// EngineError(kOverflow) when `deadline` passes first.
double NarrowSignChange(const SignedValues& f, double lo, ScaledValue loValue, double hi, ScaledValue hiValue, int loSign,
                        double stopWidth, Deadline deadline);

}  // namespace factorix
