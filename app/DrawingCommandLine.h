#pragma once

// The commands that draw or lay out pages, which need Qt Gui and so run in
// the window's executable: `--grafica TEXTO` (a picture of the graph, or
// its description), `--ejercicios N` (a sheet of exercises) on the offscreen
// platform, without a display; and `--hoja`, which opens «Hoja de
// ejercicios» alone (the launcher's action).
class DrawingCommandLine {
public:
  // True when one of the arguments is --grafica, --ejercicios or --hoja.
  static bool requested(int argc, const char* const* argv);
  // Makes the application and runs the command; returns the exit status
  // (0 done, 1 a text without a graph or too large, 2 unusable options).
  static int run(int argc, char* argv[]);
};
