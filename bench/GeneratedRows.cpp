#include "bench/GeneratedRows.h"

#include <gmpxx.h>

#include <algorithm>

#include "engine/core/RootOrder.h"

namespace factorix::bench {

namespace {

using Coefficients = std::vector<mpz_class>;  // [i] multiplies x^i

// The polynomial as a sum of terms with "^" powers, highest first, zero
// terms left out.
std::string Text(const Coefficients& c) {
  std::string text;
  for (std::size_t i = c.size(); i-- > 0;) {
    if (c[i] == 0) continue;
    if (c[i] > 0 && !text.empty()) text += '+';
    text += c[i].get_str();
    if (i >= 1) text += 'x';
    if (i >= 2) text += '^' + std::to_string(i);
  }
  return text;
}

mpz_class Binomial(unsigned long n, unsigned long k) {
  mpz_class b;
  mpz_bin_uiui(b.get_mpz_t(), n, k);
  return b;
}

// (x^step - a)^n: the powers of x^step only.
Coefficients PowerOf(const mpz_class& a, unsigned long n, unsigned long step) {
  Coefficients c(n * step + 1);
  mpz_class power = 1;  // (-a)^(n - k), from k = n down
  for (unsigned long k = n + 1; k-- > 0;) {
    c[k * step] = Binomial(n, k) * power;
    power *= -a;
  }
  return c;
}

// prod (x - r) over the roots.
Coefficients WithRoots(const std::vector<mpz_class>& roots) {
  Coefficients c{1};
  for (const mpz_class& r : roots) {
    c.push_back(0);
    for (std::size_t i = c.size() - 1; i > 0; --i) c[i] = c[i - 1] - r * c[i];
    c[0] = -r * c[0];
  }
  return c;
}

std::string List(const std::vector<mpz_class>& values) {
  std::string text;
  for (const mpz_class& v : values) {
    if (!text.empty()) text += ',';
    text += v.get_str();
  }
  return text;
}

// `count` distinct roots of 30 digits, either sign, in the search's order.
std::vector<mpz_class> ThirtyDigitRoots(std::size_t count) {
  gmp_randclass random(gmp_randinit_mt);
  random.seed(5);
  const mpz_class low("100000000000000000000000000000");
  std::vector<mpz_class> roots;
  while (roots.size() < count) {
    mpz_class r = low + random.get_z_range(9 * low);
    if (random.get_z_bits(1) == 0) r = -r;
    if (std::find(roots.begin(), roots.end(), r) == roots.end()) roots.push_back(r);
  }
  std::sort(roots.begin(), roots.end(), RootOrder);
  return roots;
}

std::string Signed(const mpz_class& n) { return (n >= 0 ? "+" : "") + n.get_str(); }

GeneratedRow::Made SparseWithRoot(long base, unsigned long k, unsigned long degree = 100000) {
  // x^n + k b^(n-1) x - (k + 1) b^n has the root b; its quotient has
  // billions of digits, so the line stops at the factor with error 6.
  mpz_class power;
  mpz_pow_ui(power.get_mpz_t(), mpz_class(base).get_mpz_t(), degree - 1);
  const mpz_class slope = k * power;
  const mpz_class constant = -mpz_class(k + 1) * power * base;
  return {"x^" + std::to_string(degree) + Signed(slope) + "x" + Signed(constant),
          "roots:" + std::to_string(base) + ";error6"};
}

GeneratedRow::Made Repeated(const mpz_class& m, unsigned long n, bool both) {
  if (!both) return {Text(PowerOf(m, n, 1)), "roots:" + m.get_str()};
  // (x - m)^n (x + m)^n = (x^2 - m^2)^n
  return {Text(PowerOf(m * m, n, 2)), "roots:-" + m.get_str() + "," + m.get_str()};
}

// (x - big)^200 (x - 2)^100 (x + 3)^50, big = 10^40 + 3.
GeneratedRow::Made MixedMultiplicities() {
  const mpz_class big = mpz_class("10000000000000000000000000000000000000000") + 3;
  std::vector<mpz_class> roots(200, big);
  roots.insert(roots.end(), 100, mpz_class(2));
  roots.insert(roots.end(), 50, mpz_class(-3));
  return {Text(WithRoots(roots)), "roots:2,-3," + big.get_str()};
}

GeneratedRow::Made Distinct(std::size_t count, bool tooLong) {
  const std::vector<mpz_class> roots = ThirtyDigitRoots(count);
  return {Text(WithRoots(roots)), "roots:" + List(roots) + (tooLong ? ";error6" : "")};
}

GeneratedRow::Made Product(long count, const std::function<Coefficients(long)>& factor, std::size_t factors) {
  Coefficients c{1};
  for (long k = 1; k <= count; ++k) {
    const Coefficients f = factor(k);
    Coefficients next(c.size() + f.size() - 1);
    for (std::size_t i = 0; i < c.size(); ++i) {
      for (std::size_t j = 0; j < f.size(); ++j) next[i + j] += c[i] * f[j];
    }
    c = std::move(next);
  }
  return {Text(c), "factors:" + std::to_string(factors)};
}

}  // namespace

std::vector<GeneratedRow> GeneratedRows() {
  const mpz_class m = mpz_class("100000000000000000000000000000000000000000000000000") + 151;
  mpz_class googol;
  mpz_ui_pow_ui(googol.get_mpz_t(), 10, 100);
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += i == 0 ? "x/1" : "+x/1";
  return {
      {"t01_sparse_root_6", "x^100000 + 6^99999 x - 2 6^100000", [] { return SparseWithRoot(6, 1); }},
      {"t02_sparse_root_9", "x^100000 + 279 9^99999 x - 280 9^100000", [] { return SparseWithRoot(9, 279); }},
      {"t03_M_400", "(x - M)^400, M = 10^50 + 151", [m] { return Repeated(m, 400, false); }},
      {"t04_pm_M_200", "(x - M)^200 (x + M)^200", [m] { return Repeated(m, 200, true); }},
      {"t05_pm_M_400", "(x - M)^400 (x + M)^400: quotients of 16 million digits",
       [m] { return Repeated(m, 400, true); }},
      {"t06_googol_400", "(x - 10^100)^400", [googol] { return Repeated(googol, 400, false); }},
      {"t07_150_roots", "150 distinct 30-digit roots (50 MB of lines)", [] { return Distinct(150, false); }},
      {"t08_300_roots", "300 distinct 30-digit roots (64 MB of lines, then error 6)",
       [] { return Distinct(300, true); }},
      {"t09_x999_div", "x^999/1 - 897612484786617600, general path",
       [] { return GeneratedRow::Made{"x^999/1-897612484786617600", "roots:"}; }},
      {"t10_thousand_div", "x/1 a thousand times - 10953009486979560",
       [thousand] { return GeneratedRow::Made{thousand + "-10953009486979560", "roots:"}; }},
      {"t11_signs", "--x-2", [] { return GeneratedRow::Made{"--x-2", "signs: (x-2) (+1)"}; }},
      {"t12_signs", "x--x-2", [] { return GeneratedRow::Made{"x--x-2", "signs: (x-1) (+2)"}; }},
      {"t13_signs", "-+x+1", [] { return GeneratedRow::Made{"-+x+1", "signs: (x-1) (-1)"}; }},
      {"t14_signs", "--x^2-4", [] { return GeneratedRow::Made{"--x^2-4", "signs: (x+2) (+1x-2)"}; }},
      {"t15_linear_65", "--factorizar of (2x+3)(2x+5)...(2x+131)",
       [] { return Product(65, [](long k) { return Coefficients{2 * k + 1, 2}; }, 65); }},
      {"t16_quadratic_45", "--factorizar of (x^2+1)(x^2+2)...(x^2+45)",
       [] { return Product(45, [](long k) { return Coefficients{k, 0, 1}; }, 45); }},
      // More of the same kinds: other roots, degrees, multiplicities, sizes,
      // exponents and products.
      {"t17_sparse_root_-6", "x^100000 + 5 (-6)^99999 x - 6 (-6)^100000", [] { return SparseWithRoot(-6, 5); }},
      {"t18_sparse_odd_degree", "x^99999 + 3 2^99998 x - 4 2^99999", [] { return SparseWithRoot(2, 3, 99999); }},
      {"t19_minus_M_399", "(x + M)^399", [m] { return Repeated(-m, 399, false); }},
      {"t20_mixed_repeats", "(x - 10^40 - 3)^200 (x - 2)^100 (x + 3)^50", [] { return MixedMultiplicities(); }},
      {"t21_400_roots", "400 distinct 30-digit roots (64 MB of lines, then error 6)",
       [] { return Distinct(400, true); }},
      {"t22_x100000_div", "x^100000/1 - 897612484786617600: a value past 2^20 bits",
       [] { return GeneratedRow::Made{"x^100000/1-897612484786617600", "error6"}; }},
      {"t23_x50000_div", "x^50000/1 - 897612484786617600: a value past 2^20 bits",
       [] { return GeneratedRow::Made{"x^50000/1-897612484786617600", "error6"}; }},
      {"t24_thousand_squares", "x^2/1 a thousand times - 9000",
       [] {
         std::string text = "x^2/1";
         for (int i = 1; i < 1000; ++i) text += "+x^2/1";
         return GeneratedRow::Made{text + "-9000", "roots:-3,3"};
       }},
      {"t25_mixed_60", "--factorizar of (x^2+k)(2x+2k+1), k = 1..30",
       [] {
         return Product(30, [](long k) { return Coefficients{k * (2 * k + 1), 2 * k, 2 * k + 1, 2}; }, 60);
       }},
      {"t26_x360_minus_1", "--factorizar of x^360 - 1",
       [] { return GeneratedRow::Made{"x^360-1", "factors:24"}; }},
      {"t27_350_roots", "350 distinct 30-digit roots (64 MB of lines, then error 6)",
       [] { return Distinct(350, true); }},
      {"t28_300000_div", "x/1 300 000 times - 10953009486979560: 1.2 MB on the general path",
       [] {
         std::string text = "x/1";
         text.reserve(1200020);
         for (int i = 1; i < 300000; ++i) text += "+x/1";
         return GeneratedRow::Made{text + "-10953009486979560", "roots:"};
       }},
      {"t29_x8300_quotient", "x^8300 + x - 2^8300 - 2: root 2, a quotient of 10.4 million digits",
       [] {
         mpz_class power;
         mpz_ui_pow_ui(power.get_mpz_t(), 2, 8300);
         return GeneratedRow::Made{"x^8300+x" + Signed(-power - 2), "roots:2"};
       }},
  };
}

}  // namespace factorix::bench
