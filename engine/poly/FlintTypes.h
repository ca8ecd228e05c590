#pragma once

#include <gmp.h>
#include <flint/fmpz.h>
#include <flint/fmpz_poly.h>
#include <flint/nmod_poly.h>

// Owners of FLINT's objects, which are C structs with init and clear calls.
// FLINT aborts the process on invalid arguments (a zero modulus, a division
// by the zero polynomial, an impossible allocation): every caller checks
// moduli, degrees and sizes before it passes them on.
namespace factorix {

class FmpzPoly {
public:
  FmpzPoly() { fmpz_poly_init(value_); }
  ~FmpzPoly() { fmpz_poly_clear(value_); }
  FmpzPoly(const FmpzPoly&) = delete;
  FmpzPoly& operator=(const FmpzPoly&) = delete;
  fmpz_poly_struct* get() { return value_; }
  const fmpz_poly_struct* get() const { return value_; }

private:
  fmpz_poly_t value_;
};

// A polynomial over Z/nZ; n must be at least 2.
class NmodPoly {
public:
  explicit NmodPoly(mp_limb_t modulus) { nmod_poly_init(value_, modulus); }
  ~NmodPoly() { nmod_poly_clear(value_); }
  NmodPoly(const NmodPoly&) = delete;
  NmodPoly& operator=(const NmodPoly&) = delete;
  nmod_poly_struct* get() { return value_; }
  const nmod_poly_struct* get() const { return value_; }

private:
  nmod_poly_t value_;
};

class Fmpz {
public:
  Fmpz() { fmpz_init(value_); }
  ~Fmpz() { fmpz_clear(value_); }
  Fmpz(const Fmpz&) = delete;
  Fmpz& operator=(const Fmpz&) = delete;
  fmpz* get() { return value_; }
  const fmpz* get() const { return value_; }

private:
  fmpz_t value_;
};

}  // namespace factorix
