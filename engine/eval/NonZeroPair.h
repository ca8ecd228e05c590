#pragma once

namespace factorix {

// What a quick check proves of the values at -m and +m: `minus` or `plus`
// is true when that value is certainly not 0 and evaluating it exactly
// would raise no error. False proves nothing: evaluate exactly.
struct NonZeroPair {
  bool minus = false;
  bool plus = false;
};

}  // namespace factorix
