#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a command leaves for the command line to print.
struct CommandOutput {
  // Formula lines in the pad's text encoding, without the result pad's
  // leading blank, in the order the window shows them.
  std::vector<std::string> lines;
  // The engine's error number (factorix::ErrorNumber) that ended the work;
  // kNoError (0) when it ran to the end.
  int error = 0;
  // True when `lines` are plain text (tables, captions) printed as they
  // are, rather than formula lines in the pad's encoding.
  bool plainText = false;
  // A message of the command's own for standard error, without its line
  // end; it ends the text as an error does. Empty for none.
  std::string message;
};

// One option of the command line that takes a polynomial: `--<option> TEXTO`.
// Every such option shares the reading of TEXTO (pad text or the form the
// window shows, "-" for standard input) and the printing of the lines, so a
// new one needs only an entry in textCommands().
struct TextCommand {
  const char* option;       // long option name, without "--"
  const char* description;  // help text, Spanish, UTF-8, in QT_TRANSLATE_NOOP("CommandLine", …)
  CommandOutput (*run)(std::string_view padText);  // padText: UTF-8 pad text
};

// Every command, in the order --help lists them.
std::span<const TextCommand> textCommands();
