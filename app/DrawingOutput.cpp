#include "app/DrawingOutput.h"

#include <QCoreApplication>

#include <cstdio>

#include "cli/ExitStatus.h"

namespace {

void put(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

}  // namespace

namespace DrawingOutput {

int usageError(const QString& problem) {
  std::fflush(stdout);
  put(stderr, QCoreApplication::translate("CommandLine", "%1: %2\nPruebe «%1 --help» para más información.\n")
                  .arg(QCoreApplication::applicationName(), problem)
                  .toUtf8());
  return kUsage;
}

int failure(const QString& message) {
  std::fflush(stdout);
  put(stderr, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message).toUtf8());
  return kMessage;
}

bool write(const QByteArray& bytes) {
  put(stdout, bytes);
  return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

}  // namespace DrawingOutput
