#include "app/DrawingOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "cli/ExitStatus.h"

namespace {

void put(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

QString tr(const char* text) { return QCoreApplication::translate("DrawingOutput", text); }

}  // namespace

namespace DrawingOutput {

int usageError(const QString& problem) {
  std::fflush(stdout);
  put(stderr, QCoreApplication::translate("CommandLine", "%1: %2\nPruebe «%1 --help» para más información.\n")
                  .arg(QCoreApplication::applicationName(), problem)
                  .toUtf8());
  return kUsage;
}

int failure(const QString& message) { return namedFailure(QStringLiteral("%1: %2").arg(QCoreApplication::applicationName(), message)); }

int namedFailure(const QString& message) {
  std::fflush(stdout);
  put(stderr, (message + u'\n').toUtf8());
  return kMessage;
}

bool write(const QByteArray& bytes) {
  put(stdout, bytes);
  return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

std::optional<DocumentFormat> chosenFormat(const QCommandLineParser& parser, QString& problem) {
  const QString path = parser.value(QStringLiteral("salida"));
  std::optional<DocumentFormat> format = DocumentFormat::kText;
  if (parser.isSet(QStringLiteral("formato"))) {
    format = formatNamed(parser.value(QStringLiteral("formato")));
    if (!format) problem = tr("--formato es texto, json, html, latex o pdf, no «%1».").arg(parser.value(QStringLiteral("formato")));
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

}  // namespace DrawingOutput
