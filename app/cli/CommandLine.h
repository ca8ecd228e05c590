#pragma once

#include <QStringList>

// The program without its window: `factorix --calcular TEXTO` prints the
// lines "Calcular" would show, `-` reads one polynomial per line from
// standard input, `--help` and `--version` as usual. It needs a
// QCoreApplication only, never a display.
class CommandLine {
public:
  // Exit statuses.
  enum Status : int {
    kLinesOnly = 0,  // every text ended with its lines
    kMessage = 1,    // some text ended with a message on standard error
    kUsage = 2,      // the arguments could not be understood
  };

  // True when the arguments are for the command line rather than the
  // window: there is a first argument, and it is not one of Qt's own window
  // options (a single dash and a word, as -platform or -style).
  static bool requested(int argc, const char* const* argv);

  // Runs `arguments` (the program's name first), reading standard input
  // when TEXTO is "-" and writing standard output and standard error.
  // Returns the exit status.
  static int run(const QStringList& arguments);
};
