#pragma once

#include <QString>

#include "engine/core/EngineError.h"

// The message box text for the error number that ended a calculation: the
// evaluator's syntax error has its own, every other error the general one.
inline QString ErrorMessage(int number) {
  if (number == factorix::kSyntax) return QStringLiteral("Error de cálculo.");
  return QStringLiteral("Se produjo un error. Revise el cálculo.");
}
