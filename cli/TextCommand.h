#pragma once

#include <span>
#include <string_view>

#include "cli/CommandOutput.h"

// One option of the command line that takes a polynomial: `--<option> TEXTO`.
// Every such option shares the reading of TEXTO (pad text or the form the
// window shows, "-" for standard input) and the printing of the lines, so a
// new one needs only an entry in textCommands().
struct TextCommand {
  const char* option;       // long option name, without "--"
  const char* description;  // help text, Spanish, UTF-8, in QT_TRANSLATE_NOOP("CommandLine", …)
  CommandOutput (*run)(std::string_view padText);  // padText: UTF-8 pad text
  // Whether the answers to many texts (TEXTO "-") are set apart by an empty
  // line; JSON gives one line per text instead.
  bool blankLineAfterEach = true;
};

// Every command, in the order --help lists them.
std::span<const TextCommand> textCommands();

// The form of `command` that writes JSON (--json); nullptr for a command
// without one.
const TextCommand* jsonForm(const TextCommand& command);
