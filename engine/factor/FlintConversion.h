#pragma once

// The conversions belong to the polynomials' layer below; this header only
// passes them on to the files that still include it here.
#include "engine/poly/FlintConversion.h"
