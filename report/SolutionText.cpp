#include "report/SolutionText.h"

#include <variant>

#include "engine/factor/PolynomialText.h"
#include "report/RootText.h"
#include "report/RuffiniTableText.h"

using namespace factorix;

namespace {

const QChar kDecimalComma = u',';

template <class... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};
// clang 14 does not deduce an aggregate's template arguments by itself.
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

QString polynomialText(const Polynomial& p) { return QString::fromStdString(WritePolynomial(p)); }

// The quadratic in t of a biquadratic: "t²-5t+6".
QString inT(const Polynomial& biquadratic) {
  return polynomialText({biquadratic[0], biquadratic[2], biquadratic[4]}).replace(u'x', u't');
}

QString numberText(const mpz_class& n) { return QString::fromStdString(n.get_str()); }

// A factor of a product: in parentheses when it is negative.
QString factorText(const mpz_class& n) { return n < 0 ? u'(' + numberText(n) + u')' : numberText(n); }

// "Δ = (-5)²-4·1·6 = 1".
QString discriminantLine(const mpz_class& a, const mpz_class& b, const mpz_class& c, const mpz_class& discriminant) {
  return QStringLiteral("Δ = %1²-4·%2·%3 = %4")
      .arg(factorText(b), factorText(a), factorText(c), numberText(discriminant));
}

// What the sign of the discriminant tells.
QString discriminantVerdict(const mpz_class& discriminant, bool inT) {
  if (inT) {
    if (discriminant > 0) return SolutionText::tr("Δ > 0: dos soluciones reales distintas");
    if (discriminant == 0) return SolutionText::tr("Δ = 0: una solución doble");
    return SolutionText::tr("Δ < 0: la ecuación en t no tiene soluciones reales");
  }
  if (discriminant > 0) return SolutionText::tr("Δ > 0: dos raíces reales distintas");
  if (discriminant == 0) return SolutionText::tr("Δ = 0: una raíz doble");
  return SolutionText::tr("Δ < 0: no tiene raíces reales");
}

// "(-2 ± √-12)/2 = -1 ± √3i", "4/2 = 2", "(5 ± 1)/2", the value of
// `name` ("x" or "t") from the formula.
QString formulaLine(const QString& name, const mpz_class& a, const mpz_class& b, const mpz_class& discriminant,
                    const std::vector<ExactRoot>& roots) {
  const QString denominator = numberText(2 * a);
  if (discriminant == 0) {
    return QStringLiteral("%1 = %2/%3 = %4").arg(name, numberText(-b), denominator, RootText::exact(roots.front()));
  }
  mpz_class root;
  const bool square = discriminant > 0 && mpz_perfect_square_p(discriminant.get_mpz_t());
  if (square) mpz_sqrt(root.get_mpz_t(), discriminant.get_mpz_t());
  const QString underRoot = square ? numberText(root) : u'√' + numberText(discriminant);
  QString line = QStringLiteral("%1 = (%2 ± %3)/%4").arg(name, numberText(-b), underRoot, denominator);
  if (roots.front().IsRational()) {
    QStringList values;
    for (const ExactRoot& r : roots) values << QStringLiteral("%1 = %2").arg(name, RootText::exact(r));
    line += QStringLiteral(": ") + values.join(QStringLiteral(", "));
  } else {
    line += QStringLiteral(" = ") + RootText::plusMinus(roots.front());
  }
  return line;
}

QStringList trialsLines(const TrialsStep& step) {
  QStringList lines;
  const qsizetype failed = qsizetype(step.candidates.size()) - (step.foundRoot ? 1 : 0);
  for (qsizetype i = 0; i < failed; ++i) lines << SolutionText::trialLine(step.candidates[size_t(i)], step.remainders[size_t(i)]);
  if (step.hiddenFailures > 0)
    lines << SolutionText::tr("… y %n candidatos más, con resto distinto de 0", nullptr, int(step.hiddenFailures));
  if (step.foundRoot) lines << SolutionText::trialLine(step.candidates.back(), step.remainders.back());
  return lines;
}

