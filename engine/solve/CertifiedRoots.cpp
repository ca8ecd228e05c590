#include "engine/solve/CertifiedRoots.h"

#include <acb.h>
#include <acb_poly.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/core/EngineError.h"
#include "engine/poly/FlintTypes.h"
#include "engine/solve/ArbNumbers.h"
#include "engine/solve/StartingPoints.h"

namespace factorix {

namespace {

using Clock = std::chrono::steady_clock;

// Working precision, in bits, above what the degree and the size of the
// roots ask for; most bits, and most rounds of narrowing, before the roots
// count as too close together to tell apart here.
constexpr slong kExtraBits = 96;
constexpr slong kMaxPrecision = slong{1} << 15;
constexpr int kMaxRounds = 40;
// After this many rounds without every disc isolated, the approximations
// are moved together (Durand-Kerner, in Arb) rather than one by one.
constexpr int kRoundsBeforeSimultaneous = 3;
constexpr slong kSimultaneousIterations = 8;

// Accuracy wanted (see the header): a disc narrower than 2^-kRelativeBits
// of the root's size and than 2^-kAbsoluteBits (6 decimals and a margin),
// and than 2^-kPartBits of each nonzero part (10 significant digits and a
// margin); a real part below 2^-kZeroPartBits of the size counts as 0.
// Aberth's points in long double usually meet this at the first check.
constexpr slong kRelativeBits = 44;
constexpr slong kAbsoluteBits = 34;
constexpr slong kPartBits = 40;
constexpr slong kZeroPartBits = 90;

// Owners of Arb's objects.
class AcbVector {
public:
  explicit AcbVector(std::size_t length) : data_(_acb_vec_init(static_cast<slong>(length))), length_(length) {}
  ~AcbVector() { _acb_vec_clear(data_, static_cast<slong>(length_)); }
  AcbVector(const AcbVector&) = delete;
  AcbVector& operator=(const AcbVector&) = delete;
  acb_ptr operator[](std::size_t i) const { return data_ + i; }
  acb_ptr get() const { return data_; }

private:
  acb_ptr data_;
  std::size_t length_;
};

using Mag = FlintObject<mag_struct, mag_init, mag_clear>;

// The polynomial, exact, from either end: f(z) = z^n r(1/z) with r the
// coefficients reversed, which keeps the balls narrow for |z| > 1.
class BallPolynomial {
public:
  explicit BallPolynomial(const Polynomial& f)
      : polynomial_(f), degree_(f.size() - 1), forward_(f.size()), reversed_(f.size()) {
    fmpz_t c;
    fmpz_init(c);
    for (std::size_t i = 0; i <= degree_; ++i) {
      fmpz_set_mpz(c, f[i].get_mpz_t());
      acb_set_fmpz(forward_[i], c);
      acb_set_fmpz(reversed_[degree_ - i], c);
    }
    fmpz_clear(c);
  }

  const Polynomial& polynomial() const { return polynomial_; }

  // f(c) / f'(c) as a ball, at `prec` bits, where c is z itself (exact)
  // or, outside the unit circle, 1/w for w the nearest binary fraction to
  // 1/z at that precision, so that the polynomial is evaluated at an exact
  // point; `centre` is a ball holding c.
  void NewtonRatio(acb_t out, acb_t centre, const acb_t z, slong prec) const {
    AcbVector t(3);  // value, slope, w
    const double re = arf_get_d(arb_midref(acb_realref(z)), ARF_RND_NEAR);
    const double im = arf_get_d(arb_midref(acb_imagref(z)), ARF_RND_NEAR);
    if (re * re + im * im <= 1) {
      acb_set(centre, z);
      Horner(forward_, z, t[0], t[1], prec);
      acb_div(out, t[0], t[1], prec);
      return;
    }
    // f/f' = c / (n - w r'(w) / r(w)) with c = 1/w
    acb_inv(t[2], z, prec);
    acb_get_mid(t[2], t[2]);
    acb_inv(centre, t[2], prec);
    Horner(reversed_, t[2], t[0], t[1], prec);
    acb_div(t[1], t[1], t[0], prec);
    acb_mul(t[1], t[1], t[2], prec);
    acb_neg(t[1], t[1]);
    acb_add_ui(t[1], t[1], degree_, prec);
    acb_div(out, centre, t[1], prec);
  }

