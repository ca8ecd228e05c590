#pragma once

#include <span>

struct DrawingHandler;

// What the drawing program does for each drawing command of the command line
// (cli/DrawingCommands.h), one handler per command.
std::span<const DrawingHandler> drawingHandlers();