QStringList written(const std::vector<mpq_class>& numbers) {
  QStringList out;
  for (const mpq_class& n : numbers) out << RootText::number(n);
  return out;
}

QStringList ruffiniLines(const RuffiniStep& step) {
  QStringList lines = RuffiniTableText(RootText::number(step.root), written(step.dividend), written(step.products),
                                       written(step.quotient), RootText::number(step.remainder))
                          .split(u'\n', Qt::SkipEmptyParts);
  lines << SolutionText::productLine(step);
  return lines;
}

QStringList quadraticLines(const QuadraticStep& step) {
  const Polynomial& f = step.polynomial;
  return {QStringLiteral("%1 = 0").arg(polynomialText(f)), discriminantLine(f[2], f[1], f[0], step.discriminant),
          discriminantVerdict(step.discriminant, false), formulaLine(QStringLiteral("x"), f[2], f[1], step.discriminant, step.roots)};
}

QStringList biquadraticLines(const BiquadraticStep& step) {
  const Polynomial& f = step.polynomial;
  QStringList lines{QStringLiteral("%1 = 0").arg(polynomialText(f)),
                    SolutionText::tr("t = x²: %1 = 0").arg(inT(f)),
                    discriminantLine(f[4], f[2], f[0], step.discriminant),
                    discriminantVerdict(step.discriminant, true),
                    formulaLine(QStringLiteral("t"), f[4], f[2], step.discriminant, step.t)};
  // x = ±√t for each t: its two roots follow each other in step.roots.
  for (std::size_t k = 0; k < step.t.size(); ++k) {
    const Root& minus = step.roots[2 * k];
    const Root& plus = step.roots[2 * k + 1];
    const QString t = RootText::exact(step.t[k]);
    if (plus.exact) {
      lines << QStringLiteral("t = %1: x = %2").arg(t, RootText::plusMinus(*plus.exact));
    } else {
      lines << QStringLiteral("t = %1: x = ±√t, x ≈ %2, x ≈ %3")
                   .arg(t, RootText::approximate(minus, kDecimalComma), RootText::approximate(plus, kDecimalComma));
    }
  }
  return lines;
}

QStringList approximateLines(const ApproximateStep& step) {
  QStringList lines{SolutionText::tr("%1 = 0 no tiene raíces racionales").arg(polynomialText(step.polynomial))};
  for (const Root& root : step.realRoots) lines << SolutionText::rootLine(root);
  if (step.realRoots.empty()) lines << SolutionText::tr("no tiene raíces reales");
  if (step.nonRealCount > 0) lines << SolutionText::tr("%n raíces no reales", nullptr, int(step.nonRealCount));
  return lines;
}

QStringList splitLines(const SplitStep& step) {
  Factorization product;
  product.content = step.content;
  product.factors = step.factors;
  return {SolutionText::tr("Sin raíces racionales, se factoriza sobre los enteros:"),
          QStringLiteral("%1 = %2").arg(polynomialText(step.polynomial), QString::fromStdString(WriteFactorization(product)))};
}


}  // namespace

QString SolutionText::sectionName(const SolutionStep& step) {
  return std::visit(Overloaded{
                        [](const TrialsStep& s) { return s.stage == Stage::kRationalRoots ? tr("Raíces racionales") : tr("Raíces enteras"); },
                        [](const RuffiniStep& s) { return s.stage == Stage::kRationalRoots ? tr("Raíces racionales") : tr("Raíces enteras"); },
                        [](const LinearStep&) { return tr("Primer grado"); },
                        [](const QuadraticStep&) { return tr("Segundo grado"); },
                        [](const BiquadraticStep&) { return tr("Bicuadrada"); },
                        [](const ApproximateStep&) { return tr("Raíces aproximadas"); },
                        [](const SplitStep&) { return tr("Raíces aproximadas"); },
                    },
                    step);
}

