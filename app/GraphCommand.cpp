#include "app/GraphCommand.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

#include "app/DrawingOptions.h"
#include "app/ErrorMessages.h"
#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"
#include "graphview/GraphImage.h"
#include "presentation/FormulaSpelling.h"

namespace {

constexpr int kSmallestSide = 16;    // pixels
constexpr int kLargestSide = 8000;   // pixels: a PNG of at most 256 MB

QString tr(const char* text) { return QCoreApplication::translate("GraphCommand", text); }

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

}  // namespace

int RunGraphCommand(const DrawingOptions& o) {
  for (const QCommandLineOption* other : {&o.degree, &o.roots, &o.rationals, &o.complexFactor, &o.seed, &o.worked, &o.format})
    if (o.parser.isSet(*other))
      return DrawingOptions::usageError(tr("--%1 no es una opción de --grafica.").arg(other->names().first()));
  const QStringList texts = o.parser.values(o.graph);
  const QString path = o.parser.value(o.output);
  if (texts.size() != 1 || o.parser.values(o.output).size() > 1)
    return DrawingOptions::usageError(tr("indique un solo TEXTO y una sola --salida."));
  if (path.isEmpty() && !o.parser.isSet(o.describe))
    return DrawingOptions::usageError(tr("indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion."));
  if (!path.isEmpty() && !GraphImage::knownFormat(path))
    return DrawingOptions::usageError(tr("la gráfica se escribe en un archivo .svg o .png, no en «%1».").arg(path));
  std::optional<QSize> size = GraphImage::kDefaultSize;
  if (o.parser.isSet(o.size)) size = pictureSize(o.parser.value(o.size));
  if (!size)
    return DrawingOptions::usageError(
        tr("--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).").arg(kSmallestSide).arg(kLargestSide));

  std::unique_ptr<GraphData> data;
  bool sumOfTerms = true;
  const int error = factorix::RunGuarded([&] {
    const std::optional<factorix::Polynomial> polynomial =
        factorix::ReadTermsWithinLimits(FormulaSpelling::toPadText(texts.first()).toStdString());
    sumOfTerms = polynomial.has_value();
    if (polynomial) data = std::make_unique<GraphData>(*polynomial);
  });
  if (error != factorix::kNoError) return DrawingOptions::failure(ErrorMessage(error));
  if (!sumOfTerms) return DrawingOptions::failure(tr("el texto no es una suma de términos en x; no hay gráfica que dar."));

  if (!path.isEmpty()) {
    const QString failure = GraphImage::write(*data, path, *size);
    if (!failure.isEmpty()) return DrawingOptions::failure(tr("no se pudo escribir «%1»: %2").arg(path, failure));
  }
  if (o.parser.isSet(o.describe) && !DrawingOptions::writeOut((GraphDescription::text(*data) + QLatin1Char('\n')).toUtf8()))
    return DrawingOptions::failure(tr("no se pudo escribir la salida."));
  return DrawingOptions::kDone;
}
