#include "app/SheetCommand.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "app/DrawingOptions.h"
#include "documents/ExerciseSheetDocument.h"
#include "documents/SheetProblemText.h"
#include "documents/WorkedSolutionText.h"

namespace {

constexpr quint32 kSeedsOffered = 1000000000;  // a seed the program picks has at most nine digits

QString tr(const char* text) { return QCoreApplication::translate("SheetCommand", text); }

// The options as numbers; an empty string, or what is wrong with them.
QString readOptions(const DrawingOptions& o, factorix::SheetOptions& options) {
  bool ok = false;
  options.count = o.parser.value(o.sheet).toInt(&ok);
  if (!ok) return tr("--ejercicios necesita un número de ejercicios, de 1 a 200.");
  if (o.parser.isSet(o.degree)) {
    options.degree = o.parser.value(o.degree).toInt(&ok);
    if (!ok) return tr("--grado necesita un número, de 2 a 8.");
  }
  if (o.parser.isSet(o.roots)) {
    static const QRegularExpression range(QStringLiteral("^(-?\\d{1,9})\\.\\.(-?\\d{1,9})$"));
    const QRegularExpressionMatch match = range.match(o.parser.value(o.roots));
    if (!match.hasMatch()) return tr("--raices es A..B, dos enteros, por ejemplo --raices=-6..6.");
    options.lowest = match.captured(1).toLong();
    options.highest = match.captured(2).toLong();
  }
  options.rationals = o.parser.isSet(o.rationals);
  options.complexFactor = o.parser.isSet(o.complexFactor);
  options.seed = QRandomGenerator::global()->bounded(kSeedsOffered);
  if (o.parser.isSet(o.seed)) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,20}$"));
    const QString seed = o.parser.value(o.seed);
    options.seed = seed.toULongLong(&ok);
    if (!digits.match(seed).hasMatch() || !ok) return tr("--semilla necesita un entero de 0 a 18446744073709551615.");
  }
  return SheetProblemText::text(factorix::CheckSheetOptions(options), options.count);
}

// --formato, else the ending of --salida, else text; nullopt with `problem`
// set when neither can be used.
std::optional<DocumentFormat> chosenFormat(const DrawingOptions& o, QString& problem) {
  const QString path = o.parser.value(o.output);
  std::optional<DocumentFormat> format = DocumentFormat::kText;
  if (o.parser.isSet(o.format)) {
    format = formatNamed(o.parser.value(o.format));
    if (!format) problem = tr("--formato es texto, json, html, latex o pdf, no «%1».").arg(o.parser.value(o.format));
  } else if (!path.isEmpty()) {
    format = formatOfPath(path);
    if (!format) problem = tr("no se sabe en qué formato escribir «%1»: indique --formato.").arg(path);
  }
  if (format == DocumentFormat::kPdf && path.isEmpty()) {
    problem = tr("un PDF se escribe en un archivo: indique --salida ARCHIVO.pdf.");
    format.reset();
  }
  return format;
}

}  // namespace

int RunSheetCommand(const DrawingOptions& o) {
  for (const QCommandLineOption* other : {&o.size, &o.describe})
    if (o.parser.isSet(*other))
      return DrawingOptions::usageError(tr("--%1 no es una opción de --ejercicios.").arg(other->names().first()));
  for (const QCommandLineOption* single : {&o.sheet, &o.degree, &o.roots, &o.seed, &o.format, &o.output})
    if (o.parser.values(*single).size() > 1)
      return DrawingOptions::usageError(tr("--%1 se indica una sola vez.").arg(single->names().first()));
  factorix::SheetOptions options;
  QString problem = readOptions(o, options);
  if (!problem.isEmpty()) return DrawingOptions::usageError(problem);
  const std::optional<DocumentFormat> format = chosenFormat(o, problem);
  if (!format) return DrawingOptions::usageError(problem);

  std::vector<factorix::Exercise> exercises = factorix::MakeSheet(options);
  if (exercises.empty())
    return DrawingOptions::usageError(SheetProblemText::text(factorix::SheetProblem::kTooFewPolynomials, options.count));
  QList<QStringList> worked = o.parser.isSet(o.worked) ? WorkedSolutions(exercises) : QList<QStringList>();
  const ExerciseSheetDocument document(options, std::move(exercises), std::move(worked));

  const QString path = o.parser.value(o.output);
  if (!path.isEmpty()) {
    const QString failure = document.write(path, *format);
    if (!failure.isEmpty()) return DrawingOptions::failure(tr("no se pudo escribir «%1»: %2").arg(path, failure));
  } else if (!DrawingOptions::writeOut(document.bytes(*format))) {
    return DrawingOptions::failure(tr("no se pudo escribir la salida."));
  }
  return DrawingOptions::kDone;
}
