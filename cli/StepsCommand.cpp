#include "cli/StepsCommand.h"

#include <QByteArray>
#include <QString>

#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "engine/solve/Solution.h"
#include "presentation/ErrorMessages.h"
#include "report/SolutionJson.h"
#include "report/SolutionText.h"

namespace {

std::string utf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), size_t(bytes.size()));
}

// The solution of `padText` into `output` by `write`; false for a text
// that is not a sum of terms.
template <typename Write>
bool solve(std::string_view padText, CommandOutput& output, Write write) {
  output.plainText = true;
  output.error = factorix::RunGuarded([&] {
    const std::optional<factorix::Polynomial> polynomial = factorix::ReadTermsWithinLimits(padText);
    if (!polynomial) {
      output.message = NoFactorizationMessage();
      return;
    }
    write(factorix::Solve(*polynomial), output);
  });
  return output.message.empty();
}

}  // namespace

CommandOutput pasos(std::string_view padText) {
  CommandOutput output;
  solve(padText, output, [](const factorix::Solution& solution, CommandOutput& out) {
    QString text = SolutionText::write(solution);
    text.chop(1);  // the runner ends every line
    for (const QString& line : text.split(u'\n')) out.lines.push_back(utf8(line));
  });
  if (output.error != factorix::kNoError) output.lines.clear();
  return output;
}

CommandOutput pasosJson(std::string_view padText) {
  CommandOutput output;
  solve(padText, output, [](const factorix::Solution& solution, CommandOutput& out) {
    const QByteArray json = SolutionJson::write(solution);
    out.lines = {std::string(json.constData(), size_t(json.size()))};
  });
  // One line per text, so that the answers to many texts stay in step with
  // them: what went wrong, as an object of its own.
  if (output.error != factorix::kNoError) {
    output.lines = {utf8(QStringLiteral("{\"error\": %1, \"mensaje\": \"%2\"}")
                             .arg(output.error)
                             .arg(ErrorMessageAsWritten(output.error)))};
  } else if (!output.message.empty()) {
    output.lines = {R"({"error": null, "mensaje": "no es una suma de términos"})"};
  }
  return output;
}
