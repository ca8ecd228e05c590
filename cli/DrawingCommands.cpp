#include "cli/DrawingCommands.h"

#include <array>
#include <cstring>
#include <string_view>

#include "presentation/UiLanguage.h"

namespace {

// A new command that draws gets its entry here and its handler in the
// drawing program (app/DrawingHandlers.cpp).
// The commands first: the first one named gets the call; then the options
// that only go with them.
constexpr std::array<DrawingCommand, 13> kDrawingCommands{{
    {"grafica", QT_TRANSLATE_NOOP("CommandLine", "TEXTO"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Dibuja la gráfica de P(x) sin pantalla: con --salida la escribe en un archivo "
                       ".svg o .png de 800x600 (o de --tamano ANCHOxALTO); con --descripcion escribe "
                       "en la salida la descripción que lee un lector de pantalla.")},
    {"ejercicios", "N",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Escribe una hoja de N ejercicios (de 1 a 200) y después sus soluciones, cada "
                       "una con su factorización y sus raíces. La misma --semilla da la misma hoja.")},
    {"hoja", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Abre la ventana «Hoja de ejercicios».")},
    {"salida", QT_TRANSLATE_NOOP("CommandLine", "ARCHIVO"), QT_TRANSLATE_NOOP("CommandLine", "El archivo que escriben --grafica, --ejercicios y --pasos.")},
    {"tamano", QT_TRANSLATE_NOOP("CommandLine", "ANCHOxALTO"), QT_TRANSLATE_NOOP("CommandLine", "Con --grafica, el tamaño de la imagen en píxeles (800x600).")},
    {"descripcion", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Con --grafica, escribe la descripción de la gráfica.")},
    {"grado", "G", QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, el grado de los polinomios, de 2 a 8 (3).")},
    {"raices", "A..B", QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, entre qué enteros están las raíces (-6..6).")},
    {"racionales", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, algunas raíces son p/q, con q de 2 a 4.")},
    {"complejas", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, un factor es de segundo grado sin raíces reales.")},
    {"semilla", "S", QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, la semilla de la hoja (un entero de 0 a 2^64-1).")},
    {"con-pasos", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Con --ejercicios, cada solución con su resolución paso a paso.")},
    {"formato", QT_TRANSLATE_NOOP("CommandLine", "FORMATO"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Con --ejercicios o --pasos, texto, json, html, latex o pdf; si no se indica, "
                       "el de la terminación de --salida, y si no hay archivo, texto.")},
}};

bool isQtWindowOption(const char* argument) {
  return argument[0] == '-' && argument[1] != '-' && std::strlen(argument) > 2;
}

bool namesDrawingCommand(std::string_view argument) {
  if (!argument.starts_with("--")) return false;
  argument.remove_prefix(2);
  argument = argument.substr(0, argument.find('='));
  for (const DrawingCommand& command : kDrawingCommands) {
    if (argument == command.option) return true;
  }
  return false;
}

}  // namespace

std::span<const DrawingCommand> drawingCommands() { return kDrawingCommands; }

bool needsDrawing(int argc, const char* const* argv) {
  // The language option alone, as no option at all, opens the window; given
  // twice, it is the command line's to refuse.
  int first = 1;
  int languageOptions = 0;
  for (; first < argc && UiLanguage::optionLength(argc, argv, first) > 0; ++languageOptions)
    first += UiLanguage::optionLength(argc, argv, first);
  if (languageOptions > 1) return false;
  if (first >= argc || isQtWindowOption(argv[first])) return true;
  for (int i = first; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--") break;  // what follows are values
    if (namesDrawingCommand(argv[i])) return true;
  }
  return false;
}
