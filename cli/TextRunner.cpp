#include "cli/TextRunner.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <string_view>

#include "cli/ExitStatus.h"
#include "cli/LineReader.h"
#include "cli/PolynomialArgument.h"
#include "cli/TextCommand.h"
#include "engine/core/EngineError.h"
#include "presentation/ErrorMessages.h"
#include "presentation/FormulaSpelling.h"

namespace {

void write(std::FILE* stream, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stream); }

void write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  write(stream, std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace

TextRunner::TextRunner(const TextCommand& command, bool padText) : command_(command), padText_(padText) {}

int TextRunner::runText(const QString& texto) const { return run(PolynomialArgument::read(texto)); }

int TextRunner::run(const PolynomialArgument& argument) const {
  if (argument.message.isEmpty() && argument.error == factorix::kNoError) return print(command_.run(argument));
  CommandOutput output;
  output.error = argument.error;
  output.message = argument.message.toStdString();
  output.plainText = true;
  if (command_.unreadLine) output.lines = {command_.unreadLine(argument)};
  return print(output);
}

int TextRunner::print(const CommandOutput& output) const {
  std::string spoken;  // one buffer for every line spelt
  for (const std::string& line : output.lines) {
    std::string_view text = line;
    if (output.leadingBlank && !text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (padText_ || output.plainText) {
      write(stdout, text);
    } else {
      spoken.clear();
      FormulaSpelling::appendSpoken(text, spoken);
      write(stdout, spoken);
    }
    std::fputc('\n', stdout);
  }
  if (!output.message.empty()) return reportMessage(output.message);
  return report(output.error);
}

int TextRunner::runStandardInput() const {
  LineReader reader(stdin);
  std::string line;
  bool tooLong = false;
  int status = kLinesOnly;
  while (reader.next(line, tooLong)) {
    int textStatus = kLinesOnly;
    if (tooLong) {
      PolynomialArgument beyondBound;
      beyondBound.error = factorix::kOverflow;
      textStatus = run(beyondBound);
    } else {
      textStatus = runText(QString::fromUtf8(line.data(), qsizetype(line.size())));
    }
    if (command_.blankLineAfterEach) std::fputc('\n', stdout);
    if (textStatus != kLinesOnly) status = textStatus;
    if (std::ferror(stdout)) break;  // the rest could not be written either
  }
  if (reader.failed()) {
    std::fflush(stdout);
    write(stderr, QCoreApplication::translate("TextRunner", "%1: no se pudo leer la entrada estándar.\n")
                      .arg(QCoreApplication::applicationName()));
    status = kMessage;
  }
  return status;
}

int TextRunner::report(int error) {
  if (error == factorix::kNoError) return kLinesOnly;
  return reportMessage(ErrorMessage(error).toStdString());
}

int TextRunner::reportMessage(std::string_view message) {
  std::fflush(stdout);  // on a terminal the lines come before the message
  write(stderr, message);
  std::fputc('\n', stderr);
  return kMessage;
}
