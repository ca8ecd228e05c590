#include "app/DrawingHandlers.h"

#include <array>

#include "app/GraphCommand.h"
#include "app/SheetCommand.h"
#include "app/StepsDocumentCommand.h"
#include "cli/DrawingCommands.h"

namespace {

// One entry per entry of the command line's drawing commands.
constexpr std::array<DrawingHandler, 13> kHandlers{{
    {"grafica", &RunGraphCommand},
    {"ejercicios", &RunSheetCommand},
    {"hoja", &RunSheetWindow},
    {"salida", &RunDocumentOption},
    {"tamano", &RunOptionAlone},
    {"descripcion", &RunOptionAlone},
    {"grado", &RunOptionAlone},
    {"raices", &RunOptionAlone},
    {"racionales", &RunOptionAlone},
    {"complejas", &RunOptionAlone},
    {"semilla", &RunOptionAlone},
    {"con-pasos", &RunOptionAlone},
    {"formato", &RunDocumentOption},
}};

}  // namespace

std::span<const DrawingHandler> drawingHandlers() { return kHandlers; }
