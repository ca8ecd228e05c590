#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <span>

struct DrawingHandler;

// The program without its window: `factorix --calcular TEXTO` prints the
// lines "Calcular" would show, `-` reads one polynomial per line from
// standard input, `--help` and `--version` as usual. Its text commands need
// a QCoreApplication only, never a display; its drawing commands run in the
// drawing program, which passes its handlers.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
  // Sets the application name and version that --help, --version and the
  // messages show. Call it once the application object exists.
  static void nameApplication();

  // Runs `arguments` (the program's name first), reading standard input
  // when TEXTO is "-" and writing standard output and standard error.
  // `drawing` carries out the drawing commands; a call that asks for one
  // it has no handler for ends with a message. Returns an ExitStatus.
  static int run(const QStringList& arguments, std::span<const DrawingHandler> drawing = {});
};
