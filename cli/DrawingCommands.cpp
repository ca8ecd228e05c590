#include "cli/DrawingCommands.h"

#include <array>
#include <cstring>
#include <string_view>

#include "presentation/UiLanguage.h"

namespace {

// A new command that draws gets its entry here and its handler in the
// drawing program (app/DrawingHandlers.cpp).
constexpr std::array<DrawingCommand, 0> kDrawingCommands{};

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
  // The language option alone, as no option at all, opens the window.
  int first = 1;
  while (first < argc && UiLanguage::optionLength(argc, argv, first) > 0)
    first += UiLanguage::optionLength(argc, argv, first);
  if (first >= argc || isQtWindowOption(argv[first])) return true;
  for (int i = first; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--") break;  // what follows are values
    if (namesDrawingCommand(argv[i])) return true;
  }
  return false;
}
