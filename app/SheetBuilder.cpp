#include "app/SheetBuilder.h"

#include <QCoreApplication>

#include "app/GraphSection.h"
#include "engine/factor/PolynomialText.h"
#include "engine/factor/Work.h"

namespace {

// As a person writes it: the minus sign U+2212.
QString shown(const std::string& text) { return QString::fromStdString(text).replace(u'-', QChar(0x2212)); }
QString shown(const mpz_class& n) { return shown(n.get_str()); }

QStringList shown(const std::vector<mpz_class>& numbers) {
  QStringList out;
  out.reserve(qsizetype(numbers.size()));
  for (const mpz_class& n : numbers) out << shown(n);
  return out;
}

SheetTable tableOf(const factorix::RuffiniTable& step) {
  SheetTable table;
  table.caption = QCoreApplication::translate("SolutionSheet", "División entre (%1)").arg(shown(factorix::WritePolynomial({-step.root, 1})));
  table.root = shown(step.root);
  table.dividend = shown(step.dividend);
  table.products = shown(step.products);
  table.quotient = shown(step.quotient);
  table.remainder = shown(step.remainder);
  return table;
}

}  // namespace

SolutionSheet BuildSheet(const factorix::Polynomial& polynomial, const std::optional<mpz_class>& root) {
  std::optional<mpz_class> from = root;
  if (!from) {
    // The whole solution: from the first integer root, if any.
    factorix::Polynomial p = polynomial;
    factorix::Trim(p);
    const std::vector<mpz_class> roots = factorix::IntegerRoots(factorix::Factorize(p));
    if (!roots.empty()) from = roots.front();
  }
  const factorix::Work work = factorix::ShowWork(polynomial, from);
  SolutionSheet sheet;
  sheet.polynomial = QStringLiteral("P(x) = ") + shown(factorix::WritePolynomial(work.polynomial));
  if (!work.steps.empty()) {
    SheetSection roots{QCoreApplication::translate("SolutionSheet", "Raíces enteras"), {}};
    for (const factorix::RuffiniTable& step : work.steps) {
      roots.items.append({{}, tableOf(step)});
      roots.items.append({QCoreApplication::translate("SolutionSheet", "Cociente: %1\nResto: %2")
                              .arg(shown(factorix::WritePolynomial(step.QuotientCoefficients())),
                                   shown(step.remainder)),
                          std::nullopt});
    }
    sheet.sections << roots;
  }
  sheet.sections << SheetSection{QCoreApplication::translate("SolutionSheet", "Factorización"),
                                 {{shown(factorix::WriteFactorization(work.factorization)), std::nullopt}}};
  sheet.graph = GraphSection::data(work.polynomial);
  return sheet;
}
