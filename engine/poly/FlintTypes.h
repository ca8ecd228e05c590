#pragma once

#include <gmp.h>
#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>
#include <flint/nmod_poly.h>

// Owners of FLINT's objects, which are C structs with init and clear calls.
// FLINT aborts the process on invalid arguments (a zero modulus, a division
// by the zero polynomial, an impossible allocation): every caller checks
// moduli, degrees and sizes before it passes them on.
namespace factorix {

// One FLINT object: `Init` (with the constructor's arguments) at creation,
// `Clear` at destruction.
template <class Struct, auto Init, auto Clear>
class FlintObject {
public:
  template <class... Args>
  explicit FlintObject(Args... args) {
    Init(value_, args...);
  }
  ~FlintObject() { Clear(value_); }
  FlintObject(const FlintObject&) = delete;
  FlintObject& operator=(const FlintObject&) = delete;

  Struct* get() { return value_; }
  const Struct* get() const { return value_; }

private:
  Struct value_[1];
};

using Fmpz = FlintObject<fmpz, fmpz_init, fmpz_clear>;
using FmpzPoly = FlintObject<fmpz_poly_struct, fmpz_poly_init, fmpz_poly_clear>;
using FmpzFactors = FlintObject<fmpz_factor_struct, fmpz_factor_init, fmpz_factor_clear>;
using FmpzPolyFactors = FlintObject<fmpz_poly_factor_struct, fmpz_poly_factor_init, fmpz_poly_factor_clear>;
// A polynomial over Z/nZ: constructed with n, which must be at least 2.
using NmodPoly = FlintObject<nmod_poly_struct, nmod_poly_init, nmod_poly_clear>;
using NmodPolyFactors = FlintObject<nmod_poly_factor_struct, nmod_poly_factor_init, nmod_poly_factor_clear>;

}  // namespace factorix
