#include "cli/TextCommand.h"

#include <QCoreApplication>

#include "cli/PolynomialArgument.h"
#include "cli/StepsCommand.h"
#include "engine/search/Search.h"
#include "report/WorkReport.h"

namespace {

// What "Calcular" writes: one line per root, "(x-r) (quotient)". A line whose
// division failed holds the factor alone. The search reads the text as the
// window does.
CommandOutput calcular(const PolynomialArgument& argument) {
  factorix::SearchResult result = factorix::Search(argument.padText);
  CommandOutput output;
  output.error = result.error;
  output.lines = std::move(result.lines);
  output.leadingBlank = true;
  return output;
}

// The complete factorisation over the integers, one line.
CommandOutput factorizar(const PolynomialArgument& argument) {
  return ReportOutput([&argument](CommandOutput& output) {
    const std::optional<QString> line = WorkReport::factorizationLine(argument.padText);
    if (line) output.lines.push_back(line->toStdString());
    return line.has_value();
  });
}

// The Ruffini tables of the first root as plain text, then the
// factorisation.
CommandOutput ruffini(const PolynomialArgument& argument) {
  return ReportOutput([&argument](CommandOutput& output) {
    const std::optional<QStringList> lines = WorkReport::ruffiniLines(argument.padText);
    if (lines) {
      for (const QString& line : *lines) output.lines.push_back(line.toStdString());
    }
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
    {"pasos",
     QT_TRANSLATE_NOOP("CommandLine", "Escribe la resolución paso a paso de TEXTO: el factor común, los "
     "candidatos probados con el teorema del resto, las tablas de Ruffini, la "
     "ecuación de segundo grado o bicuadrada que queda, las raíces con su "
     "multiplicidad y la factorización. Con --json, un objeto JSON por polinomio; con "
     "--formato o --salida, un documento (texto, JSON, HTML, LaTeX o PDF)."),
     &pasos},
};

const TextCommand kPasosJson{"pasos", "", &pasosJson, false, &pasosJsonUnread};

}  // namespace

// A text whose search evaluates it candidate by candidate has no
// polynomial to factor.
std::string NoFactorizationMessage() {
  return QCoreApplication::translate("TextCommand",
                                     "factorix: el texto no es una suma de términos en x; no hay factorización que dar.\n"
                                     "Pruebe «factorix --help» para más información.")
      .toStdString();
}

std::span<const TextCommand> textCommands() { return kCommands; }

const TextCommand* jsonForm(const TextCommand& command) {
  return std::string_view(command.option) == kPasosJson.option ? &kPasosJson : nullptr;
}
