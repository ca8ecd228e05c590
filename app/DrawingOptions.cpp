#include "app/DrawingOptions.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

}  // namespace

DrawingOptions::DrawingOptions() {
  for (const QCommandLineOption* option : {&graph, &sheet, &window, &output, &size, &describe, &degree, &roots,
                                           &rationals, &complexFactor, &seed, &worked, &format})
    parser.addOption(*option);
}

int DrawingOptions::usageError(const QString& problem) {
  std::fflush(stdout);
  write(stderr, QCoreApplication::translate("CommandLine", "%1: %2\nPruebe «%1 --help» para más información.\n")
                    .arg(QCoreApplication::applicationName(), problem)
                    .toUtf8());
  return kUsage;
}

int DrawingOptions::failure(const QString& message) {
  std::fflush(stdout);
  write(stderr, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message).toUtf8());
  return kMessage;
}

bool DrawingOptions::writeOut(const QByteArray& bytes) {
  write(stdout, bytes);
  return std::fflush(stdout) == 0 && !std::ferror(stdout);
}
