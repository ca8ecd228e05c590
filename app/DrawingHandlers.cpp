#include "app/DrawingHandlers.h"

#include <array>

#include "cli/DrawingCommands.h"

namespace {

// One entry per entry of the command line's drawing commands.
constexpr std::array<DrawingHandler, 0> kHandlers{};

}  // namespace

std::span<const DrawingHandler> drawingHandlers() { return kHandlers; }
