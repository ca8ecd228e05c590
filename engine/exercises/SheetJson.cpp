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

// s√t without a coefficient 1: "3", "√3", "2√3".
std::string TimesRoot(long s, long t) {
  if (t == 1) return std::to_string(s);
  return (s == 1 ? "" : std::to_string(s)) + "√" + std::to_string(t);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::vector<std::string> ComplexRootTexts(const Polynomial& quadratic) {
  // x = (-b ± i√D)/2 with D = 4c - b² > 0 and √D = s√t.
  const long c = quadratic.at(0).get_si(), b = quadratic.at(1).get_si();
  long t = 0;
  const long s = SquarePart(4 * c - b * b, t);
  std::vector<std::string> roots;
  for (const char* sign : {"-", "+"}) {
    if (b % 2 == 0 && s % 2 == 0) {  // both halves are whole: -b/2 ± (s/2)√t i
      std::string imaginary = TimesRoot(s / 2, t);
      if (imaginary == "1") imaginary.clear();
      const std::string real = b == 0 ? "" : std::to_string(-b / 2);
      roots.push_back(real + (real.empty() && *sign == '+' ? "" : sign) + imaginary + "i");
    } else {
      const std::string real = b == 0 ? "" : std::to_string(-b);
      roots.push_back("(" + real + (real.empty() && *sign == '+' ? "" : sign) + TimesRoot(s, t) + "i)/2");
    }
  }
  return roots;
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
