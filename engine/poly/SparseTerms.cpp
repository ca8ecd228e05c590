#include "engine/poly/SparseTerms.h"

#include <flint/ulong_extras.h>

#include "engine/core/EngineError.h"

namespace factorix {

namespace {

// The primes of RootFilter: any two large ones serve.
constexpr mp_limb_t kFilterPrimes[2] = {(mp_limb_t{1} << 62) - 57, (mp_limb_t{1} << 61) - 1};

// Terms of IsRoot between two looks at the clock.
constexpr std::size_t kTermsBetweenClockReads = 64;

// q = q / r exactly; false when r does not divide q.
bool DivideExactly(fmpz* q, const fmpz* r, Fmpz& quotient, Fmpz& remainder) {
  fmpz_tdiv_qr(quotient.get(), remainder.get(), q, r);
  if (!fmpz_is_zero(remainder.get())) return false;
  fmpz_swap(q, quotient.get());
  return true;
}

// q = q / r^k exactly (r nonzero); false when r^k does not divide q. r^k is
// only made when it is no larger than q, which it must be to divide it.
bool DivideByPower(fmpz* q, const fmpz* r, slong k, Fmpz& quotient, Fmpz& remainder) {
  if (k == 0 || fmpz_is_zero(q)) return true;
  if (fmpz_is_pm1(r)) {
    if (fmpz_is_one(r) || k % 2 == 0) return true;
    fmpz_neg(q, q);
    return true;
  }
  // |r|^k >= 2^((bits(r) - 1) k) > |q| when that exponent reaches bits(q).
  const auto k1 = static_cast<ulong>(k);
  if ((fmpz_bits(r) - 1) >= (fmpz_bits(q) + k1 - 1) / k1) return false;
  Fmpz power;
  fmpz_pow_ui(power.get(), r, k1);
  return DivideExactly(q, power.get(), quotient, remainder);
}

}  // namespace

SparseTerms::SparseTerms(const fmpz_poly_struct* f) {
  for (slong i = fmpz_poly_length(f); i-- > 0;) {
    if (!fmpz_is_zero(f->coeffs + i)) terms_.push_back({i, f->coeffs + i});
  }
}

void SparseTerms::ValueAndSlopeModulo(const fmpz* r, const fmpz* m, fmpz* value, fmpz* slope) const {
  fmpz_zero(value);
  fmpz_zero(slope);
  if (terms_.empty()) return;
  Fmpz point, power, t;
  fmpz_mod(point.get(), r, m);
  // v x^gap has the value v r^gap and the slope v' r^gap + gap v r^(gap-1);
  // the next coefficient, if any, is added to the value.
  auto shift = [&](slong gap, const fmpz* next) {
    fmpz_mul(t.get(), slope, point.get());
    if (gap == 1) {
      fmpz_add(t.get(), t.get(), value);
      fmpz_mul(value, value, point.get());
    } else {
      fmpz_addmul_ui(t.get(), value, static_cast<ulong>(gap));
      fmpz_powm_ui(power.get(), point.get(), static_cast<ulong>(gap - 1), m);
      fmpz_mul(t.get(), t.get(), power.get());
      fmpz_mul(value, value, power.get());
      fmpz_mul(value, value, point.get());
    }
    if (next) fmpz_add(value, value, next);
    fmpz_mod(slope, t.get(), m);
    fmpz_mod(value, value, m);
  };
  fmpz_mod(value, terms_.front().coefficient, m);
  for (std::size_t k = 1; k < terms_.size(); ++k) shift(terms_[k - 1].power - terms_[k].power, terms_[k].coefficient);
  if (terms_.back().power > 0) shift(terms_.back().power, nullptr);
}

std::vector<mp_limb_t> SparseTerms::Residues(mp_limb_t p) const {
  std::vector<mp_limb_t> residues;
  residues.reserve(terms_.size());
  for (const Term& term : terms_) residues.push_back(fmpz_fdiv_ui(term.coefficient, p));
  return residues;
}

mp_limb_t SparseTerms::ValueModulo(mp_limb_t r, mp_limb_t p, const std::vector<mp_limb_t>& residues) const {
  if (terms_.empty()) return 0;
  const mp_limb_t inverse = n_preinvert_limb(p);
  auto shift = [&](mp_limb_t v, slong gap) {
    if (gap == 0) return v;
    const mp_limb_t power = gap == 1 ? r : n_powmod2_preinv(r, gap, p, inverse);
    return n_mulmod2_preinv(v, power, p, inverse);
  };
  mp_limb_t value = 0;
  slong previous = terms_.front().power;
  for (std::size_t k = 0; k < terms_.size(); ++k) {
    value = n_addmod(shift(value, previous - terms_[k].power), residues[k], p);
    previous = terms_[k].power;
  }
  return shift(value, previous);
}

bool SparseTerms::IsRoot(const fmpz* r, Clock::time_point deadline) const {
  if (terms_.empty()) return true;
  Fmpz q, quotient, remainder;  // q holds the quotient's coefficient below `next`
  const slong top = terms_.front().power;
  slong next = 0;
  std::size_t done = 0;
  for (auto term = terms_.rbegin(); term != terms_.rend() && term->power < top; ++term) {
    // The zero coefficients below this term divide by r each.
    if (!DivideByPower(q.get(), r, term->power - next, quotient, remainder)) return false;
    fmpz_sub(q.get(), q.get(), term->coefficient);
    if (!DivideExactly(q.get(), r, quotient, remainder)) return false;
    next = term->power + 1;
    if (++done % kTermsBetweenClockReads == 0 && Clock::now() > deadline) throw EngineError(kOverflow);
  }
  if (!DivideByPower(q.get(), r, top - next, quotient, remainder)) return false;
  return fmpz_equal(q.get(), terms_.front().coefficient);
}

RootFilter::RootFilter(const SparseTerms& terms) : terms_(terms) {
  for (int i = 0; i < 2; ++i) residues_[i] = terms.Residues(kFilterPrimes[i]);
}

bool RootFilter::MayBeRoot(const fmpz* r) const {
  for (int i = 0; i < 2; ++i) {
    const mp_limb_t p = kFilterPrimes[i];
    if (terms_.ValueModulo(fmpz_fdiv_ui(r, p), p, residues_[i]) != 0) return false;
  }
  return true;
}

bool RootFilter::MayBeRootOf(const mpz_class& b, const mpz_class& a) const {
  for (int i = 0; i < 2; ++i) {
    const mp_limb_t p = kFilterPrimes[i];
    const mp_limb_t slope = mpz_fdiv_ui(a.get_mpz_t(), p);
    if (slope == 0) continue;  // the root has no residue modulo p
    const mp_limb_t root = n_mulmod2_preinv(n_negmod(mpz_fdiv_ui(b.get_mpz_t(), p), p), n_invmod(slope, p), p,
                                            n_preinvert_limb(p));
    if (terms_.ValueModulo(root, p, residues_[i]) != 0) return false;
  }
  return true;
}

}  // namespace factorix
