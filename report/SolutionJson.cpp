#include "report/SolutionJson.h"

#include <QString>
#include <QStringList>

#include <variant>

#include "engine/factor/PolynomialText.h"
#include "report/RootText.h"

using namespace factorix;

namespace {

const QChar kDecimalPoint = u'.';

// A JSON string.
QString quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c == u'"' || c == u'\\') {
      out += u'\\';
      out += c;
    } else if (c.unicode() < 0x20) {
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    } else {
      out += c;
    }
  }
  return out + u'"';
}

QString quoted(const mpq_class& n) { return quoted(RootText::number(n)); }
QString quoted(const Polynomial& p) { return quoted(QString::fromStdString(WritePolynomial(p))); }

QString list(const QStringList& items) { return u'[' + items.join(QStringLiteral(", ")) + u']'; }

QString numbers(const std::vector<mpq_class>& values) {
  QStringList items;
  for (const mpq_class& v : values) items << quoted(v);
  return list(items);
}

// {"key": value, ...} from pairs already written.
QString object(const QList<QPair<QString, QString>>& members) {
  QStringList items;
  for (const auto& [key, value] : members) items << quoted(key) + QStringLiteral(": ") + value;
  return u'{' + items.join(QStringLiteral(", ")) + u'}';
}

QString stepObject(const SolutionStep& step) {
  if (const auto* s = std::get_if<TrialsStep>(&step)) {
    return object({{"tipo", quoted(QStringLiteral("ensayos"))},
                   {"polinomio", quoted(s->polynomial)},
                   {"candidatos", numbers(s->candidates)},
                   {"restos", numbers(s->remainders)},
                   {"mas", QString::number(s->hiddenFailures)}});
  }
  if (const auto* s = std::get_if<RuffiniStep>(&step)) {
    return object({{"tipo", quoted(QStringLiteral("ruffini"))},
                   {"raiz", quoted(s->root)},
                   {"dividendo", numbers(s->dividend)},
                   {"productos", numbers(s->products)},
                   {"cociente", numbers(s->quotient)},
                   {"resto", quoted(s->remainder)}});
  }
  if (const auto* s = std::get_if<LinearStep>(&step)) {
    return object({{"tipo", quoted(QStringLiteral("primer_grado"))}, {"polinomio", quoted(s->polynomial)}});
  }
  if (const auto* s = std::get_if<QuadraticStep>(&step)) {
    return object({{"tipo", quoted(QStringLiteral("segundo_grado"))},
                   {"polinomio", quoted(s->polynomial)},
                   {"discriminante", quoted(mpq_class(s->discriminant))}});
  }
  if (const auto* s = std::get_if<BiquadraticStep>(&step)) {
    return object({{"tipo", quoted(QStringLiteral("bicuadrada"))},
                   {"polinomio", quoted(s->polynomial)},
                   {"discriminante", quoted(mpq_class(s->discriminant))}});
  }
  const auto& s = std::get<ApproximateStep>(step);
  QStringList real;
  for (const Root& root : s.realRoots) real << quoted(RootText::approximate(root, kDecimalPoint));
  return object({{"tipo", quoted(QStringLiteral("aproximadas"))},
                 {"polinomio", quoted(s.polynomial)},
                 {"raices_reales", list(real)},
                 {"no_reales", QString::number(s.nonRealCount)}});
}

QString rootObject(const Root& root) {
  return object({{"valor", quoted(RootText::value(root, kDecimalPoint))},
                 {"re", quoted(RootText::significant(root.re, kDecimalPoint))},
                 {"im", quoted(RootText::significant(root.im, kDecimalPoint))},
                 {"multiplicidad", QString::number(root.multiplicity)},
                 {"exacta", root.exact ? QStringLiteral("true") : QStringLiteral("false")}});
}

}  // namespace

QByteArray SolutionJson::write(const Solution& solution) {
  QStringList steps;
  for (const SolutionStep& step : solution.steps) {
    if (!std::holds_alternative<SplitStep>(step)) steps << stepObject(step);
  }
  QStringList roots;
  for (const Root& root : solution.roots) roots << rootObject(root);
  return object({{"polinomio", quoted(solution.polynomial)},
                 {"factor_comun", quoted(mpq_class(solution.content))},
                 {"potencia_x", QString::number(solution.xPower)},
                 {"pasos", list(steps)},
                 {"raices", list(roots)},
                 {"factorizacion", quoted(QString::fromStdString(WriteFactorization(solution.factorization)))}})
      .toUtf8();
}

QByteArray SolutionJson::writeFailure(int error, const QString& message) {
  const QString number = error == 0 ? QStringLiteral("null") : QString::number(error);
  return object({{"error", number}, {"mensaje", quoted(message)}}).toUtf8();
}
