#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include "app/AccessibleInterfaces.h"
#include "app/FirstPaintProbe.h"
#include "app/Form1.h"
#include "app/SpanishTranslation.h"
#include "app/cli/CommandLine.h"

namespace {

void nameApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("factorix"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FACTORIX_VERSION));
}

// The command line needs no display: a QCoreApplication only.
int runCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  nameApplication();
  SpanishTranslation::install(app);
  return CommandLine::run(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (CommandLine::requested(argc, argv)) return runCommandLine(argc, argv);

  QApplication app(argc, argv);
  nameApplication();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Factorix"));
  SpanishTranslation::install(app);
  // Qt takes its own options (-platform, -style, ...); whatever it leaves
  // is for the command line, which then runs in this application.
  if (QCoreApplication::arguments().size() > 1) return CommandLine::run(QCoreApplication::arguments());

  AccessibleInterfaces::install();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/factorix-%1.png").arg(size), QSize(size, size));

  // The main window and its message boxes carry the icon; the help windows,
  // which have no owner, have none of their own.
  Form1 form;
  form.setWindowIcon(icon);
  if (qEnvironmentVariableIsSet("FACTORIX_TRACE_TIMING")) new FirstPaintProbe(&form);
  form.Form_Load();
  return app.exec();
}