  // Moves every approximation together by Durand-Kerner's iteration.
  void MoveTogether(AcbVector& z, slong prec) const {
    acb_poly_t poly;
    acb_poly_init(poly);
    acb_poly_fit_length(poly, static_cast<slong>(degree_ + 1));
    for (std::size_t i = 0; i <= degree_; ++i) acb_set(poly->coeffs + i, forward_[i]);
    _acb_poly_set_length(poly, static_cast<slong>(degree_ + 1));
    AcbVector initial(degree_);
    for (std::size_t i = 0; i < degree_; ++i) acb_get_mid(initial[i], z[i]);
    acb_poly_find_roots(z.get(), poly, initial.get(), kSimultaneousIterations, prec);
    for (std::size_t i = 0; i < degree_; ++i) acb_get_mid(z[i], z[i]);
    acb_poly_clear(poly);
  }

private:
  // The polynomial with coefficients `c` (lowest power first) and its
  // derivative at the exact point x, in one pass. Each step works on exact
  // midpoints and carries the rounding in a disc radius of its own, which
  // grows by |x| a step: a complex ball's rectangle would grow by
  // |Re x| + |Im x|, up to sqrt(2) |x|, and cost half a bit per power.
  void Horner(const AcbVector& c, const acb_t x, acb_t value, acb_t slope, slong prec) const {
    Mag size, valueError, slopeError, rounding;
    acb_get_mag(size.get(), x);
    acb_set(value, c[degree_]);
    acb_zero(slope);
    for (std::size_t i = degree_; i-- > 0;) {
      // slope = slope x + value, with |error| <= slopeError |x| + valueError + rounding
      acb_mul(slope, slope, x, prec);
      acb_add(slope, slope, value, prec);
      mag_mul(slopeError.get(), slopeError.get(), size.get());
      mag_add(slopeError.get(), slopeError.get(), valueError.get());
      TakeRounding(slope, rounding.get());
      mag_add(slopeError.get(), slopeError.get(), rounding.get());
      // value = value x + c[i]
      acb_mul(value, value, x, prec);
      acb_add(value, value, c[i], prec);
      mag_mul(valueError.get(), valueError.get(), size.get());
      TakeRounding(value, rounding.get());
      mag_add(valueError.get(), valueError.get(), rounding.get());
    }
    acb_add_error_mag(value, valueError.get());
    acb_add_error_mag(slope, slopeError.get());
  }

  // Moves the radius of a ball computed from exact numbers into `error`
  // (as a disc: the sum of both parts' radii), leaving its midpoint exact.
  static void TakeRounding(acb_t ball, mag_struct* error) {
    mag_add(error, arb_radref(acb_realref(ball)), arb_radref(acb_imagref(ball)));
    mag_zero(arb_radref(acb_realref(ball)));
    mag_zero(arb_radref(acb_imagref(ball)));
  }

  const Polynomial& polynomial_;
  std::size_t degree_;
  AcbVector forward_;
  AcbVector reversed_;
};

// True when radius * 2^bits <= |x| for every x in the ball.
bool Within(const mag_struct* radius, const arb_t x, slong bits) {
  Mag scaled, lower;
  mag_mul_2exp_si(scaled.get(), radius, bits);
  arb_get_mag_lower(lower.get(), x);
  return mag_cmp(scaled.get(), lower.get()) <= 0;
}

// Whether a disc of `radius` about `centre` gives its root to the accuracy
// wanted; `zeroPart` is set when the real part counts as 0.
bool Accurate(const acb_t centre, const mag_struct* radius, bool real, bool& zeroPart) {
  Mag bound;
  mag_one(bound.get());
  mag_mul_2exp_si(bound.get(), bound.get(), -kAbsoluteBits);
  AcbVector size(1);
  acb_abs(acb_realref(size[0]), centre, 64);
  zeroPart = false;
  if (mag_cmp(radius, bound.get()) > 0 || !Within(radius, acb_realref(size[0]), kRelativeBits)) return false;
  if (real) return true;
  if (!Within(radius, acb_imagref(centre), kPartBits)) return false;
  // A real part below 2^-kZeroPartBits of the size.
  arb_mul_2exp_si(acb_imagref(size[0]), acb_realref(size[0]), -kZeroPartBits);
  arb_abs(acb_realref(size[0]), acb_realref(centre));
  zeroPart = arb_le(acb_realref(size[0]), acb_imagref(size[0]));
  return zeroPart || Within(radius, acb_realref(centre), kPartBits);
}


// An arf from a long double, exactly (64-bit mantissa).
void SetLongDouble(arf_t out, long double x) {
  int exponent = 0;
  const long double mantissa = std::frexp(x, &exponent);  // in [0.5, 1)
  arf_set_si(out, static_cast<slong>(std::ldexp(mantissa, 63)));
  arf_mul_2exp_si(out, out, exponent - 63);
}

// The rounds of narrowing over a set of approximations.
class Isolation {
public:
  Isolation(const Polynomial& f, Clock::time_point deadline)
      : n_(f.size() - 1),
        ball_(f),
        z_(n_),
        ratio_(n_),
        radius_(n_),
        state_(n_),
        mirrorOf_(n_, kNoMirror),
        deadline_(deadline) {}

