// Textbook exercises with their whole solutions, read back from the texts a
// person and a program get: the steps in order, every root with its
// multiplicity, and the factorisation.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <variant>

#include "engine/factor/Work.h"
#include "engine/solve/Solution.h"
#include "report/RootText.h"
#include "report/SolutionJson.h"
#include "report/SolutionText.h"

namespace factorix {
namespace {

// One line for a whole solution: the common factor, each step ("-1:-9" per
// trial and "+N" for the trials not shown, "÷r" per table, "Δ=d" per
// quadratic, "t:Δ=d" per biquadratic, "lineal", "≈" for approximate roots),
// then the roots with their multiplicities and the factorisation.
std::string Summary(const Solution& s) {
  QStringList parts{QStringLiteral("%1·x^%2").arg(QString::fromStdString(s.content.get_str())).arg(s.xPower)};
  for (const SolutionStep& step : s.steps) {
    if (const auto* t = std::get_if<TrialsStep>(&step)) {
      QStringList trials;
      for (std::size_t i = 0; i < t->candidates.size(); ++i)
        trials << RootText::number(t->candidates[i]) + u':' + RootText::number(t->remainders[i]);
      if (t->hiddenFailures > 0) trials << QStringLiteral("+%1").arg(t->hiddenFailures);
      parts << trials.join(u' ');
    } else if (const auto* r = std::get_if<RuffiniStep>(&step)) {
      parts << u'÷' + RootText::number(r->root);
    } else if (const auto* q = std::get_if<QuadraticStep>(&step)) {
      parts << QStringLiteral("Δ=%1").arg(QString::fromStdString(q->discriminant.get_str()));
    } else if (const auto* b = std::get_if<BiquadraticStep>(&step)) {
      parts << QStringLiteral("t:Δ=%1").arg(QString::fromStdString(b->discriminant.get_str()));
    } else if (std::holds_alternative<LinearStep>(step)) {
      parts << QStringLiteral("lineal");
    } else if (std::holds_alternative<ApproximateStep>(step)) {
      parts << QStringLiteral("≈");
    }
  }
  QStringList roots;
  for (const Root& root : s.roots) {
    QString text = RootText::value(root, u',');
    if (root.multiplicity > 1) text += QStringLiteral("^%1").arg(root.multiplicity);
    roots << text;
  }
  parts << roots.join(QStringLiteral("; "));
  parts << SolutionText::factorizationLine(s).section(QStringLiteral(": "), 1);
  return parts.join(QStringLiteral(" | ")).toStdString();
}

struct Exercise {
  const char* text;
  const char* summary;
};

const Exercise kExercises[] = {
    // Common factor, an integer root, a quadratic without real roots.
    {"2x^3-16", "2·x^0 | -1:-9 1:-7 -2:-16 2:0 | ÷2 | Δ=-12 | 2; -1-√3i; -1+√3i | 2(x-2)(x²+2x+4)"},
    // Three integer roots: the list restarts at the root found.
    {"x^3-6x^2+11x-6", "1·x^0 | -1:-24 1:0 | ÷1 | Δ=1 | 1; 2; 3 | (x-1)(x-2)(x-3)"},
    // A repeated root divides again; the last quadratic gives it twice.
    {"x^4-4x^3+6x^2-4x+1", "1·x^0 | -1:16 1:0 | ÷1 | 1:0 | ÷1 | Δ=0 | 1^4 | (x-1)⁴"},
    // No integer root; the rational candidates, and a rational root twice in a row.
    {"6x^4-x^3+5x^2-x-1",
     "1·x^0 | -1:12 1:8 | -1/6:-37/54 1/6:-37/36 -1/3:0 | ÷-1/3 | -1/2:-5/2 1/2:0 | ÷1/2 | Δ=-4 | -1/3; 1/2; -i; i | "
     "(2x-1)(3x+1)(x²+1)"},
    // Common factor with x, then a quadratic with integer roots.
    {"3x^3-12x", "3·x^1 | Δ=16 | -2; 0; 2 | 3x(x+2)(x-2)"},
    // Biquadratic with rational t.
    {"x^4-5x^2+6", "1·x^0 | -1:2 1:2 -2:2 2:2 -3:42 3:42 -6:1122 6:1122 | t:Δ=1 | -√3; -√2; √2; √3 | (x²-3)(x²-2)"},
    // Surds simplified: √20 = 2√5, √48/6 = 2√3/3.
    {"x^2-2x-4", "1·x^0 | Δ=20 | 1-√5; 1+√5 | x²-2x-4"},
    {"3x^2-4", "1·x^0 | Δ=48 | -2√3/3; 2√3/3 | 3x²-4"},
    // A cubic without rational roots.
    {"x^3-x-1", "1·x^0 | -1:-1 1:-1 | ≈ | 1,324718; -0,662359-0,562280i; -0,662359+0,562280i | x³-x-1"},
    // A linear equation left after the integer roots, and a triple rational root.
    {"4x^2-6x", "2·x^1 | lineal | 0; 3/2 | 2x(2x-3)"},
    {"8x^3-12x^2+6x-1",
     "1·x^0 | -1:-27 1:1 | -1/8:-125/64 1/8:-27/64 -1/4:-27/8 1/4:-1/8 -1/2:-8 1/2:0 | ÷1/2 | Δ=0 | 1/2^3 | (2x-1)³"},
};

TEST(SolutionReport, TextbookExercises) {
  for (const Exercise& exercise : kExercises) {
    const std::optional<Polynomial> p = ReadTerms(exercise.text);
    ASSERT_TRUE(p) << exercise.text;
    EXPECT_EQ(Summary(Solve(*p)), exercise.summary) << exercise.text;
  }
}

// The layout of the text and the JSON, once each.
TEST(SolutionReport, TextAndJsonOfOneExercise) {
  const Solution s = Solve(*ReadTerms("2x^3-16"));
  EXPECT_EQ(SolutionText::write(s).toStdString(),
            "P(x) = 2x³-16\n"
            "\n"
            "Factor común\n"
            "P(x) = 2(x³-8)\n"
            "\n"
            "Raíces enteras\n"
            "x = -1: resto -9\n"
            "x = 1: resto -7\n"
            "x = -2: resto -16\n"
            "x = 2: resto 0\n"
            "\n"
            "  |  1  0  0   -8\n"
            "2 |     2  4    8\n"
            "--+--------------\n"
            "     1  2  4 |  0\n"
            "x³-8 = (x-2)(x²+2x+4)\n"
            "\n"
            "Segundo grado\n"
            "x²+2x+4 = 0\n"
            "Δ = 2²-4·1·4 = -12\n"
            "Δ < 0: no tiene raíces reales\n"
            "x = (-2 ± √-12)/2 = -1 ± √3i\n"
            "\n"
            "Raíces: x = 2, x = -1-√3i, x = -1+√3i\n"
            "Factorización: 2(x-2)(x²+2x+4)\n");
  EXPECT_EQ(SolutionJson::write(s).toStdString(),
            R"j({"polinomio": "2x³-16", "factor_comun": "2", "potencia_x": 0, "pasos": [)j"
            R"j({"tipo": "ensayos", "polinomio": "x³-8", "candidatos": ["-1", "1", "-2", "2"], "restos": ["-9", "-7", "-16", "0"], "mas": 0}, )j"
            R"j({"tipo": "ruffini", "raiz": "2", "dividendo": ["1", "0", "0", "-8"], "productos": ["2", "4", "8"], "cociente": ["1", "2", "4"], "resto": "0"}, )j"
            R"j({"tipo": "segundo_grado", "polinomio": "x²+2x+4", "discriminante": "-12"}], )j"
            R"j("raices": [{"valor": "2", "re": "2", "im": "0", "multiplicidad": 1, "exacta": true}, )j"
            R"j({"valor": "-1-√3i", "re": "-1", "im": "-1.732050808", "multiplicidad": 1, "exacta": true}, )j"
            R"j({"valor": "-1+√3i", "re": "-1", "im": "1.732050808", "multiplicidad": 1, "exacta": true}], )j"
            R"j("factorizacion": "2(x-2)(x²+2x+4)"})j");
}

// The trials past the first 30 failures are counted, not listed.
TEST(SolutionReport, LongTrialListsAreCut) {
  // x^3 + 720720 has no integer root among the 2 * 240 candidates.
  const Solution s = Solve({720720, 0, 0, 1});
  const auto& trials = std::get<TrialsStep>(s.steps.front());
  EXPECT_EQ(trials.candidates.size(), kMaxShownFailedTrials);
  EXPECT_EQ(trials.hiddenFailures, 480 - kMaxShownFailedTrials);
}

}  // namespace
}  // namespace factorix
