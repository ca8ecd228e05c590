#pragma once

#include <QString>
#include <string_view>

struct CommandOutput;
struct PolynomialArgument;
struct TextCommand;

// Runs one command of the command line on texts and prints what it makes of
// each: its lines on standard output, then its message, if any, on standard
// error. Returns an ExitStatus.
class TextRunner {
public:
  // `padText`: print the lines in the pad's own encoding rather than as a
  // screen reader reads them.
  TextRunner(const TextCommand& command, bool padText);

  // `texto`: the text as given, read as PolynomialArgument reads it.
  int runText(const QString& texto) const;

  // One text per line of standard input, each followed by an empty line.
  // A line beyond LineReader's bound gets the overflow message.
  int runStandardInput() const;

private:
  // Runs the command on what was read, or prints why nothing was.
  int run(const PolynomialArgument& argument) const;
  // Prints `output`'s lines, then its message or error's message.
  int print(const CommandOutput& output) const;
  // The message for `error` (an engine error number), when there is one.
  static int report(int error);
  // Writes `message` (UTF-8) and its line end on standard error.
  static int reportMessage(std::string_view message);

  const TextCommand& command_;
  bool padText_;
};
