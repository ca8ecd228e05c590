#include "bench/NaiveSearch.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/DoubleEvaluator.h"
#include "engine/core/EngineError.h"
#include "engine/text/Terms.h"
#include "engine/text/Tidy.h"

namespace factorix::bench {

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size()) {
    text.replace(pos, from.size(), to);
  }
  return text;
}

double ToDouble(const std::string& text) {
  std::size_t used = 0;
  double v = 0;
  try {
    v = std::stod(text, &used);
  } catch (...) {
    throw EngineError(kTypeMismatch);
  }
  if (used != text.size()) throw EngineError(kTypeMismatch);
  return v;
}

std::string Whole(double v) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", v);
  return buffer;
}

// Ruffini's rule over the term readers, in double precision.
std::string Divide(const std::string& root, std::string_view text) {
  const int n = ObtenerNumTerminos(text, 'x');
  std::vector<std::string> a;
  for (int k = 1; k <= n; ++k) a.push_back(ObtenerTermino(text, k, 'x'));
  a.push_back(ObtenerIndependiente(text, true));
  const double r = ToDouble(root);
  std::string out;
  double carry = 0;
  for (int i = 0; i < n; ++i) {
    const double v = (i == 0 ? 0 : carry) + ToDouble(a[static_cast<std::size_t>(i)]);
    std::string t = i == 0 ? a[0] : Whole(v);
    if (t[0] != '+' && t[0] != '-') t.insert(0, "+");
    out += t + "xe" + std::to_string(n - 1 - i);
    carry = v * r;
  }
  return out;
}

}  // namespace

SearchResult NaiveSearch::Run(std::string_view text) {
  SearchResult result;
  try {
    const double p = ToDouble(ObtenerIndependiente(text, false));
    std::vector<std::string> divisors;
    for (double i = 1; i <= p; ++i) {
      if (p / i == std::floor(p / i)) divisors.push_back(Whole(i));
    }
    DoubleEvaluator evaluator;
    for (const std::string& d : divisors) {
      for (int s = 1; s <= 2; ++s) {
        const std::string v = s == 1 ? "-" + d : d;
        std::string e = ReplaceAll(std::string(text), "x", "(" + v + ")");
        e = ReplaceAll(e, "e", "^");
        e = ReplaceAll(e, "(", "*(");
        if (!e.empty() && e[0] == '*') e.erase(0, 1);
        e = ReplaceAll(e, "+*(", "+(");
        e = ReplaceAll(e, "-*(", "-(");
        if (evaluator.Eval(e) != 0.0) continue;
        if (result.lines.size() >= kMaxLines) throw EngineError(kOverflow);
        result.lines.push_back((s == 1 ? " (x+" : " (x-") + d + ")");
        result.roots.emplace_back(v);
        result.lines.back() += " (" + Chunga(Divide(v, text)) + ")";
      }
    }
  } catch (const EngineError& e) {
    result.error = e.number();
  }
  return result;
}

}  // namespace factorix::bench
