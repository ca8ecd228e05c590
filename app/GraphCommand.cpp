#include "app/GraphCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

#include "app/DrawingOutput.h"
#include "engine/core/EngineError.h"
#include "cli/ExitStatus.h"
#include "engine/factor/Work.h"
#include "engine/solve/Solution.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"
#include "graphview/GraphImage.h"
#include "presentation/ErrorMessages.h"
#include "presentation/FormulaSpelling.h"

namespace {

constexpr int kSmallestSide = 16;    // pixels
constexpr int kLargestSide = 8000;   // pixels: a PNG of at most 256 MB
// Up to this degree the roots are labelled from the worked solution, which
// takes a few milliseconds there; above it the solution could take longer
// than the drawing, and the graph labels the roots it finds itself.
constexpr int kLargestSolvedDegree = 100;

// The context of this file's texts in the catalogues.
struct GraphCommand {
  Q_DECLARE_TR_FUNCTIONS(GraphCommand)
};

// "ANCHOxALTO" within the sides allowed; nullopt for anything else.
std::optional<QSize> pictureSize(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,5})[x×](\\d{1,5})$"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  const auto fits = [](int side) { return side >= kSmallestSide && side <= kLargestSide; };
  if (!fits(size.width()) || !fits(size.height())) return std::nullopt;
  return size;
}

// The graph of `polynomial`, its roots written as the worked solution
// writes them when that solution is at hand. Throws EngineError(kOverflow)
// for a polynomial too large to draw.
std::unique_ptr<GraphData> graphOf(const factorix::Polynomial& polynomial) {
  if (factorix::Degree(polynomial) <= kLargestSolvedDegree) {
    std::optional<factorix::Solution> solution;
    try {
      solution = factorix::Solve(polynomial);
    } catch (const factorix::EngineError&) {
      // Too much work to solve in time: drawn with its own labels below.
    }
    if (solution) return std::make_unique<GraphData>(*solution);
  }
  return std::make_unique<GraphData>(polynomial);
}

}  // namespace

int RunGraphCommand(const QCommandLineParser& parser) {
  for (const char* other : {"ejercicios", "hoja", "grado", "raices", "racionales", "complejas", "semilla", "con-pasos", "formato"})
    if (parser.isSet(QLatin1String(other)))
      return DrawingOutput::usageError(GraphCommand::tr("--%1 no es una opción de --grafica.").arg(QLatin1String(other)));
  const QStringList texts = parser.values(QStringLiteral("grafica"));
  const QString path = parser.value(QStringLiteral("salida"));
  if (texts.size() != 1 || parser.values(QStringLiteral("salida")).size() > 1)
    return DrawingOutput::usageError(GraphCommand::tr("indique un solo TEXTO y una sola --salida."));
  if (path.isEmpty() && !parser.isSet(QStringLiteral("descripcion")))
    return DrawingOutput::usageError(GraphCommand::tr("indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion."));
  if (!path.isEmpty() && !GraphImage::knownFormat(path))
    return DrawingOutput::usageError(GraphCommand::tr("la gráfica se escribe en un archivo .svg o .png, no en «%1».").arg(path));
  std::optional<QSize> size = GraphImage::kDefaultSize;
  if (parser.isSet(QStringLiteral("tamano"))) size = pictureSize(parser.value(QStringLiteral("tamano")));
  if (!size)
    return DrawingOutput::usageError(
        GraphCommand::tr("--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).").arg(kSmallestSide).arg(kLargestSide));

  std::unique_ptr<GraphData> data;
  const factorix::GuardedTerms run =
      factorix::WithTermsGuarded(FormulaSpelling::toPadText(texts.first()).toStdString(),
                                 [&data](const factorix::Polynomial& polynomial) { data = graphOf(polynomial); });
  if (run.error == factorix::kOverflow)
    return DrawingOutput::failure(
        GraphCommand::tr("este polinomio es demasiado grande para dibujarlo: grado 400 como máximo, raíces de valor absoluto "
           "menor que 10³⁰⁰ y un segundo de cálculo."));
  if (run.error != factorix::kNoError) return DrawingOutput::failure(ErrorMessage(run.error));
  if (!run.sumOfTerms) return DrawingOutput::failure(GraphCommand::tr("el texto no es una suma de términos en x; no hay gráfica que dar."));

  if (!path.isEmpty()) {
    const QString failure = GraphImage::write(*data, path, *size);
    if (!failure.isEmpty()) return DrawingOutput::failure(GraphCommand::tr("no se pudo escribir «%1»: %2").arg(path, failure));
  }
  if (parser.isSet(QStringLiteral("descripcion")) && !DrawingOutput::write((GraphDescription::text(*data) + QLatin1Char('\n')).toUtf8()))
    return DrawingOutput::failure(GraphCommand::tr("no se pudo escribir la salida."));
  return kLinesOnly;
}