  std::vector<CertifiedRoot> Run() {
    Start();
    for (int round = 0;; ++round) {
      if (Clock::now() > deadline_ || round >= kMaxRounds) throw EngineError(kOverflow);
      if (Check()) return Result();
      Narrow(round);
    }
  }

private:
  struct State {
    bool real = false;      // the centre stays on the real line
    bool isolated = false;  // its disc holds exactly one root
    bool nonReal = false;   // its disc misses the real line
    bool accurate = false;  // narrow enough
    bool zeroPart = false;  // the real part counts as 0
    bool done() const { return isolated && (real || nonReal) && accurate; }
  };

  void Start();
  // Pairs each approximation below the real line with the one above it
  // that is its mirror image, when Aberth's points come in such pairs, and
  // makes it exactly that image: the disc of the one below is then the
  // mirror of the other's, so only half of them need to be found.
  void PairMirrors();
  bool Check();
  void Narrow(int round);
  std::vector<CertifiedRoot> Result() const;
  // Puts the centre of approximation i on the real line.
  void SnapToReal(std::size_t i) {
    arb_zero(acb_imagref(z_[i]));
    state_[i].real = true;
  }

  std::size_t n_;
  BallPolynomial ball_;
  AcbVector z_;      // the approximations, exact (radius 0)
  AcbVector ratio_;  // f/f' at each, as a ball
  std::vector<Mag> radius_;
  std::vector<State> state_;
  // For an approximation below the real line, the one above whose mirror
  // image it is; kNoMirror for the others.
  static constexpr std::size_t kNoMirror = static_cast<std::size_t>(-1);
  std::vector<std::size_t> mirrorOf_;
  slong prec_ = kExtraBits;
  bool precise_ = true;  // every ratio's ball was narrower than its value
  Clock::time_point deadline_;
};

void Isolation::Start() {
  const std::vector<ExtendedComplex> aberth = AberthRoots(ball_.polynomial(), deadline_);
  double largest = 0;  // log2 of the largest starting point
  if (!aberth.empty()) {
    for (std::size_t i = 0; i < n_; ++i) {
      SetLongDouble(arb_midref(acb_realref(z_[i])), aberth[i].real());
      SetLongDouble(arb_midref(acb_imagref(z_[i])), aberth[i].imag());
      largest = std::max(largest, static_cast<double>(std::log2(std::abs(aberth[i]))));
      // Aberth leaves a real root with an imaginary part at the level of
      // its rounding; a pair of roots this close to the line is left to the
      // rounds below to split again.
      if (std::fabs(aberth[i].imag()) <= 0x1p-40L * std::abs(aberth[i])) SnapToReal(i);
    }
    PairMirrors();
  } else {
    const std::vector<PolarPoint> points = PolygonStart(ball_.polynomial());
    for (std::size_t i = 0; i < n_; ++i) {
      const double whole = std::floor(points[i].log2Radius);
      const double scale = std::exp2(points[i].log2Radius - whole);
      arf_set_d(arb_midref(acb_realref(z_[i])), scale * std::cos(points[i].angle));
      arf_set_d(arb_midref(acb_imagref(z_[i])), scale * std::sin(points[i].angle));
      arb_mul_2exp_si(acb_realref(z_[i]), acb_realref(z_[i]), static_cast<slong>(whole));
      arb_mul_2exp_si(acb_imagref(z_[i]), acb_imagref(z_[i]), static_cast<slong>(whole));
      largest = std::max(largest, points[i].log2Radius);
    }
  }
  // Bits for the roundings of n steps, and for 6 decimals of the largest root.
  prec_ = kExtraBits + static_cast<slong>(std::log2(static_cast<double>(n_))) + static_cast<slong>(largest);
}

void Isolation::PairMirrors() {
  std::vector<std::size_t> above, below;
  for (std::size_t i = 0; i < n_; ++i) {
    if (state_[i].real) continue;
    (arf_sgn(arb_midref(acb_imagref(z_[i]))) > 0 ? above : below).push_back(i);
  }
  if (above.size() != below.size()) return;
  // In the order of their real parts, then of the size of their imaginary
  // parts, a point and its image stand at the same place in both lists.
  const auto order = [this](std::size_t a, std::size_t b) {
    const int re = arf_cmp(arb_midref(acb_realref(z_[a])), arb_midref(acb_realref(z_[b])));
    if (re != 0) return re < 0;
    return arf_cmpabs(arb_midref(acb_imagref(z_[a])), arb_midref(acb_imagref(z_[b]))) < 0;
  };
  std::sort(above.begin(), above.end(), order);
  std::sort(below.begin(), below.end(), order);
  AcbVector image(1), gap(1);
  Mag distance, size;
  for (std::size_t k = 0; k < above.size(); ++k) {
    acb_conj(image[0], z_[above[k]]);
    acb_sub(gap[0], image[0], z_[below[k]], 64);
    acb_get_mag(distance.get(), gap[0]);
    acb_get_mag(size.get(), z_[above[k]]);
    mag_mul_2exp_si(size.get(), size.get(), -30);
    if (mag_cmp(distance.get(), size.get()) > 0) {
      std::fill(mirrorOf_.begin(), mirrorOf_.end(), kNoMirror);
      return;
    }
    mirrorOf_[below[k]] = above[k];
  }
  for (std::size_t k = 0; k < above.size(); ++k) acb_conj(z_[below[k]], z_[above[k]]);
}

bool Isolation::Check() {
  precise_ = true;
  AcbVector discs(n_), centre(1);
  // Those above the line and on it first, then the mirror images.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < n_; ++i) {
    if (mirrorOf_[i] == kNoMirror) order.push_back(i);
  }
  for (std::size_t i = 0; i < n_; ++i) {
    if (mirrorOf_[i] != kNoMirror) order.push_back(i);
  }
  for (const std::size_t i : order) {
    if (mirrorOf_[i] != kNoMirror) {
      const std::size_t j = mirrorOf_[i];
      acb_conj(ratio_[i], ratio_[j]);
      mag_set(radius_[i].get(), radius_[j].get());
      acb_conj(discs[i], discs[j]);
      acb_conj(z_[i], z_[j]);
      state_[i] = state_[j];
      continue;
    }
    if (i % 16 == 0 && Clock::now() > deadline_) throw EngineError(kOverflow);
    ball_.NewtonRatio(ratio_[i], centre[0], z_[i], prec_);
    if (!acb_is_finite(ratio_[i]) || (!acb_is_zero(ratio_[i]) && acb_rel_accuracy_bits(ratio_[i]) < 4)) precise_ = false;
    acb_get_mag(radius_[i].get(), ratio_[i]);
    mag_mul_ui(radius_[i].get(), radius_[i].get(), n_);
    // The point evaluated may differ from z by a rounding: its ball goes
    // into the disc, and its midpoint becomes the approximation.
    mag_add(radius_[i].get(), radius_[i].get(), arb_radref(acb_realref(centre[0])));
    mag_add(radius_[i].get(), radius_[i].get(), arb_radref(acb_imagref(centre[0])));
    acb_get_mid(z_[i], centre[0]);
    if (state_[i].real) arb_zero(acb_imagref(z_[i]));
    acb_set(discs[i], z_[i]);
    mag_set(arb_radref(acb_realref(discs[i])), radius_[i].get());
    mag_set(arb_radref(acb_imagref(discs[i])), radius_[i].get());
    State& s = state_[i];
    s.isolated = acb_is_finite(discs[i]);
    s.nonReal = !s.real && !arb_contains_zero(acb_imagref(discs[i]));
    s.accurate = Accurate(z_[i], radius_[i].get(), s.real, s.zeroPart);
  }
  // A disc holds at least one root; n discs apart from each other hold one each.
  for (std::size_t i = 0; i < n_; ++i) {
    for (std::size_t j = i + 1; j < n_; ++j) {
      if (acb_overlaps(discs[i], discs[j])) state_[i].isolated = state_[j].isolated = false;
    }
  }
  return std::all_of(state_.begin(), state_.end(), [](const State& s) { return s.done(); });
}

void Isolation::Narrow(int round) {
  if (!precise_) {
    prec_ *= 2;
    if (prec_ > kMaxPrecision) throw EngineError(kOverflow);
  }
  const bool anyApart = std::any_of(state_.begin(), state_.end(), [](const State& s) { return !s.isolated; });
  if (anyApart && round >= kRoundsBeforeSimultaneous && round % kRoundsBeforeSimultaneous == 0) {
    // Points that stay together: move them all at once, off the real line
    // where they had been put on it, so that a pair can split.
    long double side = 1;
    for (std::size_t i = 0; i < n_; ++i) {
      if (state_[i].isolated || !state_[i].real) continue;
      arb_mul_2exp_si(acb_imagref(z_[i]), acb_realref(z_[i]), -48);
      if ((side = -side) < 0) arb_neg(acb_imagref(z_[i]), acb_imagref(z_[i]));
      state_[i].real = false;
    }
    std::fill(mirrorOf_.begin(), mirrorOf_.end(), kNoMirror);
    ball_.MoveTogether(z_, prec_);
    return;
  }
  AcbVector moved(1);
  for (std::size_t i = 0; i < n_; ++i) {
    State& s = state_[i];
    if (s.done() || mirrorOf_[i] != kNoMirror) continue;
    if (!s.real && !s.nonReal && s.isolated) {
      // A lone disc across the line: its root is real if the centre on it
      // proves so; its image, if it had one, goes its own way.
      std::replace(mirrorOf_.begin(), mirrorOf_.end(), i, kNoMirror);
      SnapToReal(i);
      continue;
    }
    if (!acb_is_finite(ratio_[i])) continue;
    acb_sub(moved[0], z_[i], ratio_[i], prec_);
    acb_get_mid(z_[i], moved[0]);
    if (s.real) arb_zero(acb_imagref(z_[i]));
  }
  for (std::size_t i = 0; i < n_; ++i) {
    if (mirrorOf_[i] != kNoMirror) acb_conj(z_[i], z_[mirrorOf_[i]]);
  }
}

std::vector<CertifiedRoot> Isolation::Result() const {
  std::vector<CertifiedRoot> real, others;
  for (std::size_t i = 0; i < n_; ++i) {
    const double radius = mag_get_d(radius_[i].get());
    if (state_[i].real) {
      real.push_back({Midpoint(acb_realref(z_[i])), 0, radius});
    } else if (arf_sgn(arb_midref(acb_imagref(z_[i]))) > 0) {
      // Its conjugate is the root of the disc mirrored, which is as narrow.
      const mpq_class re = state_[i].zeroPart ? mpq_class(0) : Midpoint(acb_realref(z_[i]));
      const mpq_class im = Midpoint(acb_imagref(z_[i]));
      others.push_back({re, im, radius});
      others.push_back({re, -im, radius});
    }
  }
  if (real.size() + others.size() != n_) throw EngineError(kOverflow);
  std::sort(real.begin(), real.end(), [](const CertifiedRoot& a, const CertifiedRoot& b) { return a.re < b.re; });
  real.insert(real.end(), others.begin(), others.end());
  return real;
}

}  // namespace

std::vector<CertifiedRoot> CertifiedRoots(const Polynomial& f, std::chrono::steady_clock::time_point deadline) {
  if (f.size() < 2 || f.front() == 0) throw EngineError(kInvalidCall);
  return Isolation(f, deadline).Run();
}

}  // namespace factorix
