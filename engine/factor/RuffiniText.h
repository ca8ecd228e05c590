#pragma once

#include <string>

#include "engine/core/Polynomial.h"

namespace factorix {

// A Ruffini table as plain text, one line per row, numbers right-aligned in
// their columns, the root left of a vertical rule, a horizontal rule above
// the quotient and a rule before the remainder:
//
//       |  2  0  0   -16
//     2 |     4  8    16
//     --+---------------
//          2  4  8 |   0
std::string RuffiniTableText(const RuffiniTable& table);

}  // namespace factorix
