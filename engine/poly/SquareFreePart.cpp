#include "engine/poly/SquareFreePart.h"

#include <flint/ulong_extras.h>

#include "engine/core/EngineError.h"

namespace factorix {

namespace {

// The primes tried start here. Each must exceed the degree (at most
// kMaxDegree), so that the derivative keeps every root's multiplicity less
// one; n_nextprime stays well inside a limb from here.
constexpr mp_limb_t kPrimesFrom = mp_limb_t{1} << 62;

// Highest degree taken: the gcd modulo one prime, which cannot be
// interrupted, takes about 0.2 s at degree 20000 and 2 s at 10^5.
constexpr slong kMaxDegree = 20000;

// Modulo p: `common` = gcd(f, f') and `part` = f / common, each monic and
// then multiplied by lc(f), so that they are the images of integer
// polynomials with the leading coefficient lc(f). Returns the degree of
// `common`, which is at least that of gcd(f, f') over the integers, and
// equal to it but for finitely many primes; -1 when p divides lc(f).
slong ImagesModulo(const fmpz_poly_struct* f, mp_limb_t p, NmodPoly& common, NmodPoly& part) {
  NmodPoly fp(p), slope(p);
  fmpz_poly_get_nmod_poly(fp.get(), f);
  if (nmod_poly_degree(fp.get()) != fmpz_poly_degree(f)) return -1;
  const mp_limb_t lead = nmod_poly_lead(fp.get())[0];
  nmod_poly_derivative(slope.get(), fp.get());  // nonzero: p exceeds the degree
  nmod_poly_gcd(common.get(), fp.get(), slope.get());  // monic
  nmod_poly_div(part.get(), fp.get(), common.get());
  nmod_poly_make_monic(part.get(), part.get());
  nmod_poly_scalar_mul_nmod(part.get(), part.get(), lead);
  nmod_poly_scalar_mul_nmod(common.get(), common.get(), lead);
  return nmod_poly_degree(common.get());
}

// Whether `common` (primitive) is gcd(f, f') up to a constant: it divides
// both, and the images bound the degree of the gcd by its own. Then `part`
// is f / common.
bool IsCommonPart(const fmpz_poly_struct* f, const fmpz_poly_struct* common, FmpzPoly& part) {
  FmpzPoly slope, quotient;
  if (!fmpz_poly_divides(part.get(), f, common)) return false;
  fmpz_poly_derivative(slope.get(), f);
  return fmpz_poly_divides(quotient.get(), slope.get(), common) != 0;
}

// Whether `part` has exactly the roots of f: when it divides f and f / part
// divides f', an irreducible factor of multiplicity e in f and k in part
// has e - k <= e - 1 in f / part, so k >= 1: every root of f is one of
// part. As the images bound its degree by that of f's square-free part, it
// is that part.
bool IsSquareFreePart(const fmpz_poly_struct* f, const fmpz_poly_struct* part) {
  FmpzPoly rest, slope, quotient;
  if (!fmpz_poly_divides(rest.get(), f, part)) return false;
  fmpz_poly_derivative(slope.get(), f);
  return fmpz_poly_divides(quotient.get(), slope.get(), rest.get()) != 0;
}

}  // namespace

namespace {

// One of gcd(f, f') and f / gcd(f, f') rebuilt from its images by the
// Chinese remainder theorem.
class Rebuilt {
public:
  void Start(const nmod_poly_struct* image) { fmpz_poly_set_nmod_poly(combined_.get(), image); }

  // Adds the image modulo p (`modulus` the product of the primes before);
  // true when it changed nothing.
  bool Add(const nmod_poly_struct* image, const Fmpz& modulus) {
    fmpz_poly_CRT_ui(next_.get(), combined_.get(), modulus.get(), image, 1);
    const bool settled = fmpz_poly_equal(next_.get(), combined_.get());
    fmpz_poly_swap(combined_.get(), next_.get());
    return settled;
  }

  // The polynomial rebuilt so far, made primitive.
  void Primitive(FmpzPoly& out) const { fmpz_poly_primitive_part(out.get(), combined_.get()); }

private:
  FmpzPoly combined_, next_;
};

}  // namespace

void SquareFreePart(const fmpz_poly_struct* f, FmpzPoly& part, std::chrono::steady_clock::time_point deadline) {
  // gcd(f, f') and f / gcd(f, f') are rebuilt side by side, and the first to
  // settle gives the other: (x - M)^400 needs x - M, (x - M)^2 h needs
  // x - M too, and (x - M)^200 h either, whichever is the smaller.
  if (fmpz_poly_degree(f) > kMaxDegree) throw EngineError(kOverflow);
  Rebuilt common, rest;
  FmpzPoly candidate;
  Fmpz modulus;
  slong commonDegree = fmpz_poly_degree(f) + 1;
  mp_limb_t p = kPrimesFrom;
  for (;;) {
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    p = n_nextprime(p, 1);
    NmodPoly commonImage(p), restImage(p);
    const slong d = ImagesModulo(f, p, commonImage, restImage);
    if (d < 0 || d > commonDegree) continue;  // p divides lc(f) or makes two roots meet
    if (d == 0) {
      // f and f' are coprime modulo p, so over the integers: f is square-free.
      fmpz_poly_primitive_part(part.get(), f);
      return;
    }
    if (d < commonDegree) {
      // Every prime before made roots meet: start again from this one.
      commonDegree = d;
      common.Start(commonImage.get());
      rest.Start(restImage.get());
      fmpz_set_ui(modulus.get(), p);
      continue;
    }
    const bool commonSettled = common.Add(commonImage.get(), modulus);
    const bool restSettled = rest.Add(restImage.get(), modulus);
    fmpz_mul_ui(modulus.get(), modulus.get(), p);
    if (commonSettled) {
      common.Primitive(candidate);
      if (IsCommonPart(f, candidate.get(), part)) break;
    }
    if (restSettled) {
      rest.Primitive(part);
      if (IsSquareFreePart(f, part.get())) break;
    }
  }
  fmpz_poly_primitive_part(part.get(), part.get());
}

}  // namespace factorix
