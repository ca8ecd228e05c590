// factorix-gui, the drawing program: the window, and the commands of the
// command line that draw. `factorix` starts it in its own place.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include "app/AccessibleInterfaces.h"
#include "app/DrawingHandlers.h"
#include "app/FirstPaintProbe.h"
#include "app/Form1.h"
#include "cli/CommandLine.h"
#include "presentation/Translation.h"
#include "presentation/UiLanguage.h"

namespace {

// A call with a command (a long option) draws into files, not on a screen:
// it needs no display, unless the call or the environment names a platform,
// or the command is --hoja, which opens a window. Its standard error then
// carries the program's own messages, not the platform's warnings.
void drawOffscreenForCommands(int argc, char* argv[]) {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  bool command = false;
  for (int i = 1; i < argc; ++i) {
    // The language option chooses the words, not the screen.
    if (const int length = UiLanguage::optionLength(argc, argv, i)) {
      i += length - 1;
      continue;
    }
    const QByteArray argument(argv[i]);
    if (argument == "-platform" || argument.startsWith("-platform=") || argument == "--hoja") return;
    command = command || argument.startsWith("--");
  }
  if (!command) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "*.warning=false");
}

}  // namespace

int main(int argc, char* argv[]) {
  drawOffscreenForCommands(argc, argv);
  QApplication app(argc, argv);
  CommandLine::nameApplication();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Factorix"));
  const QStringList arguments = QCoreApplication::arguments();
  Translation::install(app, UiLanguage::forRun(arguments));
  // Qt takes its own options (-platform, -style, ...); whatever it leaves
  // but the language is for the command line, which then runs in this
  // application.
  if (UiLanguage::withoutOption(arguments).size() > 1) return CommandLine::run(arguments, drawingHandlers());

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
