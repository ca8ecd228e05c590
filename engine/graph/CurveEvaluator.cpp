#include "engine/graph/CurveEvaluator.h"

#include <flint/fmpz_poly_factor.h>

#include "engine/factor/FlintConversion.h"

namespace factorix {
namespace {
using FmpzPolyFactors = FlintObject<fmpz_poly_factor_struct, fmpz_poly_factor_init, fmpz_poly_factor_clear>;
}

CurveEvaluator::CurveEvaluator(const Polynomial& p) {
  FmpzPoly poly;
  SetFlint(poly, p);
  if (fmpz_poly_is_zero(poly.get())) return;
  FmpzPolyFactors factors;
  fmpz_poly_factor_squarefree(factors.get(), poly.get());
  slong exponent = 0;
  const double significand = fmpz_get_d_2exp(&exponent, &factors.get()->c);
  content_ = {significand, exponent};
  for (slong i = 0; i < factors.get()->num; ++i)
    parts_.push_back({std::make_unique<PolynomialValues>(factors.get()->p + i),
                      static_cast<unsigned>(factors.get()->exp[i])});
}

CurveEvaluator::~CurveEvaluator() = default;

ScaledValue CurveEvaluator::At(double x) {
  ScaledValue value = content_;
  for (Part& part : parts_) {
    value = Times(value, Power(part.values->At(x), part.multiplicity));
    if (value.Sign() == 0) break;
  }
  return value;
}

}  // namespace factorix
