#include "cli/TextCommand.h"

#include <QCoreApplication>

#include "engine/core/EngineError.h"
#include "engine/factor/Report.h"
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

// A text whose search evaluates it candidate by candidate has no
// polynomial to factor.
constexpr const char* kNoFactorization = QT_TRANSLATE_NOOP(
    "TextCommand",
    "factorix: el texto no es una suma de términos en x; no hay factorización que dar.\n"
    "Pruebe «factorix --help» para más información.");

// Runs one of the work's reports; a polynomial too large to show ends with
// the engine's error.
template <typename Report>
CommandOutput work(Report report) {
  CommandOutput output;
  output.error = factorix::RunGuarded([&report, &output] {
    if (!report(output)) output.message = QCoreApplication::translate("TextCommand", kNoFactorization).toStdString();
  });
  if (output.error != factorix::kNoError) output.lines.clear();
  return output;
}

// The complete factorisation over the integers, one line.
CommandOutput factorizar(std::string_view padText) {
  return work([padText](CommandOutput& output) {
    const std::optional<std::string> line = factorix::FactorizationLine(padText);
    if (line) output.lines.push_back(*line);
    return line.has_value();
  });
}

// The Ruffini tables of the first root as plain text, then the
// factorisation.
CommandOutput ruffini(std::string_view padText) {
  return work([padText](CommandOutput& output) {
    std::optional<std::vector<std::string>> lines = factorix::RuffiniLines(padText);
    if (lines) output.lines = std::move(*lines);
    output.plainText = true;
    return lines.has_value();
  });
}

constexpr TextCommand kCommands[] = {
    {"calcular",
     QT_TRANSLATE_NOOP("CommandLine", "Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y "
     "escribe una línea por raíz: el factor y el cociente. Con «-» lee un "
     "polinomio por línea de la entrada estándar."),
     &calcular},
    {"factorizar",
     QT_TRANSLATE_NOOP("CommandLine", "Escribe en una línea la factorización completa de TEXTO sobre los enteros: "
     "el contenido, los factores de las raíces enteras y los demás factores "
     "irreducibles, con sus exponentes."),
     &factorizar},
    {"ruffini",
     QT_TRANSLATE_NOOP("CommandLine", "Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la "
     "primera raíz de TEXTO, cada uno con su cociente y su resto, y después la "
     "factorización completa."),
     &ruffini},
};

}  // namespace

std::span<const TextCommand> textCommands() { return kCommands; }
