#include "app/DrawingCommandLine.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstring>

#include "app/DrawingOptions.h"
#include "app/ExerciseSheetDialog.h"
#include "app/GraphCommand.h"
#include "app/SheetCommand.h"
#include "app/SpanishTranslation.h"

namespace {

// True for "--name" and "--name=value".
bool isOption(const char* argument, const char* name) {
  const std::size_t length = std::strlen(name);
  return std::strncmp(argument, name, length) == 0 && (argument[length] == '\0' || argument[length] == '=');
}

QString tr(const char* text) { return QCoreApplication::translate("CommandLine", text); }

// «Hoja de ejercicios» as the only window, until it is closed.
int showSheetWindow() {
  ExerciseSheetDialog dialog;
  dialog.show();
  return QApplication::exec();
}

}  // namespace

bool DrawingCommandLine::requested(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (isOption(argv[i], "--grafica") || isOption(argv[i], "--ejercicios") || isOption(argv[i], "--hoja"))
      return true;
  return false;
}

int DrawingCommandLine::run(int argc, char* argv[]) {
  bool window = false;
  for (int i = 1; i < argc; ++i) window = window || isOption(argv[i], "--hoja");
  // Pictures and pages are drawn without a display, and standard error
  // carries the program's own messages only, not the platform's warnings.
  if (!window) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "*.warning=false");
  }
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("factorix"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Factorix"));
  SpanishTranslation::install(app);

  DrawingOptions options;
  if (!options.parser.parse(QCoreApplication::arguments()))
    return DrawingOptions::usageError(options.parser.errorText());
  if (!options.parser.positionalArguments().isEmpty())
    return DrawingOptions::usageError(
        tr("argumento inesperado: «%1».").arg(options.parser.positionalArguments().first()));
  const int commands = int(options.parser.isSet(options.graph)) + int(options.parser.isSet(options.sheet)) + int(window);
  if (commands != 1) return DrawingOptions::usageError(tr("indique una sola orden: --grafica, --ejercicios o --hoja."));
  if (options.parser.isSet(options.graph)) return RunGraphCommand(options);
  if (options.parser.isSet(options.sheet)) return RunSheetCommand(options);
  return showSheetWindow();
}
