// factorix: the command line on Qt Core, which hands the window and the
// drawing commands over to the drawing program.
#include <QCoreApplication>

#include "cli/CommandLine.h"
#include "cli/DrawingCommands.h"
#include "cli/DrawingProgram.h"
#include "presentation/Translation.h"
#include "presentation/UiLanguage.h"

int main(int argc, char* argv[]) {
  // Decided before any of Qt is set up: the drawing program starts afresh.
  if (needsDrawing(argc, argv)) return DrawingProgram::exec(argv);

  QCoreApplication app(argc, argv);
  CommandLine::nameApplication();
  Translation::install(app, UiLanguage::forRun(QCoreApplication::arguments()));
  return CommandLine::run(QCoreApplication::arguments());
}
