#include "documents/DocumentFormat.h"

#include <QFileInfo>

std::optional<DocumentFormat> formatNamed(const QString& name) {
  if (name == QLatin1String("texto")) return DocumentFormat::kText;
  if (name == QLatin1String("json")) return DocumentFormat::kJson;
  if (name == QLatin1String("html")) return DocumentFormat::kHtml;
  if (name == QLatin1String("latex")) return DocumentFormat::kLatex;
  if (name == QLatin1String("pdf")) return DocumentFormat::kPdf;
  return std::nullopt;
}

std::optional<DocumentFormat> formatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("txt")) return DocumentFormat::kText;
  if (suffix == QLatin1String("json")) return DocumentFormat::kJson;
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) return DocumentFormat::kHtml;
  if (suffix == QLatin1String("tex")) return DocumentFormat::kLatex;
  if (suffix == QLatin1String("pdf")) return DocumentFormat::kPdf;
  return std::nullopt;
}
