#pragma once

struct DrawingOptions;

// `factorix --ejercicios N [--grado G] [--raices=A..B] [--racionales]
// [--complejas] [--semilla S] [--con-pasos] [--formato texto|json|html|latex|pdf]
// [--salida ARCHIVO]`: a sheet of exercises and their solutions on
// standard output or in a file (a PDF only in a file); the format follows
// --formato, else the file's ending, else text.
int RunSheetCommand(const DrawingOptions& options);
