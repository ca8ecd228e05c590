#include "presentation/ErrorMessages.h"

#include <QCoreApplication>

#include "engine/core/EngineError.h"

namespace {

const char* sourceOf(int number) {
  if (number == factorix::kSyntax) return QT_TRANSLATE_NOOP("ErrorMessages", "Error de cálculo.");
  return QT_TRANSLATE_NOOP("ErrorMessages", "Se produjo un error. Revise el cálculo.");
}

}  // namespace

QString ErrorMessage(int number) { return QCoreApplication::translate("ErrorMessages", sourceOf(number)); }

QString ErrorMessageAsWritten(int number) { return QString::fromUtf8(sourceOf(number)); }
