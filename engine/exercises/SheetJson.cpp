#include "engine/exercises/SheetJson.h"

#include "engine/factor/Factorization.h"
#include "engine/factor/PolynomialText.h"

namespace factorix {
namespace {

// n = square * rest with rest square-free; returns the square root of square.
long SquarePart(long n, long& rest) {
  long root = 1;
  rest = n;
  for (long f = 2; f * f <= rest; ++f)
    while (rest % (f * f) == 0) {
      rest /= f * f;
      root *= f;
    }
  return root;
}

// k/2 * √t written without a coefficient 1: "3", "1/2", "√3", "√3/2", "3√3/2".
std::string HalfTimesRoot(long k, long t) {
  mpq_class factor(k, 2);
  factor.canonicalize();
  const std::string root = t == 1 ? "" : "√" + std::to_string(t);
  if (t == 1) return factor.get_str();
  const std::string numerator = factor.get_num() == 1 ? root : factor.get_num().get_str() + root;
  return factor.get_den() == 1 ? numerator : numerator + "/" + factor.get_den().get_str();
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::vector<std::string> ComplexRootTexts(const Polynomial& quadratic) {
  const long c = quadratic.at(0).get_si(), b = quadratic.at(1).get_si();
  long rest = 0;
  const long square = SquarePart(4 * c - b * b, rest);
  mpq_class realPart(-b, 2);
  realPart.canonicalize();
  const std::string real = b == 0 ? "" : realPart.get_str();
  std::string imaginary = HalfTimesRoot(square, rest);
  if (imaginary == "1") imaginary.clear();
  return {real + "-" + imaginary + "i", real + (real.empty() ? "" : "+") + imaginary + "i"};
}

std::string RootJson(const mpq_class& root) {
  return root.get_den() == 1 ? root.get_num().get_str() : Quoted(root.get_str());
}

std::string SheetJson(std::uint64_t seed, const std::vector<Exercise>& sheet) {
  std::string json = "{\"semilla\": " + std::to_string(seed) + ", \"ejercicios\": [";
  for (std::size_t e = 0; e < sheet.size(); ++e) {
    const Exercise& exercise = sheet[e];
    json += e == 0 ? "\n" : ",\n";
    json += "{\"polinomio\": " + Quoted(WritePolynomial(exercise.polynomial)) + ", \"coeficientes\": [";
    for (std::size_t i = exercise.polynomial.size(); i-- > 0;)
      json += exercise.polynomial[i].get_str() + (i == 0 ? "" : ", ");
    json += "], \"raices\": [";
    std::vector<std::string> roots;
    for (const mpq_class& root : exercise.roots) roots.push_back(RootJson(root));
    if (!exercise.quadratic.empty())
      for (const std::string& root : ComplexRootTexts(exercise.quadratic)) roots.push_back(Quoted(root));
    for (std::size_t i = 0; i < roots.size(); ++i) json += (i == 0 ? "" : ", ") + roots[i];
    json += "], \"factorizacion\": " + Quoted(WriteFactorization(Factorize(exercise.polynomial))) + "}";
  }
  json += "]}\n";
  return json;
}

}  // namespace factorix
