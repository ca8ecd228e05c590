#include "presentation/ErrorMessages.h"

#include <QCoreApplication>

#include "engine/core/EngineError.h"

QString ErrorMessage(int number) {
  if (number == factorix::kSyntax) return QCoreApplication::translate("ErrorMessages", "Error de cálculo.");
  return QCoreApplication::translate("ErrorMessages", "Se produjo un error. Revise el cálculo.");
}