QStringList SolutionText::stepLines(const SolutionStep& step) {
  return std::visit(Overloaded{
                        [](const TrialsStep& s) { return trialsLines(s); },
                        [](const RuffiniStep& s) { return ruffiniLines(s); },
                        [](const LinearStep& s) {
                          return QStringList{QStringLiteral("%1 = 0, x = %2").arg(polynomialText(s.polynomial), RootText::exact(s.root))};
                        },
                        [](const QuadraticStep& s) { return quadraticLines(s); },
                        [](const BiquadraticStep& s) { return biquadraticLines(s); },
                        [](const ApproximateStep& s) { return approximateLines(s); },
                        [](const SplitStep& s) { return splitLines(s); },
                    },
                    step);
}

QString SolutionText::productLine(const RuffiniStep& step) {
  Polynomial dividend;
  for (auto it = step.dividend.rbegin(); it != step.dividend.rend(); ++it) dividend.push_back(it->get_num());
  return QStringLiteral("%1 = (%2)(%3)").arg(polynomialText(dividend), polynomialText(step.factor), polynomialText(step.next));
}

QString SolutionText::commonFactorLine(const Solution& solution) {
  // P = content · x^k · rest: "2x(x²-4)", "-(x³-8)", "3x²".
  Factorization written;
  written.content = solution.content;
  if (solution.xPower > 0) written.factors.push_back({{0, 1}, solution.xPower});
  if (Degree(solution.rest) >= 1) written.factors.push_back({solution.rest, 1});
  return QStringLiteral("P(x) = ") + QString::fromStdString(WriteFactorization(written));
}

QString SolutionText::trialLine(const mpq_class& candidate, const mpq_class& remainder) {
  return tr("x = %1: resto %2").arg(RootText::number(candidate), RootText::number(remainder));
}

QString SolutionText::multiplicity(unsigned count) {
  switch (count) {
    case 0:
    case 1:
      return {};
    case 2:
      return tr("doble");
    case 3:
      return tr("triple");
    case 4:
      return tr("cuádruple");
    default:
      return tr("multiplicidad %1").arg(count);
  }
}

QString SolutionText::rootLine(const Root& root) {
  QString line = root.exact ? QStringLiteral("x = ") + RootText::exact(*root.exact)
                            : QStringLiteral("x ≈ ") + RootText::approximate(root, kDecimalComma);
  return line + multiplicitySuffix(root.multiplicity);
}

QString SolutionText::multiplicitySuffix(unsigned count) {
  const QString words = multiplicity(count);
  return words.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(words);
}

QString SolutionText::rootsLine(const Solution& solution) {
  if (solution.polynomial.empty()) return tr("Raíces: todo número es raíz");
  if (solution.roots.empty()) return tr("Raíces: no tiene");
  QStringList roots;
  for (const Root& root : solution.roots) roots << rootLine(root);
  return tr("Raíces: %1").arg(roots.join(QStringLiteral(", ")));
}

QString SolutionText::factorizationLine(const Solution& solution) {
  return tr("Factorización: %1").arg(QString::fromStdString(WriteFactorization(solution.factorization)));
}

QString SolutionText::write(const Solution& solution) {
  QString out = QStringLiteral("P(x) = ") + polynomialText(solution.polynomial) + u'\n';
  if (solution.content != 1 || solution.xPower > 0) {
    out += u'\n' + tr("Factor común") + u'\n' + commonFactorLine(solution) + u'\n';
  }
  QString section;
  for (std::size_t i = 0; i < solution.steps.size(); ++i) {
    const SolutionStep& step = solution.steps[i];
    // What is left, split into factors, is read with the first of them.
    const SolutionStep& named = std::holds_alternative<SplitStep>(step) && i + 1 < solution.steps.size() ? solution.steps[i + 1] : step;
    const QString name = sectionName(named);
    out += u'\n';
    if (name != section) out += name + u'\n';
    section = name;
    out += stepLines(step).join(u'\n') + u'\n';
  }
  out += u'\n' + rootsLine(solution) + u'\n' + factorizationLine(solution) + u'\n';
  return out;
}
