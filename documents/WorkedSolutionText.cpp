#include "documents/WorkedSolutionText.h"

#include "engine/factor/PolynomialText.h"
#include "engine/factor/Report.h"

QList<QStringList> WorkedSolutions(const std::vector<factorix::Exercise>& exercises) {
  QList<QStringList> worked;
  for (const factorix::Exercise& exercise : exercises) {
    const std::string text = factorix::WritePolynomial(exercise.polynomial, factorix::Exponents::kPadText);
    QStringList lines;
    if (const auto report = factorix::RuffiniLines(text))
      for (const std::string& line : *report) lines << QString::fromStdString(line);
    worked << lines;
  }
  return worked;
}
