#pragma once

#include <acb.h>
#include <arb.h>
#include <arb_poly.h>
#include <arf.h>

#include "engine/poly/FlintTypes.h"

// Owners of Arb's ball-arithmetic objects. A ball is a midpoint and a
// radius that together enclose the exact value; a result whose ball leaves
// out 0 has a certain sign.
namespace factorix {

using Arb = FlintObject<arb_struct, arb_init, arb_clear>;
using Acb = FlintObject<acb_struct, acb_init, acb_clear>;
using Arf = FlintObject<arf_struct, arf_init, arf_clear>;
using ArbPoly = FlintObject<arb_poly_struct, arb_poly_init, arb_poly_clear>;

}  // namespace factorix
