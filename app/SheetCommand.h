#pragma once

class QCommandLineParser;

// `factorix --ejercicios N [--grado G] [--raices=A..B] [--racionales]
// [--complejas] [--semilla S] [--con-pasos] [--formato texto|json|html|latex|pdf]
// [--salida ARCHIVO]`: a sheet of exercises and their solutions on
// standard output or in a file (a PDF only in a file); the format follows
// --formato, else the file's ending, else text. Returns an ExitStatus.
int RunSheetCommand(const QCommandLineParser& parser);

// `factorix --hoja`: «Hoja de ejercicios» as the only window, until it is
// closed.
int RunSheetWindow(const QCommandLineParser& parser);

// An option of --grafica or --ejercicios named without either.
int RunOptionAlone(const QCommandLineParser& parser);
