#pragma once

#include <span>
#include <string>

#include "cli/CommandOutput.h"

struct PolynomialArgument;

// One option of the command line that takes a polynomial: `--<option> TEXTO`.
// Every such option shares the reading of TEXTO (pad text or the form the
// window shows, "-" for standard input) and the printing of the lines, so a
// new one needs only an entry in textCommands().
struct TextCommand {
  const char* option;       // long option name, without "--"
  const char* description;  // help text, Spanish, UTF-8, in QT_TRANSLATE_NOOP("CommandLine", …)
  CommandOutput (*run)(const PolynomialArgument& argument);  // a polynomial was read
  // Whether the answers to many texts (TEXTO "-") are set apart by an empty
  // line; JSON gives one line per text instead.
  bool blankLineAfterEach = true;
  // The line of a command that writes one line per text, for a TEXTO that
  // was no polynomial (PolynomialArgument's error or message); nullptr for
  // a command that writes only the message then.
  std::string (*unreadLine)(const PolynomialArgument& argument) = nullptr;
};

// Every command, in the order --help lists them.
std::span<const TextCommand> textCommands();

// The form of `command` that writes JSON (--json); nullptr for a command
// without one.
const TextCommand* jsonForm(const TextCommand& command);
