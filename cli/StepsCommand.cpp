#include "cli/StepsCommand.h"

#include <QByteArray>
#include <QString>

#include "cli/PolynomialArgument.h"
#include "engine/factor/Work.h"
#include "engine/solve/Solution.h"
#include "presentation/ErrorMessages.h"
#include "report/SolutionJson.h"
#include "report/SolutionText.h"

namespace {

// The solution of the argument's polynomial into the output by `write`.
template <typename Write>
CommandOutput solve(const PolynomialArgument& argument, Write write) {
  return ReportOutput([&argument, &write](CommandOutput& output) {
    output.plainText = true;
    const std::optional<factorix::Polynomial> polynomial = factorix::ReadTermsWithinLimits(argument.padText);
    if (polynomial) write(factorix::Solve(*polynomial), output);
    return polynomial.has_value();
  });
}

std::string failureLine(int error, const QString& message) {
  return SolutionJson::writeFailure(error, message).toStdString();
}

}  // namespace

CommandOutput pasos(const PolynomialArgument& argument) {
  return solve(argument, [](const factorix::Solution& solution, CommandOutput& output) {
    QString text = SolutionText::write(solution);
    text.chop(1);  // the runner ends every line
    for (const QString& line : text.split(u'\n')) output.lines.push_back(line.toStdString());
  });
}

CommandOutput pasosJson(const PolynomialArgument& argument) {
  CommandOutput output = solve(argument, [](const factorix::Solution& solution, CommandOutput& out) {
    out.lines = {SolutionJson::write(solution).toStdString()};
  });
  // One line per text, so that the answers to many texts stay in step with
  // them: what went wrong, as an object of its own.
  if (output.error != factorix::kNoError)
    output.lines = {failureLine(output.error, ErrorMessageAsWritten(output.error))};
  else if (!output.message.empty())
    output.lines = {failureLine(factorix::kNoError, QStringLiteral("no es una suma de términos"))};
  return output;
}

std::string pasosJsonUnread(const PolynomialArgument& argument) {
  if (argument.error != factorix::kNoError)
    return failureLine(argument.error, ErrorMessageAsWritten(argument.error));
  return failureLine(factorix::kNoError, argument.messageAsWritten);
}
