#include "app/SheetBuilder.h"

#include <variant>

#include "app/GraphSection.h"
#include "engine/factor/PolynomialText.h"
#include "report/RootText.h"
#include "report/SolutionText.h"

using factorix::RuffiniStep;
using factorix::Solution;
using factorix::SolutionStep;

namespace {

QStringList shownLines(const QStringList& lines) {
  QStringList out;
  out.reserve(lines.size());
  for (const QString& line : lines) out << SheetBuilder::shown(line);
  return out;
}

QStringList shownNumbers(const std::vector<mpq_class>& numbers) {
  QStringList out;
  out.reserve(qsizetype(numbers.size()));
  for (const mpq_class& n : numbers) out << SheetBuilder::shown(RootText::number(n));
  return out;
}

SheetTable tableOf(const RuffiniStep& step) {
  SheetTable table;
  const QString divisor = QStringLiteral("x") + (sgn(step.root) > 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                          RootText::number(abs(step.root));
  table.caption = SheetBuilder::shown(SheetBuilder::tr("División entre (%1)").arg(divisor));
  table.root = SheetBuilder::shown(RootText::number(step.root));
  table.dividend = shownNumbers(step.dividend);
  table.products = shownNumbers(step.products);
  table.quotient = shownNumbers(step.quotient);
  table.remainder = SheetBuilder::shown(RootText::number(step.remainder));
  return table;
}

// Appends `item` to the section `name`: to the last one when it has that
// name, else to a new one.
void add(SolutionSheet& sheet, const QString& name, SheetItem item) {
  if (sheet.sections.isEmpty() || sheet.sections.last().name != name) sheet.sections.append({name, {}});
  sheet.sections.last().items.append(std::move(item));
}

void addText(SolutionSheet& sheet, const QString& name, const QStringList& lines) {
  if (!lines.isEmpty()) add(sheet, name, {shownLines(lines).join(u'\n'), std::nullopt});
}

// The section a step is read in. The equation of the first degree left at
// the end of the work ends the section before it (the division that left
// it, or the common factor); alone, it opens «Raíces», whose root it gives.
QString sectionOf(const SolutionSheet& sheet, const SolutionStep& step) {
  if (!std::holds_alternative<factorix::LinearStep>(step)) return SolutionText::sectionName(step);
  return sheet.sections.isEmpty() ? SheetBuilder::tr("Raíces") : sheet.sections.last().name;
}

}  // namespace

QString SheetBuilder::shown(QString text) { return text.replace(u'-', QChar(0x2212)); }

SolutionSheet SheetBuilder::write(const Solution& solution) {
  SolutionSheet sheet;
  sheet.polynomial = shown(QStringLiteral("P(x) = ") + QString::fromStdString(factorix::WritePolynomial(solution.polynomial)));
  if (solution.content != 1 || solution.xPower > 0)
    addText(sheet, tr("Factor común"), {SolutionText::commonFactorLine(solution)});
  for (std::size_t i = 0; i < solution.steps.size(); ++i) {
    const SolutionStep& step = solution.steps[i];
    // What is left, split into factors, is read with the first of them.
    const bool split = std::holds_alternative<factorix::SplitStep>(step) && i + 1 < solution.steps.size();
    const QString section = sectionOf(sheet, split ? solution.steps[i + 1] : step);
    if (const auto* division = std::get_if<RuffiniStep>(&step)) {
      add(sheet, section, {{}, tableOf(*division)});
      addText(sheet, section, {SolutionText::productLine(*division)});
    } else {
      addText(sheet, section, SolutionText::stepLines(step));
    }
  }
  QStringList roots;
  for (const factorix::Root& root : solution.roots) roots << SolutionText::rootLine(root);
  addText(sheet, tr("Raíces"), roots.isEmpty() ? QStringList{SolutionText::rootsLine(solution)} : roots);
  addText(sheet, tr("Factorización"),
          {QString::fromStdString(factorix::WriteFactorization(solution.factorization))});
  sheet.graph = GraphSection::data(solution);
  sheet.plainText = SolutionText::write(solution);
  return sheet;
}

SolutionSheet SheetBuilder::build(const factorix::Polynomial& polynomial, const std::optional<mpz_class>& root) {
  return write(root ? factorix::SolveFromRoot(polynomial, *root) : factorix::Solve(polynomial));
}
