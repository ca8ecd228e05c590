#include "app/LinkOpener.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

LinkOpener::LinkOpener(QObject* parent) : QObject(parent) {}

bool LinkOpener::open(const QUrl& url) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);

  auto* process = new QProcess(this);
  process->setProgram(opener);
  process->setArguments({url.toString(QUrl::FullyEncoded)});
  // The browser may outlive the program: it gets no pipes of ours.
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QElapsedTimer started;
  started.start();
  connect(process, &QProcess::finished, this, [this, process, url, started](int status, QProcess::ExitStatus how) {
    if ((how != QProcess::NormalExit || status != 0) && started.elapsed() < kVerdictMs) emit failed(url);
    process->deleteLater();
  });
  process->start();
  if (!process->waitForStarted()) {
    delete process;
    return false;
  }
  return true;
}
