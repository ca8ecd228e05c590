#include "documents/SheetProblemText.h"

#include <QCoreApplication>

QString SheetProblemText::text(factorix::SheetProblem problem, int count) {
  using factorix::SheetProblem;
  switch (problem) {
    case SheetProblem::kNone: break;
    case SheetProblem::kCount: return SheetProblemText::tr("El número de ejercicios debe estar entre 1 y 200.");
    case SheetProblem::kDegree: return SheetProblemText::tr("El grado debe estar entre 2 y 8.");
    case SheetProblem::kRange:
      return SheetProblemText::tr("Las raíces deben estar entre −1000 y 1000, y el primer extremo no puede ser mayor que el segundo.");
    case SheetProblem::kComplexDegree:
      return SheetProblemText::tr("Un factor de segundo grado sin raíces reales necesita grado 3 o más (4 o más con raíces "
                "fraccionarias).");
    case SheetProblem::kRationalRange: return SheetProblemText::tr("Las raíces fraccionarias necesitan un intervalo de más de un número.");
    case SheetProblem::kTooFewPolynomials:
      return SheetProblemText::tr("Con estas opciones no hay %1 polinomios distintos.").arg(count);
  }
  return QString();
}
