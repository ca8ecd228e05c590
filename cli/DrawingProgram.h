#pragma once

#include <string>

// The program that runs what needs Qt Gui: the window and the drawing
// commands. It is installed under libexec (FACTORIX_DRAWING_PROGRAM, relative
// to the command line's own folder) and lies beside the command line in the
// build tree.
class DrawingProgram {
public:
  // The drawing program's path; empty when it is in neither place.
  static std::string path();

  // Replaces this process by the drawing program, with the same arguments
  // (argv[0] included) and the same process id. Returns only when that
  // failed, after saying why on standard error: an ExitStatus.
  static int exec(char* argv[]);
};
