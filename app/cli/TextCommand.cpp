#include "app/cli/TextCommand.h"

#include "engine/search/Search.h"

namespace {

// What "Calcular" writes: one line per root, "(x-r) (quotient)". A line whose
// division failed holds the factor alone.
CommandOutput calcular(std::string_view padText) {
  factorix::SearchResult result = factorix::Search(padText);
  CommandOutput output;
  output.error = result.error;
  output.lines.reserve(result.lines.size());
  for (std::string& line : result.lines) {
    if (!line.empty() && line.front() == ' ') line.erase(0, 1);
    output.lines.push_back(std::move(line));
  }
  return output;
}

constexpr TextCommand kCommands[] = {
    {"calcular",
     "Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y "
     "escribe una línea por raíz: el factor y el cociente. Con «-» lee un "
     "polinomio por línea de la entrada estándar.",
     &calcular},
};

}  // namespace

std::span<const TextCommand> textCommands() { return kCommands; }
