#include "engine/poly/HenselLift.h"

#include "engine/poly/Montgomery.h"

#include <vector>

namespace factorix {

namespace {

// One Newton step to the modulus m of `mod`: with r a root modulo some
// m' >= sqrt(m) and s = f'(r)^-1 modulo m', first s = s (2 - f'(r) s) makes
// s the inverse modulo m, then r = r - f(r) s the root modulo m. r and s
// are plain residues in and out.
template <class Mod>
void NewtonStep(const Mod& mod, const Coefficients& f, typename Mod::Int& r,
                typename Mod::Int& s) {
  using Int = typename Mod::Int;
  const Int x = mod.To(r);
  Int value = mod.To(mod.FromMpz(f.back()));
  Int slope = mod.To(mod.FromMpz(0));
  for (std::size_t i = f.size() - 1; i-- > 0;) {
    slope = mod.Add(mod.Mul(slope, x), value);
    value = mod.Add(mod.Mul(value, x), mod.To(mod.FromMpz(f[i])));
  }
  Int inverse = mod.To(s);
  const Int two = mod.Add(mod.One(), mod.One());
  inverse = mod.Mul(inverse, mod.Sub(two, mod.Mul(slope, inverse)));
  const Int root = mod.Sub(x, mod.Mul(value, inverse));
  r = mod.From(root);
  s = mod.From(inverse);
}

}  // namespace

mpz_class HenselLift(const Coefficients& f, std::uint32_t q, std::uint32_t r0,
                     std::uint32_t inverseSlope, unsigned long k) {
  // The exponents of the moduli, from 1 up to k, each at most twice the one before.
  std::vector<unsigned long> exponents;
  for (unsigned long e = k; e > 1; e = (e + 1) / 2) exponents.push_back(e);

  // Steps left to take, from the back of `exponents`.
  std::size_t remaining = exponents.size();
  mpz_class modulus;
  std::uint64_t r = r0, s = inverseSlope;
  for (; remaining > 0; --remaining) {
    mpz_ui_pow_ui(modulus.get_mpz_t(), q, exponents[remaining - 1]);
    if (!mpz_fits_ulong_p(modulus.get_mpz_t())) break;
    NewtonStep(Montgomery64(mpz_get_ui(modulus.get_mpz_t())), f, r, s);
  }
  mpz_class root = static_cast<unsigned long>(r);
  mpz_class inverse = static_cast<unsigned long>(s);
  for (; remaining > 0; --remaining) {
    mpz_ui_pow_ui(modulus.get_mpz_t(), q, exponents[remaining - 1]);
    NewtonStep(GmpModulus(modulus), f, root, inverse);
  }
  mpz_ui_pow_ui(modulus.get_mpz_t(), q, k);
  if (2 * root > modulus) root -= modulus;
  return root;
}

}  // namespace factorix
