#include "report/WorkReport.h"

#include "engine/factor/PolynomialText.h"
#include "engine/factor/Work.h"
#include "engine/search/Search.h"
#include "report/RuffiniTableText.h"

using namespace factorix;

namespace {

QString written(const Polynomial& p) { return QString::fromStdString(WritePolynomial(p)); }

QStringList numbers(const std::vector<mpz_class>& values) {
  QStringList out;
  for (const mpz_class& n : values) out << QString::fromStdString(n.get_str());
  return out;
}

}  // namespace

std::optional<QString> WorkReport::factorizationLine(std::string_view text) {
  const std::optional<Polynomial> polynomial = ReadTermsWithinLimits(text);
  if (!polynomial) return std::nullopt;
  return QString::fromStdString(WriteFactorization(Factorize(*polynomial), Exponents::kPadText));
}

std::optional<QStringList> WorkReport::ruffiniLines(std::string_view text) {
  const std::optional<Polynomial> polynomial = ReadTermsWithinLimits(text);
  if (!polynomial) return std::nullopt;
  // The tables start at the root of the first result line, if any.
  const SearchResult result = Search(text);
  std::optional<mpz_class> first;
  if (!result.roots.empty()) first = result.roots.front();
  const Work work = ShowWork(*polynomial, first);
  QStringList lines{QStringLiteral("P(x) = ") + written(work.polynomial), QString()};
  for (const RuffiniTable& table : work.steps) {
    lines << RuffiniTableText(QString::fromStdString(table.root.get_str()), numbers(table.dividend),
                              numbers(table.products), numbers(table.quotient),
                              QString::fromStdString(table.remainder.get_str()))
                 .split(u'\n', Qt::SkipEmptyParts);
    lines << tr("Cociente: %1").arg(written(table.QuotientCoefficients()));
    lines << tr("Resto: %1").arg(QString::fromStdString(table.remainder.get_str()));
    lines << QString();
  }
  lines << tr("Factorización: %1").arg(QString::fromStdString(WriteFactorization(work.factorization)));
  return lines;
}
