#include "app/StepsDocumentCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <optional>

#include "app/DrawingOutput.h"
#include "app/SheetBuilder.h"
#include "app/SheetCommand.h"
#include "app/SolutionDocument.h"
#include "cli/ExitStatus.h"
#include "cli/PolynomialArgument.h"
#include "documents/DocumentFiles.h"
#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "engine/solve/Solution.h"
#include "presentation/ErrorMessages.h"
#include "report/SolutionJson.h"

namespace {

// The context of this file's texts in the catalogues.
struct StepsDocumentCommand {
  Q_DECLARE_TR_FUNCTIONS(StepsDocumentCommand)
};

// What was worked out, or why nothing was.
struct Worked {
  std::optional<factorix::Solution> solution;
  QString failure;
  bool named = false;  // the failure names the program already
};

Worked work(const QString& texto) {
  const PolynomialArgument argument = PolynomialArgument::read(texto);
  if (!argument.message.isEmpty()) return {std::nullopt, argument.message, true};
  if (argument.error != factorix::kNoError) return {std::nullopt, ErrorMessage(argument.error)};
  Worked worked;
  const factorix::GuardedTerms run = factorix::WithTermsGuarded(
      argument.padText, [&worked](const factorix::Polynomial& polynomial) { worked.solution = factorix::Solve(polynomial); });
  if (run.error != factorix::kNoError) worked.failure = ErrorMessage(run.error);
  else if (!run.sumOfTerms)
    worked.failure = StepsDocumentCommand::tr("el texto no es una suma de términos en x; no hay pasos que dar.");
  return worked;
}

// The document's bytes for standard output: JSON straight from the
// solution, the others from the sheet the window would show, which is
// built only for them (its graph takes time).
QByteArray bytes(const factorix::Solution& solution, DocumentFormat format) {
  if (format == DocumentFormat::kJson) return SolutionJson::write(solution) + '\n';
  const SolutionSheet sheet = SheetBuilder::write(solution);
  switch (format) {
    case DocumentFormat::kHtml: return SolutionDocument(sheet).html().toUtf8();
    case DocumentFormat::kLatex: return SolutionDocument(sheet).latex().toUtf8();
    case DocumentFormat::kJson:
    case DocumentFormat::kText:
    case DocumentFormat::kPdf: break;
  }
  return sheet.plainText.toUtf8();
}

}  // namespace

int RunStepsDocument(const QCommandLineParser& parser) {
  for (const char* other : {"grafica", "ejercicios", "hoja", "tamano", "descripcion", "grado", "raices", "racionales",
                            "complejas", "semilla", "con-pasos", "json", "texto"})
    if (parser.isSet(QLatin1String(other)))
      return DrawingOutput::usageError(
          StepsDocumentCommand::tr("--%1 no acompaña a --pasos con --formato o --salida.").arg(QLatin1String(other)));
  const QStringList texts = parser.values(QStringLiteral("pasos"));
  if (texts.size() != 1 || texts.first() == QLatin1String("-") || parser.values(QStringLiteral("salida")).size() > 1 ||
      parser.values(QStringLiteral("formato")).size() > 1)
    return DrawingOutput::usageError(StepsDocumentCommand::tr(
        "con --formato o --salida, indique un solo TEXTO (no «-»), un solo formato y una sola --salida."));
  QString problem;
  const std::optional<DocumentFormat> format = DrawingOutput::chosenFormat(parser, problem);
  if (!format) return DrawingOutput::usageError(problem);

  const Worked worked = work(texts.first());
  if (!worked.solution)
    return worked.named ? DrawingOutput::namedFailure(worked.failure) : DrawingOutput::failure(worked.failure);
  const factorix::Solution& solution = *worked.solution;

  const QString path = parser.value(QStringLiteral("salida"));
  if (!path.isEmpty()) {
    const QString failure = *format == DocumentFormat::kJson
                                ? DocumentFiles::writeBytes(path, bytes(solution, *format))
                                : SolutionDocument(SheetBuilder::write(solution)).write(path, *format);
    if (!failure.isEmpty())
      return DrawingOutput::failure(StepsDocumentCommand::tr("no se pudo escribir «%1»: %2").arg(path, failure));
  } else if (!DrawingOutput::write(bytes(solution, *format))) {
    return DrawingOutput::failure(StepsDocumentCommand::tr("no se pudo escribir la salida."));
  }
  return kLinesOnly;
}

int RunDocumentOption(const QCommandLineParser& parser) {
  return parser.isSet(QStringLiteral("pasos")) ? RunStepsDocument(parser) : RunOptionAlone(parser);
}
