#include "app/SheetCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>

#include "app/DrawingOutput.h"
#include "app/ExerciseSheetDialog.h"
#include "cli/ExitStatus.h"
#include "documents/ExerciseSheetDocument.h"
#include "documents/SheetProblemText.h"
#include "documents/WorkedSolutionText.h"

namespace {

// The context of this file's texts in the catalogues.
struct SheetCommand {
  Q_DECLARE_TR_FUNCTIONS(SheetCommand)
};

// The options as numbers; an empty string, or what is wrong with them.
QString readOptions(const QCommandLineParser& parser, factorix::SheetOptions& options) {
  bool ok = false;
  options.count = parser.value(QStringLiteral("ejercicios")).toInt(&ok);
  if (!ok) return SheetCommand::tr("--ejercicios necesita un número de ejercicios, de 1 a 200.");
  if (parser.isSet(QStringLiteral("grado"))) {
    options.degree = parser.value(QStringLiteral("grado")).toInt(&ok);
    if (!ok) return SheetCommand::tr("--grado necesita un número, de 2 a 8.");
  }
  if (parser.isSet(QStringLiteral("raices"))) {
    static const QRegularExpression range(QStringLiteral("^(-?\\d{1,9})\\.\\.(-?\\d{1,9})$"));
    const QRegularExpressionMatch match = range.match(parser.value(QStringLiteral("raices")));
    if (!match.hasMatch()) return SheetCommand::tr("--raices es A..B, dos enteros, por ejemplo --raices=-6..6.");
    options.lowest = match.captured(1).toLong();
    options.highest = match.captured(2).toLong();
  }
  options.rationals = parser.isSet(QStringLiteral("racionales"));
  options.complexFactor = parser.isSet(QStringLiteral("complejas"));
  options.seed = ExerciseSheetDialog::newSeed();
  if (parser.isSet(QStringLiteral("semilla"))) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,20}$"));
    const QString seed = parser.value(QStringLiteral("semilla"));
    options.seed = seed.toULongLong(&ok);
    if (!digits.match(seed).hasMatch() || !ok) return SheetCommand::tr("--semilla necesita un entero de 0 a 18446744073709551615.");
  }
  return SheetProblemText::text(factorix::CheckSheetOptions(options), options.count);
}

}  // namespace

int RunSheetCommand(const QCommandLineParser& parser) {
  for (const char* other : {"grafica", "hoja", "tamano", "descripcion"})
    if (parser.isSet(QLatin1String(other)))
      return DrawingOutput::usageError(SheetCommand::tr("--%1 no es una opción de --ejercicios.").arg(QLatin1String(other)));
  for (const char* single : {"ejercicios", "grado", "raices", "semilla", "formato", "salida"})
    if (parser.values(QLatin1String(single)).size() > 1)
      return DrawingOutput::usageError(SheetCommand::tr("--%1 se indica una sola vez.").arg(QLatin1String(single)));
  factorix::SheetOptions options;
  QString problem = readOptions(parser, options);
  if (!problem.isEmpty()) return DrawingOutput::usageError(problem);
  const std::optional<DocumentFormat> format = DrawingOutput::chosenFormat(parser, problem);
  if (!format) return DrawingOutput::usageError(problem);

  std::vector<factorix::Exercise> exercises = factorix::MakeSheet(options);
  if (exercises.empty())
    return DrawingOutput::usageError(SheetProblemText::text(factorix::SheetProblem::kTooFewPolynomials, options.count));
  QList<QStringList> worked = parser.isSet(QStringLiteral("con-pasos")) ? WorkedSolutions(exercises) : QList<QStringList>();
  const ExerciseSheetDocument document(options, std::move(exercises), std::move(worked));

  const QString path = parser.value(QStringLiteral("salida"));
  if (!path.isEmpty()) {
    const QString failure = document.write(path, *format);
    if (!failure.isEmpty()) return DrawingOutput::failure(SheetCommand::tr("no se pudo escribir «%1»: %2").arg(path, failure));
  } else if (!DrawingOutput::write(document.bytes(*format))) {
    return DrawingOutput::failure(SheetCommand::tr("no se pudo escribir la salida."));
  }
  return kLinesOnly;
}

int RunSheetWindow(const QCommandLineParser& parser) {
  for (const QString& option : parser.optionNames())
    if (option != QLatin1String("hoja")) return DrawingOutput::usageError(SheetCommand::tr("--hoja abre la ventana y no lleva más opciones."));
  ExerciseSheetDialog dialog;
  dialog.show();
  return QApplication::exec();
}

int RunOptionAlone(const QCommandLineParser&) {
  return DrawingOutput::usageError(SheetCommand::tr("indique la orden de esta opción: --grafica TEXTO o --ejercicios N."));
}
