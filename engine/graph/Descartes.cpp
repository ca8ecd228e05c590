#include "engine/graph/Descartes.h"

#include <algorithm>
#include <memory>

#include "engine/core/EngineError.h"

namespace factorix {
namespace {

constexpr long kLargestExponent = 1000;   // 2^1000 > 1e301, beyond any root a double can show
constexpr long kMostStartNodes = 24;      // up to 2^24, one start node per power of two
constexpr long kMostScaledBits = 200000;  // degree * k past which the scaled nodes take too long
constexpr long kMostShiftedBits = 100000;  // degree * bits of a shift past which it takes too long

// A polynomial A whose roots t in (0, 1) are those x = (left + t) 2^exponent
// of g in (left 2^exponent, (left + 1) 2^exponent). A right half may wait
// for its shift: its sign variations are at most its parent's less its left
// sibling's (subdivision never adds variations), and of the same parity when
// the midpoint is no root, so that a difference of 0 or 1 settles it
// without the shift.
struct Node {
  FmpzPoly poly;
  mpz_class left;
  long exponent = 0;
  bool unshifted = false;    // poly is A(t / 2), to be shifted by 1 into A((t + 1) / 2)
  long variations = -1;      // at most this many roots, of this parity; -1 when unknown
  Node* rightSibling = nullptr;  // the waiting right half, told this node's variations
  long parentVariations = 0;
};

// Sign variations of the coefficients, zeros skipped.
long SignVariations(const fmpz_poly_struct* p) {
  long variations = 0;
  int last = 0;
  for (slong i = 0; i < fmpz_poly_length(p); ++i) {
    const int sign = fmpz_sgn(p->coeffs + i);
    if (sign == 0) continue;
    if (last != 0 && sign != last) ++variations;
    last = sign;
  }
  return variations;
}

// The sign of poly(1): the sum of its coefficients.
int SignAtOne(const fmpz_poly_struct* poly) {
  Fmpz sum;
  for (slong i = 0; i < fmpz_poly_length(poly); ++i) fmpz_add(sum.get(), sum.get(), poly->coeffs + i);
  return fmpz_sgn(sum.get());
}

// Descartes' bound on the roots of `a` in (0, 1): the sign variations of
// (x + 1)^d a(1 / (x + 1)). Exact when it is 0 or 1.
long RootsInUnitInterval(const fmpz_poly_struct* a, FmpzPoly& scratch, const Fmpz& one) {
  fmpz_poly_reverse(scratch.get(), a, fmpz_poly_length(a));
  fmpz_poly_taylor_shift(scratch.get(), scratch.get(), one.get());
  return SignVariations(scratch.get());
}

void RemoveContent(FmpzPoly& p, Fmpz& scratch) {
  fmpz_poly_content(scratch.get(), p.get());
  if (!fmpz_is_one(scratch.get())) fmpz_poly_scalar_divexact_fmpz(p.get(), p.get(), scratch.get());
}

// p(x) -> 2^d p(x / 2): coefficient i times 2^(d - i).
void HalveRoots(FmpzPoly& p) {
  const slong degree = fmpz_poly_degree(p.get());
  for (slong i = 0; i < degree; ++i)
    fmpz_mul_2exp(p.get()->coeffs + i, p.get()->coeffs + i, static_cast<ulong>(degree - i));
}

// k with every root of g below 2^k in absolute value, from Fujiwara's bound
// 2 max |a_i / a_d|^(1 / (d - i)), as log2 |a_i / a_d| < bits(a_i) -
// bits(a_d) + 1.
long RootBoundExponent(const fmpz_poly_struct* g) {
  const slong degree = fmpz_poly_degree(g);
  const long leadingBits = static_cast<long>(fmpz_bits(g->coeffs + degree));
  long exponent = 1;
  for (slong i = 0; i < degree; ++i) {
    if (fmpz_is_zero(g->coeffs + i)) continue;
    const long excess = static_cast<long>(fmpz_bits(g->coeffs + i)) - leadingBits + 1;
    const long distance = static_cast<long>(degree - i);
    if (excess > 0) exponent = std::max(exponent, 1 + (excess + distance - 1) / distance);
  }
  return exponent;
}

// True when g has an odd number of roots above 2^exponent: its sign there
// differs from its leading coefficient's.
bool OddRootsBeyond(const fmpz_poly_struct* g, long exponent) {
  Fmpz x, value;
  fmpz_one(x.get());
  fmpz_mul_2exp(x.get(), x.get(), static_cast<ulong>(exponent));
  fmpz_poly_evaluate_fmpz(value.get(), g, x.get());
  return fmpz_sgn(value.get()) != fmpz_sgn(g->coeffs + fmpz_poly_degree(g));
}

// The one node of (0, 2^k): g(2^k t).
std::unique_ptr<Node> WholeRangeNode(const fmpz_poly_struct* g, long boundExponent) {
  auto node = std::make_unique<Node>();
  fmpz_poly_set(node->poly.get(), g);
  for (slong j = 1; j < fmpz_poly_length(g); ++j)
    fmpz_mul_2exp(node->poly.get()->coeffs + j, node->poly.get()->coeffs + j, static_cast<ulong>(boundExponent * j));
  node->exponent = boundExponent;
  return node;
}

// The sign of n 2^e - d.
int Compare(const mpz_class& n, long e, const Dyadic& d) {
  mpz_class a = n, b = d.numerator;
  if (e > d.exponent) mpz_mul_2exp(a.get_mpz_t(), a.get_mpz_t(), static_cast<mp_bitcnt_t>(e - d.exponent));
  else mpz_mul_2exp(b.get_mpz_t(), b.get_mpz_t(), static_cast<mp_bitcnt_t>(d.exponent - e));
  return cmp(a, b);
}

// True when (left 2^exponent, (left + 1) 2^exponent) lies in `skipped`.
bool Skipped(const mpz_class& left, long exponent, const Unsearched& skipped) {
  return Compare(left, exponent, skipped.from) >= 0 && (skipped.toEnd || Compare(left + 1, exponent, skipped.to) <= 0);
}

// The node of (0, 1), and those of (2^i, 2^(i+1)) up to the bound: g itself
// and g(2^i (1 + t)). Starting from these rather than from (0, 2^k) keeps
// the coefficients of the nodes near 1 as small as g's. A root at one of
// the ends 2^i is added to `found`.
std::vector<std::unique_ptr<Node>> StartNodes(const fmpz_poly_struct* g, long boundExponent, const Unsearched& skipped,
                                              const Fmpz& one, Fmpz& content, std::vector<RootInterval>& found) {
  std::vector<std::unique_ptr<Node>> nodes;
  if (!Skipped(0, 0, skipped)) {
    nodes.push_back(std::make_unique<Node>());
    fmpz_poly_set(nodes.back()->poly.get(), g);
  }
  for (long i = 0; i < boundExponent; ++i) {
    if (Skipped(1, i, skipped)) continue;
    auto node = std::make_unique<Node>();
    fmpz_poly_set(node->poly.get(), g);
    for (slong j = 1; j < fmpz_poly_length(g); ++j)
      fmpz_mul_2exp(node->poly.get()->coeffs + j, node->poly.get()->coeffs + j, static_cast<ulong>(i * j));
    fmpz_poly_taylor_shift(node->poly.get(), node->poly.get(), one.get());
    RemoveContent(node->poly, content);
    node->left = 1;
    node->exponent = i;
    if (fmpz_is_zero(node->poly.get()->coeffs)) {
      found.push_back({node->left, node->exponent, true});
      fmpz_poly_shift_right(node->poly.get(), node->poly.get(), 1);
    }
    nodes.push_back(std::move(node));
  }
  return nodes;
}

// Pushes both halves of `node`, (0, 1/2) and (1/2, 1) scaled back to
// (0, 1), the left one on top. The right one waits for its shift unless the
// midpoint is a root.
void Split(std::unique_ptr<Node> node, long variations, Fmpz& content, std::vector<RootInterval>& found,
           std::vector<std::unique_ptr<Node>>& pending) {
  HalveRoots(node->poly);
  auto right = std::make_unique<Node>();
  right->left = 2 * node->left + 1;
  right->exponent = node->exponent - 1;
  if (SignAtOne(node->poly.get()) == 0) {  // A(1/2), up to a positive factor, after the halving
    Fmpz one;
    fmpz_one(one.get());
    fmpz_poly_taylor_shift_divconquer(right->poly.get(), node->poly.get(), one.get());
    found.push_back({right->left, right->exponent, true});
    fmpz_poly_shift_right(right->poly.get(), right->poly.get(), 1);
    RemoveContent(right->poly, content);
    node->rightSibling = nullptr;
  } else {
    fmpz_poly_set(right->poly.get(), node->poly.get());
    right->unshifted = true;
    node->rightSibling = right.get();
    node->parentVariations = variations;
  }
  node->left *= 2;
  node->exponent -= 1;
  node->variations = -1;
  node->unshifted = false;
  RemoveContent(node->poly, content);
  pending.push_back(std::move(right));
  pending.push_back(std::move(node));
}

// A node of the bisection for a polynomial whose roots are taken to be all
// real, when the sign variations of g((left + t) 2^exponent) count exactly
// the roots above the left end: the roots in a node are those above its left
// end less those above its right end, so that each split costs one shift.
struct CountedNode {
  FmpzPoly poly;  // g((left + t) 2^exponent) up to a positive factor, poly(0) != 0
  mpz_class left;
  long exponent = 0;
  long above = 0;       // sign variations of poly: the roots above the left end
  long aboveRight = 0;  // the same at the right end, which is no root
};

constexpr long kMostSplitsPerRoot = 4;  // past this the counts are no guide: not all roots are real

// The positive roots of g by counted bisection, false when the counts prove
// no guide (a count below 0, a split too many, a root at a dyadic point).
// Every interval kept shows a sign change of g across it, so that it holds
// a root; when there are as many as g's sign variations, which bound its
// positive roots, each holds exactly one and none is missed: the result is
// certified whatever the counts were.
bool IsolateByCounts(std::vector<std::unique_ptr<CountedNode>> pending, long variations, Deadline deadline,
                     std::vector<RootInterval>& found) {
  Fmpz one, content;
  fmpz_one(one.get());
  long splitsLeft = kMostSplitsPerRoot * (variations + 1);
  while (!pending.empty()) {
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    std::unique_ptr<CountedNode> node = std::move(pending.back());
    pending.pop_back();
    const long roots = node->above - node->aboveRight;
    if (roots < 0) return false;
    if (roots == 0) continue;
    if (roots == 1) {
      if (fmpz_sgn(node->poly.get()->coeffs) * SignAtOne(node->poly.get()) >= 0) return false;
      found.push_back({node->left, node->exponent, false});
      continue;
    }
    if (--splitsLeft < 0) return false;
    HalveRoots(node->poly);
    auto right = std::make_unique<CountedNode>();
    fmpz_poly_taylor_shift_divconquer(right->poly.get(), node->poly.get(), one.get());
    if (fmpz_is_zero(right->poly.get()->coeffs)) return false;
    RemoveContent(right->poly, content);
    RemoveContent(node->poly, content);
    right->left = 2 * node->left + 1;
    right->exponent = node->exponent - 1;
    right->above = SignVariations(right->poly.get());
    right->aboveRight = node->aboveRight;
    node->left *= 2;
    node->exponent -= 1;
    node->aboveRight = right->above;
    pending.push_back(std::move(right));
    pending.push_back(std::move(node));
  }
  return static_cast<long>(found.size()) == variations;
}

// The start nodes of IsolateByCounts: (0, 2^k) for k past the roots, or,
// with the k small, (0, 1) and (2^i, 2^(i+1)); empty when a start is a root.
std::vector<std::unique_ptr<CountedNode>> CountedStartNodes(const fmpz_poly_struct* g, long boundExponent,
                                                            long variations) {
  std::vector<std::unique_ptr<CountedNode>> nodes;
  if (boundExponent > kMostStartNodes) {
    auto whole = std::make_unique<CountedNode>();
    fmpz_poly_swap(whole->poly.get(), WholeRangeNode(g, boundExponent)->poly.get());
    whole->exponent = boundExponent;
    whole->above = variations;
    nodes.push_back(std::move(whole));
    return nodes;
  }
  Fmpz one, content;
  fmpz_one(one.get());
  std::vector<RootInterval> unused;
  for (std::unique_ptr<Node>& start : StartNodes(g, boundExponent, {}, one, content, unused)) {
    auto node = std::make_unique<CountedNode>();
    fmpz_poly_swap(node->poly.get(), start->poly.get());
    node->left = start->left;
    node->exponent = start->exponent;
    node->above = SignVariations(node->poly.get());
    if (!nodes.empty()) nodes.back()->aboveRight = node->above;
    nodes.push_back(std::move(node));
  }
  if (!unused.empty()) nodes.clear();
  return nodes;
}

// False when g (degree n) certainly has a root off the real axis: the
// coefficients of a polynomial with real roots only meet Newton's
// inequalities a_k^2 k (n - k) >= a_(k-1) a_(k+1) (k + 1) (n - k + 1).
bool MaybeAllReal(const fmpz_poly_struct* g) {
  const slong n = fmpz_poly_degree(g);
  Fmpz square, product;
  for (slong k = 1; k < n; ++k) {
    fmpz_mul(square.get(), g->coeffs + k, g->coeffs + k);
    fmpz_mul_ui(square.get(), square.get(), static_cast<ulong>(k * (n - k)));
    fmpz_mul(product.get(), g->coeffs + k - 1, g->coeffs + k + 1);
    fmpz_mul_ui(product.get(), product.get(), static_cast<ulong>((k + 1) * (n - k + 1)));
    if (fmpz_cmp(square.get(), product.get()) < 0) return false;
  }
  return true;
}

}  // namespace

bool NoRootAbove(const fmpz_poly_struct* g, const Dyadic& limit) {
  const slong degree = fmpz_poly_degree(g);
  const long e = std::max(0L, -limit.exponent);
  const long shiftBits = static_cast<long>(mpz_sizeinbase(limit.numerator.get_mpz_t(), 2)) + std::max(0L, limit.exponent) + e;
  if (degree < 1 || limit.exponent > 0 || (shiftBits + 1) * degree > kMostShiftedBits) return false;
  // 2^(e d) g((y + m) 2^-e) for the limit m 2^-e: g(limit + y) up to a
  // positive factor.
  FmpzPoly h;
  fmpz_poly_set(h.get(), g);
  for (slong i = 0; i < degree; ++i)
    fmpz_mul_2exp(h.get()->coeffs + i, h.get()->coeffs + i, static_cast<ulong>(e * (degree - i)));
  Fmpz m;
  fmpz_set_mpz(m.get(), limit.numerator.get_mpz_t());
  fmpz_poly_taylor_shift(h.get(), h.get(), m.get());
  return !fmpz_is_zero(h.get()->coeffs) && SignVariations(h.get()) == 0;
}

std::vector<RootInterval> IsolatePositiveRoots(const fmpz_poly_struct* g, Deadline deadline, const Unsearched& skipped) {
  const long variations = SignVariations(g);
  if (variations == 0) return {};  // Descartes: no positive root at all
  long boundExponent = RootBoundExponent(g);
  if (boundExponent > kLargestExponent) {
    // A root beyond 2^1000 could not be drawn: an odd number of them is
    // certain from the signs; an even number goes unseen.
    if (OddRootsBeyond(g, kLargestExponent)) throw EngineError(kOverflow);
    boundExponent = kLargestExponent;
  }
  if (boundExponent * fmpz_poly_degree(g) > kMostScaledBits) throw EngineError(kOverflow);
  const bool searchAll = skipped.from.numerator == 0 && skipped.to.numerator == 0 && !skipped.toEnd;
  if (searchAll && variations >= 2 && MaybeAllReal(g)) {
    std::vector<RootInterval> counted;
    auto starts = CountedStartNodes(g, boundExponent, variations);
    if (!starts.empty() && IsolateByCounts(std::move(starts), variations, deadline, counted)) return counted;
  }
  Fmpz one, content;
  fmpz_one(one.get());
  FmpzPoly scratch;
  std::vector<RootInterval> found;
  std::vector<std::unique_ptr<Node>> pending;
  if (boundExponent <= kMostStartNodes) {
    pending = StartNodes(g, boundExponent, skipped, one, content, found);
  } else {
    pending.push_back(WholeRangeNode(g, boundExponent));
  }
  while (!pending.empty()) {
    if (std::chrono::steady_clock::now() > deadline) throw EngineError(kOverflow);
    std::unique_ptr<Node> node = std::move(pending.back());
    pending.pop_back();
    if (Skipped(node->left, node->exponent, skipped) || node->variations == 0) continue;
    if (node->variations == 1) {
      found.push_back({node->left, node->exponent, false});
      continue;
    }
    if (node->unshifted) {
      fmpz_poly_taylor_shift(node->poly.get(), node->poly.get(), one.get());
      RemoveContent(node->poly, content);
    }
    const long roots = RootsInUnitInterval(node->poly.get(), scratch, one);
    if (node->rightSibling != nullptr) node->rightSibling->variations = node->parentVariations - roots;
    if (roots == 0) continue;
    if (roots == 1) {
      found.push_back({node->left, node->exponent, false});
      continue;
    }
    Split(std::move(node), roots, content, found, pending);
  }
  return found;
}

}  // namespace factorix
