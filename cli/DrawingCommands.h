#pragma once

#include <span>

class QCommandLineParser;

// The commands of the command line that draw (a PDF, a picture) and so need
// Qt Gui, which the command line itself never loads. It declares them, so
// that --help lists them and a call that names one goes to the drawing
// program (DrawingProgram); the drawing program carries them out with the
// handlers it gives CommandLine::run().
struct DrawingCommand {
  const char* option;       // long option name, without "--"
  const char* valueName;    // what its value is called in --help (translated as the description); nullptr for a flag
  const char* description;  // help text, Spanish, UTF-8, in QT_TRANSLATE_NOOP("CommandLine", …)
};

// What the drawing program does for the drawing command `option` names. The
// parser holds every option of the call. Returns an ExitStatus.
struct DrawingHandler {
  const char* option;  // as in DrawingCommand
  int (*run)(const QCommandLineParser& parser);
};

// Every drawing command, in the order --help lists them.
std::span<const DrawingCommand> drawingCommands();

// Whether the call needs the drawing program: no argument but the language
// option given once (the window), a first argument that is one of Qt's window options (a single dash and a
// word, as -platform or -style), or any argument that names a drawing
// command (--option or --option=value). A value that happens to spell a
// drawing option sends the call there too, where it gives the same answer.
bool needsDrawing(int argc, const char* const* argv);
